#include "setup/setup_state.h"

#include <shlobj.h>

#include <cstdio>

SetupState g_setup;

void ErrorBox(const char* text, const char* caption)
{
    HWND owner = g_setup.progress ? g_setup.progress : g_setup.backdrop;
    MessageBoxA(owner, text, caption, MB_OK | MB_ICONERROR);
}

bool SetBusyCursor()
{
    if (!g_setup.busy)
        return false;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return true;
}

bool QueryWindowsVersion(char* text, size_t capacity)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    bool queried = GetVersionExA(&version) != FALSE;
#pragma GCC diagnostic pop
    return WindowsVersionText(queried, (int)version.dwPlatformId, version.dwMajorVersion,
                              version.dwMinorVersion, version.szCSDVersion, text, capacity);
}

static bool SpecialFolder(int csidl, char* path, size_t capacity)
{
    char found[MAX_PATH] = "";
    bool ok = SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, found) == S_OK && found[0];
    int n = snprintf(path, capacity, "%s", ok ? found : "");
    if (!ok || n < 0 || (size_t)n >= capacity) {
        if (capacity)
            path[0] = '\0';
        return false;
    }
    return true;
}

bool ProgramsFolder(char* path, size_t capacity)
{
    return SpecialFolder(CSIDL_PROGRAMS, path, capacity);
}

bool DesktopFolder(char* path, size_t capacity)
{
    return SpecialFolder(CSIDL_DESKTOPDIRECTORY, path, capacity);
}

bool StartMenuFolder(char* path, size_t capacity)
{
    char programs[MAX_PATH];
    return ProgramsFolder(programs, sizeof programs) && JoinPath(path, capacity, programs, kStartMenuFolderName);
}
