#include "exposure/task_uncertainty_dialog.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "exposure/task_uncertainty_file.h"
#include "exposure/task_uncertainty_io.h"
#include "exposure/task_uncertainty_state.h"
#include "framework/calculator_dialog.h"
#include "framework/help.h"
#include "framework/list_draw.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_LIN_LIST, "Compiti della giornata con i loro risultati"},
    {IDC_LIN_ADD, "Aggiunge un compito con la sua durata e i suoi campioni"},
    {IDC_LIN_MODIFY, "Modifica il compito selezionato"},
    {IDC_LIN_DELETE, "Elimina il compito selezionato"},
    {IDC_LIN_CLASS1, "Fonometro o dosimetro di classe 1: u2 = 0.7 dB"},
    {IDC_LIN_CLASS2, "Fonometro o dosimetro di classe 2: u2 = 1.5 dB"},
    {IDC_LIN_PEAK, "Livello di picco ponderato C più alto misurato, in dB(C)"},
    {IDC_LIN_DUTIES, "Obblighi del datore di lavoro per ciascuna classe, con gli articoli del decreto"},
};

const DWORD kPage = 650;
const HelpTopic kHelpTopics[] = {
    {IDC_LIN_LIST, ControlTopic(IDC_LIN_LIST, kPage)},
    {IDC_LIN_ADD, ControlTopic(IDC_LIN_ADD, kPage)},
    {IDC_LIN_MODIFY, ControlTopic(IDC_LIN_MODIFY, kPage)},
    {IDC_LIN_DELETE, ControlTopic(IDC_LIN_DELETE, kPage)},
    {IDC_LIN_NOTE, ControlTopic(IDC_LIN_NOTE, kPage)},
    {IDC_LIN_CLASS1, ControlTopic(IDC_LIN_CLASS1, kPage)},
    {IDC_LIN_CLASS2, ControlTopic(IDC_LIN_CLASS2, kPage)},
    {IDC_LIN_PEAK, ControlTopic(IDC_LIN_PEAK, kPage)},
    {IDC_LIN_LEX, ControlTopic(IDC_LIN_LEX, kPage)},
    {IDC_LIN_U, ControlTopic(IDC_LIN_U, kPage)},
    {IDC_LIN_EXPANDED, ControlTopic(IDC_LIN_EXPANDED, kPage)},
    {IDC_LIN_CAUTIOUS, ControlTopic(IDC_LIN_CAUTIOUS, kPage)},
    {IDC_LIN_LEX_CLASS, ControlTopic(IDC_LIN_LEX_CLASS, kPage)},
    {IDC_LIN_CAUTIOUS_CLASS, ControlTopic(IDC_LIN_CAUTIOUS_CLASS, kPage)},
    {IDC_LIN_PEAK_CLASS, ControlTopic(IDC_LIN_PEAK_CLASS, kPage)},
    {IDC_LIN_DUTIES, ControlTopic(IDC_LIN_DUTIES, kPage)},
    {IDC_NOTES, ControlTopic(IDC_NOTES, kPage)},
    {IDC_STATUS_BAR, ControlTopic(IDC_STATUS_HELP_ID, 111)},
    {0, 0},
};

const DWORD kDialogHelpTopic = 100140;

enum Column { kName, kHours, kHoursUncertainty, kCount, kLaeq, kLex, kU1a, kShare, kColumns };

// Set while the dialog is being prepared (the first computation comes once
// everything is in place) and while inputs are being shown (their controls'
// notifications are not the user's changes).
bool g_preparing = false;
bool g_showing = false;

HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_LIN_LIST);
}

void CreateColumns(HWND dialog)
{
    static const struct {
        const char* title;
        int width;  // in hundredths of the list
    } kHeads[kColumns] = {{"Compito", 20}, {"T (h)", 7},           {"u1b (h)", 9}, {"N", 5},
                          {"LAeq,T (dBA)", 15}, {"Lex,8h,m (dBA)", 17}, {"u1a (dB)", 11},
                          {"Quota u² (%)", 15}};
    RECT client;
    GetClientRect(List(dialog), &client);
    for (int i = 0; i < kColumns; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = client.right * kHeads[i].width / 100;
        column.pszText = (LPSTR)kHeads[i].title;
        column.iSubItem = i;
        SendMessageA(List(dialog), LVM_INSERTCOLUMNA, i, (LPARAM)&column);
    }
}

