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

const char* SexLetter(int sex)
{
    return sex == 1 ? "M" : "F";
}
