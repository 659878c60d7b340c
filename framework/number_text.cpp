#include "framework/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Length of the decimal number at the start of text (after blanks), 0 if none.
static size_t ScanNumber(const char* text, size_t* start)
{
    size_t i = 0;
    while (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')
        ++i;
    *start = i;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    size_t digits = 0;
    while (isdigit((unsigned char)text[i])) { ++i; ++digits; }
    if (text[i] == '.') {
        ++i;
        while (isdigit((unsigned char)text[i])) { ++i; ++digits; }
    }
    if (digits == 0)
        return 0;
    if (text[i] == 'e' || text[i] == 'E') {
        size_t j = i + 1;
        if (text[j] == '+' || text[j] == '-')
            ++j;
        if (isdigit((unsigned char)text[j])) {
            while (isdigit((unsigned char)text[j]))
                ++j;
            i = j;
        }
    }
    return i - *start;
}

bool StartsWithNumber(const char* text)
{
    size_t start;
    return text && ScanNumber(text, &start) > 0;
}

double LeadingNumber(const char* text)
{
    if (!text)
        return 0.0;
    size_t start;
    size_t length = ScanNumber(text, &start);
    if (length == 0)
        return 0.0;
    char digits[64];
    if (length >= sizeof digits) {
        // Absurdly long digit strings: read them in place, strtod stops where
        // the scanner did because the scanned text is a complete number.
        double value = strtod(text + start, nullptr);
        return std::isfinite(value) ? value : 0.0;
    }
    memcpy(digits, text + start, length);
    digits[length] = '\0';
    double value = strtod(digits, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

void FormatNumber(char* out, size_t capacity, const char* format, double value)
{
    if (!out || capacity == 0)
        return;
    if (!std::isfinite(value))
        value = 0.0;
    snprintf(out, capacity, format, value);
}

void FormatNumberFitting(char* out, size_t capacity, const char* format, double value)
{
    if (!out || capacity == 0)
        return;
    if (!std::isfinite(value))
        value = 0.0;
    int length = snprintf(out, capacity, format, value);
    for (int digits = 15; (length < 0 || (size_t)length >= capacity) && digits > 0; --digits)
        length = snprintf(out, capacity, "%.*g", digits, value);
}
