#pragma once
// Report texts: the calculators' summaries placed on the clipboard in the
// "Csv" format and pasted into the report document. Lines end with "\r\n",
// columns are separated by the user's list separator, and the first "." of
// every number shown is turned into ",".

#include <cstddef>

enum {
    kReportTextSize = 4096,   // bytes of the block, terminating zero included
    kListSeparatorMax = 8     // characters of the locale's list separator
};

// A report under construction in a caller's zero-filled block. Text that would
// not fit is dropped a whole line at a time, so a long report is cut after its
// last complete line and never overflows the block.
struct ReportText {
    char* text;
    size_t capacity;
    size_t length;
    size_t lineStart;
    bool full;
    char separator[kListSeparatorMax + 1];
};

// Starts a report in block (capacity bytes, zero-filled here); the separator
// is cut to 8 characters.
void ReportBegin(ReportText* report, char* block, size_t capacity, const char* separator);

// Appends text as it stands.
void ReportAppend(ReportText* report, const char* text);

// Appends a number as shown in a control or a list cell, with its first "."
// turned into ",".
void ReportAppendNumber(ReportText* report, const char* shown);

// Appends the list separator count times.
void ReportSeparators(ReportText* report, int count);

// Ends the current line with "\r\n". Returns false once the report is full.
bool ReportEndLine(ReportText* report);

// Appends at most maxChars characters of text (the notes of a report).
void ReportAppendPrefix(ReportText* report, const char* text, size_t maxChars);

// Copies text into out (bounded) with its first "." turned into ",".
void DecimalComma(char* out, size_t capacity, const char* text);
