#include "setup/progress_dialog.h"

#include <commctrl.h>

#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "setup/setup_state.h"

static const TooltipText kTooltips[] = {
    {IDC_SETUP_PROGRESS_BAR, "Visualizza graficamente la progressione dell'installazione"},
    {IDCANCEL, "Interrompe l'installazione di Fonexa"},
};

static BOOL OnInitDialog(HWND dialog)
{
    CentreWindow(dialog);
    HWND animation = GetDlgItem(dialog, IDC_SETUP_ANIMATION);
    SendMessageA(animation, ACM_OPENA, (WPARAM)ResourceInstance(), (LPARAM) "DOWNLOAD");
    SendMessageA(animation, ACM_PLAY, (WPARAM)-1, MAKELPARAM(0, 0xFFFF));
    HWND bar = GetDlgItem(dialog, IDC_SETUP_PROGRESS_BAR);
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    SendMessageA(bar, PBM_SETPOS, 0, 0);
    SendMessageA(bar, PBM_SETSTEP, 1, 0);
    SetDlgItemTextA(dialog, IDC_SETUP_STATUS, "");
    RegisterTooltipDialog(dialog);
    return TRUE;
}

static INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_SETCURSOR:
        if (!SetBusyCursor())
            return FALSE;
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_NOTIFY:
        return AnswerTooltip((const NMHDR*)lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0]);
    case WM_DESTROY:
        if (g_setup.progress == dialog)
            g_setup.progress = nullptr;
        return FALSE;
    }
    return FALSE;
}

bool OpenProgressDialog(HWND backdrop)
{
    g_setup.progress = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_SETUP_PROGRESS), backdrop,
                                          ProgressProc, 0);
    if (!g_setup.progress)
        return false;
    ShowWindow(g_setup.progress, SW_SHOW);
    UpdateWindow(g_setup.progress);
    return true;
}

bool ProgressOpen()
{
    return g_setup.progress != nullptr;
}

bool ShowStep(const char* item)
{
    if (!g_setup.progress)
        return false;
    SetDlgItemTextA(g_setup.progress, IDC_SETUP_STATUS, item);
    SendDlgItemMessageA(g_setup.progress, IDC_SETUP_PROGRESS_BAR, PBM_STEPIT, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: the message loop ends on it after the installation.
            PostQuitMessage((int)msg.wParam);
            break;
        }
        if (g_setup.progress && IsDialogMessageA(g_setup.progress, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return g_setup.progress != nullptr;
}
