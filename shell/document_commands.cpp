#include "shell/document_commands.h"

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "document/document_file.h"
#include "document/document_print.h"
#include "document/format_commands.h"
#include "document/ole_host.h"
#include "document/report_document.h"
#include "framework/file_dialogs.h"
#include "framework/printing.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "shell/dispatch.h"
#include "shell/main_state.h"
#include "shell/main_window.h"

namespace {

const char kNoFile[] = "Nessun file selezionato";

void SetDocumentFile(const char* path)
{
    snprintf(g_main.documentFile, sizeof g_main.documentFile, "%s", path ? path : "");
    SetStatusText(g_main.documentFile[0] ? g_main.documentFile : kNoFile);
}

bool HasDocumentExtension(const char* path)
{
    const char* name = strrchr(path, '\\');
    const char* dot = strrchr(name ? name : path, '.');
    return dot && strcasecmp(dot, ".fnx") == 0;
}

void NewReportDocument(HWND mainWindow)
{
    if (!ConfirmDocumentSaved(mainWindow))
        return;
    SetDocumentFile("");
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (!document || !ResetDocumentObjects(document, mainWindow))
        return;
    // A new document starts from the defaults, not from the last paragraph's
    // alignment or bullets.
    ApplyDocumentDefaults(document);
    ShowSelectionFormat(mainWindow, document);
}

// A ".fnx" from "&Apri...", a drop or the command line: a modified document
// is offered for saving first, whichever way the file came.
void OpenReportDocument(HWND mainWindow, const char* file)
{
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s", file);
    if (!ConfirmDocumentSaved(mainWindow))
        return;
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (!document)
        return;
    DocumentLoad loaded = LoadReportDocument(document, path);
    if (loaded == kDocumentEmptied)
        SetDocumentFile("");
    if (loaded != kDocumentLoaded)
        return;
    if (g_main.viewState != kViewDocument)
        DispatchCommand(mainWindow, IDM_VIEW_DOCUMENT, 0, 0);
    SetDocumentFile(path);
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    ShowSelectionFormat(mainWindow, document);
}

void PrintCommand()
{
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (!document || !DefaultPrinterReady(GetParent(document)))
        return;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    PrintReportDocument(document, g_main.documentFile);
    SetCursor(old);
}

}  // namespace

bool SaveReportDocumentCommand(HWND mainWindow)
{
    if (!g_main.documentFile[0])
        return SaveReportDocumentAs(mainWindow);
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s", g_main.documentFile);
    return ExportReportDocument(mainWindow, path);
}

bool SaveReportDocumentAs(HWND mainWindow)
{
    char title[64];
    LoadStr(title, sizeof title, IDS_SAVE_DATA_TITLE);
    for (;;) {
        char path[256];
        if (!SaveDataFileDialog(mainWindow, title, IDS_FILTER_FNX, path, sizeof path))
            return false;
        if (HasDocumentExtension(path))
            return ExportReportDocument(mainWindow, path);
    }
}

bool ExportReportDocument(HWND mainWindow, const char* path)
{
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (!document || !SaveReportDocument(document, path))
        return false;
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    SetDocumentFile(path);
    return true;
}

bool ReportDocumentCommand(HWND mainWindow, int command, LPARAM lParam)
{
    bool documentView = g_main.viewState == kViewDocument;
    if (IsFormatCommand(command)) {
        HWND document = MainChild(IDC_REPORT_DOCUMENT);
        // The document is not on screen in a chart view: its keys do nothing.
        if (documentView && document)
            FormatCommand(mainWindow, document, command);
        return true;
    }
    switch (command) {
    case IDM_DOCUMENT: {
        const char* file = CommandFile(lParam);
        if (file)
            OpenReportDocument(mainWindow, file);
        else
            NewReportDocument(mainWindow);
        return true;
    }
    case IDM_SAVE:
        if (!documentView)
            return false;
        SaveReportDocumentCommand(mainWindow);
        return true;
    case IDM_SAVE_AS:
        if (!documentView)
            return false;
        SaveReportDocumentAs(mainWindow);
        return true;
    case IDM_PRINT:
        if (!documentView)
            return false;
        PrintCommand();
        return true;
    }
    return false;
}
