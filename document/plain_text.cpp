#include "document/plain_text.h"

namespace {

std::string ExpandTabs(const std::string& line)
{
    std::string out;
    for (char c : line) {
        if (c == '\t') {
            do
                out += ' ';
            while (out.size() % kPlainTabColumns != 0);
        } else {
            out += c;
        }
    }
    return out;
}

void BreakLine(const std::string& line, size_t columns, std::vector<std::string>* lines)
{
    size_t start = 0;
    while (line.size() - start > columns) {
        size_t cut = line.rfind(' ', start + columns);
        if (cut == std::string::npos || cut <= start) {
            lines->push_back(line.substr(start, columns));
            start += columns;
            continue;
        }
        lines->push_back(line.substr(start, cut - start));
        start = cut + 1;
    }
    lines->push_back(line.substr(start));
}

}  // namespace

std::vector<std::string> PlainTextLines(const std::string& text, int columns)
{
    size_t width = columns < 1 ? 1 : (size_t)columns;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        BreakLine(ExpandTabs(text.substr(start, end - start)), width, &lines);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}
