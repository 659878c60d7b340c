// The chart views of the main window after the threshold-shift calculator:
// view states, the Visualizza items and toolbar buttons, the popup menu,
// keys, the selection rectangle, "Copia" in Tabella and the printed view.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/printing.h"
#include "framework/report_text.h"
#include "iso1999/curve_selection.h"
#include "iso1999/risk_views.h"
#include "iso1999/shift.h"
#include "resources/resource.h"
#include "shell/chart_selection.h"
#include "shell/chart_view.h"
#include "shell/main_state.h"
#include "tests/gui/chart_steps.h"
#include "tests/gui/dib_canvas.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"

using gui::Window;

namespace {

HWND Main()
{
    return gui::MainWindow();
}

HMENU Menu()
{
    return GetMenu(Main());
}

HWND Toolbar()
{
    return GetDlgItem(Main(), IDC_MAIN_TOOLBAR);
}

bool Greyed(int command)
{
    UINT state = GetMenuState(Menu(), command, MF_BYCOMMAND);
    return state != (UINT)-1 && (state & MF_GRAYED);
}

bool HasItem(int command)
{
    return GetMenuState(Menu(), command, MF_BYCOMMAND) != (UINT)-1;
}

std::string ItemText(int command)
{
    char text[64] = "";
    GetMenuStringA(Menu(), command, text, sizeof text, MF_BYCOMMAND);
    return text;
}

bool ButtonEnabled(int command)
{
    return SendMessageA(Toolbar(), TB_ISBUTTONENABLED, command, 0) != 0;
}

bool ButtonChecked(int command)
{
    return SendMessageA(Toolbar(), TB_ISBUTTONCHECKED, command, 0) != 0;
}

bool ButtonHidden(int command)
{
    return SendMessageA(Toolbar(), TB_ISBUTTONHIDDEN, command, 0) != 0;
}

// One of the three calculator commands, confirmed with "&Ok" as it stands.
void Calculate(int command)
{
    gui::MainCommand(command);
    Window dialog = gui::WaitWindow("Previsioni ISO 1999/90");
    dialog.Click(IDOK);
    gui::WaitGone(dialog);
}

void Key(WPARAM key)
{
    gui::Perform([key] { SendMessageA(Main(), WM_KEYDOWN, key, 0); });
}

void Mouse(UINT message, WPARAM keys, int x, int y)
{
    gui::Perform([=] { SendMessageA(Main(), message, keys, MAKELPARAM(x, y)); });
}

struct PopupItem {
    int id;  // 0 for the separator
    std::string text;
    bool greyed;
    bool operator==(const PopupItem& o) const { return id == o.id && text == o.text && greyed == o.greyed; }
};

void PrintTo(const PopupItem& item, std::ostream* out)
{
    *out << "{" << item.id << ", \"" << item.text << "\", " << item.greyed << "}";
}

std::vector<std::vector<PopupItem>> s_popups;

void RecordPopup(HWND, HMENU menu, POINT)
{
    std::vector<PopupItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[32] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        UINT id = GetMenuItemID(menu, i);
        bool greyed = id != 0 && (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0;
        items.push_back({(int)id, text, greyed});
    }
    s_popups.push_back(items);
}

std::vector<PopupItem> Popup(const std::vector<std::string>& names, int greyed)
{
    std::vector<PopupItem> items;
    for (size_t i = 0; i < names.size(); ++i)
        items.push_back({900 + (int)i, names[i], greyed == (int)i});
    items.push_back({0, "", false});
    items.push_back({899, "Tutto", greyed == -1});
    return items;
}

const std::vector<std::string> kGraphCurves = {" 500 Hz", "1000 Hz", "2000 Hz", "3000 Hz", "4000 Hz", "6000 Hz"};
const std::vector<std::string> kAudiogramCurves = {" 5%", "20%", "35%", "50%", "65%", "80%", "95%"};

class ChartView : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = g_shiftState;
        s_popups.clear();
        SetPopupTracker(RecordPopup);
        gui::ClearMessageBoxes();
    }
    void TearDown() override
    {
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
        SetPopupTracker(nullptr);
        SelectCurve(kAllCurves);
        ClearChartSelection();
        g_shiftState = g_shiftChoices = saved_;
        SetPrintComment("");
    }
    ShiftState saved_;
};

