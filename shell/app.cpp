#include "shell/app.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstring>

#include "framework/file_dialogs.h"
#include "framework/help.h"
#include "framework/message_filter.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "shell/dispatch.h"
#include "shell/main_state.h"
#include "shell/main_window.h"
#include "shell/program_paths.h"
#include "shell/splash.h"
#include "shell/version_info.h"
#include "summary/summary_command.h"

static bool AnotherInstanceRunning()
{
    HWND running = FindWindowA(kMainClassName, nullptr);
    if (!running)
        return false;
    SetForegroundWindow(running);
    BringWindowToTop(running);
    MessageBoxA(running, "Usare il drag & drop per caricare il file nella finestra di dialogo",
                "Fonexa è già in esecuzione", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

static bool RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kMainClassName, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_FONEXA));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszMenuName = "PRIMO";
    wc.lpszClassName = kMainClassName;
    return RegisterClassA(&wc) != 0;
}

static void InitialiseLibraries()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    g_main.oleResult = OleInitialize(nullptr);
    if (!g_main.richEditLibrary)
        g_main.richEditLibrary = LoadLibraryA("RICHED32.DLL");
}

static void ReleaseLibraries()
{
    if (g_main.richEditLibrary)
        FreeLibrary(g_main.richEditLibrary);
    g_main.richEditLibrary = nullptr;
    if (g_main.oleResult == S_OK || g_main.oleResult == S_FALSE)
        OleUninitialize();
    g_main.oleResult = E_FAIL;
}

static void RegisterClipboardFormats()
{
    static const char* const kNames[kFormatCount] = {"Csv", "Rich Text Format",
                                                     "RichEdit Text and Objects", "Embedded Object"};
    for (int i = 0; i < kFormatCount; ++i)
        g_main.clipboardFormats[i] = RegisterClipboardFormatA(kNames[i]);
}

static void InitialisePaths()
{
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    ProgramPaths(module, g_main.programFolder, sizeof g_main.programFolder, g_main.helpFile,
                 sizeof g_main.helpFile);
    SetMainHelpFile(g_main.helpFile);
    SetFileDialogFolder(g_main.programFolder);
}

HWND StartMainWindow(HINSTANCE instance, int show, bool splash, int* exitCode, bool splashOnTop)
{
    *exitCode = 0;
    g_main.viewState = kViewDocument;
    g_main.instance = instance;
    SetResourceInstance(instance);
    if (!RegisterMainClass(instance)) {
        MessageBoxA(nullptr, "RegisterClass failed", nullptr, MB_OK | MB_ICONEXCLAMATION);
        *exitCode = -1;
        return nullptr;
    }
    InitialiseLibraries();
    RegisterClipboardFormats();
    InitialisePaths();

    // 320 x 240 dialog units
    LONG units = GetDialogBaseUnits();
    int width = LOWORD(units) * 80;
    int height = HIWORD(units) * 30;
    HWND window = CreateWindowExA(0, kMainClassName, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                  width, height, nullptr, nullptr, instance, nullptr);
    if (!window) {
        MessageBoxA(nullptr, "CreateWindow failure", nullptr, MB_OK | MB_ICONEXCLAMATION);
        ReleaseLibraries();
        *exitCode = -1;
        return nullptr;
    }
    if (splash)
        ShowSplash(instance, window, 4000, splashOnTop);

    char title[128];
    if (VersionField(window, kVersionDescription, title, sizeof title))
        SetWindowTextA(window, title);

    InstallMessageFilter();
    ShowWindow(window, show);
    FinishMainWindow(window);
    return window;
}

void ShutdownProgram()
{
    RemoveMessageFilter();
    ReleaseLibraries();
}

int RunFonexa(HINSTANCE instance, const char* commandLine, int show)
{
    // "/riepilogo": a file written without a window, even beside a running copy.
    int summaryExit = 0;
    if (RunSummaryCommandLine(commandLine, &summaryExit))
        return summaryExit;
    if (AnotherInstanceRunning())
        return 0;
    // A file named on the command line opens over the splash.
    char path[MAX_PATH];
    CommandLinePath(commandLine, path, sizeof path);
    int exitCode = 0;
    HWND window = StartMainWindow(instance, show, true, &exitCode, path[0] == '\0');
    if (!window)
        return exitCode;
    OpenByExtension(window, path);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    ShutdownProgram();
    return 0;
}
