#include "exposure/daily_exposure_dialog.h"

#include <commctrl.h>

#include <cstdio>

#include "exposure/daily_exposure.h"
#include "exposure/daily_exposure_io.h"
#include "exposure/daily_exposure_state.h"
#include "framework/calculator_dialog.h"
#include "framework/help.h"
#include "framework/list_draw.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_LEPD_LIST, "Lista con livelli e tempi d'esposizione"},
    {IDC_LEPD_ADD, "Aggiunge un elemento alla lista"},
    {IDC_LEPD_MODIFY, "Modifica un elemento della lista"},
    {IDC_LEPD_DELETE, "Elimina un elemento dalla lista"},
    {IDC_TIME_UNIT, "Per scegliere il formato del tempo"},
    {IDC_LEPD_TOTAL, "Tempo d'esposizione totale quotidiano"},
    {IDC_LEPD_LEPD, "Valore risultante del livello d'esposizione quotidiano"},
    {IDC_LEPD_LAEQ, "Valore risultante del livello equivalente di rumore"},
};

// Topic of each control: its id x 65536 + 293; the status bar's is 1577's.
const HelpTopic kHelpTopics[] = {
    {IDC_LEPD_LEPD, 0x0FBE0125},  {IDC_NOTES, 0x20D50125},       {IDC_TIME_UNIT, 0x21AA0125},
    {IDC_LEPD_LIST, 0x0FC80125},  {IDC_LEPD_ADD, 0x100E0125},    {IDC_LEPD_MODIFY, 0x100F0125},
    {IDC_LEPD_DELETE, 0x10100125}, {IDC_LEPD_LAEQ, 0x0FB40125},  {IDC_LEPD_TOTAL, 0x0FB90125},
    {IDC_LEPD_TIME_LABEL, 0x0FA50125}, {IDC_STATUS_BAR, 0x0629006F}, {0, 0},
};

const DWORD kDialogHelpTopic = 100110;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_LEPD_LIST);
}

void SetTimeLabel(HWND dialog, int unit)
{
    char label[64];
    snprintf(label, sizeof label, "Tempo esposizione %s", TimeUnitOf(unit).labelSuffix);
    SetDlgItemTextA(dialog, IDC_LEPD_TIME_LABEL, label);
}

int CurrentUnit(HWND dialog)
{
    LRESULT unit = SendDlgItemMessageA(dialog, IDC_TIME_UNIT, CB_GETCURSEL, 0, 0);
    return unit == CB_ERR ? g_dailyMemory.timeUnit : (int)unit;
}

void CreateColumns(HWND dialog)
{
    HWND list = List(dialog);
    RECT client;
    GetClientRect(list, &client);
    const char* titles[2] = {"Livelli equivalenti", "Tempi esposizione"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = client.right / 2;
        column.pszText = (LPSTR)titles[i];
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, (LPARAM)&column);
    }
}

void RebuildRowsFromMemory(HWND dialog)
{
    for (int i = 0; i < g_dailyMemory.rowCount && i < (int)g_dailyMemory.levels.size(); ++i) {
        char level[32], duration[32];
        FormatNumber(level, sizeof level, "%4.1f", g_dailyMemory.levels[i]);
        FormatNumber(duration, sizeof duration, "%4.1f", g_dailyMemory.durations[i]);
        SetDailyRow(dialog, i, level, duration, true);
    }
}

// Copies the list, the unit and the notes into the remembered state.
void RememberDialog(HWND dialog)
{
    int rows = DailyRowCount(dialog);
    g_dailyMemory.rowCount = rows;
    g_dailyMemory.levels.assign(rows, 0.0);
    g_dailyMemory.durations.assign(rows, 0.0);
    for (int i = 0; i < rows; ++i) {
        char level[16], duration[16];
        GetDailyRow(dialog, i, level, duration);
        g_dailyMemory.levels[i] = LeadingNumber(level);
        g_dailyMemory.durations[i] = LeadingNumber(duration);
    }
    g_dailyMemory.timeUnit = CurrentUnit(dialog);
}

bool RunEntryDialog(HWND dialog, EntryMode mode)
{
    EntryRequest request = {mode, g_dailyMemory.levelEntry, g_dailyMemory.durationEntry, nullptr};
    INT_PTR result = DialogBoxParamA(ResourceInstance(), "ADD_LEPD", dialog, DailyEntryProc,
                                     (LPARAM)&request);
    RegisterTooltipDialog(dialog);
    return result == IDOK;
}

void OnAdd(HWND dialog)
{
    if (!RunEntryDialog(dialog, kEntryAdd))
        return;
    SetDailyRow(dialog, DailyRowCount(dialog), g_dailyMemory.levelEntry, g_dailyMemory.durationEntry,
                true);
    ComputeDailyExposureDialog(dialog);
}

