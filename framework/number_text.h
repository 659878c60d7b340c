#pragma once
// Numbers typed by the user or read from data files, always with "." as the
// decimal separator whatever the user's locale.

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

// True when the whole text (blanks around it aside) is one finite decimal
// number.
bool IsNumberText(const char* text);

// Copies a number text read from a data file into a field of capacity
// characters (cut at the field). Anything but a finite decimal number
// ("inf", "nan", "1e309", letters) becomes "0.0": a field never shows what
// the program itself could not have written. An empty text stays empty.
void CopyNumberText(char* out, size_t capacity, const char* text);
