#pragma once
// fonexa.exe started as a separate process, watched from this one.

#include <windows.h>

#include <string>

#include "tests/support/window_text.h"

namespace e2e {

// The Windows path of fonexa.exe (set from the command line by main).
extern std::string g_fonexa;

class Fonexa {
public:
    // Starts fonexa.exe with the command line arguments (may be empty).
    explicit Fonexa(const std::string& arguments = "");
    // Another program (a Windows path) started the same way.
    Fonexa(const std::string& program, const std::string& arguments);
    ~Fonexa();

    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Handle() const { return process_.hProcess; }
    bool Started() const { return process_.hProcess != nullptr; }

    // A visible top-level window of the process with the class (and title,
    // when given), waited for up to timeoutMs.
    HWND WaitWindow(const char* className, const char* title, DWORD timeoutMs = 15000) const;

    // Waits for the process to end; returns its exit code, or -2 on timeout.
    long WaitExit(DWORD timeoutMs = 15000) const;

private:
    PROCESS_INFORMATION process_ = {};
};

// A visible top-level window of the process with the class (and title, when
// given), waited for up to timeoutMs while the process runs.
HWND WaitProcessWindow(HANDLE process, DWORD id, const char* className, const char* title, DWORD timeoutMs);

using testsupport::MessageBoxText;
using testsupport::WindowText;

// A Unix path as Wine shows it on drive Z:.
std::string WindowsPath(const std::string& path);

}  // namespace e2e
