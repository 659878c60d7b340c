#include "damage/damage_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <initializer_list>

#include "damage/audiogram.h"
#include "damage/audiogram_layout.h"
#include "damage/damage_io.h"
#include "damage/damage_state.h"
#include "damage/damage_tables.h"
#include "framework/calculator_dialog.h"
#include "framework/help.h"
#include "framework/list_draw.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_DAMAGE_LIST, "Lista delle perdite uditive per le frequenze audiometriche"},
    {IDC_DAMAGE_MODIFY, "Modifica un elemento della lista"},
    {IDC_DAMAGE_SYMMETRIC, "Selezionare se l'ipoacusia è bilaterale e simmetrica"},
    {IDC_DAMAGE_TABLE_NEW, "Seleziona la tabella di calcolo del 1994"},
    {IDC_DAMAGE_TABLE_OLD, "Seleziona la tabella di calcolo del 1991"},
    {IDC_DAMAGE_TABLE_BIO, "Seleziona la tabella di calcolo del 2000 (danno biologico)"},
    {IDC_DAMAGE_AGRICOLTURA, "Seleziona la formula di calcolo per l'agricoltura"},
    {IDC_DAMAGE_INDUSTRIA, "Seleziona la formula di calcolo per l'industria"},
    {IDC_DAMAGE_RESULT, "Valore percentuale del danno lavorativo indennizzabile"},
};

const int kHelpControls[] = {
    IDC_NOTES,           IDC_DAMAGE_SYMMETRIC,  IDC_DAMAGE_LIST,        IDC_DAMAGE_MODIFY,
    IDC_DAMAGE_RESULT,   IDC_DAMAGE_INDUSTRIA,  IDC_DAMAGE_AGRICOLTURA, IDC_DAMAGE_TABLE_NEW,
    IDC_DAMAGE_TABLE_OLD, IDC_DAMAGE_TABLE_BIO, IDC_CHART_PLACEHOLDER,
};
const size_t kHelpControlCount = sizeof kHelpControls / sizeof kHelpControls[0];
HelpTopic s_helpTopics[kHelpControlCount + 2];

const DWORD kDialogHelpTopic = 100125;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_DAMAGE_LIST);
}

bool HasRightColumn(HWND dialog)
{
    HWND header = (HWND)SendMessageA(List(dialog), LVM_GETHEADER, 0, 0);
    return header && SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) > kRightColumn;
}

void InsertColumn(HWND dialog, int column, const char* title, int width)
{
    LVCOLUMNA entry = {};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    entry.cx = width;
    entry.pszText = (LPSTR)title;
    entry.iSubItem = column;
    SendMessageA(List(dialog), LVM_INSERTCOLUMNA, column, (LPARAM)&entry);
}

int ListWidth(HWND dialog)
{
    RECT client;
    GetClientRect(List(dialog), &client);
    return client.right;
}

// The right-ear column, filled with the remembered right losses.
void AddRightColumn(HWND dialog)
{
    InsertColumn(dialog, kRightColumn, "Dx (dB)", ListWidth(dialog) / 4);
    for (int k = 0; k < kEarFrequencies; ++k) {
        char text[16];
        FormatNumber(text, sizeof text, "%2.0f", g_damageMemory.right.db[k]);
        SetDamageCell(dialog, k, kRightColumn, text);
    }
}

void ShowEarColumns(HWND dialog)
{
    bool shown = HasRightColumn(dialog);
    if (g_damageMemory.symmetric && shown)
        SendMessageA(List(dialog), LVM_DELETECOLUMN, kRightColumn, 0);
    else if (!g_damageMemory.symmetric && !shown)
        AddRightColumn(dialog);
}

// The formula counts only for two ears of the compensation tables.
void EnableFormula(HWND dialog)
{
    BOOL enabled = g_damageMemory.table != kDamageTableBiological && !g_damageMemory.symmetric;
    for (int id : {IDC_DAMAGE_FORMULA_GROUP, IDC_DAMAGE_AGRICOLTURA, IDC_DAMAGE_INDUSTRIA})
        EnableWindow(GetDlgItem(dialog, id), enabled);
}

void Prepare(HWND dialog)
{
    FillHelpTopics(s_helpTopics, kHelpControls, kHelpControlCount, 729);
    int width = ListWidth(dialog);
    InsertColumn(dialog, kFrequencyColumn, "Frequenza (Hz)", width / 2);
    InsertColumn(dialog, kLeftColumn, "Sx (dB)", width / 4);
    InsertColumn(dialog, kRightColumn, "Dx (dB)", width / 4);
    for (int k = 0; k < kEarFrequencies; ++k) {
        InsertListRow(List(dialog), k, kDamageFrequencyLabels[k]);
        char text[16];
        FormatNumber(text, sizeof text, "%2.0f", g_damageMemory.left.db[k]);
        SetDamageCell(dialog, k, kLeftColumn, text);
        FormatNumber(text, sizeof text, "%2.0f", g_damageMemory.right.db[k]);
        SetDamageCell(dialog, k, kRightColumn, text);
    }
    ShowDamageChoices(dialog);
}

void Recompute(HWND dialog)
{
    RecomputeDamage(dialog, nullptr);
}

// The entry texts of a row: the right ear's, when its column is not shown,
// from the remembered loss, so that unticking "&Simmetrica" in the entry
// dialog shows it.
void TakeRow(HWND dialog, int row)
{
    GetDamageCell(dialog, row, kLeftColumn, g_damageMemory.leftEntry);
    if (HasRightColumn(dialog))
        GetDamageCell(dialog, row, kRightColumn, g_damageMemory.rightEntry);
    else
        FormatNumber(g_damageMemory.rightEntry, sizeof g_damageMemory.rightEntry, "%2.0f",
                     g_damageMemory.right.db[row]);
}

