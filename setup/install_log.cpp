#include "setup/install_log.h"

#include <windows.h>

#include <cstring>

#include "setup/setup_state.h"

const char kLogFolder[] = "Creata la cartella: ";
const char kLogFile[] = "Copiato il file: ";
const char kLogKey[] = "Creata la chiave: ";
const char kLogLink[] = "Creato il link: ";
const char kLogDesktopLink[] = "Creato il link sul desktop: ";
const char kLogModified[] = "Modificato il file: ";

static HANDLE s_log = INVALID_HANDLE_VALUE;

static void Write(const char* text)
{
    DWORD written = 0;
    if (s_log != INVALID_HANDLE_VALUE)
        WriteFile(s_log, text, (DWORD)strlen(text), &written, nullptr);
}

bool OpenInstallLog(const char* folder)
{
    char path[kPathCapacity];
    if (JoinPath(path, sizeof path, folder, "setup.log"))
        // A log of an earlier, longer installation is cut, not written over in
        // part: CREATE_ALWAYS empties it.
        s_log = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
    if (s_log == INVALID_HANDLE_VALUE) {
        ErrorBox("Impossibile creare il file per il log di installazione", path);
        return false;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char header[96];
    LogHeader(header, sizeof header, now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond);
    Write(header);
    return true;
}

void LogEntry(const char* kind, const char* text)
{
    Write("\r\n");
    Write(kind);
    Write(text);
}

void CloseInstallLog()
{
    if (s_log != INVALID_HANDLE_VALUE)
        CloseHandle(s_log);
    s_log = INVALID_HANDLE_VALUE;
}
