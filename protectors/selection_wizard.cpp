#include "protectors/selection_wizard.h"

#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "framework/calculator_status.h"
#include "framework/file_dialogs.h"
#include "framework/printing.h"
#include "framework/number_text.h"
#include "framework/ui_text.h"
#include "protectors/methods.h"
#include "protectors/selection_file.h"
#include "protectors/selection_pages.h"
#include "resources/resource.h"

namespace {

const char kExtension[] = ".dpi";

// The file named when the wizard opened, loaded by its first page.
char s_openPath[MAX_PATH];

const TooltipText kFootTips[] = {
    {IDM_CALC_OPEN, "Selezionare per aprire un file"},
    {IDM_CALC_SAVE, "Selezionare per salvare il file correntemente aperto"},
    {IDM_CALC_SAVE_AS, "Selezionare per salvare il file con un nome diverso"},
    {IDC_DPI_PRINT, "Selezionare per stampare i dati della procedura corrente"},
    {IDC_DPI_FILE, "Visualizza il nome del file correntemente aperto"},
};

ProtectorSelection& Record()
{
    return g_protectorSelection;
}

// Shows the record on the page and sets the wizard's buttons.
void Activate(HWND page)
{
    ShowFileName(page);
    DescribedPage(page).show(page);
}

// ---- Page buttons ------------------------------------------------------------------

void SaveTo(HWND page, const char* path)
{
    // "&Salva" passes the current file itself.
    char target[MAX_PATH];
    snprintf(target, sizeof target, "%s", path);
    if (!SaveSelectionFile(Record(), target)) {
        ReportSaveFailure(page, target);
        return;
    }
    snprintf(Record().currentFile, sizeof Record().currentFile, "%s", target);
    NoteUnknownCorrection(false);
    ShowFileName(page);
}

// The open or save dialog of the data files; true with the chosen path.
bool ChooseFile(HWND page, bool saving, UINT filterId, char* path, size_t capacity)
{
    char title[64];
    LoadStr(title, sizeof title, saving ? IDS_SAVE_DATA_TITLE : IDS_LOAD_DATA_TITLE);
    return saving ? SaveDataFileDialog(page, title, filterId, path, capacity)
                  : OpenDataFileDialog(page, title, filterId, path, capacity);
}

void SaveAs(HWND page)
{
    char path[MAX_PATH];
    if (ChooseFile(page, true, IDS_FILTER_DPI, path, sizeof path))
        SaveTo(page, path);
}

void Save(HWND page)
{
    if (Record().currentFile[0])
        SaveTo(page, Record().currentFile);
    else
        SaveAs(page);
}

void Open(HWND page)
{
    char path[MAX_PATH];
    if (ChooseFile(page, false, IDS_FILTER_DPI, path, sizeof path))
        OpenSelectionFile(page, path);
}

void Print(HWND page)
{
    DescribedPage(page).take(page);
    if (!DefaultPrinterReady(page))
        return;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    PrintProtectorSelection();
    SetCursor(old);
}

// "&Rumore..." and "&DPI...": a spectrum's values into the page's fields
// only; the record takes them when the page's fields are taken.
void LoadSpectrumForPage(HWND page, SpectrumKind kind)
{
    char path[MAX_PATH];
    UINT filter = kind == kNoiseSpectrum ? IDS_FILTER_SPR : IDS_FILTER_SPI;
    ProtectorSelection values = StartSelection();
    if (!ChooseFile(page, false, filter, path, sizeof path) ||
        !ReadSpectrumFile(kind, path, &values))
        return;
    const WizardPage& description = DescribedPage(page);
    for (size_t i = 0; i < description.fieldCount; ++i) {
        const PageField& field = description.fields[i];
        if (IsNoiseValue(field.value) != (kind == kNoiseSpectrum))
            continue;
        char text[16];
        FormatNumber(text, sizeof text, kind == kNoiseSpectrum ? "%5.1f" : "%4.1f",
                     SelectionValueOf(values, field.value));
        SetDlgItemTextA(page, field.control, text);
    }
}

// True for the commands every page shares.
bool PageButton(HWND page, int id)
{
    const WizardPage& description = DescribedPage(page);
    switch (id) {
    case IDM_CALC_OPEN:
        Open(page);
        return true;
    case IDM_CALC_SAVE:
        description.take(page);
        Save(page);
        return true;
    case IDM_CALC_SAVE_AS:
        description.take(page);
        SaveAs(page);
        return true;
    case IDC_DPI_PRINT:
        Print(page);
        return true;
    }
    if (!description.method)
        return false;
    if (id == IDC_DPI_NOISE_FILE)
        LoadSpectrumForPage(page, kNoiseSpectrum);
    else if (id == IDC_DPI_PROTECTOR_FILE)
        LoadSpectrumForPage(page, kProtectorSpectrum);
    else
        return false;
    return true;
}

// ---- Messages ------------------------------------------------------------------------

void PrepareSheet(HWND page)
{
    HWND sheet = GetParent(page);
    CentreWindow(sheet);
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, GetWindowLongPtrA(sheet, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
    if (s_openPath[0]) {
        ProtectorSelection loaded = Record();
        bool unknownCorrection = false;
        if (LoadSelectionFile(&loaded, s_openPath, &unknownCorrection)) {
            snprintf(loaded.currentFile, sizeof loaded.currentFile, "%s", s_openPath);
            Record() = loaded;
            NoteUnknownCorrection(unknownCorrection);
        }
    }
}

BOOL OnInitDialog(HWND page, const PROPSHEETPAGEA* sheetPage)
{
    const WizardPage& description = *(const WizardPage*)sheetPage->lParam;
    SetWindowLongPtrA(page, DWLP_USER, (LONG_PTR)&description);
    FillHelpTopics(description.helpTopics, description.helpControls, description.helpControlCount,
                   description.templateId);
    for (size_t i = 0; i < description.fieldCount; ++i)
        SendDlgItemMessageA(page, description.fields[i].control, EM_LIMITTEXT, 7, 0);
    SendDlgItemMessageA(page, IDC_NOTES, EM_LIMITTEXT, kSelectionNotesSize - 1, 0);
    if (description.templateId == IDD_DPI_QUESTIONS)
        PrepareSheet(page);
    return TRUE;
}

void AnswerTooltipRequest(HWND page, const NMHDR* header)
{
    const WizardPage& description = DescribedPage(page);
    int control = TooltipControl(header);
    const char* text = description.tooltip ? description.tooltip(control) : nullptr;
    const TooltipText* tables[2] = {description.tooltips, kFootTips};
    size_t counts[2] = {description.tooltipCount, sizeof kFootTips / sizeof kFootTips[0]};
    for (int t = 0; t < 2 && !text; ++t)
        for (size_t i = 0; i < counts[t] && !text; ++i)
            if (tables[t][i].control == control)
                text = tables[t][i].text;
    if (text)
        SetTooltipAnswer(header, text);
}

// The result of a wizard notification goes back through DWLP_MSGRESULT.
BOOL Answer(HWND page, LRESULT result)
{
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL OnNotify(HWND page, const NMHDR* header)
{
    if (IsTooltipRequest(header)) {
        AnswerTooltipRequest(page, header);
        return TRUE;
    }
    const WizardPage& description = DescribedPage(page);
    switch (header->code) {
    case PSN_SETACTIVE:
        RegisterTooltipDialog(page);
        Activate(page);
        return Answer(page, 0);
    case PSN_KILLACTIVE:
        // Each way out takes the fields itself: Next only once they have
        // passed the method's checks, and a load that moves to its method's
        // page not at all (they would overwrite what was just loaded).
        return Answer(page, FALSE);
    case PSN_WIZNEXT:
        return Answer(page, description.next(page));
    case PSN_WIZBACK:
        return Answer(page, description.back(page));
    case PSN_WIZFINISH:
    case PSN_QUERYCANCEL:
        description.take(page);
        return Answer(page, FALSE);
    case PSN_HELP:
        ShowHelpTopic(page, description.helpTopic);
        return TRUE;
    }
    return FALSE;
}

void OnDropFiles(HWND page, HDROP drop)
{
    char path[MAX_PATH];
    if (TakeDroppedFile(drop, kExtension, path, sizeof path))
        OpenSelectionFile(page, path);
}

INT_PTR CALLBACK SelectionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog(page, (const PROPSHEETPAGEA*)lParam);
    if (!GetWindowLongPtrA(page, DWLP_USER))
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        if (!PageButton(page, LOWORD(wParam)) && DescribedPage(page).command)
            DescribedPage(page).command(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, (const NMHDR*)lParam);
    case WM_HELP:
        ContextHelpForControl((const HELPINFO*)lParam, DescribedPage(page).helpTopics);
        return TRUE;
    case WM_CONTEXTMENU:
        ContextHelpMenu((HWND)wParam, DescribedPage(page).helpTopics);
        return TRUE;
    case WM_DROPFILES:
        OnDropFiles(page, (HDROP)wParam);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OpenSheet(HWND owner, bool modeless)
{
    PROPSHEETPAGEA pages[8] = {};
    for (int i = 0; i < 8; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_HASHELP;
        pages[i].hInstance = ResourceInstance();
        pages[i].pszTemplate = MAKEINTRESOURCEA(kSelectionPages[i].templateId);
        pages[i].pfnDlgProc = SelectionPageProc;
        pages[i].lParam = (LPARAM)&kSelectionPages[i];
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_HASHELP | PSH_NOAPPLYNOW | PSH_USEICONID |
                     (modeless ? PSH_MODELESS : 0);
    header.hwndParent = owner;
    header.hInstance = ResourceInstance();
    header.pszIcon = MAKEINTRESOURCEA(IDI_PROTECTOR_SELECTION);
    header.nPages = 8;
    header.ppsp = pages;
    return PropertySheetA(&header);
}

}  // namespace

INT_PTR ShowProtectorSelection(HWND owner, const char* path)
{
    // A path that does not fit is not a file of ours to load.
    s_openPath[0] = '\0';
    if (path && strlen(path) < sizeof s_openPath)
        snprintf(s_openPath, sizeof s_openPath, "%s", path);
    return OpenSheet(owner, false);
}

HWND CreateProtectorSelection(HWND owner)
{
    s_openPath[0] = '\0';
    return (HWND)OpenSheet(owner, true);
}

bool OpenSelectionFile(HWND page, const char* path)
{
    char loaded[MAX_PATH];
    snprintf(loaded, sizeof loaded, "%s", path);
    bool unknownCorrection = false;
    if (!LoadSelectionFile(&Record(), loaded, &unknownCorrection))
        return false;
    snprintf(Record().currentFile, sizeof Record().currentFile, "%s", loaded);
    NoteUnknownCorrection(unknownCorrection);
    const WizardPage& description = DescribedPage(page);
    int method = Record().method;
    if (description.method && IsNamedMethod(method) && method != description.method) {
        char text[160];
        snprintf(text, sizeof text, "Il file aperto fa riferimento ad un metodo di calcolo diverso dal %s.",
                 ProtectionMethodInfoOf(description.method)->pageTitle);
        MessageBoxA(page, text, "Attenzione: il metodo verrà cambiato.", MB_OK | MB_ICONINFORMATION);
        PropSheet_SetCurSelByID(GetParent(page), MethodPageTemplate(method));
        return true;
    }
    Activate(page);
    return true;
}
