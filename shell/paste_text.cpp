#include "shell/paste_text.h"

#include <cstring>

std::string CsvAsTabs(const char* block, size_t size, char separator)
{
    if (!block)
        return std::string();
    const void* end = memchr(block, '\0', size);
    std::string text(block, end ? (size_t)((const char*)end - block) : size);
    if (separator)
        for (char& c : text)
            if (c == separator)
                c = '\t';
    return text;
}
