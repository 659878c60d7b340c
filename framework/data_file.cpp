#include "framework/data_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <vector>

#include "framework/profile_text.h"

const char kFrameSection[] = "FONEXA";
static const char kNoteSection[] = "NOTE";

bool WriteKey(const char* path, const char* section, const char* key, const char* value)
{
    return WritePrivateProfileStringA(section, key, value, path) != FALSE;
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

namespace {

// "key=value" pairs of a section, each ended by a zero, the list by two.
std::vector<char> ReadSection(const char* path, const char* section)
{
    std::vector<char> pairs(4096);
    for (;;) {
        DWORD n = GetPrivateProfileSectionA(section, pairs.data(), (DWORD)pairs.size(), path);
        if (n + 2 < pairs.size() || pairs.size() >= (1u << 26))
            break;
        pairs.resize(pairs.size() * 4);
    }
    pairs[pairs.size() - 2] = '\0';
    pairs[pairs.size() - 1] = '\0';
    return pairs;
}

}  // namespace

NumberedKeys ReadNumberedKeys(const char* path, const char* section, int last)
{
    NumberedKeys result;
    if (last <= 0)
        return result;
    std::vector<char> pairs = ReadSection(path, section);
    for (const char* pair = pairs.data(); *pair; pair += strlen(pair) + 1) {
        const char* equals = strchr(pair, '=');
        if (!equals)
            continue;
        int number = ListKeyNumber(pair, (size_t)(equals - pair), last);
        if (number > 0)
            result.keys.emplace_back(number, ListValue(equals + 1, strlen(equals + 1)));
    }
    std::stable_sort(result.keys.begin(), result.keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    auto repeated = std::unique(result.keys.begin(), result.keys.end(),
                                [](const auto& a, const auto& b) { return a.first == b.first; });
    result.keys.erase(repeated, result.keys.end());
    return result;
}

const char* NumberedValue(const NumberedKeys& section, int number)
{
    auto found = std::lower_bound(section.keys.begin(), section.keys.end(), number,
                                  [](const auto& key, int n) { return key.first < n; });
    return found != section.keys.end() && found->first == number ? found->second.c_str() : "";
}

void CopyValue(char* out, size_t capacity, const char* text)
{
    if (capacity == 0)
        return;
    size_t length = strnlen(text, capacity - 1);
    memcpy(out, text, length);
    out[length] = '\0';
}

bool WriteFileType(const char* path, const char* tag)
{
    return WriteKey(path, kFrameSection, "Tipo", tag);
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
        size_t length = strcspn(rest, "\r\n");
        const char* end = rest[length] ? rest + length : nullptr;
        CopyValue(line, length < sizeof line ? length + 1 : sizeof line, rest);
        snprintf(key, sizeof key, "%d", ++count);
        WriteKey(path, kNoteSection, key, line);
        if (!end)
            break;
        rest = end + (end[0] == '\r' && end[1] == '\n' ? 2 : 1);
    }
    WriteIntKey(path, kNoteSection, "Num", count);
}

int ReadNotes(char* out, size_t capacity, const char* path)
{
    if (capacity == 0)
        return 0;
    out[0] = '\0';
    int count = ReadIntKey(path, kNoteSection, "Num", 0);
    // Every line takes at least its "\r\n": the box is full long before a
    // hand-edited Num of a hundred thousand is reached.
    int lines = count < (int)capacity ? count : (int)capacity;
    NumberedKeys section = ReadNumberedKeys(path, kNoteSection, lines);
    size_t used = 0;
    for (int i = 1; i <= lines && used + 1 < capacity; ++i) {
        if (i > 1) {
            if (used + 2 >= capacity)
                break;
            memcpy(out + used, "\r\n", 2);
            used += 2;
        }
        size_t length = strnlen(NumberedValue(section, i), 511);
        if (length > capacity - 1 - used)
            length = capacity - 1 - used;
        memcpy(out + used, NumberedValue(section, i), length);
        used += length;
        out[used] = '\0';
    }
    return count;
}
