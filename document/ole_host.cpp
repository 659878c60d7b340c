#include "document/ole_host.h"

#include <commdlg.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "resources/resource.h"

namespace {

const char kNoFile[] = "Nessun file selezionato";

struct Frame;
struct Callback;

// What the main window keeps of its document's embedded objects.
struct DocumentHolder {
    HWND control;
    HWND mainWindow;
    HMENU mainMenu;  // the window's own menu, put back when in-place editing ends
    IRichEditOle* richEditOle;
    Callback* callback;
    IStorage* root;
    int objectCount;
    char path[256];
    char title[32];
};

DocumentHolder s_holder = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, "", "Nessun file selezionato"};

// ---- In-place frame -------------------------------------------------------
// The operations in the slot order of the in-place frame interface.

struct FrameTable {
    HRESULT(STDMETHODCALLTYPE* queryInterface)(Frame*, REFIID, void**);
    ULONG(STDMETHODCALLTYPE* addRef)(Frame*);
    ULONG(STDMETHODCALLTYPE* release)(Frame*);
    HRESULT(STDMETHODCALLTYPE* getWindow)(Frame*, HWND*);
    HRESULT(STDMETHODCALLTYPE* contextSensitiveHelp)(Frame*, BOOL);
    HRESULT(STDMETHODCALLTYPE* getBorder)(Frame*, RECT*);
    HRESULT(STDMETHODCALLTYPE* requestBorderSpace)(Frame*, LPCBORDERWIDTHS);
    HRESULT(STDMETHODCALLTYPE* setBorderSpace)(Frame*, LPCBORDERWIDTHS);
    HRESULT(STDMETHODCALLTYPE* setActiveObject)(Frame*, IOleInPlaceActiveObject*, LPCOLESTR);
    HRESULT(STDMETHODCALLTYPE* insertMenus)(Frame*, HMENU, LPOLEMENUGROUPWIDTHS);
    HRESULT(STDMETHODCALLTYPE* setMenu)(Frame*, HMENU, HOLEMENU, HWND);
    HRESULT(STDMETHODCALLTYPE* removeMenus)(Frame*, HMENU);
    HRESULT(STDMETHODCALLTYPE* setStatusText)(Frame*, LPCOLESTR);
    HRESULT(STDMETHODCALLTYPE* enableModeless)(Frame*, BOOL);
    HRESULT(STDMETHODCALLTYPE* translateAccelerator)(Frame*, MSG*, WORD);
};

struct Frame {
    const FrameTable* table;
    LONG refs;
    DocumentHolder* holder;
    IOleInPlaceActiveObject* activeObject;
};

// A query's answer: the object itself with a new reference, when it has the
// interface.
HRESULT AnswerQuery(void* self, LONG* refs, bool known, void** out)
{
    if (!known) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = self;
    InterlockedIncrement(refs);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FrameQueryInterface(Frame* frame, REFIID iid, void** out)
{
    bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleWindow) ||
                 IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame);
    return AnswerQuery(frame, &frame->refs, known, out);
}

ULONG STDMETHODCALLTYPE FrameAddRef(Frame* frame)
{
    return (ULONG)InterlockedIncrement(&frame->refs);
}

ULONG STDMETHODCALLTYPE FrameRelease(Frame* frame)
{
    LONG refs = InterlockedDecrement(&frame->refs);
    if (refs == 0) {
        if (frame->activeObject)
            frame->activeObject->Release();
        delete frame;
    }
    return (ULONG)refs;
}

