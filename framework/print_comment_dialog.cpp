#include <cstring>

#include "framework/help.h"
#include "framework/printing.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_NO_COMMENT, "Chiude la finestra e fa partire la stampa senza tener conto delle note"},
    {IDOK, "Chiude la finestra e fa partire la stampa con le note"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDCANCEL, "Chiude la finestra senza far partire la stampa"},
    {IDC_NOTES, "Inserire qui delle note da stampare insieme ai dati"},
};

const HelpTopic kHelpTopics[] = {
    {IDOK, 0x20D50254},           {IDCANCEL, 0x20D50256},      {IDC_NOTES, 0x20D50252},
    {IDC_NO_COMMENT, 0x20DA0252}, {IDM_CALC_HELP, 0x113C0252}, {0, 0},
};

BOOL OnInitDialog(HWND dialog, LPARAM comment)
{
    SetWindowLongPtrA(dialog, DWLP_USER, comment);
    CentreWindow(dialog);
    RegisterTooltipDialog(dialog);
    SendDlgItemMessageA(dialog, IDC_NOTES, EM_LIMITTEXT, 512, 0);
    SetDlgItemTextA(dialog, IDC_NOTES, PrintComment());
    return TRUE;
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK: {
        // The stored comment only fills the dialog next time: an empty edit
        // prints none and keeps it.
        char* comment = (char*)GetWindowLongPtrA(dialog, DWLP_USER);
        ItemText(dialog, IDC_NOTES, comment, kPrintCommentSize);
        if (comment[0])
            SetPrintComment(comment);
        EndDialog(dialog, 1);
        break;
    }
    case IDC_NO_COMMENT:
        QuitHelp(dialog, "FONEXA.HLP");
        EndDialog(dialog, 1);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    }
}

INT_PTR CALLBACK PrintCommentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (AnswerDialogHelp(message, wParam, lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0],
                         kHelpTopics))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, lParam);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        QuitHelp(dialog, "FONEXA.HLP");
        return FALSE;
    }
    return FALSE;
}

}  // namespace

INT_PTR PrintCommentDialog(HWND owner, char* comment)
{
    comment[0] = '\0';
    return DialogBoxParamA(ResourceInstance(), "ADDNOTES", owner, PrintCommentProc, (LPARAM)comment);
}
