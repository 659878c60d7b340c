#include "framework/report_text.h"

#include <cstring>

void ReportBegin(ReportText* report, char* block, size_t capacity, const char* separator)
{
    report->text = block;
    report->capacity = capacity;
    report->length = 0;
    report->lineStart = 0;
    report->full = capacity == 0;
    if (capacity > 0)
        memset(block, 0, capacity);
    size_t n = separator ? strnlen(separator, kListSeparatorMax) : 0;
    memcpy(report->separator, separator ? separator : "", n);
    report->separator[n] = '\0';
}

// Appends n bytes, or drops the whole current line if they do not fit.
static void AppendBytes(ReportText* report, const char* bytes, size_t n)
{
    if (report->full)
        return;
    if (report->length + n + 1 > report->capacity) {
        memset(report->text + report->lineStart, 0, report->length - report->lineStart);
        report->length = report->lineStart;
        report->full = true;
        return;
    }
    memcpy(report->text + report->length, bytes, n);
    report->length += n;
    report->text[report->length] = '\0';
}

void ReportAppend(ReportText* report, const char* text)
{
    if (text)
        AppendBytes(report, text, strlen(text));
}

void ReportAppendPrefix(ReportText* report, const char* text, size_t maxChars)
{
    if (text)
        AppendBytes(report, text, strnlen(text, maxChars));
}

void ReportAppendNumber(ReportText* report, const char* shown)
{
    if (!shown)
        return;
    const char* point = strchr(shown, '.');
    if (!point) {
        ReportAppend(report, shown);
        return;
    }
    AppendBytes(report, shown, (size_t)(point - shown));
    AppendBytes(report, ",", 1);
    ReportAppend(report, point + 1);
}

void ReportSeparators(ReportText* report, int count)
{
    for (int i = 0; i < count; ++i)
        ReportAppend(report, report->separator);
}

bool ReportEndLine(ReportText* report)
{
    AppendBytes(report, "\r\n", 2);
    if (!report->full)
        report->lineStart = report->length;
    return !report->full;
}

void DecimalComma(char* out, size_t capacity, const char* text)
{
    if (!out || capacity == 0)
        return;
    size_t n = text ? strnlen(text, capacity - 1) : 0;
    memcpy(out, text ? text : "", n);
    out[n] = '\0';
    char* point = strchr(out, '.');
    if (point)
        *point = ',';
}
