// The sample data files shipped with Fonexa, made at build time: each source
// in resources/samples holds a calculator's inputs and names the results it
// stores; their values are computed here by the program's own arithmetic
// (the folder summary's reading of the file) and written in, as the
// calculator would save them. A report document, and a type the summary
// does not read, is copied as it stands.
//
//   samplegen OUT_DIR SOURCE...
//
// Fails (and writes nothing for it) on a source the calculator would not
// compute or that misses one of its results.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "summary/file_summary.h"

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return text;
}

std::string Trim(const std::string& text)
{
    size_t start = text.find_first_not_of(" \t\r");
    size_t end = text.find_last_not_of(" \t\r");
    return start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
}

// Puts text as the value of key in the first section of that name; false
// when the source has no such line.
bool SetValue(std::vector<std::string>* lines, const char* section, const char* key, const std::string& text)
{
    std::string current;
    bool seen = false;
    for (std::string& line : *lines) {
        std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed[0] == '[') {
            if (seen)
                return false;
            current = Lower(Trim(trimmed.substr(1, trimmed.rfind(']') - 1)));
            seen = current == Lower(section);
            continue;
        }
        size_t equals = trimmed.find('=');
        if (seen && equals != std::string::npos && Lower(Trim(trimmed.substr(0, equals))) == Lower(key)) {
            line = Trim(trimmed.substr(0, equals)) + "=" + text;
            return true;
        }
    }
    return false;
}

// Lines ended by "\r\n", as the program writes them.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The source with its results filled in, or "" after telling why not.
std::string MakeSample(const std::string& name, const DataFileType& type, const std::string& source)
{
    std::vector<std::string> lines;
    std::istringstream in(source);
    for (std::string line; std::getline(in, line);)
        lines.push_back(Trim(line));
    // Again until nothing changes: a selection's effective level is
    // computed from the H, M, L and levels filled in before it.
    for (int pass = 0; pass < 4; ++pass) {
        std::string text = Joined(lines);
        std::vector<StoredResult> results;
        FileSummary summary = SummariseData(type, text.data(), text.size(), &results);
        bool changed = false;
        for (const StoredResult& result : results) {
            std::vector<std::string> before = lines;
            if (!SetValue(&lines, result.section, result.key, result.text) && result.compared) {
                fprintf(stderr, "samplegen: %s has no %s of [%s]\n", name.c_str(), result.key, result.section);
                return "";
            }
            changed = changed || lines != before;
        }
        if (!changed) {
            if (summary.status != kSummaryComputed || summary.value.empty() || !summary.stored.empty()) {
                fprintf(stderr, "samplegen: %s does not compute (%s)\n", name.c_str(),
                        SummaryStatusText(summary.status));
                return "";
            }
            return text;
        }
    }
    fprintf(stderr, "samplegen: %s does not settle\n", name.c_str());
    return "";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: samplegen OUT_DIR SOURCE...\n");
        return 2;
    }
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        std::string path = argv[i];
        std::string name = path.substr(path.find_last_of("/\\") + 1);
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        if (!in) {
            fprintf(stderr, "samplegen: cannot read %s\n", path.c_str());
            ++failures;
            continue;
        }
        // A file whose type stores no results of its own (a report document,
        // a type the summary does not read) is shipped as it stands.
        const DataFileType* type = DataFileTypeOfPath(name.c_str());
        std::string sample = type && type->tag ? MakeSample(name, *type, bytes.str()) : WithCrLf(bytes.str());
        if (sample.empty()) {
            ++failures;
            continue;
        }
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out << sample;
        if (!out.flush()) {
            fprintf(stderr, "samplegen: cannot write %s\n", name.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