HRESULT STDMETHODCALLTYPE FrameGetWindow(Frame*, HWND*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameContextSensitiveHelp(Frame*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameGetBorder(Frame*, RECT*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameRequestBorderSpace(Frame*, LPCBORDERWIDTHS)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameSetBorderSpace(Frame*, LPCBORDERWIDTHS)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameSetActiveObject(Frame* frame, IOleInPlaceActiveObject* object, LPCOLESTR)
{
    if (object)
        object->AddRef();
    if (frame->activeObject)
        frame->activeObject->Release();
    frame->activeObject = object;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FrameInsertMenus(Frame*, HMENU, LPOLEMENUGROUPWIDTHS widths)
{
    // No file, container or window group of our own.
    if (widths) {
        widths->width[0] = 0;
        widths->width[2] = 0;
        widths->width[4] = 0;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FrameSetMenu(Frame* frame, HMENU shared, HOLEMENU descriptor, HWND activeObject)
{
    HWND main = frame->holder->mainWindow;
    if (shared && descriptor)
        SetMenu(main, shared);
    else if (!shared && frame->holder->mainMenu)
        SetMenu(main, frame->holder->mainMenu);
    DrawMenuBar(main);
    return OleSetMenuDescriptor(descriptor, main, activeObject, nullptr, nullptr);
}

HRESULT STDMETHODCALLTYPE FrameRemoveMenus(Frame*, HMENU)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FrameSetStatusText(Frame*, LPCOLESTR)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameEnableModeless(Frame*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE FrameTranslateAccelerator(Frame*, MSG*, WORD)
{
    return S_FALSE;
}

const FrameTable kFrameTable = {
    FrameQueryInterface,   FrameAddRef,         FrameRelease,           FrameGetWindow,
    FrameContextSensitiveHelp, FrameGetBorder,  FrameRequestBorderSpace, FrameSetBorderSpace,
    FrameSetActiveObject,  FrameInsertMenus,    FrameSetMenu,           FrameRemoveMenus,
    FrameSetStatusText,    FrameEnableModeless, FrameTranslateAccelerator,
};

// ---- Callback ---------------------------------------------------------------
// The operations in the slot order of the rich-edit control's OLE callback.

struct CallbackTable {
    HRESULT(STDMETHODCALLTYPE* queryInterface)(Callback*, REFIID, void**);
    ULONG(STDMETHODCALLTYPE* addRef)(Callback*);
    ULONG(STDMETHODCALLTYPE* release)(Callback*);
    HRESULT(STDMETHODCALLTYPE* getNewStorage)(Callback*, IStorage**);
    HRESULT(STDMETHODCALLTYPE* getInPlaceContext)(Callback*, IOleInPlaceFrame**, IOleInPlaceUIWindow**,
                                                  OLEINPLACEFRAMEINFO*);
    HRESULT(STDMETHODCALLTYPE* showContainerUI)(Callback*, BOOL);
    HRESULT(STDMETHODCALLTYPE* queryInsertObject)(Callback*, CLSID*, IStorage*, LONG);
    HRESULT(STDMETHODCALLTYPE* deleteObject)(Callback*, IOleObject*);
    HRESULT(STDMETHODCALLTYPE* queryAcceptData)(Callback*, IDataObject*, CLIPFORMAT*, DWORD, BOOL, HGLOBAL);
    HRESULT(STDMETHODCALLTYPE* contextSensitiveHelp)(Callback*, BOOL);
    HRESULT(STDMETHODCALLTYPE* getClipboardData)(Callback*, CHARRANGE*, DWORD, IDataObject**);
    HRESULT(STDMETHODCALLTYPE* getDragDropEffect)(Callback*, BOOL, DWORD, DWORD*);
    HRESULT(STDMETHODCALLTYPE* getContextMenu)(Callback*, WORD, IOleObject*, CHARRANGE*, HMENU*);
};

struct Callback {
    const CallbackTable* table;
    LONG refs;
    DocumentHolder* holder;
    Frame* frame;
};

HRESULT STDMETHODCALLTYPE CallbackQueryInterface(Callback* callback, REFIID iid, void** out)
{
    bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IRichEditOleCallback);
    return AnswerQuery(callback, &callback->refs, known, out);
}

ULONG STDMETHODCALLTYPE CallbackAddRef(Callback* callback)
{
    return (ULONG)InterlockedIncrement(&callback->refs);
}

ULONG STDMETHODCALLTYPE CallbackRelease(Callback* callback)
{
    LONG refs = InterlockedDecrement(&callback->refs);
    if (refs == 0) {
        FrameRelease(callback->frame);
        delete callback;
    }
    return (ULONG)refs;
}

HRESULT STDMETHODCALLTYPE CallbackGetNewStorage(Callback* callback, IStorage** storage)
{
    *storage = nullptr;
    DocumentHolder* holder = callback->holder;
    if (!holder->root)
        return E_FAIL;
    ++holder->objectCount;
    wchar_t name[32];
    swprintf(name, 32, L"REOBJ%d", holder->objectCount);
    return holder->root->CreateStorage(name, STGM_TRANSACTED | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                       storage);
}

HRESULT STDMETHODCALLTYPE CallbackGetInPlaceContext(Callback* callback, IOleInPlaceFrame** frame,
                                                    IOleInPlaceUIWindow** document, OLEINPLACEFRAMEINFO* info)
{
    FrameAddRef(callback->frame);
    *frame = (IOleInPlaceFrame*)callback->frame;
    *document = nullptr;
    info->cb = sizeof *info;
    info->fMDIApp = FALSE;
    info->hwndFrame = callback->holder->mainWindow;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CallbackShowContainerUI(Callback* callback, BOOL show)
{
    if (show)
        FrameSetMenu(callback->frame, nullptr, nullptr, nullptr);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CallbackQueryInsertObject(Callback*, CLSID*, IStorage*, LONG)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CallbackDeleteObject(Callback*, IOleObject*)
{
    return S_OK;
}

// Files dropped on the document belong to the main window, which opens them.
HRESULT STDMETHODCALLTYPE CallbackQueryAcceptData(Callback*, IDataObject*, CLIPFORMAT*, DWORD reco, BOOL, HGLOBAL)
{
    return reco == RECO_DROP ? E_FAIL : S_OK;
}

HRESULT STDMETHODCALLTYPE CallbackContextSensitiveHelp(Callback*, BOOL)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CallbackGetClipboardData(Callback*, CHARRANGE*, DWORD, IDataObject** data)
{
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CallbackGetDragDropEffect(Callback*, BOOL, DWORD, DWORD*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CallbackGetContextMenu(Callback*, WORD, IOleObject*, CHARRANGE*, HMENU* menu)
{
    if (menu)
        *menu = nullptr;
    return S_OK;
}

const CallbackTable kCallbackTable = {
    CallbackQueryInterface,   CallbackAddRef,        CallbackRelease,
    CallbackGetNewStorage,    CallbackGetInPlaceContext, CallbackShowContainerUI,
    CallbackQueryInsertObject, CallbackDeleteObject, CallbackQueryAcceptData,
    CallbackContextSensitiveHelp, CallbackGetClipboardData, CallbackGetDragDropEffect,
    CallbackGetContextMenu,
};

Callback* NewCallback(DocumentHolder* holder)
{
    Frame* frame = new Frame{&kFrameTable, 1, holder, nullptr};
    return new Callback{&kCallbackTable, 1, holder, frame};
}

void ForgetPath(DocumentHolder* holder)
{
    holder->path[0] = '\0';
    snprintf(holder->title, sizeof holder->title, "%s", kNoFile);
}

// Releases what the last reset made. The document must hold no object any
// more (its text is emptied first, or the control is going away).
void ReleaseObjects(DocumentHolder* holder)
{
    if (holder->richEditOle)
        holder->richEditOle->InPlaceDeactivate();
    if (holder->control && IsWindow(holder->control))
        SendMessageA(holder->control, EM_SETOLECALLBACK, 0, 0);
    if (holder->callback)
        CallbackRelease(holder->callback);
    holder->callback = nullptr;
    if (holder->root)
        holder->root->Release();
    holder->root = nullptr;
    if (holder->richEditOle)
        holder->richEditOle->Release();
    holder->richEditOle = nullptr;
    holder->objectCount = 0;
}

// Without its OLE state the control is not trusted with a document.
bool FailReset(DocumentHolder* holder)
{
    ReleaseObjects(holder);
    if (holder->control && IsWindow(holder->control))
        DestroyWindow(holder->control);
    if (holder->mainWindow) {
        HWND toolbar = GetDlgItem(holder->mainWindow, IDC_FORMAT_TOOLBAR);
        if (toolbar)
            DestroyWindow(toolbar);
    }
    holder->control = nullptr;
    return false;
}

}  // namespace

bool ResetDocumentObjects(HWND document, HWND mainWindow)
{
    DocumentHolder* holder = &s_holder;
    holder->control = document;
    holder->mainWindow = mainWindow;
    if (!holder->mainMenu)
        holder->mainMenu = GetMenu(mainWindow);
    ForgetPath(holder);
    if (!document || !IsWindow(document))
        return FailReset(holder);
    if (holder->richEditOle)
        holder->richEditOle->InPlaceDeactivate();
    SetWindowTextA(document, "");
    ReleaseObjects(holder);

    if (!SendMessageA(document, EM_GETOLEINTERFACE, 0, (LPARAM)&holder->richEditOle) || !holder->richEditOle) {
        holder->richEditOle = nullptr;
        return FailReset(holder);
    }
    // A nameless compound file: a temporary file, deleted when released.
    if (FAILED(StgCreateDocfile(nullptr,
                                STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_DELETEONRELEASE, 0,
                                &holder->root))) {
        holder->root = nullptr;
        return FailReset(holder);
    }
    holder->callback = NewCallback(holder);
    if (!SendMessageA(document, EM_SETOLECALLBACK, 0, (LPARAM)holder->callback))
        return FailReset(holder);
    return true;
}

void ReleaseDocumentObjects()
{
    ReleaseObjects(&s_holder);
    ForgetPath(&s_holder);
}

void RememberDocumentPath(const char* path)
{
    DocumentHolder* holder = &s_holder;
    snprintf(holder->path, sizeof holder->path, "%s", path ? path : "");
    if (!holder->path[0]) {
        ForgetPath(holder);
        return;
    }
    char title[MAX_PATH] = "";
    if (GetFileTitleA(holder->path, title, sizeof title) != 0) {
        const char* name = strrchr(holder->path, '\\');
        snprintf(title, sizeof title, "%s", name ? name + 1 : holder->path);
    }
    snprintf(holder->title, sizeof holder->title, "%s", title);
}

bool ResetForDocumentPath(const char* path)
{
    if (!ResetDocumentObjects(s_holder.control, s_holder.mainWindow))
        return false;
    RememberDocumentPath(path);
    InvalidateRect(s_holder.control, nullptr, TRUE);
    return true;
}

const char* DocumentTitle()
{
    return s_holder.title;
}

const char* DocumentPath()
{
    return s_holder.path;
}

IRichEditOleCallback* DocumentCallback()
{
    return (IRichEditOleCallback*)s_holder.callback;
}
