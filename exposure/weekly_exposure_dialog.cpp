#include "exposure/weekly_exposure_dialog.h"

#include <commctrl.h>

#include "exposure/weekly_exposure.h"
#include "exposure/weekly_exposure_io.h"
#include "exposure/weekly_exposure_state.h"
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
    {IDC_LEPW_LIST, "Lista con i livelli d'esposizione quotidiani per giorno della settimana"},
    {IDC_LEPW_MODIFY, "Modifica un elemento della lista"},
    {IDC_LEPW_OUTPUT, "Valore risultante del livello d'esposizione settimanale"},
};

const TooltipText kEditTooltips[] = {
    {IDC_LEPW_DAY, "Giorno della settimana"},
    {IDC_LEPW_LEVEL, "Livello di esposizione quotidiano"},
    {IDOK, "Modifica un elemento della lista"},
    {IDC_LEPW_RESET, "Azzera un elemento della lista"},
    {IDCANCEL, "Annulla l'operazione e chiude la finestra di dialogo"},
};

const DWORD kHelpPage = 312;
const DWORD kEditHelpPage = 701;

HelpTopic g_helpTopics[6];

const HelpTopic kEditHelpTopics[] = {
    {IDC_LEPW_LEVEL, ControlTopic(IDC_LEPW_LEVEL, kEditHelpPage)},
    {IDC_LEPW_RESET, ControlTopic(IDC_LEPW_RESET, kEditHelpPage)},
    {IDC_LEPW_DAY, ControlTopic(IDC_LEPW_DAY, kEditHelpPage)},
    {IDOK, ControlTopic(IDC_LEPW_RESET, 711)},
    {IDCANCEL, ControlTopic(IDC_LEPW_RESET, 721)},
    {0, 0},
};

const DWORD kDialogHelpTopic = 100115;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_LEPW_LIST);
}

void CreateColumns(HWND dialog)
{
    HWND list = List(dialog);
    RECT client;
    GetClientRect(list, &client);
    const char* titles[2] = {"Giorno della settimana", "Lep,d"};
    int widths[2] = {client.right * 2 / 3, client.right - client.right * 2 / 3};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = widths[i];
        column.pszText = (LPSTR)titles[i];
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, (LPARAM)&column);
    }
}

void Prepare(HWND dialog)
{
    static const int kControls[] = {IDC_LEPW_OUTPUT, IDC_NOTES, IDC_LEPW_LIST, IDC_LEPW_MODIFY};
    FillHelpTopics(g_helpTopics, kControls, 4, kHelpPage);
    CreateColumns(dialog);
    for (int day = 0; day < kWeekDays; ++day) {
        InsertListRow(List(dialog), day, kWeekDayNames[day]);
        char level[16];
        FormatNumberFitting(level, sizeof level, "%4.1f", g_weeklyMemory.levels[day]);
        SetWeekDayLevel(dialog, day, level);
    }
}

