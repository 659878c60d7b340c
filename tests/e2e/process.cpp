#include "tests/e2e/process.h"

#include <cstring>

namespace e2e {

std::string g_fonexa;

Fonexa::Fonexa(const std::string& arguments) : Fonexa(g_fonexa, arguments)
{
}

Fonexa::Fonexa(const std::string& program, const std::string& arguments)
{
    std::string line = "\"" + program + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        process_ = {};
    else
        CloseHandle(process_.hThread);
}

Fonexa::~Fonexa()
{
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
}

struct Search {
    DWORD process;
    const char* className;
    const char* title;
    HWND found;
};

static BOOL CALLBACK Match(HWND window, LPARAM param)
{
    Search* search = (Search*)param;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->process && IsWindowVisible(window) && strcmp(className, search->className) == 0 &&
        (!search->title || WindowText(window) == search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitProcessWindow(HANDLE process, DWORD id, const char* className, const char* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        Search search = {id, className, title, nullptr};
        EnumWindows(Match, (LPARAM)&search);
        if (search.found)
            return search.found;
        if (WaitForSingleObject(process, 10) == WAIT_OBJECT_0)
            return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND Fonexa::WaitWindow(const char* className, const char* title, DWORD timeoutMs) const
{
    return WaitProcessWindow(process_.hProcess, process_.dwProcessId, className, title, timeoutMs);
}

long Fonexa::WaitExit(DWORD timeoutMs) const
{
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -2;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return (long)code;
}

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

}  // namespace e2e