// Copies the selected row into the entries; false (after the message) when
// no row is selected.
bool TakeSelectedRow(HWND dialog, const char* caption, int* row)
{
    *row = SelectedListRow(dialog, IDC_LEPD_LIST);
    if (*row < 0) {
        MessageBoxA(dialog, "Attenzione! Nessun dato selezionato.", caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    GetDailyRow(dialog, *row, g_dailyMemory.levelEntry, g_dailyMemory.durationEntry);
    return true;
}

void OnModify(HWND dialog)
{
    int row;
    if (!TakeSelectedRow(dialog, "Modifica", &row) || !RunEntryDialog(dialog, kEntryModify))
        return;
    SetDailyRow(dialog, row, g_dailyMemory.levelEntry, g_dailyMemory.durationEntry, false);
    ComputeDailyExposureDialog(dialog);
}

void OnDelete(HWND dialog)
{
    int row;
    if (!TakeSelectedRow(dialog, "Elimina", &row) || !RunEntryDialog(dialog, kEntryDelete))
        return;
    SendMessageA(List(dialog), LVM_DELETEITEM, row, 0);
    ComputeDailyExposureDialog(dialog);
}

void OnUnitChange(HWND dialog)
{
    int unit = CurrentUnit(dialog);
    g_dailyMemory.timeUnit = unit;
    SetTimeLabel(dialog, unit);
    if (DailyRowCount(dialog) > 0)
        ComputeDailyExposureDialog(dialog);
}

void Prepare(HWND dialog)
{
    CreateColumns(dialog);
    for (int unit = 0; unit < 3; ++unit)
        SendDlgItemMessageA(dialog, IDC_TIME_UNIT, CB_ADDSTRING, 0, (LPARAM)TimeUnitOf(unit).boxItem);
    RebuildRowsFromMemory(dialog);
    SendDlgItemMessageA(dialog, IDC_TIME_UNIT, CB_SETCURSEL, g_dailyMemory.timeUnit, 0);
    SetTimeLabel(dialog, g_dailyMemory.timeUnit);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_LEPD_ADD:
        OnAdd(dialog);
        break;
    case IDC_LEPD_MODIFY:
        OnModify(dialog);
        break;
    case IDC_LEPD_DELETE:
        OnDelete(dialog);
        break;
    case IDC_TIME_UNIT:
        if (notification == CBN_SELCHANGE)
            OnUnitChange(dialog);
        break;
    }
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    return ListRowNotify(dialog, header, IDC_LEPD_LIST, OnModify);
}

const int kResults[] = {IDC_LEPD_LAEQ, IDC_LEPD_TOTAL, IDC_LEPD_LEPD, 0};

const Calculator kDailyExposure = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, kDialogHelpTopic,
    "LEPD.HLP", g_dailyMemory.notes,
    "LEPD", IDS_FILTER_LEPD, ".lep", g_dailyMemory.currentFile,
    SaveDailyExposureKeys, LoadDailyExposureKeys, BuildDailyExposureReport, PrintDailyExposure,
    Prepare, ComputeDailyExposureDialog, ComputeDailyExposureDialog, RememberDialog,
    OnCommand, OnNotify, nullptr, nullptr, kResults,
};

}  // namespace

void ComputeDailyExposureDialog(HWND dialog)
{
    int unit = CurrentUnit(dialog);
    int rows = DailyRowCount(dialog);
    g_dailyMemory.rowCount = rows;
    g_dailyMemory.levels.assign(rows, 0.0);
    g_dailyMemory.durations.assign(rows, 0.0);
    for (int i = 0; i < rows; ++i) {
        char levelText[16], durationText[16];
        GetDailyRow(dialog, i, levelText, durationText);
        double level = LeadingNumber(levelText);
        double duration = LeadingNumber(durationText);
        if (level == 0.0 || duration == 0.0) {
            MessageBoxA(dialog, "Errore nei valori!", "Errore", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        g_dailyMemory.levels[i] = level;
        g_dailyMemory.durations[i] = duration;
    }
    DailyExposure result = ComputeDailyExposure(g_dailyMemory.levels.data(),
                                                g_dailyMemory.durations.data(), rows, unit);
    DailyExposureTexts texts = FormatDailyExposure(result, unit);
    SetDlgItemTextA(dialog, IDC_LEPD_LAEQ, texts.laeq);
    SetDlgItemTextA(dialog, IDC_LEPD_TOTAL, texts.total);
    SetDlgItemTextA(dialog, IDC_LEPD_LEPD, texts.lepd);
}

int DailyRowCount(HWND dialog)
{
    return (int)SendMessageA(List(dialog), LVM_GETITEMCOUNT, 0, 0);
}

void GetDailyRow(HWND dialog, int row, char level[16], char duration[16])
{
    char* texts[2] = {level, duration};
    for (int column = 0; column < 2; ++column) {
        texts[column][0] = '\0';
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = texts[column];
        item.cchTextMax = 16;
        SendMessageA(List(dialog), LVM_GETITEMTEXTA, row, (LPARAM)&item);
        texts[column][15] = '\0';
    }
}

void SetDailyRow(HWND dialog, int row, const char* level, const char* duration, bool insert)
{
    HWND list = List(dialog);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = (LPSTR)level;
    if (insert)
        row = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    else
        SendMessageA(list, LVM_SETITEMTEXTA, row, (LPARAM)&item);
    item.iSubItem = 1;
    item.pszText = (LPSTR)duration;
    SendMessageA(list, LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

INT_PTR CALLBACK DailyExposureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kDailyExposure, dialog, message, wParam, lParam);
}
