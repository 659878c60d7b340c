#include "exposure/task_uncertainty_file.h"

#include <cstdio>
#include <cstdlib>

const char kUncertaintyTag[] = "LIN";

namespace {

const char kFrame[] = "FONEXA";
const size_t kValueCapacity = kTaskValueChars + 1;

std::string TaskSection(int task)
{
    char section[32];
    snprintf(section, sizeof section, "COMPITO%d", task + 1);
    return section;
}

// A count key: what strtol reads, 0 when negative or not a number, cut at
// most + 1 so that the caller can tell "too many".
int Count(const std::string& text, int most)
{
    long n = strtol(text.c_str(), nullptr, 10);
    return n < 0 ? 0 : n > most ? most + 1 : (int)n;
}

}  // namespace

bool ReadLinTexts(const LinKeyReader& read, UncertaintyTexts* texts)
{
    *texts = UncertaintyTexts();
    texts->instrumentClass = read.value(kFrame, "CLASSE", kValueCapacity) == "2" ? 2 : 1;
    texts->peak = read.value(kFrame, "PICCO", kValueCapacity);
    bool whole = true;
    int tasks = Count(read.value(kFrame, "ITEMS", kValueCapacity), kMaxTasks);
    if (tasks > kMaxTasks) {
        tasks = kMaxTasks;
        whole = false;
    }
    for (int m = 0; m < tasks; ++m) {
        const std::string section = TaskSection(m);
        TaskTexts task;
        task.name = read.value(section.c_str(), "NOME", kTaskNameChars + 1);
        task.hours = read.value(section.c_str(), "DURATA", kValueCapacity);
        task.hoursUncertainty = read.value(section.c_str(), "U1B", kValueCapacity);
        int samples = Count(read.value(section.c_str(), "ITEMS", kValueCapacity), kMaxTaskSamples);
        if (samples > kMaxTaskSamples) {
            samples = kMaxTaskSamples;
            whole = false;
        }
        for (const auto& key : read.numbered(section.c_str(), samples))
            if (!key.second.empty())
                task.samples.push_back(key.second.substr(0, kTaskValueChars));
        if (task.name.empty() && task.hours.empty() && task.hoursUncertainty.empty() &&
            task.samples.empty())
            continue;
        texts->tasks.push_back(task);
    }
    return whole;
}

void WriteLinTexts(const LinKeyWriter& write, const UncertaintyTexts& texts)
{
    write(kFrame, "CLASSE", texts.instrumentClass == 2 ? "2" : "1");
    write(kFrame, "PICCO", texts.peak);
    write(kFrame, "ITEMS", std::to_string(texts.tasks.size()));
    for (size_t m = 0; m < texts.tasks.size(); ++m) {
        const TaskTexts& task = texts.tasks[m];
        const std::string section = TaskSection((int)m);
        write(section.c_str(), "NOME", task.name);
        write(section.c_str(), "DURATA", task.hours);
        write(section.c_str(), "U1B", task.hoursUncertainty);
        write(section.c_str(), "ITEMS", std::to_string(task.samples.size()));
        for (size_t n = 0; n < task.samples.size(); ++n)
            write(section.c_str(), std::to_string(n + 1).c_str(), task.samples[n]);
    }
}