TEST_F(ChartView, EachCommandShowsTheTableFirstAndTheViewsFollowTheirItems)
{
    const int kCommands[] = {IDM_NIPTS, IDM_HTLA, IDM_HTLAN};
    for (int command : kCommands) {
        SCOPED_TRACE(command);
        gui::RunScript([command] { Calculate(command); });
        HWND main = Main();
        EXPECT_EQ(g_main.viewState, kViewShifts);
        EXPECT_TRUE(IsZoomed(main));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_REPORT_DOCUMENT)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_FORMAT_TOOLBAR)));
        EXPECT_FALSE(GetMenuState(Menu(), 2, MF_BYPOSITION) & MF_GRAYED);
        EXPECT_TRUE(Greyed(IDM_SAVE));
        EXPECT_TRUE(Greyed(IDM_CUT));
        EXPECT_FALSE(Greyed(IDM_COPY));
        // Tabella first
        EXPECT_TRUE(Greyed(IDM_VIEW_TABLE));
        EXPECT_FALSE(Greyed(IDM_VIEW_GRAPH));
        EXPECT_FALSE(Greyed(IDM_VIEW_AUDIOGRAM));
        EXPECT_EQ(ItemText(IDM_VIEW_AUDIOGRAM), "&Audiogramma");
        EXPECT_EQ(ItemText(IDM_VIEW_GRAPH), "&Grafico");
        EXPECT_EQ(ItemText(IDM_VIEW_TABLE), "&Tabella");
        for (int button : {IDM_VIEW_TABLE, IDM_VIEW_GRAPH, IDM_VIEW_AUDIOGRAM, IDM_VIEW_DOCUMENT})
            EXPECT_FALSE(ButtonHidden(button)) << button;
        EXPECT_FALSE(ButtonEnabled(IDM_VIEW_TABLE));
        EXPECT_TRUE(ButtonChecked(IDM_VIEW_TABLE));
        EXPECT_TRUE(ButtonEnabled(IDM_VIEW_GRAPH));
        EXPECT_TRUE(ButtonEnabled(IDM_VIEW_AUDIOGRAM));
        EXPECT_TRUE(ChartTableFlag());
        int index = -1;
        EXPECT_EQ(GetViewPainter(g_main.viewState, Menu(), &index) != nullptr, true);
        EXPECT_EQ(index, 0);
        EXPECT_STREQ(ChartJobName(index), "Tabella");

        struct Step {
            int command;
            int index;
            const char* job;
        } steps[] = {{IDM_VIEW_GRAPH, 1, "Grafico"},
                     {IDM_VIEW_AUDIOGRAM, 2, "Audiogramma"},
                     {IDM_VIEW_TABLE, 0, "Tabella"}};
        for (const Step& step : steps) {
            gui::RunScript([&] { gui::MainCommand(step.command); });
            for (int other : {IDM_VIEW_TABLE, IDM_VIEW_GRAPH, IDM_VIEW_AUDIOGRAM}) {
                bool chosen = other == step.command;
                EXPECT_EQ(Greyed(other), chosen) << step.command << " " << other;
                EXPECT_EQ(ButtonEnabled(other), !chosen) << step.command << " " << other;
                EXPECT_EQ(ButtonChecked(other), chosen) << step.command << " " << other;
            }
            EXPECT_EQ(ChartTableFlag(), step.command == IDM_VIEW_TABLE);
            EXPECT_NE(GetViewPainter(g_main.viewState, Menu(), &index), nullptr);
            EXPECT_EQ(index, step.index);
            EXPECT_STREQ(ChartJobName(index), step.job);
        }

        // Back to the document: normal size, document mode.
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
        EXPECT_EQ(g_main.viewState, kViewDocument);
        EXPECT_FALSE(IsZoomed(main));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_REPORT_DOCUMENT)));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_FORMAT_TOOLBAR)));
        EXPECT_TRUE(GetMenuState(Menu(), 2, MF_BYPOSITION) & MF_GRAYED);
        EXPECT_FALSE(Greyed(IDM_SAVE));
        for (int button : {IDM_VIEW_TABLE, IDM_VIEW_GRAPH, IDM_VIEW_AUDIOGRAM, IDM_VIEW_DOCUMENT})
            EXPECT_TRUE(ButtonHidden(button)) << button;
        EXPECT_EQ(GetViewPainter(g_main.viewState, Menu(), &index), nullptr);
    }
}

