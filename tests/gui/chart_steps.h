#pragma once
// Steps shared by the tests of the chart calculators: the calculator opened
// and confirmed, what the main window's menu, toolbar and chart popup show,
// keys, the "Csv" text split into lines, one calculator's dialog walk of
// validation cases.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "iso1999/evolution.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/shift.h"
#include "resources/resource.h"
#include "shell/chart_view.h"
#include "shell/main_state.h"
#include "tests/gui/harness.h"

namespace chart_steps {

inline HMENU MainMenu()
{
    return GetMenu(gui::MainWindow());
}

inline bool Greyed(int command)
{
    UINT state = GetMenuState(MainMenu(), command, MF_BYCOMMAND);
    return state != (UINT)-1 && (state & MF_GRAYED);
}

inline bool HasItem(int command)
{
    return GetMenuState(MainMenu(), command, MF_BYCOMMAND) != (UINT)-1;
}

inline std::string ItemText(int command)
{
    char text[64] = "";
    GetMenuStringA(MainMenu(), command, text, sizeof text, MF_BYCOMMAND);
    return text;
}

inline bool ButtonHidden(int command)
{
    HWND toolbar = GetDlgItem(gui::MainWindow(), IDC_MAIN_TOOLBAR);
    return SendMessageA(toolbar, TB_ISBUTTONHIDDEN, command, 0) != 0;
}

// Every chart calculator back to its starting inputs, confirmed and chosen.
inline void ResetChartCalculators()
{
    g_shiftState = g_shiftChoices = InitialShiftState();
    g_riskState = g_riskChoices = InitialRiskState();
    g_predictionState = g_predictionChoices = InitialPredictionState();
    g_evolutionState = g_evolutionChoices = InitialEvolutionState();
}

// The main window's key.
inline void Key(WPARAM key)
{
    gui::Perform([key] { SendMessageA(gui::MainWindow(), WM_KEYDOWN, key, 0); });
}

// Back to the report document with the Visualizza menu as the program
// starts it ("&Audiogramma", "&Grafico"), which the threshold-shift views
// give back: the tests after a chart test find the menu they expect.
inline void LeaveChartViews()
{
    gui::RunScript([] {
        gui::Perform([] { EnterChartView(gui::MainWindow(), kViewShifts); });
        gui::MainCommand(IDM_VIEW_DOCUMENT);
    });
}

// The texts of the chart popup of the view shown, "Tutto" last, greyed
// items marked with a leading "~"; empty when there is no popup.
inline std::vector<std::string> PopupTexts()
{
    std::vector<std::string> texts;
    HMENU popup = BuildChartPopup(gui::MainWindow());
    if (!popup)
        return texts;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        UINT id = GetMenuItemID(popup, i);
        if (id == 0)
            continue;
        char text[32] = "";
        GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
        bool greyed = (GetMenuState(popup, i, MF_BYPOSITION) & MF_GRAYED) != 0;
        texts.push_back((greyed ? "~" : "") + std::string(text));
    }
    DestroyMenu(popup);
    return texts;
}

// The calculator of the command confirmed with "&Ok" as it opens.
inline void Calculate(int command, const std::string& title)
{
    gui::MainCommand(command);
    gui::Window dialog = gui::WaitWindow(title);
    dialog.Click(IDOK);
    gui::WaitGone(dialog);
}

// F1 on a control of a dialog (WM_HELP naming it).
inline void HelpOn(const gui::Window& dialog, int id)
{
    gui::Perform([&dialog, id] {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = id;
        info.hItemHandle = dialog.Item(id);
        SendMessageA(dialog.hwnd(), WM_HELP, 0, (LPARAM)&info);
    });
}

// Lines of a "\r\n"-ended text; a last line without its end fails.
inline std::vector<std::string> CsvLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size());
    return lines;
}

// The table view's "Copia" in a chart view just entered.
inline std::string CopiedTable()
{
    gui::RunScript([] { gui::MainCommand(IDM_COPY); });
    return gui::ClipboardCsv();
}

// The dialog of command opened, filled by fill, confirmed with "&Ok": the
// caption of the refusal ("" when accepted; the refused dialog is then
// closed with "&Chiudi") and its text.
struct Outcome {
    std::string caption;
    std::string text;
};

inline Outcome TryOk(int command, const std::string& title,
                     const std::function<void(const gui::Window&)>& fill)
{
    Outcome outcome;
    gui::ClearMessageBoxes();
    gui::RunScript([&] {
        gui::MainCommand(command);
        gui::Window dialog = gui::WaitWindow(title);
        fill(dialog);
        dialog.Click(IDOK);
        if (!gui::MessageBoxes().empty()) {
            gui::Window box = gui::WaitMessageBox();
            outcome.caption = box.Title();
            outcome.text = box.BoxText();
            box.Answer(IDOK);
            EXPECT_TRUE(dialog.Exists());
            dialog.Click(IDCANCEL);
        }
        gui::WaitGone(dialog);
    });
    return outcome;
}

}  // namespace chart_steps
