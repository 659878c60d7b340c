#include "framework/file_dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "framework/data_file.h"
#include "framework/help.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

char s_folder[MAX_PATH];

enum PanelKind { kPanelOpen = 1, kPanelSave = 2 };

// What the panel knows of its dialog, kept in the panel's user data.
struct Panel {
    int kind;
    char defaultExtension[8];
    bool filling;  // the notes are being shown, not typed
};

const HelpTopic kPanelTopics[] = {
    {IDC_NOTES, 0x20D50372}, {IDC_ADDENDUM_MODIFY, 0x03EE0372}, {IDC_NOTES_LABEL, 0x20D00372}, {0, 0},
};

bool IsDocumentExtension(const char* extension)
{
    return strcasecmp(extension, "fnx") == 0 || strcasecmp(extension, "bmp") == 0 ||
           strcasecmp(extension, "csv") == 0;
}

void ShowPanel(HWND panel, bool show)
{
    const int ids[] = {IDC_NOTES_LABEL, IDC_NOTES, IDC_ADDENDUM_MODIFY};
    for (int id : ids)
        ShowWindow(GetDlgItem(panel, id), show ? SW_SHOW : SW_HIDE);
}

void SetNotes(HWND panel, Panel* state, const char* text)
{
    state->filling = true;
    SetDlgItemTextA(panel, IDC_NOTES, text);
    state->filling = false;
}

void OnPanelInit(HWND panel, const OPENFILENAMEA* ofn)
{
    Panel* state = (Panel*)ofn->lCustData;
    SetWindowLongPtrA(panel, GWLP_USERDATA, (LONG_PTR)state);
    SendDlgItemMessageA(panel, IDC_NOTES, EM_LIMITTEXT, 512, 0);
    if (state->kind == kPanelSave) {
        ShowPanel(panel, !IsDocumentExtension(state->defaultExtension));
        ShowWindow(GetDlgItem(panel, IDC_ADDENDUM_MODIFY), SW_HIDE);
        // Without its button nothing typed here would ever be written.
        SendDlgItemMessageA(panel, IDC_NOTES, EM_SETREADONLY, TRUE, 0);
    }
}

void OnTypeChange(HWND panel, Panel* state, const OPENFILENAMEA* ofn)
{
    if (state->kind == kPanelSave) {
        ShowPanel(panel, !IsDocumentExtension(state->defaultExtension));
        ShowWindow(GetDlgItem(panel, IDC_ADDENDUM_MODIFY), SW_HIDE);
    } else {
        ShowPanel(panel, ofn->nFilterIndex != 8);
    }
}

void OnSelectionChange(HWND panel, Panel* state)
{
    SetNotes(panel, state, "");
    EnableWindow(GetDlgItem(panel, IDC_ADDENDUM_MODIFY), FALSE);
    char path[MAX_PATH] = "";
    if (SendMessageA(GetParent(panel), CDM_GETFILEPATH, sizeof path, (LPARAM)path) <= 0 || !path[0])
        return;
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    const char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    const char* dot = strrchr(name, '.');
    if (name[0] == '*' || (dot && IsDocumentExtension(dot + 1)))
        return;
    char notes[513];
    ReadNotes(notes, sizeof notes, path);
    SetNotes(panel, state, notes);
}

void OnNotesEdited(HWND panel, Panel* state)
{
    if (state->filling)
        return;
    char name[MAX_PATH] = "";
    SendMessageA(GetParent(panel), CDM_GETSPEC, sizeof name, (LPARAM)name);
    if (name[0])
        EnableWindow(GetDlgItem(panel, IDC_ADDENDUM_MODIFY), TRUE);
}

