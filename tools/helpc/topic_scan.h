// Finds the help topic numbers the program asks for, in its own sources: the
// entries of every HelpTopic table ({control, topic} pairs) and the numbers
// handed to ShowHelpTopic or kept in a *HelpTopic constant. Control names
// come from resources/resource.h; small constexpr helpers of one parameter
// ("control << 16 | 805") and constants of the same file are understood.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FoundTopic {
    uint32_t topic;
    std::string where;  // "file:line"
};

struct TopicScan {
    std::vector<FoundTopic> topics;
    std::vector<std::string> problems;  // entries whose number could not be worked out
    int tables = 0;
};

// Scans every .cpp and .h under the source root, except the tests, the
// tools and build trees.
TopicScan ScanHelpTopics(const std::string& sourceRoot);
