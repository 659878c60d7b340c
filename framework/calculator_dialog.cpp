#include "framework/calculator_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>

#include "framework/calculator_status.h"
#include "framework/data_file.h"
#include "framework/file_dialogs.h"
#include "framework/list_draw.h"
#include "framework/menu_bitmaps.h"
#include "framework/printing.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

bool HasDataFile(const Calculator& calculator)
{
    return calculator.typeTag != nullptr;
}

// "Sa&lva con nome..." (save) or "&Apri...": the file dialog, then the
// file saved or loaded.
void ChooseFile(HWND dialog, const Calculator& calculator, bool save)
{
    char title[64];
    LoadStr(title, sizeof title, save ? IDS_SAVE_DATA_TITLE : IDS_LOAD_DATA_TITLE);
    char path[MAX_PATH];
    if (save && SaveDataFileDialog(dialog, title, calculator.filterId, path, sizeof path))
        SaveCalculatorFile(dialog, path, calculator);
    else if (!save && OpenDataFileDialog(dialog, title, calculator.filterId, path, sizeof path))
        LoadCalculatorFile(dialog, path, calculator);
}

void Print(HWND dialog, const Calculator& calculator)
{
    if (!DefaultPrinterReady(dialog))
        return;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    calculator.print(dialog);
    SetCursor(old);
}

// The File menu's commands (also sent by buttons of some calculators); false
// for any other command.
bool FileCommand(HWND dialog, int command, const Calculator& calculator)
{
    switch (command) {
    case IDM_CALC_OPEN:
        ChooseFile(dialog, calculator, false);
        return true;
    case IDM_CALC_SAVE:
        if (calculator.currentFile[0])
            SaveCalculatorFile(dialog, calculator.currentFile, calculator);
        else
            ChooseFile(dialog, calculator, true);
        return true;
    case IDM_CALC_SAVE_AS:
        ChooseFile(dialog, calculator, true);
        return true;
    case IDM_COPY:
        CopyReport(dialog, calculator.report);
        return true;
    case IDM_CALC_PRINT:
        Print(dialog, calculator);
        return true;
    }
    return false;
}

BOOL OnInitDialog(HWND dialog, const char* path, const Calculator& calculator)
{
    AttachCalculatorMenuBitmaps(GetMenu(dialog));
    if (calculator.notes) {
        SendDlgItemMessageA(dialog, IDC_NOTES, EM_LIMITTEXT, 512, 0);
        SetDlgItemTextA(dialog, IDC_NOTES, calculator.notes);
    }
    if (calculator.prepare)
        calculator.prepare(dialog);
    if (HasDataFile(calculator)) {
        calculator.currentFile[0] = '\0';
        bool loaded = path && *path && LoadCalculatorFile(dialog, path, calculator);
        CreateCalculatorStatusBar(dialog, loaded ? path : nullptr);
    }
    CentreWindow(dialog);
    RegisterTooltipDialog(dialog);
    if (calculator.opened)
        calculator.opened(dialog);
    return TRUE;
}

void OnCommand(HWND dialog, int id, int notification, const Calculator& calculator)
{
    switch (id) {
    case IDM_CALC_CLOSE:
    case IDCANCEL:
        CloseCalculator(dialog, calculator);
        return;
    case IDM_CALC_HELP:
        ShowHelpTopic(dialog, calculator.helpTopic);
        return;
    }
    // Menu items, accelerators and buttons; edits' notifications share
    // their control's id and are the calculator's.
    bool fromMenuOrButton = notification == 0 || notification == 1;
    if (fromMenuOrButton && HasDataFile(calculator) && FileCommand(dialog, id, calculator))
        return;
    if (calculator.command)
        calculator.command(dialog, id, notification);
}

// The calculator's own text, else the one every calculator gives its status
// bar and notes box.
const char* TableTooltip(const Calculator& calculator, int control)
{
    for (size_t i = 0; i < calculator.tooltipCount; ++i)
        if (calculator.tooltips[i].control == control)
            return calculator.tooltips[i].text;
    if (control == IDC_STATUS_BAR && HasDataFile(calculator))
        return "Visualizza il nome del file correntemente selezionato";
    if (control == IDC_NOTES && calculator.notes)
        return "Inserire qui delle note da salvare insieme ai dati";
    return nullptr;
}

