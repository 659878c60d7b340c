#include "framework/profile_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Code page 1252 at 0x80 .. 0x9F; the five bytes it leaves undefined map to
// the control characters of the same number, as Windows maps them.
const uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char FromUnicode(uint32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return (char)c;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c)
            return (char)(0x80 + i);
    return '?';
}

// One UTF-16 unit per character, as the profile functions count them: a
// character beyond the first plane is two "?".
void AppendUnicode(std::string* out, uint32_t c)
{
    out->push_back(FromUnicode(c));
    if (c > 0xFFFF)
        out->push_back('?');
}

std::string FromUtf8(const unsigned char* s, size_t n)
{
    std::string out;
    out.reserve(n);
    size_t i = 0;
    while (i < n) {
        unsigned char lead = s[i];
        size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                        : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        uint32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length > 0 && i + length <= n;
        for (size_t k = 1; valid && k < length; ++k) {
            valid = (s[i + k] & 0xC0) == 0x80;
            c = c << 6 | (s[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        if (valid && ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                      (length == 4 && (c < 0x10000 || c > 0x10FFFF))))
            valid = false;
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        AppendUnicode(&out, c);
        i += length;
    }
    return out;
}

std::string FromUtf16(const unsigned char* s, size_t n, bool bigEndian)
{
    std::string out;
    out.reserve(n / 2);
    for (size_t i = 0; i + 1 < n; i += 2)
        AppendUnicode(&out, bigEndian ? (uint32_t)(s[i] << 8 | s[i + 1]) : (uint32_t)(s[i + 1] << 8 | s[i]));
    return out;
}

bool IsBlank(char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' ';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

}  // namespace

int ListKeyNumber(const char* key, size_t length, int last)
{
    while (length > 0 && (key[length - 1] == ' ' || key[length - 1] == '\t'))
        --length;
    if (length == 0 || length > 10 || key[0] == '0')
        return 0;
    long long number = 0;
    for (size_t i = 0; i < length; ++i) {
        if (key[i] < '0' || key[i] > '9')
            return 0;
        number = number * 10 + (key[i] - '0');
    }
    return number <= last ? (int)number : 0;
}

std::string ListValue(const char* value, size_t length)
{
    size_t start = 0, end = length;
    while (start < end && (value[start] == ' ' || value[start] == '\t'))
        ++start;
    while (end > start && (value[end - 1] == ' ' || value[end - 1] == '\t'))
        --end;
    if (end - start >= 2 && (value[start] == '"' || value[start] == '\'') && value[end - 1] == value[start]) {
        ++start;
        --end;
    }
    return std::string(value + start, end - start);
}

ProfileText::ProfileText(const char* bytes, size_t size)
{
    const unsigned char* s = (const unsigned char*)bytes;
    if (size >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF)
        text_ = FromUtf8(s + 3, size - 3);
    else if (size >= 2 && s[0] == 0xFF && s[1] == 0xFE)
        text_ = FromUtf16(s + 2, size - 2, false);
    else if (size >= 2 && s[0] == 0xFE && s[1] == 0xFF)
        text_ = FromUtf16(s + 2, size - 2, true);
    else
        text_.assign(bytes, size);

    // Keys before the first section belong to a section without a name.
    sections_.push_back({{0, 0}, 0, 0});
    const size_t n = text_.size();
    const char* t = text_.data();
    size_t next = 0;
    while (next < n) {
        size_t start = next;
        while (next < n && t[next] != '\n' && t[next] != '\r')
            ++next;
        size_t end = next;
        while (next < n && (t[next] == '\n' || t[next] == '\r'))
            ++next;
        while (start < end && IsBlank(t[start]))
            ++start;
        while (end > start && IsBlank(t[end - 1]))
            --end;
        if (start >= end)
            continue;

        if (t[start] == '[') {
            size_t close = end;
            while (close > start && t[close - 1] != ']')
                --close;
            if (close > start) {
                size_t nameStart = start + 1, nameEnd = close - 1;
                while (nameStart < nameEnd && IsBlank(t[nameStart]))
                    ++nameStart;
                while (nameEnd > nameStart && IsBlank(t[nameEnd - 1]))
                    --nameEnd;
                sections_.back().endEntry = entries_.size();
                size_t length = strnlen(t + nameStart, nameEnd - nameStart);
                sections_.push_back({{nameStart, length}, entries_.size(), entries_.size()});
                continue;
            }
        }

        Entry entry = {{start, end - start}, {end, 0}, false};
        const char* equals = (const char*)memchr(t + start, '=', end - start);
        if (equals) {
            size_t nameEnd = equals - t;
            while (nameEnd > start && IsBlank(t[nameEnd - 1]))
                --nameEnd;
            size_t valueStart = equals - t + 1;
            while (valueStart < end && IsBlank(t[valueStart]))
                ++valueStart;
            entry.name.length = nameEnd - start;
            entry.value = {valueStart, end - valueStart};
            entry.hasValue = true;
        }
        // A NUL ends a name or a value, as it ends the functions' strings.
        entry.name.length = strnlen(t + entry.name.start, entry.name.length);
        entry.value.length = strnlen(t + entry.value.start, entry.value.length);
        if (entry.name.length > 0)
            entries_.push_back(entry);
    }
    sections_.back().endEntry = entries_.size();
}

bool ProfileText::Equals(Span span, const char* name) const
{
    size_t length = strlen(name);
    if (span.length != length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (Lower(text_[span.start + i]) != Lower(name[i]))
            return false;
    return true;
}

const ProfileText::Section* ProfileText::FindSection(const char* name) const
{
    for (const Section& section : sections_)
        if (Equals(section.name, name))
            return &section;
    return nullptr;
}

const ProfileText::Entry* ProfileText::FindKey(const char* section, const char* key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    for (size_t i = found->firstEntry; i < found->endEntry; ++i)
        if (Equals(entries_[i].name, key))
            return &entries_[i];
    return nullptr;
}

std::string ProfileText::Value(const char* section, const char* key, size_t capacity) const
{
    const Entry* entry = FindKey(section, key);
    if (!entry || !entry->hasValue || capacity == 0)
        return std::string();
    const char* value = text_.data() + entry->value.start;
    size_t length = entry->value.length;
    // The quirk of the profile functions kept: with the closing quote cut
    // off by the buffer, one more character goes with it.
    bool quoted = length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0];
    if (quoted) {
        ++value;
        --length;
    }
    std::string copy(value, std::min(length, capacity - 1));
    if (quoted && capacity >= length && !copy.empty())
        copy.pop_back();
    return copy;
}

int ProfileText::Int(const char* section, const char* key, int fallback) const
{
    std::string text = Value(section, key, 30);
    if (text.empty())
        return fallback;
    const char* p = text.c_str();
    while (*p && (unsigned char)*p <= ' ')
        ++p;
    bool minus = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
        p += 2;
    }
    uint32_t total = 0;
    for (; *p; ++p) {
        uint32_t digit = *p >= '0' && *p <= '9'   ? (uint32_t)(*p - '0')
                         : *p >= 'A' && *p <= 'Z' ? (uint32_t)(*p - 'A' + 10)
                         : *p >= 'a' && *p <= 'z' ? (uint32_t)(*p - 'a' + 10)
                                                  : 99;
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return (int)(minus ? 0u - total : total);
}

ProfileText::Numbered ProfileText::NumberedKeys(const char* section, int last) const
{
    Numbered keys;
    const Section* found = last > 0 ? FindSection(section) : nullptr;
    if (!found)
        return keys;
    for (size_t i = found->firstEntry; i < found->endEntry; ++i) {
        const Entry& entry = entries_[i];
        if (!entry.hasValue || text_[entry.name.start] == ';')
            continue;
        int number = ListKeyNumber(text_.data() + entry.name.start, entry.name.length, last);
        if (number > 0)
            keys.emplace_back(number, ListValue(text_.data() + entry.value.start, entry.value.length));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    keys.erase(std::unique(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
               keys.end());
    return keys;
}

std::string ProfileText::FirstNoteLine() const
{
    if (Int("NOTE", "Num", 0) < 1)
        return std::string();
    Numbered lines = NumberedKeys("NOTE", 1);
    return std::string(NumberedText(lines, 1)).substr(0, 511);
}

const char* NumberedText(const ProfileText::Numbered& keys, int number)
{
    auto found = std::lower_bound(keys.begin(), keys.end(), number,
                                  [](const auto& key, int n) { return key.first < n; });
    return found != keys.end() && found->first == number ? found->second.c_str() : "";
}