// What the user gets of the chart state shown, with a curve chosen in its
// graph: "Copia" in Tabella, the graph's picture and its printout.
struct Seen {
    std::string copied;
    std::vector<uint32_t> picture;
    std::string printed;
};

Seen WhatTheViewsGive()
{
    Seen seen;
    gui::RunScript([] { gui::MainCommand(IDM_VIEW_TABLE); });
    seen.copied = chart_steps::CopiedTable();
    gui::RunScript([&seen] {
        gui::MainCommand(IDM_VIEW_GRAPH);
        gui::Canvas canvas(800, 600, RGB(255, 255, 255), "Courier New", -12);
        RECT area = {0, 0, 800, 600};
        GetViewPainter(g_main.viewState, Menu(), nullptr)(canvas.dc(), &area);
        seen.picture = canvas.Picture();
        gui::ForgetPrintJob();
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDC_NO_COMMENT);
        gui::WaitGone(comment);
    });
    seen.printed = gui::PrintedText();
    return seen;
}

// Each chart calculator with every choice changed and a refused "&Ok", then
// closed with "&Chiudi", Esc or the close box.
struct Cancelled {
    int command;
    const char* title;
    std::function<void(const Window&)> change;
    std::function<void(const Window&)> close;
};

const Cancelled kCancelled[] = {
    {IDM_NIPTS, "Previsioni ISO 1999/90",
     [](const Window& d) {
         for (int id : {IDC_SHIFT_HTLAN, IDC_SHIFT_TABLE_BIO, IDC_SHIFT_SEX_FEMALE})
             d.Click(id);
         d.SetText(IDC_SHIFT_YEARS, "20");
         d.SetText(IDC_SHIFT_LEVEL, "95");
         d.SetText(IDC_SHIFT_AGE, "30");
     },
     [](const Window& d) { d.Click(IDCANCEL); }},
    {IDM_RISK, "Rischio di danno uditivo",
     [](const Window& d) {
         d.Select(IDC_RISK_CRITERION, 4);
         d.Click(IDC_ISO_SEX_FEMALE);
         d.SetText(IDC_ISO_YEARS, "20");
         d.SetText(IDC_ISO_AGE, "30");
     },
     [](const Window& d) { d.Key(VK_ESCAPE); }},
    {IDM_PREDICTIONS, "Previsioni ISO 1999/90",
     [](const Window& d) {
         d.Select(IDC_ISO_FRACTILE, 18);
         d.Select(IDC_ISO_FREQUENCY, 0);
         d.SetText(IDC_ISO_LEVEL, "95");
     },
     [](const Window& d) { d.Close(); }},
    {IDM_EVOLUTION, "Previsioni ISO 1999/90",
     [](const Window& d) {
         d.Select(IDC_ISO_FRACTILE, 16);
         d.Click(IDC_ISO_TABLE_OLD);
         d.Click(IDC_ISO_SEX_FEMALE);
         d.SetText(IDC_ISO_LEVEL, "101");
     },
     [](const Window& d) { d.Click(IDCANCEL); }},
};

