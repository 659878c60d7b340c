#include "document/document_file.h"

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "document/ole_host.h"

namespace {

// Larger files are not report documents.
const DWORD kLargestDocument = 64u * 1024u * 1024u;

struct StreamTarget {
    HANDLE file;
    bool failed;
};

struct StreamSource {
    const std::string* data;
    size_t at;
};

// Every block the control hands over goes straight to the file; a short
// write stops the stream.
DWORD CALLBACK WriteBlock(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* written)
{
    StreamTarget* target = (StreamTarget*)cookie;
    DWORD done = 0;
    if (count < 0 || !WriteFile(target->file, bytes, (DWORD)count, &done, nullptr) || done != (DWORD)count) {
        target->failed = true;
        *written = (LONG)done;
        return 1;
    }
    *written = count;
    return 0;
}

DWORD CALLBACK ReadBlock(DWORD_PTR cookie, LPBYTE bytes, LONG capacity, LONG* read)
{
    StreamSource* source = (StreamSource*)cookie;
    size_t left = source->data->size() - source->at;
    size_t n = capacity > 0 && (size_t)capacity < left ? (size_t)capacity : left;
    memcpy(bytes, source->data->data() + source->at, n);
    source->at += n;
    *read = (LONG)n;
    return 0;
}

void SayLocked(HWND document, const char* path, const char* text)
{
    MessageBoxA(GetParent(document), text, path, MB_OK | MB_ICONERROR);
}

bool Fail(HWND document, const char* path)
{
    SayLocked(document, path, "File bloccato da un'altra applicazione. Impossibile salvare!");
    return false;
}

// Nobody else may hold the file: saving over it would fail half-way.
bool TargetFree(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    CloseHandle(file);
    return true;
}

// A fresh file beside path, so that replacing path is a rename.
bool TemporaryBeside(const char* path, char* temporary, size_t capacity)
{
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%s", path);
    char* slash = strrchr(folder, '\\');
    char* other = strrchr(folder, '/');
    if (other > slash)
        slash = other;
    if (slash)
        *slash = '\0';
    else
        snprintf(folder, sizeof folder, ".");
    if (capacity < MAX_PATH)
        return false;
    return GetTempFileNameA(folder[0] ? folder : "\\", "fnx", 0, temporary) != 0;
}

bool StreamOut(HWND document, HANDLE file)
{
    StreamTarget target = {file, false};
    EDITSTREAM stream = {(DWORD_PTR)&target, 0, WriteBlock};
    SendMessageA(document, EM_STREAMOUT, SF_RTF, (LPARAM)&stream);
    return stream.dwError == 0 && !target.failed && SetEndOfFile(file) && FlushFileBuffers(file);
}

bool ReadWhole(const char* path, std::string* data)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kLargestDocument;
    if (ok) {
        data->resize(size);
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, &(*data)[0], size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

// What the control writes starts so; anything else is not a report document.
bool LooksLikeRichText(const std::string& data)
{
    return data.compare(0, 5, "{\\rtf") == 0;
}

}  // namespace

bool SaveReportDocument(HWND document, const char* path)
{
    if (!document || !IsWindow(document) || !path || !path[0])
        return false;
    char temporary[MAX_PATH];
    if (!TargetFree(path) || !TemporaryBeside(path, temporary, sizeof temporary))
        return Fail(document, path);
    HANDLE file = CreateFileA(temporary, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return Fail(document, path);
    }
    bool written = StreamOut(document, file);
    CloseHandle(file);
    if (!written || !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return Fail(document, path);
    }
    RememberDocumentPath(path);
    return true;
}

DocumentLoad LoadReportDocument(HWND document, const char* path)
{
    const char kCannotOpen[] = "File bloccato da un'altra applicazione. Impossibile aprire!";
    if (!document || !IsWindow(document) || !path || !path[0])
        return kDocumentUntouched;
    std::string data;
    if (!ReadWhole(path, &data) || !LooksLikeRichText(data)) {
        SayLocked(document, path, kCannotOpen);
        return kDocumentUntouched;
    }
    HWND owner = GetParent(document);
    if (!ResetForDocumentPath(path)) {
        MessageBoxA(owner, kCannotOpen, path, MB_OK | MB_ICONERROR);
        return kDocumentEmptied;
    }
    StreamSource source = {&data, 0};
    EDITSTREAM stream = {(DWORD_PTR)&source, 0, ReadBlock};
    SendMessageA(document, EM_STREAMIN, SF_RTF, (LPARAM)&stream);
    if (stream.dwError != 0) {
        SetWindowTextA(document, "");
        RememberDocumentPath("");
        SayLocked(document, path, kCannotOpen);
        return kDocumentEmptied;
    }
    return kDocumentLoaded;
}
