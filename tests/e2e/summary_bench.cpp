// The folder summary over 10,000 data files of mixed types, 1,000 of them in
// ten subfolders, from a warm file cache: the median of runs of the summary
// itself (list, read, recompute, the "Csv" text), of simply reading the same
// files' bytes, and of "fonexa.exe /riepilogo /s" as a process; the memory
// the rows take (one file's bytes at a time besides them).
//   summary_bench --fonexa=PATH [runs]

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

const char* const kFiles[] = {
    ".lep", "[FONEXA]\r\nTipo=LEPD\r\nLAEQ=88.2\r\nTOTTIME=480\r\nLEPD=88.2\r\nTFORM=1\r\nITEMS=3\r\n[LEQ]\r\n1=90\r\n"
            "2=85\r\n3=80\r\n[TIME]\r\n1=200\r\n2=200\r\n3=80\r\n[NOTE]\r\n1=Reparto presse\r\nNum=1\r\n",
    ".lew", "[FONEXA]\r\nTipo=LEPW\r\nLEPW=85.5\r\n[GIORNI]\r\nLunedi=85\r\nMartedi=87\r\nMercoledi=85\r\n"
            "Giovedi=86\r\nVenerdi=84\r\nSabato=0.0\r\nDomenica=0.0\r\n[NOTE]\r\n1=Turno B\r\nNum=1\r\n",
    ".leg", "[FONEXA]\r\nTipo=LEG\r\nSAMPLES=4\r\nLEQGROUP=86.8\r\nDEVST=1.7\r\nTOTLAV=10\r\nFIDUCIA=1\r\n"
            "CONFIDENZA=1\r\nITEMS=4\r\n[LEQ]\r\n1=85\r\n2=87\r\n3=89\r\n4=86\r\n",
    ".ilg", "[FONEXA]\r\nTipo=ILG\r\nILG=26\r\nSIMM=1\r\nTABELLA=1\r\nINDUS=1\r\n[SX]\r\n500=40\r\n1000=40\r\n"
            "2000=40\r\n3000=40\r\n4000=40\r\n6000=40\r\n",
    ".spr", "[FONEXA]\r\nTipo=SPR\r\nLAEQ=90.2\r\nLCEQ=91.2\r\n[SPECTRUM]\r\n125=80\r\n250=82\r\n500=85\r\n"
            "1000=86\r\n2000=84\r\n4000=80\r\n8000=75\r\n",
    ".spi", "[FONEXA]\r\nTipo=SPI\r\nH=34.0\r\nM=28.0\r\nL=22.0\r\nSNR=31.0\r\n[SPECTRUM]\r\n125=15\r\n250=20\r\n"
            "500=25\r\n1000=30\r\n2000=33\r\n4000=35\r\n8000=38\r\n",
    ".dpi", "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85.0\r\nLIVEFF=64.0\r\nMETODO=5\r\n[NOISE]\r\n125=80\r\n"
            "250=82\r\n500=85\r\n1000=86\r\n2000=84\r\n4000=80\r\n8000=75\r\nA=90.2\r\nC=91.2\r\n[ATT]\r\n"
            "125=15\r\n250=18\r\n500=22\r\n1000=26\r\n2000=30\r\n4000=35\r\n8000=33\r\n",
    ".fnx", "{\\rtf1 Relazione}\r\n",
};
const int kTypes = sizeof kFiles / sizeof kFiles[0] / 2;

void Write(const std::string& path, const char* text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done;
    WriteFile(file, text, (DWORD)strlen(text), &done, nullptr);
    CloseHandle(file);
}

// 9,000 files in the folder, 100 in each of ten subfolders; made once.
void MakeFolder(const std::string& folder)
{
    std::string ready = folder + "\\pronta.txt";
    if (GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < 10000; ++i) {
        std::string where = folder;
        if (i >= 9000) {
            where += "\\reparto " + std::to_string((i - 9000) / 100);
            CreateDirectoryA(where.c_str(), nullptr);
        }
        int type = i % kTypes;
        Write(where + "\\file " + std::to_string(i) + kFiles[2 * type], kFiles[2 * type + 1]);
    }
    Write(ready, "");
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

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// Milliseconds of each run after one that warms the cache.
std::vector<double> Time(int runs, const std::function<void()>& work)
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
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--fonexa=", 9) == 0)
            e2e::g_fonexa = e2e::WindowsPath(argv[i] + 9);
        else
            runs = atoi(argv[i]);
    }
    if (e2e::g_fonexa.empty() || runs <= 0) {
        fprintf(stderr, "usage: summary_bench --fonexa=PATH [runs]\n");
        return 2;
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "fonexa-bench-summary";
    MakeFolder(folder);

    size_t rows = 0, bytes = 0, memory = 0, text = 0, before = CommittedBytes();
    std::vector<double> summary = Time(runs, [&] {
        FolderScan scan;
        BeginFolderScan(&scan, folder, true);
        ContinueFolderScan(&scan, 0, false);
        rows = scan.rows.size();
        memory = CommittedBytes() - before;
        text = SummaryCsv(scan.rows, ";").size();
    });
    std::vector<double> reading = Time(runs, [&] { bytes = ReadBytes(folder); });
    std::string output = folder + "-riepilogo.csv";
    std::vector<double> command = Time(runs, [&] {
        e2e::Fonexa fonexa("/riepilogo /s \"" + folder + "\" \"" + output + "\"");
        if (fonexa.WaitExit(60000) != 0)
            fprintf(stderr, "the command did not end with 0\n");
    });

    double a = Median(summary), b = Median(reading);
    printf("%u files (%u bytes), median of %d runs after a warm-up:\n", (unsigned)rows, (unsigned)bytes, runs);
    printf("  summary (list, read, recompute, Csv text)   %7.0f ms\n", a);
    printf("  reading the same files' bytes               %7.0f ms   (summary / reading = %.2f)\n", b, a / b);
    printf("  fonexa.exe /riepilogo /s, as a process      %7.0f ms\n", Median(command));
    printf("  memory: %u KB for the rows (%.0f bytes a row), %u KB of \"Csv\" text\n", (unsigned)(memory / 1024),
           rows ? (double)memory / rows : 0.0, (unsigned)(text / 1024));
    return 0;
}
