#include "summary/command_line.h"

#include <vector>

namespace {

bool SameWord(const std::string& word, const char* expected)
{
    if (word.size() != std::string(expected).size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i] >= 'A' && word[i] <= 'Z' ? (char)(word[i] - 'A' + 'a') : word[i];
        if (c != expected[i])
            return false;
    }
    return true;
}

std::vector<std::string> Words(const char* line)
{
    std::vector<std::string> words;
    const char* p = line ? line : "";
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            return words;
        std::string word;
        while (*p && *p != ' ' && *p != '\t') {
            if (*p == '"') {
                for (++p; *p && *p != '"'; ++p)
                    word += *p;
                if (*p)
                    ++p;
            } else {
                word += *p++;
            }
        }
        words.push_back(word);
    }
}

}  // namespace

bool ParseSummaryCommand(const char* commandLine, SummaryCommand* command)
{
    std::vector<std::string> words = Words(commandLine);
    if (words.empty() || !SameWord(words[0], "/riepilogo"))
        return false;
    *command = SummaryCommand();
    size_t next = 1;
    if (next < words.size() && SameWord(words[next], "/s")) {
        command->subfolders = true;
        ++next;
    }
    if (words.size() == next + 2 && !words[next].empty() && !words[next + 1].empty()) {
        command->folder = words[next];
        command->output = words[next + 1];
        command->complete = true;
    }
    return true;
}
