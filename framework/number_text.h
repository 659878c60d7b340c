#pragma once
// Numbers typed by the user or read from data files, always with "." as the
// decimal separator whatever the user's locale. A field keeps its text as
// typed or as read ("85 dB", "n.d.", "42,5"); the calculators count it by
// the number at its start, and that number is where every guard stands.

#include <cstddef>

// The number at the start of a text, as the standard decimal conversion reads
// it (leading blanks, sign, digits, one point, exponent). Text that does not
// start with a number gives 0, and so does a number too large to be finite:
// "inf", "nan" and hexadecimal forms are not numbers here.
double LeadingNumber(const char* text);

// True when the text starts with a decimal number (as LeadingNumber reads it).
bool StartsWithNumber(const char* text);

// printf-style formatting of one double into a bounded buffer; a value that is
// not finite is shown as 0 so that no "inf" or "nan" ever reaches the user.
void FormatNumber(char* out, size_t capacity, const char* format, double value);

// As FormatNumber, but a value whose text would not fit the buffer (a level
// of 1e300 in "%4.1f" has 302 digits) is shown in the shortest "%g" form
// that fits, with as many significant digits as there is room for, instead
// of being cut to a different number.
void FormatNumberFitting(char* out, size_t capacity, const char* format, double value);

