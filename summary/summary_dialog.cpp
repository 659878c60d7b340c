#include "summary/summary_dialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/calculator_dialog.h"
#include "framework/calculator_status.h"
#include "framework/file_dialogs.h"
#include "framework/printing.h"
#include "framework/ui_text.h"
#include "framework/whole_file.h"
#include "resources/resource.h"
#include "summary/folder_scan.h"
#include "summary/summary_print.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_SUMMARY_FOLDER, "Cartella riepilogata"},
    {IDC_SUMMARY_CHOOSE, "Sceglie la cartella da riepilogare"},
    {IDC_SUMMARY_SUBFOLDERS, "Riepiloga anche i file delle sottocartelle"},
    {IDC_SUMMARY_LIST, "Un file di dati per riga: un clic sull'intestazione ordina, un doppio clic apre il file"},
    {IDC_SUMMARY_PROGRESS, "File letti"},
    {IDC_SUMMARY_STOP, "Interrompe la lettura dei file"},
    {IDM_COPY, "Copia la tabella negli appunti"},
    {IDM_CALC_SAVE_AS, "Salva la tabella in un file .csv"},
    {IDM_CALC_PRINT, "Stampa la tabella"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDCANCEL, "Chiude la finestra"},
};

const HelpTopic kHelpTopics[] = {
    {IDC_SUMMARY_FOLDER, ControlTopic(IDC_SUMMARY_FOLDER, 932)},
    {IDC_SUMMARY_CHOOSE, ControlTopic(IDC_SUMMARY_CHOOSE, 932)},
    {IDC_SUMMARY_SUBFOLDERS, ControlTopic(IDC_SUMMARY_SUBFOLDERS, 932)},
    {IDC_SUMMARY_LIST, ControlTopic(IDC_SUMMARY_LIST, 932)},
    {IDC_SUMMARY_PROGRESS, ControlTopic(IDC_SUMMARY_PROGRESS, 932)},
    {IDC_SUMMARY_COUNT, ControlTopic(IDC_SUMMARY_PROGRESS, 932)},
    {IDC_SUMMARY_STOP, ControlTopic(IDC_SUMMARY_STOP, 932)},
    {IDM_COPY, ControlTopic(IDM_COPY, 932)},
    {IDM_CALC_SAVE_AS, ControlTopic(IDM_CALC_SAVE_AS, 932)},
    {IDM_CALC_PRINT, ControlTopic(IDM_CALC_PRINT, 932)},
    {IDM_CALC_HELP, ControlTopic(IDM_CALC_HELP, 932)},
    {IDCANCEL, ControlTopic(IDM_CALC_CLOSE, 932)},  // "&Chiudi" is IDCANCEL here
    {0, 0},
};

const DWORD kDialogHelpTopic = 100320;
const UINT_PTR kScanTimer = 1;
const DWORD kSliceMs = 80;

// Where each control goes when the dialog is resized: moved with the right
// or the bottom edge, or stretched to it.
struct Anchor {
    int id;
    bool right, bottom, wide, tall;
};
const Anchor kAnchors[] = {
    {IDC_SUMMARY_FOLDER, false, false, true, false},  {IDC_SUMMARY_CHOOSE, true, false, false, false},
    {IDC_SUMMARY_SUBFOLDERS, true, false, false, false}, {IDC_SUMMARY_LIST, false, false, true, true},
    {IDC_SUMMARY_PROGRESS, false, true, true, false}, {IDC_SUMMARY_COUNT, false, true, false, false},
    {IDC_SUMMARY_STOP, true, true, false, false},      {IDM_COPY, false, true, false, false},
    {IDM_CALC_SAVE_AS, false, true, false, false},     {IDM_CALC_PRINT, false, true, false, false},
    {IDM_CALC_HELP, true, true, false, false},         {IDCANCEL, true, true, false, false},
};
const size_t kAnchorCount = sizeof kAnchors / sizeof kAnchors[0];

// Column widths, in hundredths of the list's width (at least the title's).
const int kColumnWidths[kSummaryColumns] = {15, 9, 12, 6, 18, 15, 11, 12};

