#pragma once
// The report document's plain text laid out in lines of a fixed-pitch
// printout: tabs expanded, long lines broken at blanks. Portable.

#include <string>
#include <vector>

// Tab stops every 8 columns.
const int kPlainTabColumns = 8;

// Splits text at "\r\n", "\r" or "\n", expands tabs and breaks each line to
// at most `columns` characters (at the last blank that fits, or hard when a
// word is longer). An empty text gives no line; columns below 1 count as 1.
std::vector<std::string> PlainTextLines(const std::string& text, int columns);