BOOL OnNotify(HWND dialog, const NMHDR* header, const Calculator& calculator)
{
    if (IsTooltipRequest(header)) {
        int control = TooltipControl(header);
        const char* text = calculator.tooltip ? calculator.tooltip(control) : nullptr;
        if (!text)
            text = TableTooltip(calculator, control);
        if (text)
            SetTooltipAnswer(header, text);
        return TRUE;
    }
    if (RepaintAfterColumnResize(header))
        return FALSE;
    return calculator.notify ? calculator.notify(dialog, header) : FALSE;
}

void OnDropFiles(HWND dialog, HDROP drop, const Calculator& calculator)
{
    char path[MAX_PATH];
    if (!TakeDroppedFile(drop, calculator.extension, path, sizeof path))
        return;
    bool loaded = LoadCalculatorFile(dialog, path, calculator);
    if (calculator.dropped && (loaded || calculator.droppedEvenIfRefused))
        calculator.dropped(dialog);
}

void OnPaint(HWND dialog, const Calculator& calculator)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    calculator.paint(dialog, dc);
    EndPaint(dialog, &paint);
}

bool IsResult(const Calculator& calculator, int control)
{
    for (const int* result = calculator.results; result && *result; ++result)
        if (*result == control)
            return true;
    return false;
}

// What looks the same in every calculator: owner-drawn list rows and the
// result statics.
INT_PTR SharedLook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const Calculator& calculator)
{
    if (message == WM_CTLCOLORSTATIC)
        return IsResult(calculator, GetDlgCtrlID((HWND)lParam)) ? ColourResult((HDC)wParam) : FALSE;
    return ListDrawMessage(dialog, message, lParam);
}

}  // namespace

bool LoadCalculatorFile(HWND dialog, const char* path, const Calculator& calculator)
{
    if (!IsFileOfType(path, calculator.typeTag))
        return false;
    // The path may be the current file itself.
    char loaded[MAX_PATH];
    snprintf(loaded, sizeof loaded, "%s", path);
    calculator.loadKeys(dialog, loaded);
    if (calculator.notes) {
        char notes[513];
        ReadNotes(notes, sizeof notes, loaded);
        SetDlgItemTextA(dialog, IDC_NOTES, notes);
    }
    snprintf(calculator.currentFile, MAX_PATH, "%s", loaded);
    SetCalculatorStatus(dialog, loaded);
    return true;
}

bool SaveCalculatorFile(HWND dialog, const char* path, const Calculator& calculator)
{
    // "&Salva" passes the current file itself.
    char target[MAX_PATH];
    snprintf(target, sizeof target, "%s", path);
    if (!WriteFileType(target, calculator.typeTag)) {
        ReportSaveFailure(dialog, target);
        return false;
    }
    calculator.saveKeys(dialog, target);
    if (calculator.notes) {
        char notes[513];
        ItemText(dialog, IDC_NOTES, notes, sizeof notes);
        WriteNotes(notes, target);
    }
    snprintf(calculator.currentFile, MAX_PATH, "%s", target);
    SetCalculatorStatus(dialog, target);
    return true;
}

void CloseCalculator(HWND dialog, const Calculator& calculator)
{
    if (calculator.notes)
        ItemText(dialog, IDC_NOTES, calculator.notes, 513);
    if (calculator.remember)
        calculator.remember(dialog);
    EndDialog(dialog, 0);
}

INT_PTR CalculatorProc(const Calculator& calculator, HWND dialog, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (const char*)lParam, calculator);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam), calculator);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        return OnNotify(dialog, (const NMHDR*)lParam, calculator);
    case WM_HELP:
        ContextHelpForControl((const HELPINFO*)lParam, calculator.helpTopics);
        return TRUE;
    case WM_CONTEXTMENU:
        ContextHelpMenu((HWND)wParam, calculator.helpTopics);
        return TRUE;
    case WM_DROPFILES:
        if (HasDataFile(calculator))
            OnDropFiles(dialog, (HDROP)wParam, calculator);
        else
            DragFinish((HDROP)wParam);
        return TRUE;
    case WM_CLOSE:
        CloseCalculator(dialog, calculator);
        return TRUE;
    case WM_PAINT:
        if (!calculator.paint)
            break;
        OnPaint(dialog, calculator);
        return TRUE;
    case WM_DESTROY:
        if (calculator.message)
            calculator.message(dialog, message, wParam, lParam);
        if (calculator.helpFile)
            QuitHelp(dialog, calculator.helpFile);
        return FALSE;
    }
    INT_PTR handled = calculator.message ? calculator.message(dialog, message, wParam, lParam) : FALSE;
    return handled ? handled : SharedLook(dialog, message, wParam, lParam, calculator);
}
