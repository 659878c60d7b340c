// Hostile data files through the real loaders, in-process under Wine: each
// calculator's dialog is opened once and every generated file is dropped on
// it, as a user's drag and drop does. After each load the dialog is painted
// and read back: no field may show an "inf" or "nan" no file held, the notes
// box holds at most 512 characters, and no load may take a second. Each file
// is also read by the folder summary, which reads data files itself: every
// key the loaders ask for must read as the profile functions read it, and
// its row must show no "inf" or "nan" and take no second either.
//
//   file_fuzz.exe [--files N] [--seed S] [--type .lep]
//   file_fuzz.exe --replay FILE.lep    (one kept file again)
//
// Prints one line a type (files, slowest and median load, boxes answered)
// and exits non-zero on any fault. The file being loaded is always on disk
// (fuzz-current<ext> in the temporary folder), so a crash can be repeated.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "damage/damage_dialog.h"
#include "exposure/daily_exposure_dialog.h"
#include "exposure/group_level_dialog.h"
#include "exposure/task_uncertainty_dialog.h"
#include "exposure/weekly_exposure_dialog.h"
#include "framework/data_file.h"
#include "framework/help.h"
#include "framework/profile_text.h"
#include "protectors/selection_wizard.h"
#include "resources/resource.h"
#include "shell/app.h"
#include "spectra/attenuation_dialog.h"
#include "spectra/noise_spectrum_dialog.h"
#include "summary/summary_table.h"
#include "tests/fuzz/file_mutator.h"
#include "tests/fuzz/seed_files.h"

namespace {

struct Calculator {
    const char* extension;
    const char* dialogTemplate;
    DLGPROC procedure;
    // A window that is not a dialog of its own (the protector selection's
    // property sheet): opened by this, files dropped on its current page.
    HWND (*open)(HWND owner);
    // Controls that show the file's own texts as read (a name, a number as
    // typed), ended by 0, and the list columns of computed values.
    const int* asRead = nullptr;
    int firstComputedColumn = 0, lastComputedColumn = 2;
};

const int kUncertaintyAsRead[] = {IDC_LIN_PEAK, IDC_LIN_NOTE, 0};

// The wizard on its octave-band page, so that loads refill method fields and
// a file of another method moves the wizard to that method's page.
HWND OpenSelectionOnBandPage(HWND owner)
{
    HWND sheet = CreateProtectorSelection(owner);
    if (sheet)
        SendMessageA(sheet, PSM_SETCURSELID, 0, IDD_DPI_OCTAVE_BAND);
    return sheet;
}

const Calculator kCalculators[] = {
    {".lep", "LEPD", DailyExposureProc, nullptr},
    {".spr", "SPETTRORUM", NoiseSpectrumProc, nullptr},
    {".spi", "SPETTRODPI", AttenuationProc, nullptr},
    {".lew", "LEPW", WeeklyExposureProc, nullptr},
    {".leg", "LEQGROUP", GroupLevelProc, nullptr},
    {".ilg", "CALCOLOILG", DamageProc, nullptr},
    {".dpi", nullptr, nullptr, OpenSelectionOnBandPage},
    {".lin", "INCERTEZZA", UncertaintyProc, nullptr, kUncertaintyAsRead, 3, 7},
};

HWND DropTarget(HWND window, const Calculator& calculator)
{
    return calculator.open ? (HWND)SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0) : window;
}

int s_boxes;
HHOOK s_hook;

// Every message box is answered at once with its way out.
LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    char name[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0 &&
        GetDlgItem(window, 0xFFFF)) {
        int button = GetDlgItem(window, IDCANCEL) ? IDCANCEL : GetDlgItem(window, IDNO) ? IDNO : IDOK;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        ++s_boxes;
    }
    return CallNextHookEx(s_hook, code, wParam, lParam);
}

BOOL NoHelp(HWND, const char*, UINT, ULONG_PTR)
{
    return TRUE;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WriteWholeFile(const std::string& path, const std::string& content)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = content.empty() || (WriteFile(file, content.data(), (DWORD)content.size(), &written, nullptr) &&
                                  written == content.size());
    CloseHandle(file);
    return ok;
}

void Drop(HWND dialog, const std::string& path)
{
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    DROPFILES* files = (DROPFILES*)GlobalLock(drop);
    files->pFiles = sizeof(DROPFILES);
    memcpy(files + 1, path.c_str(), path.size() + 1);
    GlobalUnlock(drop);
    SendMessageA(dialog, WM_DROPFILES, (WPARAM)drop, 0);
}

// The loaded file and the texts an earlier one left in the dialog (kept).
std::string s_held, s_kept;

void Loaded(std::string content)
{
    for (char& c : content)
        c = (char)tolower((unsigned char)c);
    s_held = content + "\n" + s_kept;
    s_kept.clear();
}

