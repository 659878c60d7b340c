#include "setup/folder_dialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>

#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "setup/setup_state.h"

namespace {

struct FolderRequest {
    char* folder;
    size_t capacity;
};

const TooltipText kTooltips[] = {
    {IDC_SETUP_FOLDER, "Digitare il nome della cartella in cui si vuole installare Fonexa"},
    {IDC_SETUP_BROWSE, "Permette di selezionare la cartella in cui si vuole installare Fonexa"},
    {IDOK, "Chiude la finestra, confermando la cartella di installazione"},
    {IDCANCEL, "Annulla l'installazione di Fonexa"},
};

const char kCreateError[] = "Errore. Impossibile creare la directory!";

}  // namespace

// Makes every missing level of the folder, from the outermost; shows which
// level could not be made.
static bool CreateLevels(HWND dialog, const char* folder)
{
    char levels[64][kPathCapacity];
    int count = FolderLevels(folder, levels, 64);
    for (int i = 0; i < count; ++i) {
        if (SetCurrentDirectoryA(levels[i]) || CreateDirectoryA(levels[i], nullptr))
            continue;
        MessageBoxA(dialog, kCreateError, levels[i], MB_OK | MB_ICONERROR);
        return false;
    }
    return count > 0;
}

// The folder typed in 1005, made to exist; false keeps the dialog open.
static bool CheckFolder(HWND dialog, char* folder, size_t capacity)
{
    char typed[kPathCapacity + 1];
    ItemText(dialog, IDC_SETUP_FOLDER, typed, sizeof typed);
    if (!NormaliseInstallFolder(typed, folder, capacity)) {
        // Not a full path, a root, or too long for the paths built from it.
        MessageBoxA(dialog, kCreateError, typed, MB_OK | MB_ICONERROR);
        return false;
    }
    DWORD attributes = GetFileAttributesA(folder);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        MessageBoxA(dialog, kCreateError, folder, MB_OK | MB_ICONERROR);
        return false;
    }
    if (MessageBoxA(dialog, "La directory specificata non esiste. Creare la directory?", folder,
                    MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return false;
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    bool made = CreateDirectoryA(folder, nullptr) || CreateLevels(dialog, folder);
    SetCurrentDirectoryA(current);
    return made;
}

static int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM)
{
    if (message == BFFM_INITIALIZED) {
        CentreWindow(browser);
    } else if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        if (SHGetPathFromIDListA((LPCITEMIDLIST)lParam, path))
            SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, (LPARAM)path);
    }
    return 0;
}

static void OnBrowse(HWND dialog)
{
    char display[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = dialog;
    info.pszDisplayName = display;
    info.lpszTitle = "Scegli la directory dove installare Fonexa";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return;
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(chosen, path))
        SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, path);
    CoTaskMemFree(chosen);
}

static void OnCancel(HWND dialog)
{
    if (MessageBoxA(dialog, "Interrompere l'installazione di Fonexa?", "Attenzione",
                    MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES)
        EndDialog(dialog, IDCANCEL);
}

static BOOL OnInitDialog(HWND dialog, LPARAM lParam)
{
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    CentreWindow(dialog);
    SendDlgItemMessageA(dialog, IDC_SETUP_FOLDER, EM_LIMITTEXT, kPathCapacity, 0);
    SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, kDefaultFolder);
    char version[64];
    QueryWindowsVersion(version, sizeof version);
    SetDlgItemTextA(dialog, IDC_SETUP_STATUS, version);
    RegisterTooltipDialog(dialog);
    return TRUE;
}

static void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_SETUP_BROWSE:
        OnBrowse(dialog);
        break;
    case IDCANCEL:
        OnCancel(dialog);
        break;
    case IDOK: {
        FolderRequest* request = (FolderRequest*)GetWindowLongPtrA(dialog, DWLP_USER);
        if (CheckFolder(dialog, request->folder, request->capacity))
            EndDialog(dialog, IDOK);
        break;
    }
    }
}

static INT_PTR CALLBACK FolderProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, lParam);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return AnswerTooltip((const NMHDR*)lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0]);
    }
    return FALSE;
}

bool AskInstallFolder(HWND owner, char* folder, size_t capacity)
{
    FolderRequest request = {folder, capacity};
    return DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_SETUP_FOLDER), owner, FolderProc,
                           (LPARAM)&request) == IDOK;
}