void SetCell(HWND dialog, int row, int column, const std::string& text)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = (LPSTR)text.c_str();
    SendMessageA(List(dialog), LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

int SelectedTask(HWND dialog)
{
    int row = SelectedListRow(dialog, IDC_LIN_LIST);
    return row < (int)g_uncertaintyMemory.inputs.tasks.size() ? row : -1;
}

void ShowTaskRows(HWND dialog)
{
    HWND list = List(dialog);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<TaskTexts>& tasks = g_uncertaintyMemory.inputs.tasks;
    for (int m = 0; m < (int)tasks.size(); ++m) {
        InsertListRow(list, m, tasks[m].name.c_str());
        SetCell(dialog, m, kHours, tasks[m].hours);
        SetCell(dialog, m, kHoursUncertainty, tasks[m].hoursUncertainty);
        SetCell(dialog, m, kCount, std::to_string(tasks[m].samples.size()));
    }
}

// The task results in the list, the results, the classes and the duties;
// all empty where the assessment has none.
void ShowAssessment(HWND dialog, const UncertaintyAssessment& a)
{
    const bool computed = a.check.problem == kInputsComplete;
    for (int m = 0; m < (int)g_uncertaintyMemory.inputs.tasks.size(); ++m) {
        std::string cells[kColumns];
        if (computed) {
            const TaskOutcome& t = a.outcome.tasks[m];
            char share[16];
            snprintf(share, sizeof share, "%.0f", t.share * 100.0);
            cells[kLaeq] = OneDecimal(t.laeq);
            cells[kLex] = OneDecimal(t.lex);
            cells[kU1a] = OneDecimal(t.u1a) + (t.wideSpread ? " *" : "");
            cells[kShare] = share;
        }
        for (int column = kLaeq; column < kColumns; ++column)
            SetCell(dialog, m, column, cells[column]);
    }
    const struct {
        int control;
        double value;
    } results[] = {{IDC_LIN_LEX, a.outcome.lex},
                   {IDC_LIN_U, a.outcome.u},
                   {IDC_LIN_EXPANDED, a.outcome.expanded},
                   {IDC_LIN_CAUTIOUS, a.cautious}};
    for (const auto& result : results)
        SetDlgItemTextA(dialog, result.control, computed ? OneDecimal(result.value).c_str() : "");
    SetDlgItemTextA(dialog, IDC_LIN_LEX_CLASS, computed ? ClassName(a.lexClass) : "");
    SetDlgItemTextA(dialog, IDC_LIN_CAUTIOUS_CLASS, computed ? ClassName(a.cautiousClass) : "");
    const char* peak = !a.peak.given ? ""
                       : a.peak.valid ? ClassName(a.peakClass)
                                      : "Valore non valido: un livello da 0 a 250 dB(C)";
    SetDlgItemTextA(dialog, IDC_LIN_PEAK_CLASS, peak);
    SetDlgItemTextA(dialog, IDC_LIN_DUTIES, DutiesText(a).c_str());
    const std::string note = computed ? SpreadNote(g_uncertaintyMemory.inputs, a)
                                      : UncertaintyMessage(a.check, g_uncertaintyMemory.inputs);
    SetDlgItemTextA(dialog, IDC_LIN_NOTE, note.c_str());
}

// Computes; tell: a message box when the tasks cannot be computed (after a
// change of the tasks, not of the class or the peak, which cannot mend them).
void Compute(HWND dialog, bool tell)
{
    const UncertaintyTexts& in = UncertaintyInputs(dialog);
    UncertaintyAssessment a = AssessUncertainty(in);
    ShowAssessment(dialog, a);
    if (tell && a.check.problem != kInputsComplete && a.check.problem != kNoTasks)
        MessageBoxA(dialog, UncertaintyMessage(a.check, in).c_str(), "Incertezza e classe",
                    MB_OK | MB_ICONEXCLAMATION);
}

bool RunTaskDialog(HWND dialog, TaskEntryMode mode)
{
    INT_PTR result = DialogBoxParamA(ResourceInstance(), "ADD_COMPITO", dialog, TaskEntryProc, mode);
    RegisterTooltipDialog(dialog);
    return result == IDOK;
}

void OnAdd(HWND dialog)
{
    std::vector<TaskTexts>& tasks = g_uncertaintyMemory.inputs.tasks;
    if (tasks.size() >= kMaxTasks) {
        char text[64];
        snprintf(text, sizeof text, "Sono ammessi al massimo %d compiti.", (int)kMaxTasks);
        MessageBoxA(dialog, text, "Aggiungi", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!RunTaskDialog(dialog, kTaskAdd))
        return;
    tasks.push_back(g_uncertaintyMemory.entry);
    ShowTaskRows(dialog);
    Compute(dialog, true);
}

// Copies the selected task into the entry; false (after the message) when
// none is selected.
bool TakeSelectedTask(HWND dialog, const char* caption, int* task)
{
    *task = SelectedTask(dialog);
    if (*task < 0) {
        MessageBoxA(dialog, "Attenzione! Nessun dato selezionato.", caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    g_uncertaintyMemory.entry = g_uncertaintyMemory.inputs.tasks[*task];
    return true;
}

void OnModify(HWND dialog)
{
    int task;
    if (!TakeSelectedTask(dialog, "Modifica", &task) || !RunTaskDialog(dialog, kTaskModify))
        return;
    g_uncertaintyMemory.inputs.tasks[task] = g_uncertaintyMemory.entry;
    ShowTaskRows(dialog);
    Compute(dialog, true);
}

void OnDelete(HWND dialog)
{
    int task;
    if (!TakeSelectedTask(dialog, "Elimina", &task) || !RunTaskDialog(dialog, kTaskDelete))
        return;
    std::vector<TaskTexts>& tasks = g_uncertaintyMemory.inputs.tasks;
    tasks.erase(tasks.begin() + task);
    ShowTaskRows(dialog);
    Compute(dialog, true);
}

void Prepare(HWND dialog)
{
    g_preparing = true;
    CreateColumns(dialog);
    SendDlgItemMessageA(dialog, IDC_LIN_PEAK, EM_LIMITTEXT, kTaskValueChars, 0);
    ShowUncertaintyInputs(dialog);
}

void Opened(HWND dialog)
{
    g_preparing = false;
    Compute(dialog, true);
}

void Remember(HWND dialog)
{
    UncertaintyInputs(dialog);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_LIN_ADD:
        OnAdd(dialog);
        break;
    case IDC_LIN_MODIFY:
        OnModify(dialog);
        break;
    case IDC_LIN_DELETE:
        OnDelete(dialog);
        break;
    case IDC_LIN_CLASS1:
    case IDC_LIN_CLASS2:
        if (notification == BN_CLICKED && !g_preparing && !g_showing)
            Compute(dialog, false);
        break;
    case IDC_LIN_PEAK:
        if (notification == EN_CHANGE && !g_preparing && !g_showing)
            Compute(dialog, false);
        break;
    }
}

BOOL OnNotify(HWND dialog, const NMHDR* header)
{
    return ListRowNotify(dialog, header, IDC_LIN_LIST, OnModify);
}

INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The note is a warning: red on the dialog's colour.
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID((HWND)lParam) == IDC_LIN_NOTE) {
        SetTextColor((HDC)wParam, RGB(192, 0, 0));
        SetBkMode((HDC)wParam, TRANSPARENT);
        return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
    }
    (void)dialog;
    return FALSE;
}

const int kResults[] = {IDC_LIN_LEX, IDC_LIN_U, IDC_LIN_EXPANDED, IDC_LIN_CAUTIOUS,
                        IDC_LIN_LEX_CLASS, IDC_LIN_CAUTIOUS_CLASS, IDC_LIN_PEAK_CLASS, 0};

const Calculator kUncertainty = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, kDialogHelpTopic,
    nullptr, g_uncertaintyMemory.notes,
    kUncertaintyTag, IDS_FILTER_LIN, ".lin", g_uncertaintyMemory.currentFile,
    SaveUncertaintyKeys, LoadUncertaintyKeys, BuildUncertaintyReport, PrintUncertainty,
    Prepare, Opened, nullptr, Remember,
    OnCommand, OnNotify, OnMessage, nullptr, kResults,
};

}  // namespace

