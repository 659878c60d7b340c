#include "shell/splash.h"


static const char kSplashClass[] = "Fonexa_Splash";
static const UINT_PTR kSplashTimer = 2;

struct Splash {
    HBITMAP picture;
    bool closing;
};

static void OnPaint(HWND window, Splash* splash)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH background = CreateSolidBrush(RGB(127, 127, 0));
    FillRect(dc, &client, background);
    DeleteObject(background);
    if (splash && splash->picture) {
        BITMAP info;
        GetObject(splash->picture, sizeof info, &info);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, splash->picture);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    EndPaint(window, &ps);
}

// Shrinks the window towards the centre of the screen, then destroys it.
static void CloseShrinking(HWND window, Splash* splash)
{
    if (splash->closing)
        return;
    splash->closing = true;
    KillTimer(window, kSplashTimer);
    RECT r;
    GetWindowRect(window, &r);
    int stepX = (r.right - r.left) / 101;
    int stepY = (r.bottom - r.top) / 101;
    HWND owner = GetWindow(window, GW_OWNER);
    int screenX = GetSystemMetrics(SM_CXSCREEN);
    int screenY = GetSystemMetrics(SM_CYSCREEN);
    for (int n = 100; n >= 2; --n) {
        int width = n * stepX;
        int height = n * stepY;
        SetWindowPos(window, nullptr, (screenX - width) / 2, (screenY - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (n % 10 == 0) {
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
        }
        if (owner)
            UpdateWindow(owner);
        Sleep(2);
    }
    DestroyWindow(window);
}

static LRESULT CALLBACK SplashProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Splash* splash = (Splash*)GetWindowLongPtrA(window, GWLP_USERDATA);
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTA* create = (const CREATESTRUCTA*)lParam;
        UINT duration = (UINT)(UINT_PTR)create->lpCreateParams;
        if (!SetTimer(window, kSplashTimer, duration, nullptr))
            return -1;  // no timer: the window is not created at all
        splash = new Splash{nullptr, false};
        // Kept as stored: the conversion to the screen's format is left to
        // the paint, which comes after the main window has shown.
        splash->picture = (HBITMAP)LoadImageA(create->hInstance, "FONEXA", IMAGE_BITMAP, 0, 0,
                                              LR_CREATEDIBSECTION);
        SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)splash);
        return 0;
    }
    case WM_PAINT:
        OnPaint(window, splash);
        return 0;
    case WM_TIMER:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (splash && (message != WM_TIMER || wParam == kSplashTimer))
            CloseShrinking(window, splash);
        return 0;
    case WM_DESTROY:
        KillTimer(window, kSplashTimer);
        if (splash) {
            if (splash->picture)
                DeleteObject(splash->picture);
            delete splash;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowSplash(HINSTANCE instance, HWND owner, UINT milliseconds, bool onTop)
{
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, kSplashClass, &existing)) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = SplashProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kSplashClass;
        if (!RegisterClassA(&wc))
            return;
    }
    int width = 480, height = 280;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND splash = CreateWindowExA((onTop ? WS_EX_TOPMOST : 0) | WS_EX_TOOLWINDOW, kSplashClass, "",
                                  WS_POPUP, x, y, width, height, owner, nullptr, instance,
                                  (LPVOID)(UINT_PTR)milliseconds);
    // Shown without taking the activation, which the main window takes
    // right after: activating both costs a round of focus messages.
    if (splash)
        ShowWindow(splash, SW_SHOWNOACTIVATE);
}
