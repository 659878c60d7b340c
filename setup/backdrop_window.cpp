#include "setup/backdrop_window.h"

#include "framework/tooltips.h"
#include "resources/resource.h"
#include "setup/install_log.h"
#include "setup/install_steps.h"
#include "setup/setup_state.h"

static int s_exitCode = 1;

static void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    for (int i = 0; i <= 24; ++i) {
        RECT band = {client.left, client.top + i * client.bottom / 24, client.right,
                     client.top + (i + 1) * client.bottom / 24};
        HBRUSH brush = CreateSolidBrush(RGB(0, 0, 10 * i));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
}

static void OnInstall(HWND window)
{
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    bool ok = RunInstallation(window);
    g_setup.busy = false;
    EnableWindow(window, TRUE);
    if (g_setup.progress)
        DestroyWindow(g_setup.progress);
    CloseInstallLog();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (ok)
        MessageBoxA(window, "Missione compiuta, capitano Kirk!", "Installazione completata con successo",
                    MB_OK | MB_ICONINFORMATION);
    else
        MessageBoxA(window, "Maledetti Klingons! Signor Spock, controlli i danni all'Enterprise!",
                    "Installazione fallita o interrotta dall'utente", MB_OK | MB_ICONERROR);
    s_exitCode = ok ? 0 : 1;
    DestroyWindow(window);
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateTooltips(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (SetBusyCursor())
            return TRUE;
        break;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_SETUP_INSTALL) {
            OnInstall(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        DestroyTooltips();
        g_setup.backdrop = nullptr;
        PostQuitMessage(s_exitCode);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterBackdropClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BackdropProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "IDI_ICON1");
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kSetupWindowClass;
    return RegisterClassA(&wc) != 0;
}

HWND CreateBackdrop(HINSTANCE instance)
{
    g_setup.backdrop = CreateWindowExA(0, kSetupWindowClass, kSetupWindowTitle, WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                       0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       nullptr, nullptr, instance, nullptr);
    return g_setup.backdrop;
}
