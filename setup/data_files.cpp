#include "setup/data_files.h"

#include <windows.h>

#include <cstdio>

#include "setup/install_plan.h"

void ForEachDataFile(const char* folder, const char* ext, const std::function<bool(const char* name)>& visit)
{
    char pattern[kPathCapacity], name[16];
    snprintf(name, sizeof name, "*%s", ext);
    if (!JoinPath(pattern, sizeof pattern, folder, name))
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    bool more = true;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasExtension(found.cFileName, ext))
            more = visit(found.cFileName);
    } while (more && FindNextFileA(search, &found));
    FindClose(search);
}