TEST_F(ChartView, ACancelledCalculatorLeavesEveryViewAsItWas)
{
    chart_steps::ResetChartCalculators();
    for (const Cancelled& shown : kCancelled) {
        SCOPED_TRACE(shown.command);
        gui::RunScript([&shown] {
            chart_steps::Calculate(shown.command == IDM_NIPTS ? IDM_HTLAN : shown.command, shown.title);
            gui::MainCommand(IDM_VIEW_GRAPH);
            Key('2');
        });
        Seen before = WhatTheViewsGive();
        int state = g_main.viewState;
        for (const Cancelled& c : kCancelled) {
            SCOPED_TRACE(c.command);
            gui::RunScript([&c] {
                gui::MainCommand(c.command);
                Window dialog = gui::WaitWindow(c.title);
                c.change(dialog);
                dialog.Click(IDOK);
                gui::WaitMessageBox().Answer(IDOK);
                c.close(dialog);
                gui::WaitGone(dialog);
            });
        }
        EXPECT_EQ(g_main.viewState, state);
        EXPECT_TRUE(Greyed(IDM_VIEW_GRAPH));
        EXPECT_EQ(SelectedCurve(), 1);
        Seen after = WhatTheViewsGive();
        EXPECT_EQ(after.copied, before.copied);
        EXPECT_TRUE(after.picture == before.picture);
        EXPECT_EQ(after.printed, before.printed);
        EXPECT_NE(before.printed, "");
        chart_steps::ResetChartCalculators();
    }
}

TEST_F(ChartView, TheThirdViewGoesWithAChartWithoutItAndComesBack)
{
    // A chart state without a third view (the risk): no "Audiogramma".
    gui::RunScript([] { gui::Perform([] { EnterChartView(Main(), kViewRisk); }); });
    EXPECT_FALSE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_TRUE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_FALSE(ButtonHidden(IDM_VIEW_GRAPH));
    EXPECT_EQ(ItemText(IDM_VIEW_GRAPH), "&Grafico");
    int index = -1;
    EXPECT_EQ(GetViewPainter(kViewRisk, Menu(), &index), DrawRiskTable);
    EXPECT_EQ(index, 9);
    // Its command does nothing there: Tabella stays the view shown.
    gui::RunScript([] { gui::MainCommand(IDM_VIEW_AUDIOGRAM); });
    EXPECT_TRUE(Greyed(IDM_VIEW_TABLE));
    EXPECT_TRUE(ChartTableFlag());

    gui::RunScript([] { Calculate(IDM_NIPTS); });
    ASSERT_TRUE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_FALSE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_EQ(ItemText(IDM_VIEW_AUDIOGRAM), "&Audiogramma");
    EXPECT_FALSE(Greyed(IDM_VIEW_AUDIOGRAM));
    // Back where it was: before "&Grafico", as in the resource.
    HMENU view = GetSubMenu(Menu(), 2);
    EXPECT_EQ(GetMenuItemID(view, 0), (UINT)IDM_VIEW_AUDIOGRAM);
    EXPECT_EQ(GetMenuItemID(view, 1), (UINT)IDM_VIEW_GRAPH);
    EXPECT_EQ(GetMenuItemCount(view), 5);
}