// "inf" or "nan" standing as a word of their own, in a text no file held.
bool ShowsNonNumber(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower)
        c = (char)tolower((unsigned char)c);
    if (s_held.find(lower) != std::string::npos) {
        s_kept += lower + "\n";
        return false;
    }
    for (const char* word : {"inf", "nan"}) {
        for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            bool before = at > 0 && isalpha((unsigned char)lower[at - 1]);
            bool after = at + 3 < lower.size() && isalpha((unsigned char)lower[at + 3]);
            if (!before && !after)
                return true;
        }
    }
    return false;
}

bool IsAsRead(const Calculator& calculator, int id)
{
    for (const int* control = calculator.asRead; control && *control; ++control)
        if (*control == id)
            return true;
    return false;
}

std::string Fault(HWND dialog, const Calculator& calculator)
{
    struct Search {
        const Calculator& calculator;
        std::string found;
    } search = {calculator, ""};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            const Calculator& calculator = ((Search*)param)->calculator;
            std::string& found = ((Search*)param)->found;
            char name[32] = "";
            GetClassNameA(child, name, sizeof name);
            char text[1024] = "";
            GetWindowTextA(child, text, sizeof text);
            int id = GetDlgCtrlID(child);
            if (id == IDC_NOTES && GetWindowTextLengthA(child) > 512)
                found += "notes longer than 512; ";
            if ((lstrcmpiA(name, "Edit") == 0 || lstrcmpiA(name, "Static") == 0) && id != IDC_NOTES &&
                !IsAsRead(calculator, id) && ShowsNonNumber(text))
                found += "control " + std::to_string(id) + " shows \"" + text + "\"; ";
            if (lstrcmpiA(name, WC_LISTVIEWA) == 0) {
                int rows = (int)SendMessageA(child, LVM_GETITEMCOUNT, 0, 0);
                for (int row = 0; row < rows && row < 200; ++row)
                    for (int column = calculator.firstComputedColumn;
                         column <= calculator.lastComputedColumn; ++column) {
                        char cell[64] = "";
                        LVITEMA item = {};
                        item.iSubItem = column;
                        item.pszText = cell;
                        item.cchTextMax = sizeof cell;
                        SendMessageA(child, LVM_GETITEMTEXTA, row, (LPARAM)&item);
                        if (ShowsNonNumber(cell))
                            found += "list cell shows \"" + std::string(cell) + "\"; ";
                    }
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// The summary's own reading of the file against the profile functions'.
std::string SummaryFault(const std::string& path, const std::string& content)
{
    static const char* const kKeys[][2] = {
        {"FONEXA", "Tipo"},   {"FONEXA", "LAEQ"},     {"FONEXA", "TFORM"}, {"FONEXA", "ITEMS"},
        {"FONEXA", "TOTLAV"}, {"FONEXA", "SIMM"},     {"SETTINGS", "LACT"}, {"SETTINGS", "METODO"},
        {"NOISE", "C"},       {"NOISE", "CLASSE"},    {"ATT", "SNR"},      {"SPECTRUM", "1000"},
        {"GIORNI", "Lunedi"}, {"SX", "500"},          {"NOTE", "Num"},     {"NOTE", "1"},
    };
    std::string fault;
    ProfileText text(content.data(), content.size());
    for (const auto& key : kKeys)
        for (size_t capacity : {16, 64}) {
            char value[64] = "";
            GetPrivateProfileStringA(key[0], key[1], "", value, (DWORD)capacity, path.c_str());
            if (text.Value(key[0], key[1], capacity) != value)
                fault += std::string(key[0]) + "/" + key[1] + " reads \"" + text.Value(key[0], key[1], capacity) +
                         "\", not \"" + value + "\"; ";
        }
    for (const auto& key : kKeys)
        if (text.Int(key[0], key[1], -7) != (int)GetPrivateProfileIntA(key[0], key[1], -7, path.c_str()))
            fault += std::string(key[0]) + "/" + key[1] + " counts otherwise; ";
    for (const char* section : {"LEQ", "TIME", "NOTE"})
        if (text.NumberedKeys(section, 1 << 20) != ReadNumberedKeys(path.c_str(), section, 1 << 20).keys)
            fault += std::string(section) + " lists otherwise; ";

    SummaryRow row = {path, DataFileTypeOfPath(path.c_str()), FileSummary()};
    if (!row.type)
        return fault;  // a type the summary does not read yet
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    row.summary = SummariseData(*row.type, content.data(), content.size());
    QueryPerformanceCounter(&end);
    if (Seconds(start, end) > 1.0)
        fault += "summary took " + std::to_string(Seconds(start, end)) + " s; ";
    // Results only: the notes and a stored text differing are the file's own.
    for (int column = kColumnQuantity; column <= kColumnClass; ++column)
        if (ShowsNonNumber(SummaryCell(row, column)))
            fault += "summary shows \"" + SummaryCell(row, column) + "\"; ";
    return fault;
}

const SeedType* SeedsFor(const char* extension)
{
    for (const SeedType& seed : SeedFiles())
        if (strcmp(seed.extension, extension) == 0)
            return &seed;
    return nullptr;
}

HWND OpenCalculator(HWND main, const Calculator& calculator)
{
    return calculator.open ? calculator.open(main)
                           : CreateDialogParamA(GetModuleHandleA(nullptr), calculator.dialogTemplate, main,
                                                calculator.procedure, 0);
}

// Fuzzes one calculator; returns the number of faults.
int FuzzType(HWND main, const Calculator& calculator, int files, uint64_t seed, const std::string& folder)
{
    const SeedType* seeds = SeedsFor(calculator.extension);
    if (!seeds)
        return 0;
    HWND dialog = OpenCalculator(main, calculator);
    if (!dialog) {
        printf("%s: the dialog could not be opened\n", calculator.extension);
        return 1;
    }
    Pump();
    FuzzRandom random(seed);
    std::vector<double> times;
    s_kept.clear();
    int faults = 0;
    int boxesBefore = s_boxes;
    std::string current = folder + "\\fuzz-current" + calculator.extension;
    for (int i = 0; i < files; ++i) {
        std::string content = MutateDataFile(seeds->files[random.Below(seeds->files.size())], random, 1 << 20);
        // Several names in turn: the system keeps a cache of recent profile
        // files keyed by name and time.
        std::string path = folder + "\\fuzz" + std::to_string(i % 16) + calculator.extension;
        if (!WriteWholeFile(path, content) || !WriteWholeFile(current, content)) {
            printf("%s: cannot write %s\n", calculator.extension, path.c_str());
            ++faults;
            break;
        }
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        Drop(DropTarget(dialog, calculator), path);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
        Loaded(content);
        std::string fault = Fault(dialog, calculator) + SummaryFault(path, content);
        if (times.back() > 1.0)
            fault += "load took " + std::to_string(times.back()) + " s; ";
        if (!fault.empty()) {
            ++faults;
            std::string kept = folder + "\\fault" + std::to_string(faults) + calculator.extension;
            WriteWholeFile(kept, content);
            printf("%s file %d: %s(kept as %s)\n", calculator.extension, i, fault.c_str(), kept.c_str());
        }
    }
    DestroyWindow(dialog);
    Pump();
    std::sort(times.begin(), times.end());
    double median = times.empty() ? 0 : times[times.size() / 2];
    double slowest = times.empty() ? 0 : times.back();
    printf("%s: %d files, median load %.2f ms, slowest %.1f ms, %d boxes answered, %d faults\n",
           calculator.extension, (int)times.size(), median * 1000, slowest * 1000, s_boxes - boxesBefore,
           faults);
    return faults;
}

}  // namespace

int main(int argc, char** argv)
{
    int files = 200;
    uint64_t seed = 1;
    const char* only = nullptr;
    const char* replay = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--files") == 0)
            files = atoi(argv[i + 1]);
        else if (strcmp(argv[i], "--seed") == 0)
            seed = strtoull(argv[i + 1], nullptr, 10);
        else if (strcmp(argv[i], "--type") == 0)
            only = argv[i + 1];
        else if (strcmp(argv[i], "--replay") == 0)
            replay = argv[i + 1];
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "fonexa-fuzz-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);

    SetHelpFunction(NoHelp);
    s_hook = SetWindowsHookExA(WH_CBT, AnswerBoxes, nullptr, GetCurrentThreadId());
    int exitCode = 0;
    HWND main = StartMainWindow(GetModuleHandleA(nullptr), SW_HIDE, false, &exitCode);
    if (!main) {
        printf("no main window\n");
        return 2;
    }
    int faults = 0;
    if (replay) {
        const char* dot = strrchr(replay, '.');
        for (const Calculator& calculator : kCalculators)
            if (dot && strcmp(dot, calculator.extension) == 0) {
                HWND dialog = OpenCalculator(main, calculator);
                Pump();
                Drop(DropTarget(dialog, calculator), replay);
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                Pump();
                std::ifstream file(replay, std::ios::binary);
                Loaded(std::string(std::istreambuf_iterator<char>(file), {}));
                std::string fault = Fault(dialog, calculator);
                printf("%s: %s\n", replay, fault.empty() ? "no fault" : fault.c_str());
                faults += fault.empty() ? 0 : 1;
                DestroyWindow(dialog);
            }
        return faults == 0 ? 0 : 1;
    }
    for (const Calculator& calculator : kCalculators)
        if (!only || strcmp(only, calculator.extension) == 0)
            faults += FuzzType(main, calculator, files, seed, folder);
    printf("%d faults\n", faults);
    DestroyWindow(main);
    Pump();
    return faults == 0 ? 0 : 1;
}
