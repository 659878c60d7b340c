// The folder summary over 10,000 data files of mixed types (copies of the
// shipped samples), 1,000 of them in ten subfolders, from a warm file cache:
// the median of runs of the summary itself (list, read, recompute, the "Csv"
// text), of simply reading the same files' bytes, and of
// "fonexa.exe /riepilogo /s" as a process; the memory the rows take (one
// file's bytes at a time besides them).
//   summary_bench --fonexa=PATH --samples=FOLDER [runs]

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "summary/folder_scan.h"
#include "tests/e2e/process.h"

namespace {

// 9,000 files in the folder, 100 in each of ten subfolders; made once.
void MakeFolder(const std::string& folder, const std::string& samples)
{
    std::string ready = folder + "\\pronta.txt";
    if (GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((samples + "\\esempio.*").c_str(), &found);
    do
        if (DataFileTypeOfPath(found.cFileName))
            names.push_back(found.cFileName);
    while (search != INVALID_HANDLE_VALUE && FindNextFileA(search, &found));
    FindClose(search);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < 10000 && !names.empty(); ++i) {
        std::string where = i < 9000 ? folder : folder + "\\reparto " + std::to_string((i - 9000) / 100);
        CreateDirectoryA(where.c_str(), nullptr);
        const std::string& name = names[i % names.size()];
        CopyFileA((samples + "\\" + name).c_str(), (where + "\\" + std::to_string(i) + name).c_str(), FALSE);
    }
    CloseHandle(CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// The bytes of every file the summary reads, the least way: listed, then
// each opened, read whole and closed.
size_t ReadBytes(const std::string& folder)
{
    FolderScan scan;
    BeginFolderScan(&scan, folder, true);
    while (ScanListing(scan))
        ContinueFolderScan(&scan, 1, false);
    size_t total = 0;
    std::vector<char> buffer(1 << 16);
    for (const FoundFile& found : scan.files) {
        wchar_t path[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, JoinFolder(folder, found.relative).c_str(), -1, path, MAX_PATH);
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD done = 0;
        if (ReadFile(file, buffer.data(), (DWORD)found.size + 1, &done, nullptr))
            total += done;
        CloseHandle(file);
    }
    return total;
}

// The process's committed memory (the private bytes are not kept by Wine).
size_t CommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// The median milliseconds of runs after one that warms the cache.
double Median(int runs, const std::function<void()>& work)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        if (run > 0)
            times.push_back(1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(times.begin(), times.end());
    size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    std::string samples;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--fonexa=", 9) == 0)
            e2e::g_fonexa = e2e::WindowsPath(argv[i] + 9);
        else if (strncmp(argv[i], "--samples=", 10) == 0)
            samples = e2e::WindowsPath(argv[i] + 10);
        else
            runs = atoi(argv[i]);
    }
    if (e2e::g_fonexa.empty() || samples.empty() || runs <= 0) {
        fprintf(stderr, "usage: summary_bench --fonexa=PATH --samples=FOLDER [runs]\n");
        return 2;
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "fonexa-bench-summary";
    MakeFolder(folder, samples);

    size_t rows = 0, bytes = 0, memory = 0, text = 0, before = CommittedBytes();
    double summary = Median(runs, [&] {
        FolderScan scan;
        BeginFolderScan(&scan, folder, true);
        ContinueFolderScan(&scan, 0, false);
        rows = scan.rows.size();
        memory = CommittedBytes() - before;
        text = SummaryCsv(scan.rows, ";").size();
    });
    double reading = Median(runs, [&] { bytes = ReadBytes(folder); });
    std::string output = folder + "-riepilogo.csv";
    double command = Median(runs, [&] {
        e2e::Fonexa fonexa("/riepilogo /s \"" + folder + "\" \"" + output + "\"");
        if (fonexa.WaitExit(60000) != 0)
            fprintf(stderr, "the command did not end with 0\n");
    });

    printf("%u files (%u bytes), median of %d runs after a warm-up:\n", (unsigned)rows, (unsigned)bytes, runs);
    printf("  summary (list, read, recompute, Csv text)   %7.0f ms\n", summary);
    printf("  reading the same files' bytes               %7.0f ms   (summary / reading = %.2f)\n", reading,
           summary / reading);
    printf("  fonexa.exe /riepilogo /s, as a process      %7.0f ms\n", command);
    printf("  memory: %u KB for the rows (%.0f bytes a row), %u KB of \"Csv\" text\n", (unsigned)(memory / 1024),
           rows ? (double)memory / rows : 0.0, (unsigned)(text / 1024));
    return 0;
}
