#include "framework/whole_file.h"

#include <cstring>

bool ReplaceFileWhole(const char* path, const void* bytes, size_t size)
{
    char full[MAX_PATH], folder[MAX_PATH];
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path, sizeof full, full, &name);
    if (length == 0 || length >= sizeof full || !name || name == full)
        return false;
    // What Windows refuses to replace is refused here too (Wine would
    // replace a read-only file).
    DWORD attributes = GetFileAttributesA(full);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    memcpy(folder, full, name - full);
    folder[name - full] = '\0';
    // A temporary name of the same folder, so that the move is a rename.
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder, "fnx", 0, temporary))
        return false;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool written = file != INVALID_HANDLE_VALUE;
    const char* rest = (const char*)bytes;
    while (written && size > 0) {
        DWORD chunk = size > (1u << 30) ? (1u << 30) : (DWORD)size, done = 0;
        written = WriteFile(file, rest, chunk, &done, nullptr) && done == chunk;
        rest += chunk;
        size -= chunk;
    }
    if (file != INVALID_HANDLE_VALUE && !CloseHandle(file))
        written = false;
    if (written && MoveFileExA(temporary, full, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}