TEST_F(ChartView, PopupItemsKeysAndTheCurrentCurve)
{
    gui::RunScript([] {
        Calculate(IDM_HTLAN);
        // Tabella: no popup, digits ignored.
        Mouse(WM_RBUTTONUP, 0, 300, 300);
        Key(VK_F8);
        Key('3');
        EXPECT_TRUE(s_popups.empty());
        EXPECT_EQ(SelectedCurve(), -1);

        gui::MainCommand(IDM_VIEW_GRAPH);
        Mouse(WM_RBUTTONUP, 0, 300, 300);
        ASSERT_EQ(s_popups.size(), 1u);
        EXPECT_EQ(s_popups[0], Popup(kGraphCurves, -1));
        Key('7');  // the graph has six curves
        EXPECT_EQ(SelectedCurve(), -1);
        Key('3');
        EXPECT_EQ(SelectedCurve(), 2);
        Key(VK_F8);
        ASSERT_EQ(s_popups.size(), 2u);
        EXPECT_EQ(s_popups[1], Popup(kGraphCurves, 2));
        gui::MainCommand(IDM_CURVE_ALL);
        EXPECT_EQ(SelectedCurve(), -1);
        gui::MainCommand(IDM_CURVE_FIRST + 5);
        EXPECT_EQ(SelectedCurve(), 5);
        Key(VK_NUMPAD0);
        EXPECT_EQ(SelectedCurve(), -1);

        gui::MainCommand(IDM_VIEW_AUDIOGRAM);
        Key('7');
        EXPECT_EQ(SelectedCurve(), 6);
        Mouse(WM_RBUTTONUP, 0, 10, 400);
        ASSERT_EQ(s_popups.size(), 3u);
        EXPECT_EQ(s_popups[2], Popup(kAudiogramCurves, 6));
        // The table does not read the curve; the graph has no seventh.
        gui::MainCommand(IDM_VIEW_TABLE);
        EXPECT_EQ(SelectedCurve(), 6);
        gui::MainCommand(IDM_VIEW_GRAPH);
        EXPECT_EQ(SelectedCurve(), -1);
        gui::MainCommand(IDM_VIEW_AUDIOGRAM);
        Key('4');
        gui::MainCommand(IDM_VIEW_GRAPH);
        EXPECT_EQ(SelectedCurve(), 3);

        // Esc goes back to the document, where there is no popup.
        Key(VK_ESCAPE);
        EXPECT_EQ(g_main.viewState, kViewDocument);
        Key(VK_F8);
        Mouse(WM_RBUTTONUP, 0, 300, 300);
        EXPECT_EQ(s_popups.size(), 3u);
    });
    // A new calculation shows every curve again.
    gui::RunScript([] { Calculate(IDM_HTLAN); });
    EXPECT_EQ(SelectedCurve(), -1);
}

TEST_F(ChartView, HelpKeyOpensTheTopicOfTheChartViews)
{
    gui::RunScript([] {
        Calculate(IDM_NIPTS);
        gui::ClearHelpCalls();
        // F1 reaches the window as WM_KEYF1, which the system turns into WM_HELP.
        gui::Perform([] { SendMessageA(Main(), 0x004D /* WM_KEYF1 */, 0, 0); });
    });
    ASSERT_EQ(gui::HelpCalls().size(), 1u);
    EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(gui::HelpCalls()[0].data, 200000u + IDM_VIEW_TABLE);
}

TEST_F(ChartView, SelectionRectangleDrawnMovedAndEmptied)
{
    gui::RunScript([] {
        Calculate(IDM_HTLAN);
        gui::MainCommand(IDM_VIEW_GRAPH);
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 300, 220);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, 200, 180);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, 100, 120);
        Mouse(WM_LBUTTONUP, 0, 100, 120);
        RECT r = ChartSelection();
        EXPECT_EQ(r.left, 100);
        EXPECT_EQ(r.top, 120);
        EXPECT_EQ(r.right, 300);
        EXPECT_EQ(r.bottom, 220);

        // Taken at a corner (within a pixel) the opposite corner stays.
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 101, 119);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, 50, 80);
        Mouse(WM_LBUTTONUP, 0, 50, 80);
        r = ChartSelection();
        EXPECT_EQ(r.left, 50);
        EXPECT_EQ(r.top, 80);
        EXPECT_EQ(r.right, 300);
        EXPECT_EQ(r.bottom, 220);

        // Moving without the button changes nothing.
        Mouse(WM_MOUSEMOVE, 0, 600, 500);
        EXPECT_EQ(ChartSelection().right, 300);

        // A size change empties it; a click elsewhere starts a new one.
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 400, 400);
        Mouse(WM_LBUTTONUP, 0, 400, 400);
        r = ChartSelection();
        EXPECT_EQ(r.left, 400);
        EXPECT_EQ(r.right, 400);
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 400, 400);
        Mouse(WM_LBUTTONUP, 0, 500, 450);
        EXPECT_EQ(ChartSelection().right, 500);
        gui::Perform([] { SendMessageA(Main(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600)); });
        r = ChartSelection();
        EXPECT_FALSE(r.right > r.left && r.bottom > r.top);
    });
}

