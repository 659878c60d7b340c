#pragma once
// Writing a file so that it is never left half written.

#include <windows.h>

#include <cstddef>

// Puts bytes in path: written first to a new file beside it, then moved in
// its place, so that path holds either what it held before or all of the
// new bytes. False (path as it was, nothing left beside it) on any failure;
// a read-only file or a folder of that name is not replaced.
bool ReplaceFileWhole(const char* path, const void* bytes, size_t size);