const UncertaintyTexts& UncertaintyInputs(HWND dialog)
{
    UncertaintyTexts& in = g_uncertaintyMemory.inputs;
    in.instrumentClass = IsDlgButtonChecked(dialog, IDC_LIN_CLASS2) == BST_CHECKED ? 2 : 1;
    char peak[kTaskValueChars + 1];
    ItemText(dialog, IDC_LIN_PEAK, peak, sizeof peak);
    in.peak = peak;
    return in;
}

void ShowUncertaintyInputs(HWND dialog)
{
    g_showing = true;
    const UncertaintyTexts& in = g_uncertaintyMemory.inputs;
    ShowTaskRows(dialog);
    CheckRadioButton(dialog, IDC_LIN_CLASS1, IDC_LIN_CLASS2,
                     in.instrumentClass == 2 ? IDC_LIN_CLASS2 : IDC_LIN_CLASS1);
    SetDlgItemTextA(dialog, IDC_LIN_PEAK, in.peak.c_str());
    g_showing = false;
    if (!g_preparing)
        Compute(dialog, true);
}

void ComputeUncertaintyDialog(HWND dialog)
{
    Compute(dialog, true);
}

INT_PTR CALLBACK UncertaintyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kUncertainty, dialog, message, wParam, lParam);
}
