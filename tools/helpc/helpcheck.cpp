// helpcheck: every topic number the program asks for must be in the help
// file's context map and lead to a topic.
//   helpcheck FILE.hlp SOURCE_ROOT REQUESTED.txt
// The numbers are those found in the sources' help tables (topic_scan.h) and
// those listed in REQUESTED.txt (one number per line, then a comment), which
// holds the numbers of dialogs not written yet.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "hlp_reader.h"
#include "topic_scan.h"

static bool ReadRequested(const char* path, std::vector<FoundTopic>* out)
{
    std::ifstream file(path);
    if (!file)
        return false;
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word[0] == '#')
            continue;
        char* end = nullptr;
        unsigned long value = strtoul(word.c_str(), &end, 0);
        if (*end != '\0') {
            fprintf(stderr, "%s:%d: not a topic number: %s\n", path, number, word.c_str());
            return false;
        }
        out->push_back({(uint32_t)value, std::string(path) + ":" + std::to_string(number)});
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: helpcheck FILE.hlp SOURCE_ROOT REQUESTED.txt\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    HelpFileReader help;
    if (!help.Open(bytes)) {
        fprintf(stderr, "helpcheck: %s is not a readable help file\n", argv[1]);
        return 1;
    }
    std::map<uint32_t, uint32_t> map = help.ContextMap();
    std::map<uint32_t, std::string> titles = help.Titles();

    TopicScan scan = ScanHelpTopics(argv[2]);
    int failures = 0;
    for (const std::string& problem : scan.problems) {
        fprintf(stderr, "%s\n", problem.c_str());
        ++failures;
    }
    if (scan.tables == 0 || scan.topics.empty()) {
        fprintf(stderr, "helpcheck: no help table found under %s\n", argv[2]);
        ++failures;
    }
    std::vector<FoundTopic> wanted = scan.topics;
    size_t fromCode = wanted.size();
    if (!ReadRequested(argv[3], &wanted))
        return 1;

    std::set<uint32_t> distinct;
    for (const FoundTopic& t : wanted) {
        distinct.insert(t.topic);
        auto found = map.find(t.topic);
        if (found == map.end()) {
            fprintf(stderr, "%s: topic 0x%08X (%u) is not in the help file\n", t.where.c_str(),
                    (unsigned)t.topic, (unsigned)t.topic);
            ++failures;
        } else if (titles.count(found->second) == 0) {
            fprintf(stderr, "%s: topic 0x%08X leads to no topic\n", t.where.c_str(),
                    (unsigned)t.topic);
            ++failures;
        }
    }
    printf("helpcheck: %zu topic numbers asked for (%zu in %d tables of the code), %zu distinct; "
           "%zu in the file's map; %d missing\n",
           wanted.size(), fromCode, scan.tables, distinct.size(), map.size(), failures);
    return failures == 0 ? 0 : 1;
}