// What the open dialog shows (one at a time: it is modal).
struct SummaryState {
    FolderScan scan;
    bool scanning = false;
    int sortColumn = kColumnFile;
    bool ascending = true;
    RECT placed[kAnchorCount];
    SIZE client;    // the client area the controls were placed for
    SIZE smallest;  // the window as the template makes it
};
SummaryState s;
OpenDataFile s_open;

// Kept for the run.
std::string s_lastFolder;
bool s_subfolders;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_SUMMARY_LIST);
}

std::vector<SummaryRow>& Rows()
{
    return s.scan.rows;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = strrchr(path, '\\');
    if (slash)
        *slash = '\0';
    return path;
}

void ShowRows(HWND dialog)
{
    SendMessageA(List(dialog), LVM_SETITEMCOUNT, Rows().size(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    InvalidateRect(List(dialog), nullptr, FALSE);
}

void EnableCommands(HWND dialog)
{
    bool table = !s.scanning && !Rows().empty();
    for (int id : {IDM_COPY, IDM_CALC_SAVE_AS, IDM_CALC_PRINT})
        EnableWindow(GetDlgItem(dialog, id), table);
    ShowWindow(GetDlgItem(dialog, IDC_SUMMARY_PROGRESS), s.scanning ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_SUMMARY_STOP), s.scanning ? SW_SHOW : SW_HIDE);
}

void ShowProgress(HWND dialog)
{
    char text[128];
    if (ScanListing(s.scan))
        snprintf(text, sizeof text, "Ricerca dei file: %u trovati", (unsigned)s.scan.files.size());
    else
        snprintf(text, sizeof text, "%u file letti su %u", (unsigned)s.scan.read, (unsigned)s.scan.files.size());
    SetDlgItemTextA(dialog, IDC_SUMMARY_COUNT, text);
    HWND bar = GetDlgItem(dialog, IDC_SUMMARY_PROGRESS);
    SendMessageA(bar, PBM_SETRANGE32, 0, (LPARAM)(s.scan.files.empty() ? 1 : s.scan.files.size()));
    SendMessageA(bar, PBM_SETPOS, (WPARAM)s.scan.read, 0);
    ShowRows(dialog);
}

void FinishScan(HWND dialog, bool whole)
{
    KillTimer(dialog, kScanTimer);
    s.scanning = false;
    char text[128];
    if (whole)
        snprintf(text, sizeof text, "%u file letti", (unsigned)Rows().size());
    else
        snprintf(text, sizeof text, "Lettura interrotta: %u file letti su %u", (unsigned)s.scan.read,
                 (unsigned)s.scan.files.size());
    SetDlgItemTextA(dialog, IDC_SUMMARY_COUNT, text);
    SortSummaryRows(&Rows(), s.sortColumn, s.ascending);
    EnableCommands(dialog);
    ShowRows(dialog);
    if (s.scan.failed) {
        std::string message = "Impossibile leggere la cartella:\r\n" + s.scan.folder;
        MessageBoxA(dialog, message.c_str(), "Riepilogo cartella", MB_OK | MB_ICONEXCLAMATION);
    }
}

void StartScan(HWND dialog)
{
    KillTimer(dialog, kScanTimer);
    BeginFolderScan(&s.scan, s_lastFolder, s_subfolders);
    s.scanning = true;
    SetDlgItemTextA(dialog, IDC_SUMMARY_FOLDER, s_lastFolder.c_str());
    EnableCommands(dialog);
    ShowProgress(dialog);
    SetTimer(dialog, kScanTimer, 1, nullptr);
}

// A slice of the scan on each tick; the window answers between two.
void OnScanTimer(HWND dialog)
{
    if (!s.scanning)
        return;
    if (ContinueFolderScan(&s.scan, kSliceMs, true))
        FinishScan(dialog, true);
    else
        ShowProgress(dialog);
}

int CALLBACK BrowseStart(HWND browser, UINT message, LPARAM, LPARAM start)
{
    if (message == BFFM_INITIALIZED)
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

// The system's folder browser, from the last folder of the run (the
// program's folder the first time); the folder chosen is read.
void ChooseFolder(HWND dialog)
{
    std::string start = s_lastFolder.empty() ? ProgramFolder() : s_lastFolder;
    char name[MAX_PATH] = "";
    BROWSEINFOA browse = {};
    browse.hwndOwner = dialog;
    browse.pszDisplayName = name;
    browse.lpszTitle = "Scegliere la cartella da riepilogare:";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = BrowseStart;
    browse.lParam = (LPARAM)start.c_str();
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    RegisterTooltipDialog(dialog);
    if (!chosen)
        return;
    char path[MAX_PATH] = "";
    bool onDisk = SHGetPathFromIDListA(chosen, path) && path[0];
    CoTaskMemFree(chosen);
    if (!onDisk)
        return;
    s_lastFolder = path;
    StartScan(dialog);
}

// The row's file in its calculator; its row read again once it closes.
void OpenRow(HWND dialog, int row)
{
    if (s.scanning || row < 0 || row >= (int)Rows().size() || !Rows()[row].type->tag)
        return;
    std::string relative = Rows()[row].file;
    s_open(dialog, JoinFolder(s.scan.folder, relative).c_str());
    RegisterTooltipDialog(dialog);
    std::vector<char> buffer;
    Rows()[row] = SummariseFile(s.scan.folder, relative, &buffer);
    SendMessageA(List(dialog), LVM_REDRAWITEMS, row, row);
}

std::string TableText()
{
    char separator[kListSeparatorMax + 1];
    ListSeparator(separator);
    return SummaryCsv(Rows(), separator);
}

void CopyTable(HWND dialog)
{
    std::string text = TableText();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    char* bytes = block ? (char*)GlobalLock(block) : nullptr;
    if (bytes) {
        memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        if (PutCsvOnClipboard(dialog, block))
            return;
    }
    if (block)
        GlobalFree(block);
    ReportCopyFailure(dialog);
}

void SaveTable(HWND dialog)
{
    char title[64], path[MAX_PATH];
    LoadStr(title, sizeof title, IDS_SAVE_DATA_TITLE);
    if (!SaveDataFileDialog(dialog, title, IDS_FILTER_CSV, path, sizeof path))
        return;
    std::string text = TableText();
    if (!ReplaceFileWhole(path, text.data(), text.size()))
        ReportSaveFailure(dialog, path);
}

void PrintTable(HWND dialog)
{
    if (!DefaultPrinterReady(dialog))
        return;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    PrintFolderSummary(s.scan.folder, s.scan.subfolders, Rows());
    SetCursor(old);
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDC_SUMMARY_CHOOSE: ChooseFolder(dialog); break;
    case IDC_SUMMARY_SUBFOLDERS:
        s_subfolders = IsDlgButtonChecked(dialog, IDC_SUMMARY_SUBFOLDERS) == BST_CHECKED;
        if (!s_lastFolder.empty())
            StartScan(dialog);
        break;
    case IDC_SUMMARY_STOP:
        if (s.scanning)
            FinishScan(dialog, false);
        break;
    case IDM_COPY: CopyTable(dialog); break;
    case IDM_CALC_SAVE_AS: SaveTable(dialog); break;
    case IDM_CALC_PRINT: PrintTable(dialog); break;
    }
}

// The list holds no texts of its own: each cell is asked for here.
void CellText(NMHDR* header)
{
    bool wide = header->code == LVN_GETDISPINFOW;
    LVITEMA& item = ((NMLVDISPINFOA*)header)->item;
    if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0 || item.iItem < 0 || item.iItem >= (int)Rows().size())
        return;
    std::string text = SummaryCell(Rows()[item.iItem], item.iSubItem);
    if (wide)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, (LPWSTR)item.pszText, item.cchTextMax);
    else
        snprintf(item.pszText, item.cchTextMax, "%s", text.c_str());
    if (wide)
        ((LPWSTR)item.pszText)[item.cchTextMax - 1] = L'\0';
}

