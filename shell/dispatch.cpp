#include "shell/dispatch.h"

#include <cstdio>
#include <cstring>

#include "damage/damage_dialog.h"
#include "document/report_document.h"
#include "exposure/daily_exposure_dialog.h"
#include "exposure/group_level_dialog.h"
#include "exposure/task_uncertainty_dialog.h"
#include "exposure/weekly_exposure_dialog.h"
#include "framework/file_dialogs.h"
#include "framework/help.h"
#include "framework/printing.h"
#include "resources/resource.h"
#include "shell/document_commands.h"
#include "shell/main_state.h"
#include "shell/main_window.h"
#include "shell/paste.h"
#include "shell/chart_view.h"
#include "shell/program_paths.h"
#include "shell/version_info.h"
#include "protectors/selection_wizard.h"
#include "spectra/attenuation_dialog.h"
#include "spectra/noise_spectrum_dialog.h"
#include "summary/summary_dialog.h"

// The window calculators open over: the main window, or the folder summary
// while one of its rows is open.
static HWND s_calculatorOwner;

static HWND CalculatorOwner()
{
    return s_calculatorOwner ? s_calculatorOwner : g_main.window;
}

INT_PTR ShowCalculator(const char* dialogTemplate, DLGPROC procedure, LPARAM parameter)
{
    return DialogBoxParamA(g_main.instance, dialogTemplate, CalculatorOwner(), procedure, parameter);
}

void OpenDataFileOver(HWND owner, const char* path)
{
    int command = CommandForExtension(path);
    if (!command || command == IDM_DOCUMENT)
        return;
    snprintf(g_main.openPath, sizeof g_main.openPath, "%s", path);
    s_calculatorOwner = owner;
    DispatchCommand(g_main.window, command, (LPARAM)g_main.openPath, 0);
    s_calculatorOwner = nullptr;
}

void OpenByExtension(HWND mainWindow, const char* path)
{
    int command = CommandForExtension(path);
    if (!command)
        return;
    snprintf(g_main.openPath, sizeof g_main.openPath, "%s", path);
    PostMessageA(mainWindow, WM_COMMAND, command, (LPARAM)g_main.openPath);
}

const char* CommandFile(LPARAM lParam)
{
    if (lParam == (LPARAM)g_main.openPath && g_main.openPath[0])
        return g_main.openPath;
    return nullptr;
}

// Asks to save a modified report document. False when the user cancelled or
// the document is still modified after saving.
bool ConfirmDocumentSaved(HWND mainWindow)
{
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (!IsDocumentModified(document))
        return true;
    int answer = MessageBoxA(mainWindow, "Il documento è stato modificato. Salvare le modifiche?",
                             "Attenzione", MB_YESNOCANCEL);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES) {
        // The document itself, even when a chart view is showing (where
        // "&Salva" exports the chart).
        SaveReportDocumentCommand(mainWindow);
        return !IsDocumentModified(document);
    }
    return true;
}

static void OpenCalculator(const char* dialogTemplate, DLGPROC procedure, LPARAM lParam)
{
    const char* file = CommandFile(lParam);
    ShowCalculator(dialogTemplate, procedure, (LPARAM)file);
}

// "&Apri...": the filter chosen in the dialog, not the file's extension,
// decides which calculator opens the file.
static void OpenChosenFile(HWND mainWindow)
{
    static const int kCommands[] = {IDM_LEPD,           IDM_LEPW,
                                    IDM_GROUP_LEQ,      IDM_DAMAGE,
                                    IDM_NOISE_SPECTRUM, IDM_ATTENUATION_SPECTRUM,
                                    IDM_PROTECTOR_SELECTION, IDM_DOCUMENT,
                                    IDM_UNCERTAINTY};
    const int kChoices = (int)(sizeof kCommands / sizeof kCommands[0]);
    char path[MAX_PATH];
    int index = ChooseFileToOpen(mainWindow, path, sizeof path);
    if (index < 1 || index > kChoices)
        return;
    snprintf(g_main.openPath, sizeof g_main.openPath, "%s", path);
    DispatchCommand(mainWindow, kCommands[index - 1], (LPARAM)g_main.openPath, 0);
}

void DispatchCommand(HWND mainWindow, int command, LPARAM lParam, int notification)
{
    // The ISO 1999 chart calculators and the chart views' commands.
    if (ChartViewCommand(mainWindow, command))
        return;
    // The report document: new, open, save, print and formatting.
    if (ReportDocumentCommand(mainWindow, command, lParam))
        return;

    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    bool documentView = g_main.viewState == kViewDocument;
    switch (command) {
    case IDM_LEPD:
        OpenCalculator("LEPD", DailyExposureProc, lParam);
        break;
    // ---- Weekly exposure and group level
    case IDM_LEPW:
        OpenCalculator("LEPW", WeeklyExposureProc, lParam);
        break;
    case IDM_GROUP_LEQ:
        OpenCalculator("LEQGROUP", GroupLevelProc, lParam);
        break;
    case IDM_UNCERTAINTY:
        OpenCalculator("INCERTEZZA", UncertaintyProc, lParam);
        break;
    // ----
    case IDM_NOISE_SPECTRUM:
        OpenCalculator("SPETTRORUM", NoiseSpectrumProc, lParam);
        break;
    case IDM_ATTENUATION_SPECTRUM:
        OpenCalculator("SPETTRODPI", AttenuationProc, lParam);
        break;
    case IDM_DAMAGE:
        OpenCalculator("CALCOLOILG", DamageProc, lParam);
        break;
    case IDM_PROTECTOR_SELECTION:
        ShowProtectorSelection(CalculatorOwner(), CommandFile(lParam));
        break;
    case IDM_CUT:
        if (documentView && document)
            SendMessageA(document, WM_CUT, 0, 0);
        break;
    case IDM_COPY:
        if (documentView && document)
            SendMessageA(document, WM_COPY, 0, 0);
        break;
    // ---- Export and clipboard
    case IDM_PASTE:
        PasteIntoDocument(mainWindow);
        break;
    // ----
    case IDM_EXIT:
        if (!documentView)
            DispatchCommand(mainWindow, IDM_VIEW_DOCUMENT, 0, 0);
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        break;
    case IDM_OPEN:
        OpenChosenFile(mainWindow);
        break;
    case IDM_FOLDER_SUMMARY:
        ShowFolderSummary(mainWindow, OpenDataFileOver);
        break;
    case IDM_PAGE_SETUP:
        if (!PageSetup(mainWindow))
            MessageBoxA(mainWindow, "Per l'impostazione usare Pannello di Controllo!",
                        "Imposta stampante. Attenzione:", MB_OK);
        break;
    case IDM_HELP:
        ShowHelpContents(mainWindow);
        break;
    case IDM_INFO:
        ShowProgramInfo(mainWindow);
        break;
    default:
        // Commands of calculators and views still to come, and ids that
        // are not commands, do nothing.
        break;
    }
}
