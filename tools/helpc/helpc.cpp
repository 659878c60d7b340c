// helpc: compiles the readable help sources into the WinHelp file and its
// contents file.
//   helpc OUT.hlp OUT.cnt SOURCE.txt...
// The sources are read in the order given; topics keep that order.
#include <cstdio>
#include <fstream>
#include <string>

#include "hlp_writer.h"
#include "topic_source.h"

static bool WriteAll(const std::string& path, const void* data, size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), (std::streamsize)size);
    return (bool)file;
}

static std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: helpc OUT.hlp OUT.cnt SOURCE.txt...\n");
        return 2;
    }
    HelpProject project;
    std::string error;
    for (int i = 3; i < argc; ++i) {
        if (!ReadTopicSource(argv[i], &project, &error)) {
            fprintf(stderr, "helpc: %s\n", error.c_str());
            return 1;
        }
    }
    if (!CheckProject(project, &error)) {
        fprintf(stderr, "helpc: %s\n", error.c_str());
        return 1;
    }
    Bytes help;
    if (!BuildHelpFile(project, &help, &error)) {
        fprintf(stderr, "helpc: %s\n", error.c_str());
        return 1;
    }
    std::string contents = BuildContentsFile(project, BaseName(argv[1]));
    if (!WriteAll(argv[1], help.data(), help.size()) ||
        !WriteAll(argv[2], contents.data(), contents.size())) {
        fprintf(stderr, "helpc: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    size_t numbers = 0;
    for (const Topic& topic : project.topics)
        numbers += topic.mapIds.size();
    printf("helpc: %s: %zu topics, %zu topic numbers, %zu bytes\n", BaseName(argv[1]).c_str(),
           project.topics.size(), numbers, help.size());
    return 0;
}
