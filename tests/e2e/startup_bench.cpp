// Start-up of fonexa.exe beside the smallest programs that show a window:
// the median time from starting each to its main window shown, their ratios,
// then fonexa's start-up step by step (startup_steps.exe). The other programs
// lie beside this one.
//   startup_bench --fonexa=PATH [runs]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/process.h"

namespace {

// A process that has just ended is still being torn down by Wine for a while;
// a start measured during that time comes out up to twice as long.
const DWORD kSettleMs = 500;

struct Program {
    const char* name;
    std::string path;
    const char* windowClass;
    std::vector<double> times;
};

double Milliseconds(LONGLONG counts)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * counts / frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The visible window of the class owned by the process; looked for by class
// only, so that polling costs the server little.
HWND ShownWindow(const e2e::Fonexa& process, const char* windowClass)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
         w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process.Id() && IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

// Start to main window shown, in ms; negative when it never showed. Every
// wake-up of this poll costs the started process time in the server (at 1 ms
// its start came out 10 ms longer): it looks every 5 ms and takes the middle
// of the last interval, which is right on average.
double TimeStart(const Program& program)
{
    LARGE_INTEGER start, before, after;
    QueryPerformanceCounter(&start);
    e2e::Fonexa process(program.path, "");
    HWND window = nullptr;
    DWORD begun = GetTickCount();
    do {
        QueryPerformanceCounter(&before);
        if (!process.Started() || WaitForSingleObject(process.Handle(), 5) != WAIT_TIMEOUT ||
            GetTickCount() - begun > 20000)
            return -1;
        QueryPerformanceCounter(&after);
    } while (!(window = ShownWindow(process, program.windowClass)));
    PostMessageA(window, WM_CLOSE, 0, 0);
    process.WaitExit(20000);
    Sleep(kSettleMs);
    return Milliseconds((before.QuadPart + after.QuadPart) / 2 - start.QuadPart);
}

// One run of startup_steps.exe: (step, ms) in the order of the start-up.
bool TimeSteps(const std::string& path, std::vector<std::pair<std::string, double>>* steps)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    std::string line = "\"" + path + "\" " + std::to_string(start.QuadPart);
    PROCESS_INFORMATION process = {};
    bool started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[512];
    DWORD read = 0;
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read)
        output.append(buffer, read);
    CloseHandle(readEnd);
    if (!started)
        return false;
    WaitForSingleObject(process.hProcess, 20000);
    Sleep(kSettleMs);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    steps->clear();
    size_t at = 0;
    for (size_t end; (end = output.find('\n', at)) != std::string::npos; at = end + 1) {
        std::string text = output.substr(at, end - at);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text == "end")
            return true;
        size_t blank = text.find(' ');
        if (blank == std::string::npos)
            break;
        steps->push_back({text.substr(blank + 1), atof(text.c_str()) / 1000});
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--fonexa=", 9) == 0)
            e2e::g_fonexa = e2e::WindowsPath(argv[i] + 9);
        else
            runs = atoi(argv[i]);
    }
    if (e2e::g_fonexa.empty() || runs <= 0) {
        fprintf(stderr, "usage: startup_bench --fonexa=PATH [runs]\n");
        return 2;
    }
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder(self, strrchr(self, '\\') ? strrchr(self, '\\') + 1 : self);

    Program programs[] = {{"fonexa.exe", e2e::g_fonexa, "Fonexa_Class", {}},
                          {"minimal_window.exe", folder + "minimal_window.exe", "Minimal_Class", {}},
                          {"minimal_libraries.exe", folder + "minimal_libraries.exe", "Minimal_Class", {}}};
    // Side by side, so that a busy moment of the machine falls on all three;
    // the first round warms the server and the file cache.
    for (int run = 0; run <= runs; ++run)
        for (Program& program : programs) {
            double ms = TimeStart(program);
            if (ms < 0) {
                fprintf(stderr, "%s: no main window\n", program.name);
                return 1;
            }
            if (run > 0)
                program.times.push_back(ms);
        }
    printf("start to main window shown, median of %d runs (min - max):\n", runs);
    for (const Program& program : programs)
        printf("  %-22s %4.0f ms  (%.0f - %.0f)\n", program.name, Median(program.times),
               *std::min_element(program.times.begin(), program.times.end()),
               *std::max_element(program.times.begin(), program.times.end()));
    double fonexa = Median(programs[0].times);
    printf("fonexa / minimal window: %.2f    fonexa / minimal with libraries: %.2f\n",
           fonexa / Median(programs[1].times), fonexa / Median(programs[2].times));

    std::vector<std::string> names;
    std::vector<std::vector<double>> times;
    std::vector<std::pair<std::string, double>> steps;
    for (int run = 0; run <= runs; ++run) {
        if (!TimeSteps(folder + "startup_steps.exe", &steps)) {
            fprintf(stderr, "startup_steps.exe: no timing\n");
            return 1;
        }
        if (run == 0)
            continue;
        for (const auto& step : steps) {
            size_t i = std::find(names.begin(), names.end(), step.first) - names.begin();
            if (i == names.size()) {
                names.push_back(step.first);
                times.emplace_back();
            }
            times[i].push_back(step.second);
        }
    }
    printf("fonexa's start-up by step (startup_steps.exe, the same code; median of %d runs, ms):\n", runs);
    double total = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == "shown") {
            printf("  %6.1f  sum: main window shown\n  after it has shown:\n", total);
            continue;
        }
        double median = Median(times[i]);
        total += median;
        printf("  %6.1f  %s\n", median, names[i].c_str());
    }
    return 0;
}