void OnModify(HWND dialog)
{
    int row = SelectedListRow(dialog, IDC_DAMAGE_LIST);
    if (row < 0) {
        MessageBoxA(dialog, "Attenzione! Nessun dato selezionato.", "Modifica", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    TakeRow(dialog, row);
    INT_PTR result = DialogBoxParamA(ResourceInstance(), "EDIT_ILG", dialog, DamageEntryProc, row);
    // The entry dialog may have switched "&Simmetrica" even when cancelled:
    // the columns, the formula group and the damage follow it in any case.
    RegisterTooltipDialog(dialog);
    ShowDamageChoices(dialog);
    if (result == IDOK) {
        SetDamageCell(dialog, row, kLeftColumn, g_damageMemory.leftEntry);
        if (!g_damageMemory.symmetric)
            SetDamageCell(dialog, row, kRightColumn, g_damageMemory.rightEntry);
    }
    RecomputeDamage(dialog, nullptr);
}

void OnSymmetric(HWND dialog)
{
    ReadDamageLosses(dialog);
    g_damageMemory.symmetric = !g_damageMemory.symmetric;
    ShowDamageChoices(dialog);
    RecomputeDamage(dialog, nullptr);
}

void OnTable(HWND dialog, int table)
{
    g_damageMemory.table = table;
    ShowDamageChoices(dialog);
    RecomputeDamage(dialog, nullptr);
}

void OnFormula(HWND dialog, int formula)
{
    g_damageMemory.formula = formula;
    ShowDamageChoices(dialog);
    RecomputeDamage(dialog, nullptr);
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDC_DAMAGE_MODIFY:
        OnModify(dialog);
        break;
    case IDC_DAMAGE_SYMMETRIC:
        OnSymmetric(dialog);
        break;
    case IDC_DAMAGE_TABLE_NEW:
    case IDC_DAMAGE_TABLE_OLD:
    case IDC_DAMAGE_TABLE_BIO:
        OnTable(dialog, id);
        break;
    case IDC_DAMAGE_INDUSTRIA:
    case IDC_DAMAGE_AGRICOLTURA:
        OnFormula(dialog, id);
        break;
    }
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    if (header->idFrom != IDC_DAMAGE_LIST || header->code != NM_DBLCLK)
        return FALSE;
    if (SelectedListRow(dialog, IDC_DAMAGE_LIST) >= 0)
        OnModify(dialog);
    return TRUE;
}

const int kResults[] = {IDC_DAMAGE_RESULT, 0};

const Calculator kDamage = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, s_helpTopics, kDialogHelpTopic,
    "DEANNO.HLP", g_damageMemory.notes,
    "ILG", IDS_FILTER_ILG, ".ilg", g_damageMemory.currentFile,
    SaveDamageKeys, LoadDamageKeys, BuildDamageReport, PrintDamage,
    Prepare, Recompute, Recompute, ReadDamageLosses, OnCommand, OnNotify, nullptr, RecomputeDamage,
    kResults,
};

}  // namespace

void GetDamageCell(HWND dialog, int row, int column, char text[16])
{
    text[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 16;
    SendMessageA(List(dialog), LVM_GETITEMTEXTA, row, (LPARAM)&item);
    text[15] = '\0';
}

void SetDamageCell(HWND dialog, int row, int column, const char* text)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = (LPSTR)text;
    SendMessageA(List(dialog), LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

void ReadDamageLosses(HWND dialog)
{
    bool right = !g_damageMemory.symmetric && HasRightColumn(dialog);
    for (int k = 0; k < kEarFrequencies; ++k) {
        char text[16];
        GetDamageCell(dialog, k, kLeftColumn, text);
        g_damageMemory.left.db[k] = WholeDecibels(text);
        if (right) {
            GetDamageCell(dialog, k, kRightColumn, text);
            g_damageMemory.right.db[k] = WholeDecibels(text);
        }
    }
}

void ShowDamageChoices(HWND dialog)
{
    CheckDlgButton(dialog, IDC_DAMAGE_SYMMETRIC, g_damageMemory.symmetric ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_DAMAGE_TABLE_NEW, IDC_DAMAGE_TABLE_BIO, g_damageMemory.table);
    CheckRadioButton(dialog, IDC_DAMAGE_INDUSTRIA, IDC_DAMAGE_AGRICOLTURA, g_damageMemory.formula);
    EnableFormula(dialog);
    ShowEarColumns(dialog);
}

void RecomputeDamage(HWND dialog, HDC dc)
{
    ReadDamageLosses(dialog);
    bool symmetric = g_damageMemory.symmetric != 0;
    DrawDialogAudiogram(dialog, dc, g_damageMemory.left, g_damageMemory.right, symmetric);
    double damage = CombineEarDamage(g_damageMemory.left, g_damageMemory.right,
                                     (DamageTableId)g_damageMemory.table,
                                     (CombineFormula)g_damageMemory.formula, symmetric);
    char text[32], shown[32];
    FormatNumber(text, sizeof text, "%4.0f", damage);
    ItemText(dialog, IDC_DAMAGE_RESULT, shown, sizeof shown);
    // The same text again would only make the field flicker.
    if (strcmp(text, shown) != 0)
        SetDlgItemTextA(dialog, IDC_DAMAGE_RESULT, text);
}

INT_PTR CALLBACK DamageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kDamage, dialog, message, wParam, lParam);
}
