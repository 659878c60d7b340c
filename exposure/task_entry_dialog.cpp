// "ADD_COMPITO": one task of the uncertainty calculator.

#include <cstdio>
#include <string>
#include <vector>

#include "exposure/task_uncertainty_dialog.h"
#include "exposure/task_uncertainty_state.h"
#include "framework/help.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_TASK_NAME, "Nome del compito"},
    {IDC_TASK_HOURS, "Durata del compito nella giornata, in ore"},
    {IDC_TASK_U1B, "Incertezza tipo della durata, in ore (0 se la durata è certa)"},
    {IDC_TASK_SAMPLES, "Livelli equivalenti LAeq misurati, uno per riga, almeno 3"},
    {IDOK, "Aggiunge / Modifica / Elimina il compito"},
    {IDCANCEL, "Annulla l'operazione e chiude la finestra di dialogo"},
};

const DWORD kPage = 651;
const HelpTopic kHelpTopics[] = {
    {IDC_TASK_NAME, ControlTopic(IDC_TASK_NAME, kPage)},
    {IDC_TASK_HOURS, ControlTopic(IDC_TASK_HOURS, kPage)},
    {IDC_TASK_U1B, ControlTopic(IDC_TASK_U1B, kPage)},
    {IDC_TASK_SAMPLES, ControlTopic(IDC_TASK_SAMPLES, kPage)},
    {IDOK, ControlTopic(IDC_TASK_NAME, 652)},
    {IDCANCEL, ControlTopic(IDC_TASK_NAME, 653)},
    {0, 0},
};

const char kCaption[] = "Compito";
const size_t kSamplesChars = kMaxTaskSamples * (kTaskValueChars + 2);

std::string Text(HWND dialog, int id, size_t chars)
{
    std::vector<char> text(chars + 1);
    ItemText(dialog, id, text.data(), (int)text.size());
    return text.data();
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The lines of the samples box without the blanks around them; empty lines
// are no samples.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        size_t first = line.find_first_not_of(" \t"), last = line.find_last_not_of(" \t");
        if (first != std::string::npos)
            lines.push_back(line.substr(first, last - first + 1));
        start = end + 1;
    }
    return lines;
}

bool Refuse(HWND dialog, int control, const std::string& message)
{
    MessageBoxA(dialog, message.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, control));
    return false;
}

// What a task needs before it joins the list: at least 3 and at most 100
// samples of at most 15 characters, numbers with a decimal point, and what
// the computation itself asks of one task.
bool Acceptable(HWND dialog, const TaskTexts& task)
{
    const std::string name = task.name.empty() ? "senza nome" : task.name;
    if (task.samples.size() > kMaxTaskSamples) {
        char text[96];
        snprintf(text, sizeof text, "Sono ammessi al massimo %d campioni per compito.",
                 (int)kMaxTaskSamples);
        return Refuse(dialog, IDC_TASK_SAMPLES, text);
    }
    for (size_t n = 0; n < task.samples.size(); ++n)
        if (task.samples[n].size() > kTaskValueChars)
            return Refuse(dialog, IDC_TASK_SAMPLES,
                          "Il campione " + std::to_string(n + 1) + " del compito \"" + name +
                              "\" è più lungo di 15 caratteri.");
    const struct {
        const std::string* text;
        int control;
    } kNumbers[] = {{&task.hours, IDC_TASK_HOURS}, {&task.hoursUncertainty, IDC_TASK_U1B}};
    for (const auto& number : kNumbers)
        if (HasDecimalComma(number.text->c_str()))
            return Refuse(dialog, number.control, "Usare il punto come separatore decimale: \"" +
                                                      *number.text + "\".");
    for (const std::string& sample : task.samples)
        if (HasDecimalComma(sample.c_str()))
            return Refuse(dialog, IDC_TASK_SAMPLES,
                          "Usare il punto come separatore decimale: \"" + sample + "\".");
    UncertaintyTexts alone;
    alone.tasks.push_back(task);
    if (alone.tasks[0].name.empty())
        alone.tasks[0].name = name;
    UncertaintyCheck check = AssessUncertainty(alone).check;
    if (check.problem == kInputsComplete)
        return true;
    int control = check.problem == kHoursOutOfRange             ? IDC_TASK_HOURS
                  : check.problem == kHoursUncertaintyOutOfRange ? IDC_TASK_U1B
                                                                 : IDC_TASK_SAMPLES;
    return Refuse(dialog, control, UncertaintyMessage(check, alone));
}

BOOL OnInitDialog(HWND dialog, int mode)
{
    SetWindowLongPtrA(dialog, DWLP_USER, mode);
    RegisterTooltipDialog(dialog);
    static const char* const kTitles[] = {"Aggiungi", "Modifica", "Elimina"};
    const char* title = kTitles[(mode >= kTaskAdd && mode <= kTaskDelete ? mode : kTaskAdd) - 1];
    SetWindowTextA(dialog, title);
    SetDlgItemTextA(dialog, IDOK, title);
    SendDlgItemMessageA(dialog, IDC_TASK_NAME, EM_LIMITTEXT, kTaskNameChars, 0);
    SendDlgItemMessageA(dialog, IDC_TASK_HOURS, EM_LIMITTEXT, kTaskValueChars, 0);
    SendDlgItemMessageA(dialog, IDC_TASK_U1B, EM_LIMITTEXT, kTaskValueChars, 0);
    SendDlgItemMessageA(dialog, IDC_TASK_SAMPLES, EM_LIMITTEXT, kSamplesChars, 0);
    const TaskTexts& entry = g_uncertaintyMemory.entry;
    SetDlgItemTextA(dialog, IDC_TASK_NAME, entry.name.c_str());
    SetDlgItemTextA(dialog, IDC_TASK_HOURS, entry.hours.c_str());
    SetDlgItemTextA(dialog, IDC_TASK_U1B, entry.hoursUncertainty.c_str());
    SetDlgItemTextA(dialog, IDC_TASK_SAMPLES, JoinLines(entry.samples).c_str());
    SetFocus(GetDlgItem(dialog, IDC_TASK_NAME));
    SendDlgItemMessageA(dialog, IDC_TASK_NAME, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
}

void OnConfirm(HWND dialog)
{
    TaskTexts task;
    task.name = Text(dialog, IDC_TASK_NAME, kTaskNameChars);
    task.hours = Text(dialog, IDC_TASK_HOURS, kTaskValueChars);
    task.hoursUncertainty = Text(dialog, IDC_TASK_U1B, kTaskValueChars);
    task.samples = SplitLines(Text(dialog, IDC_TASK_SAMPLES, kSamplesChars));
    if (GetWindowLongPtrA(dialog, DWLP_USER) == kTaskDelete) {
        if (!ConfirmDeletion(dialog))
            return;
    } else if (!Acceptable(dialog, task)) {
        return;
    }
    g_uncertaintyMemory.entry = task;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK TaskEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (AnswerDialogHelp(message, wParam, lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0],
                         kHelpTopics))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (int)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            OnConfirm(dialog);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
