#include "setup/setup_app.h"

#include <commctrl.h>

#include <cstring>

#include "framework/ui_text.h"
#include "resources/resource.h"
#include "setup/backdrop_window.h"
#include "setup/setup_state.h"

// Another installer brought to the top, or false. Found by its class alone:
// while it installs, its title is another.
static bool AnotherInstallerRunning()
{
    HWND running = FindWindowA(kSetupWindowClass, nullptr);
    if (!running)
        return false;
    SetForegroundWindow(running);
    BringWindowToTop(running);
    return true;
}

int RunSetup(HINSTANCE instance, const char* commandLine)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    SetResourceInstance(instance);
    if (commandLine && strstr(commandLine, "/remove")) {
        Uninstall(nullptr, instance, (LPSTR)commandLine, SW_SHOWNORMAL);
        return 0;
    }

    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    FolderOfPath(g_setup.setupFolder, sizeof g_setup.setupFolder, module);

    if (AnotherInstallerRunning())
        return 0;
    if (!RegisterBackdropClass(instance) || !CreateBackdrop(instance))
        return 1;
    PostMessageA(g_setup.backdrop, WM_COMMAND, IDM_SETUP_INSTALL, 0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (g_setup.progress && IsDialogMessageA(g_setup.progress, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
