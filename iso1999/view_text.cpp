#include "iso1999/view_text.h"

#include <cstdio>
#include <cstring>

#include "framework/number_text.h"

void AppendText(char* out, size_t capacity, const char* text)
{
    if (!out || capacity == 0 || !text)
        return;
    size_t used = strnlen(out, capacity - 1);
    size_t room = capacity - 1 - used;
    size_t n = strnlen(text, room);
    memcpy(out + used, text, n);
    out[used + n] = '\0';
}

void AppendNumber(char* out, size_t capacity, const char* format, double value)
{
    char shown[kShownNumberSize];
    FormatNumber(shown, sizeof shown, format, value);
    AppendText(out, capacity, shown);
}

void AppendInteger(char* out, size_t capacity, int value)
{
    char shown[16];
    snprintf(shown, sizeof shown, "%d", value);
    AppendText(out, capacity, shown);
}

void ReportNumber(ReportText* report, const char* format, double value)
{
    char shown[kShownNumberSize];
    FormatNumber(shown, sizeof shown, format, value);
    ReportAppendNumber(report, shown);
}

namespace {

bool IsLetter(char c)
{
    unsigned char u = (unsigned char)c;
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0xC0;
}

// The fields of a title, each with the blanks before it.
std::vector<std::string> TitleFields(const char* text)
{
    std::vector<std::string> fields(1);
    for (const char* p = text; *p; ++p) {
        if (p != text && p[-1] != ' ' && *p == ' ' && p[1] == ' ') {
            const char* end = p;
            while (*end == ' ')
                ++end;
            if (IsLetter(*end))
                fields.emplace_back();
        }
        fields.back() += *p;
    }
    return fields;
}

}  // namespace

std::vector<std::string> BreakTitle(const char* text, int width,
                                    const std::function<int(const std::string&)>& measure)
{
    std::vector<std::string> lines;
    if (!text)
        return lines;
    for (const std::string& field : TitleFields(text)) {
        if (!lines.empty() && measure(lines.back() + field) <= width) {
            lines.back() += field;
            continue;
        }
        size_t start = lines.empty() ? 0 : field.find_first_not_of(' ');
        lines.push_back(start == std::string::npos ? std::string() : field.substr(start));
    }
    return lines;
}

const char* SexLetter(int sex)
{
    return sex == 1 ? "M" : "F";
}
