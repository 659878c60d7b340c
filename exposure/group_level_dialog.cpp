#include "exposure/group_level_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "exposure/daily_exposure_dialog.h"
#include "exposure/group_level.h"
#include "exposure/group_level_io.h"
#include "exposure/group_level_state.h"
#include "framework/calculator_dialog.h"
#include "framework/data_file.h"
#include "framework/help.h"
#include "framework/list_draw.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_GROUP_LIST, "Lista con i livelli equivalenti dei campioni"},
    {IDC_GROUP_ADD, "Aggiunge un elemento alla lista"},
    {IDC_GROUP_MODIFY, "Modifica un elemento della lista"},
    {IDC_GROUP_DELETE, "Elimina un elemento dalla lista"},
    {IDC_GROUP_WORKERS, "Numero totale di lavoratori del gruppo in esame"},
    {IDC_GROUP_CONFIDENCE, "Selezionare il coefficiente di fiducia da utilizzare nel calcolo"},
    {IDC_GROUP_INTERVAL, "Selezionare l'intervallo di confidenza da utilizzare nel calcolo"},
    {IDC_GROUP_COUNT, "Numero di campioni inseriti"},
    {IDC_GROUP_LEVEL, "Valore risultante del livello equivalente medio"},
    {IDC_GROUP_DEVIATION, "Deviazione standard del livello equivalente"},
    {IDC_GROUP_RESULT, "Risultato del calcolo"},
};

const int kHelpControls[] = {
    IDC_GROUP_WORKERS, IDC_NOTES,      IDC_GROUP_INTERVAL, IDC_GROUP_RESULT,
    IDC_GROUP_CONFIDENCE, IDC_GROUP_LIST, IDC_GROUP_ADD,  IDC_GROUP_MODIFY,
    IDC_GROUP_DELETE, IDC_GROUP_LEVEL, IDC_GROUP_DEVIATION, IDC_GROUP_COUNT,
};
const size_t kHelpControlCount = sizeof kHelpControls / sizeof kHelpControls[0];
HelpTopic g_helpTopics[kHelpControlCount + 2];

const HelpTopic kSampleHelpTopics[] = {
    {IDC_ENTRY_LEVEL, ControlTopic(IDC_ENTRY_LEVEL, 701)},
    {IDC_GROUP_DELETE, ControlTopic(IDC_GROUP_DELETE, 701)},
    {IDOK, ControlTopic(IDC_GROUP_DELETE, 711)},
    {IDCANCEL, ControlTopic(IDC_GROUP_DELETE, 721)},
    {0, 0},
};

const DWORD kDialogHelpTopic = 100120;
const long kMostWorkers = 9999999;  // the field's seven digits

// Set while the dialog is being prepared: the computation comes once, when
// everything (a file named at opening included) is in place.
bool g_preparing = false;
HBRUSH g_yellow = nullptr;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_GROUP_LIST);
}

int SelectedSample(HWND dialog)
{
    LRESULT index = SendMessageA(List(dialog), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : (int)index;
}

int ListIndex(HWND dialog, int control, int remembered, int choices)
{
    LRESULT index = SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < choices ? (int)index : remembered;
}

void Prepare(HWND dialog)
{
    g_preparing = true;
    FillHelpTopics(g_helpTopics, kHelpControls, kHelpControlCount, 623);
    SendDlgItemMessageA(dialog, IDC_GROUP_WORKERS, EM_LIMITTEXT, 7, 0);
    for (const char* text : kConfidenceTexts)
        SendDlgItemMessageA(dialog, IDC_GROUP_CONFIDENCE, CB_ADDSTRING, 0, (LPARAM)text);
    for (int dB = 1; dB <= kIntervalChoices; ++dB) {
        char text[4];
        snprintf(text, sizeof text, "%d", dB);
        SendDlgItemMessageA(dialog, IDC_GROUP_INTERVAL, CB_ADDSTRING, 0, (LPARAM)text);
    }
    if (!g_yellow)
        g_yellow = CreateSolidBrush(RGB(255, 255, 0));
    SendDlgItemMessageA(dialog, IDC_GROUP_CONFIDENCE, CB_SETCURSEL, g_groupMemory.confidenceIndex, 0);
    SendDlgItemMessageA(dialog, IDC_GROUP_INTERVAL, CB_SETCURSEL, g_groupMemory.intervalIndex, 0);
    for (double sample : g_groupMemory.samples) {
        char text[16];
        FormatNumberFitting(text, sizeof text, "%4.1f", sample);
        AddGroupSample(dialog, text);
    }
    ShowTotalWorkers(dialog, g_groupMemory.totalWorkers);
    ShowWindow(GetDlgItem(dialog, IDC_GROUP_LEVEL), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_GROUP_DEVIATION), SW_HIDE);
}

