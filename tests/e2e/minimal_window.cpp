// The smallest program the start-up benchmark compares fonexa.exe with: it
// registers a class and shows one window. Built twice: minimal_window.exe,
// and minimal_libraries.exe (MINIMAL_LIBRARIES), which first initialises the
// common controls, OLE and the rich-edit library as fonexa.exe must.

#include <windows.h>
#ifdef MINIMAL_LIBRARIES
#include <commctrl.h>
#include <ole2.h>
#endif

static LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
#ifdef MINIMAL_LIBRARIES
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HRESULT ole = OleInitialize(nullptr);
    HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
#endif
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MinimalProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "Minimal_Class";
    if (!RegisterClassA(&wc))
        return -1;
    HWND window = CreateWindowExA(0, "Minimal_Class", "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return -1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
#ifdef MINIMAL_LIBRARIES
    if (richEdit)
        FreeLibrary(richEdit);
    if (SUCCEEDED(ole))
        OleUninitialize();
#endif
    return 0;
}
