#include <cstdio>
#include <initializer_list>

#include "damage/damage_dialog.h"
#include "damage/damage_state.h"
#include "framework/help.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_DAMAGE_ENTRY_LEFT, "Valore della perdita per l'orecchio sinistro"},
    {IDC_DAMAGE_ENTRY_RIGHT, "Valore della perdita per l'orecchio sinistro"},
    {IDOK, "Modifica un elemento della lista"},
    {IDC_DAMAGE_DELETE, "Azzera un elemento della lista"},
    {IDCANCEL, "Annulla l'operazione e chiude la finestra di dialogo"},
};

const HelpTopic kHelpTopics[] = {
    {IDC_DAMAGE_LEFT_LABEL, ControlTopic(IDC_DAMAGE_LEFT_LABEL, 609)},
    {IDC_DAMAGE_ENTRY_RIGHT, ControlTopic(IDC_DAMAGE_ENTRY_RIGHT, 609)},
    {IDC_DAMAGE_RIGHT_LABEL, ControlTopic(IDC_DAMAGE_RIGHT_LABEL, 609)},
    {IDC_DAMAGE_SYMMETRIC, ControlTopic(IDC_DAMAGE_SYMMETRIC, 609)},
    {IDC_DAMAGE_ENTRY_LABEL, ControlTopic(IDC_DAMAGE_ENTRY_LABEL, 609)},
    {IDC_DAMAGE_DELETE, ControlTopic(IDC_DAMAGE_DELETE, 609)},
    {IDC_DAMAGE_ENTRY_LEFT, ControlTopic(IDC_DAMAGE_ENTRY_LEFT, 609)},
    {IDOK, ControlTopic(IDC_DAMAGE_ENTRY_LEFT, 613)},
    {IDCANCEL, ControlTopic(IDC_DAMAGE_ENTRY_LEFT, 617)},
    {0, 0},
};

// An entry holds 15 characters and its terminating zero.
const int kEntryLength = sizeof g_damageMemory.leftEntry - 1;

void ShowRightEar(HWND dialog)
{
    int show = g_damageMemory.symmetric ? SW_HIDE : SW_SHOW;
    ShowWindow(GetDlgItem(dialog, IDC_DAMAGE_ENTRY_RIGHT), show);
    ShowWindow(GetDlgItem(dialog, IDC_DAMAGE_RIGHT_LABEL), show);
}

BOOL OnInitDialog(HWND dialog, int row)
{
    for (int id : {IDC_DAMAGE_ENTRY_LEFT, IDC_DAMAGE_ENTRY_RIGHT}) {
        for (int loss = 0; loss <= 90; loss += 5) {
            char item[8];
            snprintf(item, sizeof item, "%d", loss);
            SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, (LPARAM)item);
        }
        SendDlgItemMessageA(dialog, id, CB_LIMITTEXT, kEntryLength, 0);
    }
    RegisterTooltipDialog(dialog);
    SetFocus(GetDlgItem(dialog, IDC_DAMAGE_ENTRY_LEFT));
    CheckDlgButton(dialog, IDC_DAMAGE_SYMMETRIC, g_damageMemory.symmetric ? BST_CHECKED : BST_UNCHECKED);
    char label[32];
    snprintf(label, sizeof label, "%s Hz",
             row >= 0 && row < kEarFrequencies ? kDamageFrequencyLabels[row] : "");
    SetDlgItemTextA(dialog, IDC_DAMAGE_ENTRY_LABEL, label);
    SetDlgItemTextA(dialog, IDC_DAMAGE_ENTRY_LEFT, g_damageMemory.leftEntry);
    SetDlgItemTextA(dialog, IDC_DAMAGE_ENTRY_RIGHT, g_damageMemory.rightEntry);
    ShowRightEar(dialog);
    return FALSE;  // the focus is set
}

// Reads a box into its entry (never more than the entry holds); false,
// after the message, when the box is empty.
bool TakeEntry(HWND dialog, int id, char* entry)
{
    ItemText(dialog, id, entry, kEntryLength + 1);
    if (entry[0])
        return true;
    MessageBoxA(dialog, "Errore nei valori!", "Errore", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void OnConfirm(HWND dialog)
{
    if (!TakeEntry(dialog, IDC_DAMAGE_ENTRY_LEFT, g_damageMemory.leftEntry))
        return;
    if (!g_damageMemory.symmetric && !TakeEntry(dialog, IDC_DAMAGE_ENTRY_RIGHT, g_damageMemory.rightEntry))
        return;
    EndDialog(dialog, IDOK);
}

void OnDelete(HWND dialog)
{
    if (!ConfirmDeletion(dialog))
        return;
    snprintf(g_damageMemory.leftEntry, sizeof g_damageMemory.leftEntry, "0");
    if (!g_damageMemory.symmetric)
        snprintf(g_damageMemory.rightEntry, sizeof g_damageMemory.rightEntry, "0");
    EndDialog(dialog, IDOK);
}

void OnSymmetric(HWND dialog)
{
    g_damageMemory.symmetric = !g_damageMemory.symmetric;
    CheckDlgButton(dialog, IDC_DAMAGE_SYMMETRIC, g_damageMemory.symmetric ? BST_CHECKED : BST_UNCHECKED);
    ShowRightEar(dialog);
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDOK:
        OnConfirm(dialog);
        break;
    case IDC_DAMAGE_DELETE:
        OnDelete(dialog);
        break;
    case IDC_DAMAGE_SYMMETRIC:
        OnSymmetric(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    }
}

}  // namespace

INT_PTR CALLBACK DamageEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (AnswerDialogHelp(message, wParam, lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0],
                         kHelpTopics))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (int)lParam);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
