#pragma once
// Text pieces shared by the ISO 1999 views and report texts.

#include <cstddef>

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

// "M" for sex 1, "F" otherwise.
const char* SexLetter(int sex);
