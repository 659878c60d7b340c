// fonexa's real start-up (StartMainWindow, with the splash) timed step by
// step: the calls that begin each step are caught in this program's import
// table, and the time of each step is written to standard output as
// "<microseconds> <step>", one line per step, then "end"; the step "shown"
// begins when the main window has become visible. Run by
// startup_bench, which passes its performance-counter value taken just
// before it started this process (the first step ends at WinMain):
//   startup_steps <counter>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resources/resource.h"
#include "shell/app.h"

namespace {

LARGE_INTEGER s_frequency;
struct Mark {
    const char* step;
    LONGLONG counter;
};
Mark s_marks[32];
int s_markCount;
HWND s_main;

// A step begins now (each step ends where the next one begins).
void Begin(const char* step)
{
    if (s_markCount == sizeof s_marks / sizeof s_marks[0])
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    s_marks[s_markCount++] = {step, now.QuadPart};
}

long long Microseconds(LONGLONG counts)
{
    return counts * 1000000 / s_frequency.QuadPart;
}

bool Named(LPCSTR name, const char* expected)
{
    return !IS_INTRESOURCE(name) && _stricmp(name, expected) == 0;
}

// The import-table slot of a function this program calls by name.
void** ImportSlot(const char* function)
{
    BYTE* base = (BYTE*)GetModuleHandleA(nullptr);
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = (IMAGE_IMPORT_DESCRIPTOR*)(base + imports); dll->Name; ++dll) {
        auto* name = (IMAGE_THUNK_DATA*)(base + dll->OriginalFirstThunk);
        auto* slot = (IMAGE_THUNK_DATA*)(base + dll->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot)
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                strcmp((const char*)((IMAGE_IMPORT_BY_NAME*)(base + name->u1.AddressOfData))->Name,
                       function) == 0)
                return (void**)&slot->u1.Function;
    }
    return nullptr;
}

// Puts the wrapper in the slot and keeps the real function in *real.
template <typename F>
void Catch(const char* function, F wrapper, F* real)
{
    void** slot = ImportSlot(function);
    if (!slot) {
        fprintf(stderr, "startup_steps: %s is not imported\n", function);
        exit(2);
    }
    DWORD old;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *real = (F)*slot;
    *slot = (void*)wrapper;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

decltype(&InitCommonControlsEx) s_initControls;
BOOL WINAPI InitControls(const INITCOMMONCONTROLSEX* controls)
{
    Begin("common controls");
    return s_initControls(controls);
}

decltype(&OleInitialize) s_oleInitialize;
HRESULT WINAPI InitOle(LPVOID reserved)
{
    Begin("OLE");
    return s_oleInitialize(reserved);
}

decltype(&LoadLibraryA) s_loadLibrary;
HMODULE WINAPI LoadRichEdit(LPCSTR name)
{
    if (Named(name, "RICHED32.DLL"))
        Begin("rich-edit library");
    return s_loadLibrary(name);
}

decltype(&RegisterClipboardFormatA) s_registerFormat;
UINT WINAPI RegisterFormat(LPCSTR name)
{
    if (Named(name, "Csv"))
        Begin("clipboard formats, paths");
    return s_registerFormat(name);
}

decltype(&CreateWindowExA) s_createWindow;
HWND WINAPI CreateTimedWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                              int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    if (Named(className, "Fonexa_Class"))
        Begin("main window frame, centre, drop");
    else if (Named(className, "RichEdit"))
        Begin("report document");
    else if (Named(className, TOOLTIPS_CLASSA) && !parent)
        Begin("tooltip window");
    else if (Named(className, "Fonexa_Splash"))
        Begin("splash window");
    HWND window = s_createWindow(exStyle, className, title, style, x, y, width, height, parent, menu,
                                 instance, param);
    if (Named(className, "Fonexa_Class"))
        s_main = window;
    return window;
}

decltype(&LoadImageA) s_loadImage;
HANDLE WINAPI LoadTimedImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    bool splash = Named(name, "FONEXA");
    static bool menuBitmaps;
    if (splash)
        Begin("splash picture");
    else if (!menuBitmaps && type == IMAGE_BITMAP)
        Begin("menu bitmaps");
    menuBitmaps = menuBitmaps || (!splash && type == IMAGE_BITMAP);
    HANDLE image = s_loadImage(instance, name, type, cx, cy, flags);
    if (splash)
        Begin("splash shown");
    return image;
}