void SortBy(HWND dialog, int column)
{
    if (s.scanning)
        return;
    s.ascending = column == s.sortColumn ? !s.ascending : true;
    s.sortColumn = column;
    SortSummaryRows(&Rows(), column, s.ascending);
    ShowRows(dialog);
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    if (header->idFrom != IDC_SUMMARY_LIST)
        return FALSE;
    switch (header->code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
        CellText((NMHDR*)header);
        return TRUE;
    case LVN_COLUMNCLICK:
        SortBy(dialog, ((const NMLISTVIEW*)header)->iSubItem);
        return TRUE;
    case NM_DBLCLK:
        OpenRow(dialog, ((const NMITEMACTIVATE*)header)->iItem);
        return TRUE;
    }
    return FALSE;
}

void OnSize(HWND dialog, int width, int height)
{
    int dx = width - s.client.cx, dy = height - s.client.cy;
    HDWP moves = BeginDeferWindowPos((int)kAnchorCount);
    for (size_t i = 0; i < kAnchorCount && moves; ++i) {
        RECT r = s.placed[i];
        const Anchor& a = kAnchors[i];
        OffsetRect(&r, a.right ? dx : 0, a.bottom ? dy : 0);
        r.right += a.wide ? dx : 0;
        r.bottom += a.tall ? dy : 0;
        moves = DeferWindowPos(moves, GetDlgItem(dialog, a.id), nullptr, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves)
        EndDeferWindowPos(moves);
    InvalidateRect(dialog, nullptr, TRUE);
}

INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && s.client.cx > 0)
            OnSize(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        ((MINMAXINFO*)lParam)->ptMinTrackSize = {s.smallest.cx, s.smallest.cy};
        return TRUE;
    case WM_TIMER:
        if (wParam != kScanTimer)
            return FALSE;
        OnScanTimer(dialog);
        return TRUE;
    }
    return FALSE;
}

