#include "shell/program_paths.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "resources/resource.h"

void ProgramPaths(const char* modulePath, char* folder, size_t folderCapacity, char* helpFile,
                  size_t helpCapacity)
{
    snprintf(folder, folderCapacity, "%s", modulePath ? modulePath : "");
    char* slash = strrchr(folder, '\\');
    if (slash)
        *slash = '\0';
    snprintf(helpFile, helpCapacity, "%s\\fonexa.hlp", folder);
    size_t n = strlen(folder);
    if (n > 0 && folder[n - 1] == ':' && n + 1 < folderCapacity) {
        folder[n] = '\\';
        folder[n + 1] = '\0';
    }
}

int CommandForExtension(const char* path)
{
    static const struct {
        const char* extension;
        int command;
    } kTypes[] = {
        {".lep", IDM_LEPD},           {".lew", IDM_LEPW},
        {".leg", IDM_GROUP_LEQ},      {".ilg", IDM_DAMAGE},
        {".spr", IDM_NOISE_SPECTRUM}, {".spi", IDM_ATTENUATION_SPECTRUM},
        {".dpi", IDM_PROTECTOR_SELECTION}, {".fnx", IDM_DOCUMENT},
        {".lin", IDM_UNCERTAINTY},
    };
    if (!path || !*path)
        return 0;
    const char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    const char* dot = strrchr(name, '.');
    if (!dot)
        return 0;
    for (const auto& type : kTypes)
        if (strcasecmp(dot, type.extension) == 0)
            return type.command;
    return 0;
}

void CommandLinePath(const char* commandLine, char* path, size_t capacity)
{
    if (capacity == 0)
        return;
    const char* start = commandLine ? commandLine : "";
    while (*start == ' ' || *start == '\t')
        ++start;
    size_t length = strlen(start);
    while (length > 0 && (start[length - 1] == ' ' || start[length - 1] == '\t'))
        --length;
    if (length >= 2 && start[0] == '"' && start[length - 1] == '"') {
        ++start;
        length -= 2;
    }
    // A path that does not fit is not cut: cut, it could name another file
    // or end in another extension.
    if (length >= capacity)
        length = 0;
    memcpy(path, start, length);
    path[length] = '\0';
}