using chart_steps::CsvLines;

TEST_F(ChartView, CopyInTabellaPutsTheTableOnTheClipboard)
{
    g_shiftState = InitialShiftState();
    gui::RunScript([] { Calculate(IDM_HTLAN); });
    gui::RunScript([] { gui::MainCommand(IDM_COPY); });
    std::string csv = gui::ClipboardCsv();
    std::vector<std::string> lines = CsvLines(csv);
    ASSERT_EQ(lines.size(), 7u + 19u);
    EXPECT_EQ(lines[0], "HTLAN - Hearing Threshold Level associated with Age and Noise;;;;;;;");
    EXPECT_EQ(lines[1], "Anni di esposizione:;;; 35;;;;");
    EXPECT_EQ(lines[2], "Leq:;;;90,0; dBA;;;;");
    EXPECT_EQ(lines[3], "Età:;;; 60;;;;");
    EXPECT_EQ(lines[4], "Sesso:;;;M;;;;");
    EXPECT_EQ(lines[5], "Tabella: Nuova;;;;;;;");
    // 10 %: 4000 Hz 55.02 + 19.76 - 55.02 x 19.76 / 120 = 65.72 dB; the
    // damage 13.7 % reaches 11 %; 15 %: 10.1 % does not.
    EXPECT_EQ(lines[6], "q (%);500 Hz;1000 Hz;2000 Hz;3000 Hz;4000 Hz;6000 Hz;Danno (%)");
    EXPECT_EQ(lines[8].substr(0, 3), "10;");
    EXPECT_NE(lines[8].find(";65,7;"), std::string::npos);
    EXPECT_EQ(lines[8].substr(lines[8].size() - 7), "13,7; *");
    EXPECT_EQ(lines[9].substr(lines[9].size() - 5), ";10,1");
    std::vector<char> expected(kReportTextSize, 0);
    BuildShiftReportOf(g_shiftState, expected.data(), expected.size(), ";");
    EXPECT_EQ(csv, std::string(expected.data()));

    // NIPTS: no damage column, no marks.
    gui::RunScript([] {
        Calculate(IDM_NIPTS);
        gui::MainCommand(IDM_COPY);
    });
    csv = gui::ClipboardCsv();
    lines = CsvLines(csv);
    ASSERT_EQ(lines.size(), 4u + 19u);
    EXPECT_EQ(lines[0], "NIPTS - Noise Induced Permanent Threshold Shift;;;;;;;");
    EXPECT_EQ(lines[3], "q (%);500 Hz;1000 Hz;2000 Hz;3000 Hz;4000 Hz;6000 Hz;");
    EXPECT_EQ(csv.find('*'), std::string::npos);
    for (size_t i = 4; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].back(), ';') << lines[i];
}

