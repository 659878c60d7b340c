// Time from starting fonexa.exe to its main window shown, median of runs.
//   startup_bench --fonexa=PATH [runs]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/e2e/process.h"

int main(int argc, char** argv)
{
    int runs = 10;
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
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        e2e::Fonexa fonexa;
        HWND main = fonexa.WaitWindow("Fonexa_Class", nullptr, 20000);
        QueryPerformanceCounter(&shown);
        if (!main) {
            fprintf(stderr, "run %d: no main window\n", run);
            return 1;
        }
        double ms = 1000.0 * (shown.QuadPart - start.QuadPart) / frequency.QuadPart;
        if (run > 0)  // the first run warms the server and the file cache
            times.push_back(ms);
        PostMessageA(main, WM_CLOSE, 0, 0);
        fonexa.WaitExit(20000);
    }
    std::sort(times.begin(), times.end());
    double median = times.size() % 2 ? times[times.size() / 2]
                                     : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    printf("start to main window shown: median %.0f ms of %d runs (min %.0f, max %.0f)\n", median, runs,
           times.front(), times.back());
    return 0;
}