void Opened(HWND dialog)
{
    g_preparing = false;
    ComputeGroupLevelDialog(dialog);
}

void Remember(HWND dialog)
{
    int count = GroupSampleCount(dialog);
    g_groupMemory.samples.assign(count, 0.0);
    for (int i = 0; i < count; ++i) {
        char text[16];
        GetGroupSample(dialog, i, text);
        g_groupMemory.samples[i] = LeadingNumber(text);
    }
    g_groupMemory.confidenceIndex = GroupConfidenceIndex(dialog);
    g_groupMemory.intervalIndex = GroupIntervalIndex(dialog);
    char workers[16];
    ItemText(dialog, IDC_GROUP_WORKERS, workers, sizeof workers);
    if (workers[0])
        g_groupMemory.totalWorkers = strtol(workers, nullptr, 10);
}

bool RunSampleDialog(HWND dialog, EntryMode mode)
{
    EntryRequest request = {mode, g_groupMemory.sampleEntry, nullptr, kSampleHelpTopics};
    INT_PTR result = DialogBoxParamA(ResourceInstance(), "ADD_LEPD", dialog, DailyEntryProc,
                                     (LPARAM)&request);
    RegisterTooltipDialog(dialog);
    return result == IDOK;
}

// Copies the selected sample into the entry; false (after the message) when
// none is selected.
bool TakeSelectedSample(HWND dialog, const char* caption, int* index)
{
    *index = SelectedSample(dialog);
    if (*index < 0) {
        MessageBoxA(dialog, "Attenzione! Nessun dato selezionato.", caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    GetGroupSample(dialog, *index, g_groupMemory.sampleEntry);
    return true;
}

void OnAdd(HWND dialog)
{
    if (!RunSampleDialog(dialog, kEntryAdd))
        return;
    AddGroupSample(dialog, g_groupMemory.sampleEntry);
    ComputeGroupLevelDialog(dialog);
}

void OnModify(HWND dialog)
{
    int index;
    if (!TakeSelectedSample(dialog, "Modifica", &index) || !RunSampleDialog(dialog, kEntryModify))
        return;
    SendMessageA(List(dialog), LB_DELETESTRING, index, 0);
    SendMessageA(List(dialog), LB_INSERTSTRING, index, (LPARAM)g_groupMemory.sampleEntry);
    ComputeGroupLevelDialog(dialog);
}

void OnDelete(HWND dialog)
{
    int index;
    if (!TakeSelectedSample(dialog, "Elimina", &index) || !RunSampleDialog(dialog, kEntryDelete))
        return;
    SendMessageA(List(dialog), LB_DELETESTRING, index, 0);
    ComputeGroupLevelDialog(dialog);
}

void OnListChoice(HWND dialog, int control)
{
    if (control == IDC_GROUP_CONFIDENCE)
        g_groupMemory.confidenceIndex = GroupConfidenceIndex(dialog);
    else
        g_groupMemory.intervalIndex = GroupIntervalIndex(dialog);
    ComputeGroupLevelDialog(dialog);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_GROUP_ADD:
        OnAdd(dialog);
        break;
    case IDC_GROUP_MODIFY:
        OnModify(dialog);
        break;
    case IDC_GROUP_DELETE:
        OnDelete(dialog);
        break;
    case IDC_GROUP_LIST:
        if (notification == LBN_DBLCLK && SelectedSample(dialog) >= 0)
            OnModify(dialog);
        break;
    case IDC_GROUP_WORKERS:
        if (notification == EN_CHANGE && !g_preparing)
            ComputeGroupLevelDialog(dialog);
        break;
    case IDC_GROUP_CONFIDENCE:
    case IDC_GROUP_INTERVAL:
        if (notification == CBN_SELCHANGE)
            OnListChoice(dialog, id);
        break;
    }
}

INT_PTR OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    int id = lParam ? GetDlgCtrlID((HWND)lParam) : 0;
    switch (message) {
    case WM_CTLCOLOREDIT:
        if (id != IDC_GROUP_WORKERS)
            return FALSE;
        SetTextColor((HDC)wParam, RGB(255, 0, 0));
        SetBkColor((HDC)wParam, RGB(255, 255, 0));
        return (INT_PTR)g_yellow;
    case WM_CTLCOLORSTATIC:
        if (id != IDC_GROUP_COUNT && id != IDC_GROUP_LEVEL && id != IDC_GROUP_DEVIATION)
            return FALSE;
        return ColourResult((HDC)wParam);
    case WM_DESTROY:
        if (g_yellow)
            DeleteObject(g_yellow);
        g_yellow = nullptr;
        return FALSE;
    }
    return FALSE;
}