decltype(&CreateToolbarEx) s_createToolbar;
HWND WINAPI CreateTimedToolbar(HWND parent, DWORD style, UINT id, int bitmaps, HINSTANCE instance,
                               UINT_PTR bitmapId, LPCTBBUTTON buttons, int buttonCount, int dxButton,
                               int dyButton, int dxBitmap, int dyBitmap, UINT structSize)
{
    Begin(id == IDC_MAIN_TOOLBAR ? "main toolbar" : "formatting toolbar");
    return s_createToolbar(parent, style, id, bitmaps, instance, bitmapId, buttons, buttonCount, dxButton,
                           dyButton, dxBitmap, dyBitmap, structSize);
}

decltype(&CreateStatusWindowA) s_createStatus;
HWND WINAPI CreateTimedStatus(LONG style, LPCSTR text, HWND parent, UINT id)
{
    Begin("status bar");
    return s_createStatus(style, text, parent, id);
}

decltype(&SendMessageA) s_sendMessage;
LRESULT WINAPI SendTimedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static bool documentMode, layout;
    if (message == TB_HIDEBUTTON && !documentMode) {
        documentMode = true;
        Begin("document mode");
    } else if (message == WM_SIZE && !layout) {
        layout = true;
        Begin("layout");
    }
    return s_sendMessage(window, message, wParam, lParam);
}

decltype(&GetFileVersionInfoSizeA) s_versionSize;
DWORD WINAPI VersionSize(LPCSTR path, LPDWORD handle)
{
    Begin("title (version resource)");
    return s_versionSize(path, handle);
}

decltype(&SetWindowsHookExA) s_setHook;
HHOOK WINAPI SetTimedHook(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)
{
    if (type == WH_MSGFILTER)
        Begin("message filter");
    return s_setHook(type, proc, instance, thread);
}

decltype(&ShowWindow) s_showWindow;
BOOL WINAPI ShowTimedWindow(HWND window, int show)
{
    bool main = window && window == s_main;
    if (main)
        Begin("show main window");
    BOOL result = s_showWindow(window, show);
    if (main)
        Begin("shown");
    return result;
}

decltype(&UpdateWindow) s_updateWindow;
BOOL WINAPI UpdateTimedWindow(HWND window)
{
    if (window && window == s_main)
        Begin("paint");
    return s_updateWindow(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    LARGE_INTEGER entry;
    QueryPerformanceCounter(&entry);
    QueryPerformanceFrequency(&s_frequency);
    LONGLONG parentMark = _atoi64(commandLine);

    Catch("InitCommonControlsEx", InitControls, &s_initControls);
    Catch("OleInitialize", InitOle, &s_oleInitialize);
    Catch("LoadLibraryA", LoadRichEdit, &s_loadLibrary);
    Catch("RegisterClipboardFormatA", RegisterFormat, &s_registerFormat);
    Catch("CreateWindowExA", CreateTimedWindow, &s_createWindow);
    Catch("LoadImageA", LoadTimedImage, &s_loadImage);
    Catch("CreateToolbarEx", CreateTimedToolbar, &s_createToolbar);
    Catch("CreateStatusWindowA", CreateTimedStatus, &s_createStatus);
    Catch("SendMessageA", SendTimedMessage, &s_sendMessage);
    Catch("GetFileVersionInfoSizeA", VersionSize, &s_versionSize);
    Catch("SetWindowsHookExA", SetTimedHook, &s_setHook);
    Catch("ShowWindow", ShowTimedWindow, &s_showWindow);
    Catch("UpdateWindow", UpdateTimedWindow, &s_updateWindow);

    Begin("class");
    int exitCode = 0;
    HWND window = StartMainWindow(instance, SW_SHOWNORMAL, true, &exitCode);
    Begin("end");
    if (!window)
        return 1;

    if (parentMark)
        printf("%lld process start to entry\n", Microseconds(entry.QuadPart - parentMark));
    for (int i = 0; i + 1 < s_markCount; ++i)
        printf("%lld %s\n", Microseconds(s_marks[i + 1].counter - s_marks[i].counter), s_marks[i].step);
    printf("end\n");
    fflush(stdout);

    SendMessageA(window, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    ShutdownProgram();
    return 0;
}