void OnModify(HWND dialog)
{
    // The row the user chose is the one both selected and focused.
    int row = (int)SendDlgItemMessageA(dialog, IDC_LEPW_LIST, LVM_GETNEXTITEM, (WPARAM)-1,
                                       LVNI_SELECTED | LVNI_FOCUSED);
    if (row < 0) {
        MessageBoxA(dialog, "Attenzione! Nessun dato selezionato.", "Modifica",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    GetWeekDayLevel(dialog, row, g_weeklyMemory.levelEntry);
    INT_PTR result = DialogBoxParamA(ResourceInstance(), "EDIT_LEPW", dialog, WeeklyEditProc, row);
    RegisterTooltipDialog(dialog);
    if (result != IDOK)
        return;
    SetWeekDayLevel(dialog, row, g_weeklyMemory.levelEntry);
    ComputeWeeklyExposureDialog(dialog);
}

void OnCommand(HWND dialog, int id, int)
{
    if (id == IDC_LEPW_MODIFY)
        OnModify(dialog);
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    return ListRowNotify(dialog, header, IDC_LEPW_LIST, OnModify);
}

const int kResults[] = {IDC_LEPW_OUTPUT, 0};

const Calculator kWeeklyExposure = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, g_helpTopics, kDialogHelpTopic,
    "LEPD.HLP", g_weeklyMemory.notes,
    "LEPW", IDS_FILTER_LEW, ".lew", g_weeklyMemory.currentFile,
    SaveWeeklyExposureKeys, LoadWeeklyExposureKeys, BuildWeeklyExposureReport, PrintWeeklyExposure,
    Prepare, ComputeWeeklyExposureDialog, ComputeWeeklyExposureDialog, nullptr,
    OnCommand, OnNotify, nullptr, nullptr, kResults,
};

// ---- "EDIT_LEPW"

BOOL OnEditInit(HWND dialog, int row)
{
    RegisterTooltipDialog(dialog);
    SendDlgItemMessageA(dialog, IDC_LEPW_LEVEL, EM_LIMITTEXT, 15, 0);
    SetDlgItemTextA(dialog, IDC_LEPW_LEVEL, g_weeklyMemory.levelEntry);
    SetDlgItemTextA(dialog, IDC_LEPW_DAY, row >= 0 && row < kWeekDays ? kWeekDayNames[row] : "");
    SetFocus(GetDlgItem(dialog, IDC_LEPW_LEVEL));
    SendDlgItemMessageA(dialog, IDC_LEPW_LEVEL, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
}

void OnEditAccept(HWND dialog)
{
    char text[16];
    ItemText(dialog, IDC_LEPW_LEVEL, text, sizeof text);
    if (LeadingNumber(text) == 0.0) {
        MessageBoxA(dialog, "Errore. Inserire valori numerici!", "Livello di esposizione",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CopyValue(g_weeklyMemory.levelEntry, sizeof g_weeklyMemory.levelEntry, text);
    EndDialog(dialog, IDOK);
}

void OnEditReset(HWND dialog)
{
    if (!ConfirmDeletion(dialog))
        return;
    CopyValue(g_weeklyMemory.levelEntry, sizeof g_weeklyMemory.levelEntry, "0.0");
    EndDialog(dialog, IDOK);
}

}  // namespace

void ComputeWeeklyExposureDialog(HWND dialog)
{
    for (int day = 0; day < kWeekDays; ++day) {
        char level[16];
        GetWeekDayLevel(dialog, day, level);
        g_weeklyMemory.levels[day] = LeadingNumber(level);
    }
    char text[16];
    FormatWeeklyExposure(ComputeWeeklyExposure(g_weeklyMemory.levels), text, sizeof text);
    SetDlgItemTextA(dialog, IDC_LEPW_OUTPUT, text);
}

void GetWeekDayLevel(HWND dialog, int day, char level[16])
{
    level[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = 1;
    item.pszText = level;
    item.cchTextMax = 16;
    SendMessageA(List(dialog), LVM_GETITEMTEXTA, day, (LPARAM)&item);
    level[15] = '\0';
}

void SetWeekDayLevel(HWND dialog, int day, const char* level)
{
    LVITEMA item = {};
    item.iSubItem = 1;
    item.pszText = (LPSTR)level;
    SendMessageA(List(dialog), LVM_SETITEMTEXTA, day, (LPARAM)&item);
}

INT_PTR CALLBACK WeeklyExposureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kWeeklyExposure, dialog, message, wParam, lParam);
}

INT_PTR CALLBACK WeeklyEditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (AnswerDialogHelp(message, wParam, lParam, kEditTooltips, sizeof kEditTooltips / sizeof kEditTooltips[0],
                         kEditHelpTopics))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return OnEditInit(dialog, (int)lParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnEditAccept(dialog);
            break;
        case IDC_LEPW_RESET:
            OnEditReset(dialog);
            break;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