void Prepare(HWND dialog)
{
    s = SummaryState();
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    s.client = {client.right, client.bottom};
    s.smallest = {window.right - window.left, window.bottom - window.top};
    for (size_t i = 0; i < kAnchorCount; ++i) {
        GetWindowRect(GetDlgItem(dialog, kAnchors[i].id), &s.placed[i]);
        MapWindowPoints(nullptr, dialog, (POINT*)&s.placed[i], 2);
    }

    HWND list = List(dialog);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT area;
    GetClientRect(list, &area);
    for (int column = 0; column < kSummaryColumns; ++column) {
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.fmt = column == kColumnValue ? LVCFMT_RIGHT : LVCFMT_LEFT;
        c.pszText = (LPSTR)SummaryColumnTitle(column);
        int title = (int)SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, (LPARAM)c.pszText) + 16;
        c.cx = std::max((int)(area.right * kColumnWidths[column] / 100), title);
        SendMessageA(list, LVM_INSERTCOLUMNA, column, (LPARAM)&c);
    }
    CheckDlgButton(dialog, IDC_SUMMARY_SUBFOLDERS, s_subfolders ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_SUMMARY_FOLDER, s_lastFolder.c_str());
    EnableCommands(dialog);
}

// The last folder of the run read again; the first time, the folder asked
// for once the dialog shows.
void Opened(HWND dialog)
{
    if (s_lastFolder.empty())
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SUMMARY_CHOOSE, BN_CLICKED), 0);
    else
        StartScan(dialog);
}

void Remember(HWND dialog)
{
    KillTimer(dialog, kScanTimer);
    s = SummaryState();
}

const Calculator kSummary = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, kDialogHelpTopic, nullptr,
    nullptr, nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    Prepare, Opened, nullptr, Remember, OnCommand, OnNotify, OnMessage, nullptr, nullptr,
};

INT_PTR CALLBACK SummaryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kSummary, dialog, message, wParam, lParam);
}

}  // namespace

INT_PTR ShowFolderSummary(HWND owner, OpenDataFile open)
{
    s_open = open;
    return DialogBoxParamA(ResourceInstance(), "RIEPILOGO", owner, SummaryProc, 0);
}