void OnModifyNotes(HWND panel)
{
    if (MessageBoxA(panel, "Volete procedere con la modifica?", "Conferma operazione",
                    MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return;
    char folder[MAX_PATH] = "";
    char name[MAX_PATH] = "";
    SendMessageA(GetParent(panel), CDM_GETFOLDERPATH, sizeof folder, (LPARAM)folder);
    SendMessageA(GetParent(panel), CDM_GETSPEC, sizeof name, (LPARAM)name);
    if (!name[0])
        return;
    char path[MAX_PATH * 2];
    size_t n = strlen(folder);
    snprintf(path, sizeof path, "%s%s%s", folder, n && folder[n - 1] == '\\' ? "" : "\\", name);
    char notes[513];
    ItemText(panel, IDC_NOTES, notes, sizeof notes);
    WriteNotes(notes, path);
}

// The user types a file name first, not notes.
void FocusFileName(HWND panel)
{
    HWND dialog = GetParent(panel);
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name || !IsWindowVisible(name))
        name = GetDlgItem(dialog, edt1);
    if (name)
        SetFocus(name);
}

UINT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    Panel* state = (Panel*)GetWindowLongPtrA(panel, GWLP_USERDATA);
    switch (message) {
    case WM_INITDIALOG:
        OnPanelInit(panel, (const OPENFILENAMEA*)lParam);
        return FALSE;  // the focus is the name box's, not the notes'

    case WM_NOTIFY: {
        const OFNOTIFYA* notify = (const OFNOTIFYA*)lParam;
        if (!state)
            return FALSE;
        switch (notify->hdr.code) {
        case CDN_INITDONE:
            FocusFileName(panel);
            break;
        case CDN_TYPECHANGE:
            OnTypeChange(panel, state, notify->lpOFN);
            break;
        case CDN_SELCHANGE:
            OnSelectionChange(panel, state);
            break;
        case CDN_HELP:
            MessageBoxA(panel, "Funzione non implementata", "Avviso", MB_OK | MB_ICONINFORMATION);
            break;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_NOTES && HIWORD(wParam) == EN_CHANGE && state)
            OnNotesEdited(panel, state);
        else if (LOWORD(wParam) == IDC_ADDENDUM_MODIFY && HIWORD(wParam) == BN_CLICKED)
            OnModifyNotes(panel);
        return FALSE;
    case WM_HELP:
        ContextHelpForControl((const HELPINFO*)lParam, kPanelTopics);
        return TRUE;
    case WM_CONTEXTMENU:
        ContextHelpMenu((HWND)wParam, kPanelTopics);
        return TRUE;
    }
    return FALSE;
}

// Loads a filter entry and turns its separators into zeros.
void LoadFilter(UINT id, char* filter, size_t capacity)
{
    int n = LoadStr(filter, (int)capacity - 1, id);
    filter[n + 1] = '\0';
    if (n <= 0)
        return;
    char separator = filter[n - 1];
    for (int i = 0; i < n; ++i)
        if (filter[i] == separator)
            filter[i] = '\0';
}

// The text after the last "." of the filter, up to its separator.
void FilterExtension(UINT id, char* extension, size_t capacity)
{
    char filter[256];
    int n = LoadStr(filter, sizeof filter, id);
    extension[0] = '\0';
    if (n <= 0)
        return;
    filter[n - 1] = '\0';
    const char* dot = strrchr(filter, '.');
    if (dot)
        snprintf(extension, capacity, "%s", dot + 1);
}

void Prepare(OPENFILENAMEA* ofn, HWND owner, const char* title, const char* filter, char* path,
             size_t capacity, Panel* panel)
{
    memset(ofn, 0, sizeof *ofn);
    ofn->lStructSize = sizeof *ofn;
    ofn->hwndOwner = owner;
    ofn->hInstance = ResourceInstance();
    ofn->lpstrFilter = filter;
    ofn->nFilterIndex = 1;
    ofn->lpstrFile = path;
    ofn->nMaxFile = (DWORD)capacity;
    ofn->lpstrTitle = title;
    ofn->lpfnHook = PanelProc;
    ofn->lpTemplateName = "IDD_ADDENDUM";
    ofn->lCustData = (LPARAM)panel;
    ofn->Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_SHOWHELP;
}

}  // namespace

void SetFileDialogFolder(const char* folder)
{
    snprintf(s_folder, sizeof s_folder, "%s", folder ? folder : "");
}

bool OpenDataFileDialog(HWND owner, const char* title, UINT filterId, char* path, size_t capacity)
{
    char filter[256];
    LoadFilter(filterId, filter, sizeof filter);
    char fileTitle[16] = "";
    Panel panel = {kPanelOpen, "", false};
    OPENFILENAMEA ofn;
    path[0] = '\0';
    Prepare(&ofn, owner, title, filter, path, capacity, &panel);
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.lpstrInitialDir = s_folder;
    ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return GetOpenFileNameA(&ofn) != 0;
}

bool SaveDataFileDialog(HWND owner, const char* title, UINT filterId, char* path, size_t capacity)
{
    char filter[256];
    LoadFilter(filterId, filter, sizeof filter);
    Panel panel = {kPanelSave, "", false};
    FilterExtension(filterId, panel.defaultExtension, sizeof panel.defaultExtension);
    OPENFILENAMEA ofn;
    path[0] = '\0';
    Prepare(&ofn, owner, title, filter, path, capacity, &panel);
    ofn.lpstrDefExt = panel.defaultExtension;
    ofn.Flags |= OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT;
    return GetSaveFileNameA(&ofn) != 0;
}

int ChooseFileToOpen(HWND owner, char* path, size_t capacity)
{
    static const UINT kFilters[] = {IDS_FILTER_LEPD, IDS_FILTER_LEW, IDS_FILTER_LEG, IDS_FILTER_ILG,
                                    IDS_FILTER_SPR,  IDS_FILTER_SPI, IDS_FILTER_DPI, IDS_FILTER_FNX,
                                    IDS_FILTER_LIN};
    char filter[1024];
    size_t used = 0;
    for (UINT id : kFilters) {
        char entry[128];
        int n = LoadStr(entry, sizeof entry, id);
        if (n > 0 && used + n + 2 < sizeof filter) {
            memcpy(filter + used, entry, n);
            used += n;
        }
    }
    filter[used] = '\0';
    filter[used + 1] = '\0';
    for (size_t i = 0; i < used; ++i)
        if (filter[i] == '|')
            filter[i] = '\0';
    Panel panel = {kPanelOpen, "", false};
    OPENFILENAMEA ofn;
    path[0] = '\0';
    Prepare(&ofn, owner, "Apri", filter, path, capacity, &panel);
    ofn.lpstrInitialDir = s_folder;
    ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&ofn))
        return 0;
    return (int)ofn.nFilterIndex;
}
