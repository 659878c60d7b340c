#pragma once
// The "Csv" text of the clipboard made ready for the report document.

#include <cstddef>
#include <string>

// The text of a clipboard block of size bytes, up to its first zero or its
// end (the format name is shared system-wide, so the block may come from
// another program and need not be terminated), with every separator
// character turned into a tab. A zero separator turns nothing.
std::string CsvAsTabs(const char* block, size_t size, char separator);
