#include <cstdio>

#include "exposure/daily_exposure.h"
#include "exposure/daily_exposure_dialog.h"
#include "exposure/daily_exposure_state.h"
#include "framework/help.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_ENTRY_DURATION, "Tempo d'esposizione"},
    {IDC_ENTRY_LEVEL, "Livello equivalente"},
    {IDOK, "Aggiunge / Modifica / Elimina un elemento della lista"},
    {IDCANCEL, "Annulla l'operazione e chiude la finestra di dialogo"},
};

const HelpTopic kHelpTopics[] = {
    {IDC_ENTRY_DURATION_LABEL, 0x0FF0024D}, {IDC_ENTRY_LEVEL, 0x0FD2024D},
    {IDC_ENTRY_DURATION, 0x0FF0024D},       {IDOK, 0x0FD2024F},
    {IDCANCEL, 0x0FD20251},                 {0, 0},
};

const EntryRequest& RequestOf(HWND dialog)
{
    return *(const EntryRequest*)GetWindowLongPtrA(dialog, DWLP_USER);
}

BOOL OnInitDialog(HWND dialog, const EntryRequest* request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)request);
    RegisterTooltipDialog(dialog);
    if (request->duration) {
        char label[64];
        snprintf(label, sizeof label, "Esposizione %s",
                 TimeUnitOf(g_dailyMemory.timeUnit).labelSuffix);
        SetDlgItemTextA(dialog, IDC_ENTRY_DURATION_LABEL, label);
    } else {
        ShowWindow(GetDlgItem(dialog, IDC_ENTRY_DURATION_LABEL), SW_HIDE);
        ShowWindow(GetDlgItem(dialog, IDC_ENTRY_DURATION), SW_HIDE);
    }

    static const char* const kTitles[] = {"Aggiungi", "Modifica", "Elimina"};
    int mode = request->mode;
    const char* title = kTitles[(mode >= kEntryAdd && mode <= kEntryDelete ? mode : kEntryAdd) - 1];
    SetDlgItemTextA(dialog, IDOK, title);
    SetWindowTextA(dialog, title);
    SetDlgItemTextA(dialog, IDCANCEL, "Annulla");

    // The entries keep 15 characters: longer texts would be cut silently.
    SendDlgItemMessageA(dialog, IDC_ENTRY_LEVEL, EM_LIMITTEXT, 15, 0);
    SendDlgItemMessageA(dialog, IDC_ENTRY_DURATION, EM_LIMITTEXT, 15, 0);
    SetDlgItemTextA(dialog, IDC_ENTRY_LEVEL, request->level);
    if (request->duration)
        SetDlgItemTextA(dialog, IDC_ENTRY_DURATION, request->duration);
    SetFocus(GetDlgItem(dialog, IDC_ENTRY_LEVEL));
    SendDlgItemMessageA(dialog, IDC_ENTRY_LEVEL, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
}

void OnConfirm(HWND dialog)
{
    const EntryRequest& request = RequestOf(dialog);
    ItemText(dialog, IDC_ENTRY_LEVEL, request.level, 16);
    if (request.duration)
        ItemText(dialog, IDC_ENTRY_DURATION, request.duration, 16);
    if (request.mode == kEntryDelete) {
        if (!ConfirmDeletion(dialog))
            return;
    } else if (LeadingNumber(request.level) == 0.0) {
        MessageBoxA(dialog, "Errore. Inserire valori numerici!", "Livello di esposizione",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    } else if (request.duration && LeadingNumber(request.duration) == 0.0) {
        MessageBoxA(dialog, "Errore. Inserire valori numerici!", "Tempo esposizione ",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(dialog, IDOK);
}

const HelpTopic* HelpOf(HWND dialog)
{
    const EntryRequest* request = (const EntryRequest*)GetWindowLongPtrA(dialog, DWLP_USER);
    return request && request->help ? request->help : kHelpTopics;
}

}  // namespace

INT_PTR CALLBACK DailyEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (AnswerDialogHelp(message, wParam, lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0],
                         HelpOf(dialog)))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (const EntryRequest*)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            OnConfirm(dialog);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