TEST_F(ChartView, PrintedViewWithItsComment)
{
    g_shiftState = InitialShiftState();
    gui::ForgetPrintJob();
    gui::RunScript([] {
        Calculate(IDM_HTLAN);
        gui::MainCommand(IDM_VIEW_GRAPH);
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.SetText(IDC_NOTES, "Reparto stampaggio, linea 2");
        comment.Click(IDOK);
        gui::WaitGone(comment);
    });
    std::string text = gui::PrintedText();
    EXPECT_EQ(gui::PrintedPages(), 1);
    EXPECT_NE(text.find("HTLAN"), std::string::npos) << text;
    EXPECT_NE(text.find("6000 Hz"), std::string::npos);
    EXPECT_NE(text.find("q (%)"), std::string::npos);
    size_t comment = text.find("Reparto stampaggio, linea 2");
    ASSERT_NE(comment, std::string::npos);
    EXPECT_GT(comment, text.find("q (%)"));

    // Cancelled: nothing is printed.
    gui::ForgetPrintJob();
    gui::RunScript([] {
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDCANCEL);
        gui::WaitGone(comment);
    });
    EXPECT_FALSE(gui::PrintJobExists());

    // "&Ok" with the edit emptied prints none; the last comment only fills
    // the dialog.
    gui::RunScript([] {
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        EXPECT_EQ(comment.Text(IDC_NOTES), "Reparto stampaggio, linea 2");
        comment.SetText(IDC_NOTES, "");
        comment.Click(IDOK);
        gui::WaitGone(comment);
    });
    EXPECT_EQ(gui::PrintedText().find("Reparto"), std::string::npos);

    // A comment longer than its band goes alone on a second page.
    std::string longComment;
    for (int i = 1; i <= 40; ++i)
        longComment += "Nota " + std::to_string(i) + " sul reparto\r\n";
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        gui::MainCommand(IDM_VIEW_TABLE);
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.SetText(IDC_NOTES, longComment);
        comment.Click(IDOK);
        gui::WaitGone(comment);
    });
    text = gui::PrintedText();
    EXPECT_EQ(gui::PrintedPages(), 2);
    size_t pageBreak = text.find('\f');
    EXPECT_LT(text.find("Danno (%)"), pageBreak);
    EXPECT_GT(text.find("Nota 1 sul reparto"), pageBreak);
}

TEST_F(ChartView, ALongTitlePrintsWhole)
{
    // The longest title: 40 years at 100.0 dBA and an age of seven digits,
    // 80 characters, about a printed line. (That it is wrapped or shrunk
    // rather than cut where the line is shorter is drawn in ChartDrawing.)
    g_shiftState = InitialShiftState();
    g_shiftState.record.years = 40.0;
    g_shiftState.record.level = 100.0;
    g_shiftState.record.age = 9999999.0;
    g_shiftState.record.sex = 2;
    SetPrintComment("");
    gui::ForgetPrintJob();
    gui::RunScript([] {
        gui::Perform([] { EnterChartView(Main(), kViewShifts); });
        gui::MainCommand(IDM_VIEW_AUDIOGRAM);
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDC_NO_COMMENT);
        gui::WaitGone(comment);
    });
    std::string text = gui::PrintedText();
    EXPECT_NE(text.find("HTLAN"), std::string::npos) << text;
    EXPECT_NE(text.find("100.0 dBA"), std::string::npos) << text;
    EXPECT_NE(text.find("9999999"), std::string::npos) << text;
    EXPECT_NE(text.find("Sesso: F"), std::string::npos) << text;

    // The table's parameter line is longer still (91 characters).
    g_shiftState.damageTable = kDamageTableBiological;
    gui::ForgetPrintJob();
    gui::RunScript([] {
        gui::MainCommand(IDM_VIEW_TABLE);
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDC_NO_COMMENT);
        gui::WaitGone(comment);
    });
    text = gui::PrintedText();
    EXPECT_NE(text.find("Anni di esposizione:"), std::string::npos) << text;
    EXPECT_NE(text.find("Tabella: Biologico"), std::string::npos) << text;
    EXPECT_NE(text.find("Hearing Threshold Level associated with Age and Noise"), std::string::npos) << text;
}

}  // namespace