const Calculator kGroupLevel = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, g_helpTopics, kDialogHelpTopic,
    nullptr, g_groupMemory.notes,
    "LEG", IDS_FILTER_LEG, ".leg", g_groupMemory.currentFile,
    SaveGroupLevelKeys, LoadGroupLevelKeys, BuildGroupLevelReport, PrintGroupLevel,
    Prepare, Opened, ComputeGroupLevelDialog, Remember,
    OnCommand, nullptr, OnMessage, nullptr, nullptr, true,
};

void ShowResult(HWND dialog, const GroupLevel& result)
{
    char text[kGroupMessageSize];
    snprintf(text, sizeof text, "%lu", (unsigned long)result.count);
    SetDlgItemTextA(dialog, IDC_GROUP_COUNT, text);
    FormatNumberFitting(text, 16, "%4.1f", result.mean);
    SetDlgItemTextA(dialog, IDC_GROUP_LEVEL, text);
    FormatNumberFitting(text, 16, "%4.1f", result.deviation);
    SetDlgItemTextA(dialog, IDC_GROUP_DEVIATION, text);
    FormatGroupMessage(result, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_GROUP_RESULT, text);
    int show = result.valid ? SW_SHOW : SW_HIDE;
    ShowWindow(GetDlgItem(dialog, IDC_GROUP_LEVEL), show);
    ShowWindow(GetDlgItem(dialog, IDC_GROUP_DEVIATION), show);
}

}  // namespace

void ComputeGroupLevelDialog(HWND dialog)
{
    char workers[16];
    ItemText(dialog, IDC_GROUP_WORKERS, workers, sizeof workers);
    long total = StartsWithNumber(workers) ? strtol(workers, nullptr, 10) : 0;
    g_groupMemory.totalWorkers = total;
    if (total < kMinimumWorkers) {
        MessageBoxA(dialog, "Inserire un valore maggiore di 3 per il totale dei lavoratori",
                    "Attenzione: dato incompleto o mancante", MB_OK);
        return;
    }
    int count = GroupSampleCount(dialog);
    g_groupMemory.samples.assign(count, 0.0);
    for (int i = 0; i < count; ++i) {
        char text[16];
        GetGroupSample(dialog, i, text);
        g_groupMemory.samples[i] = LeadingNumber(text);
        if (g_groupMemory.samples[i] == 0.0) {
            MessageBoxA(dialog, "Errore nei valori!", "Errore", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    ShowResult(dialog, ComputeGroupLevel(g_groupMemory.samples.data(), count, total,
                                         GroupConfidenceIndex(dialog), GroupIntervalIndex(dialog)));
}

int GroupConfidenceIndex(HWND dialog)
{
    return ListIndex(dialog, IDC_GROUP_CONFIDENCE, g_groupMemory.confidenceIndex, kConfidenceChoices);
}

int GroupIntervalIndex(HWND dialog)
{
    return ListIndex(dialog, IDC_GROUP_INTERVAL, g_groupMemory.intervalIndex, kIntervalChoices);
}

int GroupSampleCount(HWND dialog)
{
    LRESULT count = SendMessageA(List(dialog), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : (int)count;
}

void GetGroupSample(HWND dialog, int index, char text[16])
{
    text[0] = '\0';
    char item[256] = "";
    LRESULT length = SendMessageA(List(dialog), LB_GETTEXTLEN, index, 0);
    if (length >= 0 && length < (LRESULT)sizeof item)
        SendMessageA(List(dialog), LB_GETTEXT, index, (LPARAM)item);
    CopyValue(text, 16, item);
}

void AddGroupSample(HWND dialog, const char* text)
{
    SendMessageA(List(dialog), LB_INSERTSTRING, (WPARAM)-1, (LPARAM)text);
}

void ShowTotalWorkers(HWND dialog, long workers)
{
    if (workers < 0)
        workers = 0;
    if (workers > kMostWorkers)
        workers = kMostWorkers;
    g_groupMemory.totalWorkers = workers;
    char text[16];
    snprintf(text, sizeof text, "%ld", workers);
    SetDlgItemTextA(dialog, IDC_GROUP_WORKERS, text);
}

INT_PTR CALLBACK GroupLevelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kGroupLevel, dialog, message, wParam, lParam);
}
