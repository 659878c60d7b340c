#pragma once
// Text pieces shared by the ISO 1999 views and report texts.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "framework/report_text.h"

enum {
    kShownNumberSize = 320  // "%4.1f" of the largest double fits
};

// Appends text to the zero-terminated out (capacity bytes), cutting it to fit.
void AppendText(char* out, size_t capacity, const char* text);

// Appends one number in a printf format; a value that is not finite shows 0.
void AppendNumber(char* out, size_t capacity, const char* format, double value);

// Appends an integer in decimal.
void AppendInteger(char* out, size_t capacity, int value);

// Appends one number to a report, formatted, with its first "." turned into ",".
void ReportNumber(ReportText* report, const char* format, double value);

// The lines of a title too wide for width, as measure gives the width of a
// text. A title is broken only between its fields, where two or more blanks
// come before a letter ("... 90.0 dBA   Età:  60  Sesso: M"), never between a
// label and its value ("Età:  60", "Sesso: M"); a line drops the blanks it
// would start with. A field wider than width stands alone on its line.
std::vector<std::string> BreakTitle(const char* text, int width,
                                    const std::function<int(const std::string&)>& measure);

// "M" for sex 1, "F" otherwise.
const char* SexLetter(int sex);
