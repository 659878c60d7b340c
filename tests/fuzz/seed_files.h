#pragma once
// Valid data files of each calculator, the seeds of the hostile ones.

#include <string>
#include <vector>

struct SeedType {
    const char* extension;  // ".lep"
    std::vector<std::string> files;
};

const std::vector<SeedType>& SeedFiles();
