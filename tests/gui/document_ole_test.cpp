// The report document's OLE host: the callback registered with the control
// and its in-place frame, answered slot by slot.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include <string>

#include "document/ole_host.h"
#include "tests/gui/document_steps.h"

using namespace docsteps;

namespace {

std::string StorageName(IStorage* storage)
{
    STATSTG stat = {};
    if (FAILED(storage->Stat(&stat, STATFLAG_DEFAULT)))
        return "";
    char name[64] = "";
    WideCharToMultiByte(CP_ACP, 0, stat.pwcsName, -1, name, sizeof name, nullptr, nullptr);
    CoTaskMemFree(stat.pwcsName);
    return name;
}

std::string NewStorageName(IRichEditOleCallback* callback)
{
    IStorage* storage = nullptr;
    EXPECT_EQ(callback->GetNewStorage(&storage), S_OK);
    if (!storage)
        return "";
    std::string name = StorageName(storage);
    storage->Release();
    return name;
}

TEST(DocumentOle, CallbackAnswersEachSlot)
{
    Reset("");
    IRichEditOleCallback* callback = DocumentCallback();
    ASSERT_NE(callback, nullptr);
    IRichEditOle* ole = nullptr;
    ASSERT_TRUE(SendMessageA(Document(), EM_GETOLEINTERFACE, 0, (LPARAM)&ole));
    ASSERT_NE(ole, nullptr);
    ole->Release();

    void* out = nullptr;
    EXPECT_EQ(callback->QueryInterface(IID_IRichEditOleCallback, &out), S_OK);
    EXPECT_EQ(out, callback);
    EXPECT_EQ(callback->QueryInterface(IID_IUnknown, &out), S_OK);
    EXPECT_EQ(out, callback);
    // Two references added by the two queries, one more by AddRef.
    ULONG refs = callback->AddRef();
    EXPECT_EQ(callback->Release(), refs - 1);
    callback->Release();
    callback->Release();
    EXPECT_EQ(callback->QueryInterface(IID_IOleInPlaceFrame, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    // Storages in the temporary root, numbered from 1 again after a reset.
    EXPECT_EQ(NewStorageName(callback), "REOBJ1");
    EXPECT_EQ(NewStorageName(callback), "REOBJ2");
    Reset("");
    callback = DocumentCallback();
    ASSERT_NE(callback, nullptr);
    EXPECT_EQ(NewStorageName(callback), "REOBJ1");

    EXPECT_EQ(callback->QueryInsertObject(nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(callback->DeleteObject(nullptr), S_OK);
    EXPECT_EQ(callback->ContextSensitiveHelp(TRUE), S_OK);
    // Data dropped on the document is refused: files go to the main window.
    EXPECT_TRUE(FAILED(callback->QueryAcceptData(nullptr, nullptr, RECO_DROP, TRUE, nullptr)));
    for (DWORD way : {RECO_PASTE, RECO_COPY, RECO_CUT, RECO_DRAG})
        EXPECT_EQ(callback->QueryAcceptData(nullptr, nullptr, way, TRUE, nullptr), S_OK) << way;
    CHARRANGE range = {0, 0};
    IDataObject* data = reinterpret_cast<IDataObject*>(1);
    EXPECT_EQ(callback->GetClipboardData(&range, RECO_COPY, &data), E_NOTIMPL);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(callback->GetDragDropEffect(TRUE, 0, &effect), E_NOTIMPL);
    HMENU menu = reinterpret_cast<HMENU>(1);
    EXPECT_EQ(callback->GetContextMenu(SEL_TEXT, nullptr, &range, &menu), S_OK);
    EXPECT_EQ(menu, nullptr);
}

TEST(DocumentOle, InPlaceFrameLendsTheMainWindowAndGivesItsMenuBack)
{
    Reset("");
    HWND main = gui::MainWindow();
    HMENU own = GetMenu(main);
    IRichEditOleCallback* callback = DocumentCallback();
    ASSERT_NE(callback, nullptr);

    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* window = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    OLEINPLACEFRAMEINFO info = {};
    ASSERT_EQ(callback->GetInPlaceContext(&frame, &window, &info), S_OK);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(info.cb, sizeof info);
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_EQ(info.hwndFrame, main);
    EXPECT_EQ(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 0u);

    // Every successful query adds a reference.
    ULONG before = frame->AddRef();
    void* out = nullptr;
    for (REFIID iid : {IID_IUnknown, IID_IOleWindow, IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame}) {
        EXPECT_EQ(frame->QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, frame);
    }
    EXPECT_EQ(frame->AddRef(), before + 5);
    for (int i = 0; i < 6; ++i)
        frame->Release();
    EXPECT_EQ(frame->QueryInterface(IID_IRichEditOleCallback, &out), E_NOINTERFACE);

    HWND hwnd = nullptr;
    EXPECT_EQ(frame->GetWindow(&hwnd), E_NOTIMPL);
    EXPECT_EQ(frame->ContextSensitiveHelp(TRUE), E_NOTIMPL);
    RECT border;
    EXPECT_EQ(frame->GetBorder(&border), E_NOTIMPL);
    EXPECT_EQ(frame->RequestBorderSpace(nullptr), E_NOTIMPL);
    EXPECT_EQ(frame->SetBorderSpace(nullptr), E_NOTIMPL);
    EXPECT_EQ(frame->SetStatusText(L"x"), E_NOTIMPL);
    EXPECT_EQ(frame->EnableModeless(TRUE), E_NOTIMPL);
    MSG msg = {};
    EXPECT_EQ(frame->TranslateAccelerator(&msg, 0), S_FALSE);
    EXPECT_EQ(frame->SetActiveObject(nullptr, nullptr), S_OK);
    EXPECT_EQ(frame->RemoveMenus(nullptr), S_OK);

    OLEMENUGROUPWIDTHS widths = {{7, 7, 7, 7, 7, 7}};
    HMENU shared = CreateMenu();
    AppendMenuA(shared, MF_STRING, 1, "Oggetto");
    EXPECT_EQ(frame->InsertMenus(shared, &widths), S_OK);
    EXPECT_EQ(widths.width[0], 0);
    EXPECT_EQ(widths.width[2], 0);
    EXPECT_EQ(widths.width[4], 0);
    EXPECT_EQ(widths.width[1], 7);  // the object's own groups are its own

    // The object's menu on the main window while it is active, the main
    // window's own menu back when it ends.
    OLEMENUGROUPWIDTHS none = {{0, 1, 0, 0, 0, 0}};
    HOLEMENU descriptor = OleCreateMenuDescriptor(shared, &none);
    ASSERT_NE(descriptor, nullptr);
    EXPECT_EQ(frame->SetMenu(shared, descriptor, Document()), S_OK);
    EXPECT_EQ(GetMenu(main), shared);
    EXPECT_EQ(callback->ShowContainerUI(TRUE), S_OK);
    EXPECT_EQ(GetMenu(main), own);
    EXPECT_EQ(frame->SetMenu(shared, descriptor, Document()), S_OK);
    EXPECT_EQ(frame->SetMenu(nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(GetMenu(main), own);
    EXPECT_EQ(callback->ShowContainerUI(FALSE), S_OK);
    EXPECT_EQ(GetMenu(main), own);
    OleDestroyMenuDescriptor(descriptor);
    DestroyMenu(shared);
    frame->Release();
}

}  // namespace
