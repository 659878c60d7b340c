#include "framework/data_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <vector>

const char kFrameSection[] = "FONEXA";
static const char kNoteSection[] = "NOTE";

void WriteKey(const char* path, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, path);
}

void WriteIntKey(const char* path, const char* section, const char* key, int value)
{
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    WriteKey(path, section, key, text);
}

size_t ReadKey(const char* path, const char* section, const char* key, const char* fallback,
               char* out, size_t capacity)
{
    if (capacity == 0)
        return 0;
    out[0] = '\0';
    DWORD n = GetPrivateProfileStringA(section, key, fallback, out, (DWORD)capacity, path);
    out[capacity - 1] = '\0';
    return strnlen(out, n < capacity ? n : capacity - 1);
}

int ReadIntKey(const char* path, const char* section, const char* key, int fallback)
{
    return (int)GetPrivateProfileIntA(section, key, fallback, path);
}

int LargestNumberedKey(const char* path, const char* section)
{
    std::vector<char> pairs(4096);
    for (;;) {
        DWORD n = GetPrivateProfileSectionA(section, pairs.data(), (DWORD)pairs.size(), path);
        if (n + 2 < pairs.size() || pairs.size() >= (1u << 26))
            break;
        pairs.resize(pairs.size() * 4);
    }
    int largest = 0;
    // "key=value\0key=value\0\0"
    for (const char* pair = pairs.data(); *pair; pair += strlen(pair) + 1) {
        char* end = nullptr;
        long key = strtol(pair, &end, 10);
        if (end != pair && *end == '=' && key > largest && key < 1000000000)
            largest = (int)key;
    }
    return largest;
}

void WriteFileType(const char* path, const char* tag)
{
    WriteKey(path, kFrameSection, "Tipo", tag);
}

bool IsFileOfType(const char* path, const char* tag)
{
    char type[16];
    if (ReadKey(path, kFrameSection, "Tipo", "", type, sizeof type) == 0)
        return false;
    return strcasecmp(type, tag) == 0;
}

void WriteNotes(const char* notes, const char* path)
{
    int count = 0;
    const char* rest = notes ? notes : "";
    char key[16];
    char line[1024];
    while (*rest) {
        const char* end = strstr(rest, "\r\n");
        size_t length = end ? (size_t)(end - rest) : strlen(rest);
        if (length >= sizeof line)
            length = sizeof line - 1;
        memcpy(line, rest, length);
        line[length] = '\0';
        snprintf(key, sizeof key, "%d", ++count);
        WriteKey(path, kNoteSection, key, line);
        if (!end)
            break;
        rest = end + 2;
    }
    WriteIntKey(path, kNoteSection, "Num", count);
}

int ReadNotes(char* out, size_t capacity, const char* path)
{
    if (capacity == 0)
        return 0;
    out[0] = '\0';
    int count = ReadIntKey(path, kNoteSection, "Num", 0);
    size_t used = 0;
    char key[16];
    char line[512];
    for (int i = 1; i <= count && used + 1 < capacity; ++i) {
        snprintf(key, sizeof key, "%d", i);
        size_t length = ReadKey(path, kNoteSection, key, "", line, sizeof line);
        if (i > 1) {
            if (used + 2 >= capacity)
                break;
            memcpy(out + used, "\r\n", 2);
            used += 2;
        }
        if (length > capacity - 1 - used)
            length = capacity - 1 - used;
        memcpy(out + used, line, length);
        used += length;
        out[used] = '\0';
    }
    return count;
}
