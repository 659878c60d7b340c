#include "tests/gui/printed_text.h"

#include <windows.h>

#include "tests/gui/harness.h"

namespace gui {

namespace {

// The printer's port: a Unix path, after the second "," of the device entry.
std::string JobUnixPath()
{
    char device[260] = "";
    GetProfileStringA("windows", "device", "", device, sizeof device);
    std::string entry = device;
    size_t first = entry.find(',');
    size_t second = first == std::string::npos ? first : entry.find(',', first + 1);
    return second == std::string::npos ? "" : entry.substr(second + 1);
}

std::string WindowsPath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

// Runs a Unix command line (Wine starts Unix programs itself, but cannot
// wait for them): the command touches done when it has finished.
bool RunUnix(const std::string& command, const std::string& done)
{
    DeleteFileA(WindowsPath(done).c_str());
    std::string line = "/bin/sh -c \"" + command + " && touch '" + done + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int attempt = 0; attempt < 600; ++attempt) {
        if (GetFileAttributesA(WindowsPath(done).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}

// The spooler finishes writing the job after EndDoc returns: wait until
// nobody else holds the file open.
bool WaitForJobWritten(const std::string& path)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        Sleep(50);
    }
    return false;
}

}  // namespace

void ForgetPrintJob()
{
    std::string job = JobUnixPath();
    if (!job.empty())
        DeleteFileA(WindowsPath(job).c_str());
}

bool PrintJobExists()
{
    std::string job = JobUnixPath();
    return !job.empty() && GetFileAttributesA(WindowsPath(job).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string PrintedText()
{
    if (!PrintJobExists() || !WaitForJobWritten(WindowsPath(JobUnixPath())))
        return "";
    std::string job = JobUnixPath();
    std::string pdf = job + ".pdf";
    std::string text = job + ".txt";
    if (!RunUnix("ps2pdf '" + job + "' '" + pdf + "' && pdftotext -layout -enc Latin1 '" + pdf + "' '" + text + "'",
                 job + ".done"))
        return "";
    return ReadFile(WindowsPath(text));
}

int PrintedPages()
{
    std::string text = PrintedText();
    if (text.empty())
        return 0;
    int pages = 0;
    for (char c : text)
        pages += c == '\f';
    return pages;
}

NoDefaultPrinter::NoDefaultPrinter()
{
    char device[260] = "";
    GetProfileStringA("windows", "device", "", device, sizeof device);
    saved_ = device;
    WriteProfileStringA("windows", "device", "");
}

NoDefaultPrinter::~NoDefaultPrinter()
{
    WriteProfileStringA("windows", "device", saved_.c_str());
}

}  // namespace gui
