// The predictions calculator "CONFRONTO" driven as a user does: its lists
// and check, what it keeps, its three views with their own menu texts,
// "Copia" in Tabella and its two charts drawn into a DIB section.
//
// By hand (ISO 1999 NIPTS, 4000 Hz: u 0.025, v 0.025, L0 75, Xu 0.005,
// Yu 0.009; k of 10 % 1.282): after 40 years at 100 dBA the median is
// (0.025 + 0.025 x 1.602) 625 = 40.66 dB and the spread
// (0.005 + 0.009 x 1.602) 625 = 12.14 dB, so 56.22 dB at 10 %; after 35
// years 54.89 dB; after 10 years at 94 dBA 24.53 dB; after 2 years at 88 dBA
// (below 10 years: 0.05 x 169 x log 3 / log 11 = 3.87 dB median) 5.54 dB.
// At 500 Hz nothing below 93 dBA shifts: from Ls 81 every value is 0.0.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/printing.h"
#include "iso1999/curve_selection.h"
#include "iso1999/prediction_views.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "tests/gui/chart_steps.h"
#include "tests/gui/dib_canvas.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace chart_steps;

namespace {

const char kTitle[] = "Previsioni ISO 1999/90";

std::string ListItem(const Window& dialog, int id, int index)
{
    char text[32] = "";
    SendMessageA(dialog.Item(id), CB_GETLBTEXT, index, (LPARAM)text);
    return text;
}

int ListCount(const Window& dialog, int id)
{
    return (int)SendMessageA(dialog.Item(id), CB_GETCOUNT, 0, 0);
}

int ListChoice(const Window& dialog, int id)
{
    return (int)SendMessageA(dialog.Item(id), CB_GETCURSEL, 0, 0);
}

class PredictionCalculator : public testing::Test {
protected:
    void SetUp() override
    {
        g_predictionState = g_predictionChoices = InitialPredictionState();
        gui::ClearMessageBoxes();
        gui::ClearHelpCalls();
    }
    void TearDown() override
    {
        LeaveChartViews();
        g_predictionState = g_predictionChoices = InitialPredictionState();
        g_riskState = InitialRiskState();
        SelectCurve(kAllCurves);
    }
};

TEST_F(PredictionCalculator, DialogListsTooltipsAndHelp)
{
    SelectCurve(4);
    gui::RunScript([] {
        gui::MainCommand(IDM_PREDICTIONS);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(SelectedCurve(), 4);
        EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), "Perdite dovute alla sola esposizione professionale");
        ASSERT_EQ(ListCount(dialog, IDC_ISO_FRACTILE), 19);
        EXPECT_EQ(ListItem(dialog, IDC_ISO_FRACTILE, 0), "5");
        EXPECT_EQ(ListItem(dialog, IDC_ISO_FRACTILE, 18), "95");
        EXPECT_EQ(ListChoice(dialog, IDC_ISO_FRACTILE), 1);  // "10"
        ASSERT_EQ(ListCount(dialog, IDC_ISO_FREQUENCY), 6);
        const char* const frequencies[6] = {"500", "1000", "2000", "3000", "4000", "6000"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(ListItem(dialog, IDC_ISO_FREQUENCY, i), frequencies[i]);
        EXPECT_EQ(ListChoice(dialog, IDC_ISO_FREQUENCY), 4);  // "4000"
        EXPECT_EQ(dialog.Text(IDC_ISO_LEVEL), " 88");

        using spectra_steps::TooltipOf;
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_FRACTILE), "Valore del frattile della popolazione");
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_FREQUENCY), "Frequenza di interesse");
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_LEVEL), "Livello di esposizione di partenza del calcolo");
        EXPECT_EQ(TooltipOf(dialog, IDC_STATUS_BAR), "Visualizza il tipo di previsione effettuato");

        dialog.Click(IDM_CALC_HELP);
        gui::Perform([&] {
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_ISO_FREQUENCY), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_ISO_LEVEL), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_STATUS_BAR), 0);
        });
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].data, 100200u);
    EXPECT_EQ(calls[1].data, (ULONG_PTR)411 * 65536 + 696);
    EXPECT_EQ(calls[2].data, (ULONG_PTR)4515 * 65536 + 696);
    EXPECT_EQ(calls[3].data, (ULONG_PTR)411 * 65536 + 676);
    EXPECT_EQ(calls[4].command, (UINT)HELP_QUIT);
    EXPECT_EQ(calls[4].file, "PREV.HLP");
}

TEST_F(PredictionCalculator, OkChecksTheStartingLevelAndKeepsTheChoicesMadeBefore)
{
    struct Case {
        const char* level;
        bool accepted;
    } cases[] = {{"88", true}, {"88.5", false}, {"0", false}, {"", false}, {"-5", false}, {"40", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        Outcome outcome = TryOk(IDM_PREDICTIONS, kTitle, [&c](const Window& dialog) {
            dialog.SetText(IDC_ISO_LEVEL, c.level);
        });
        EXPECT_EQ(outcome.caption, c.accepted ? "" : "Livello di esposizione");
        if (!c.accepted && !outcome.text.empty())
            EXPECT_EQ(outcome.text, "Errore nell'inserimento dei dati!");
        EXPECT_EQ(g_main.viewState, c.accepted ? kViewPredictions : kViewDocument);
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
    }
    EXPECT_EQ(g_predictionState.record.level, 40.0);

    // The fractile and the frequency are taken even when the level fails.
    Outcome outcome = TryOk(IDM_PREDICTIONS, kTitle, [](const Window& dialog) {
        dialog.Select(IDC_ISO_FRACTILE, 18);
        dialog.Select(IDC_ISO_FREQUENCY, 5);
        dialog.SetText(IDC_ISO_LEVEL, "90");
    });
    EXPECT_EQ(outcome.caption, "Livello di esposizione");
    EXPECT_DOUBLE_EQ(g_predictionChoices.record.fractile, 0.95);
    EXPECT_EQ(g_predictionChoices.record.frequency, 6000);
    EXPECT_EQ(g_predictionState.record.level, 40.0);
    gui::RunScript([] {
        gui::MainCommand(IDM_PREDICTIONS);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(ListChoice(dialog, IDC_ISO_FRACTILE), 18);
        EXPECT_EQ(ListChoice(dialog, IDC_ISO_FREQUENCY), 5);
        EXPECT_EQ(dialog.Text(IDC_ISO_LEVEL), " 40");
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
}

TEST_F(PredictionCalculator, ThreeViewsWithTheirOwnMenuTextsAndCurves)
{
    // After the risk, which has no third view, it comes back before the
    // graph's item.
    gui::RunScript([] { Calculate(IDM_RISK, "Rischio di danno uditivo"); });
    ASSERT_FALSE(HasItem(IDM_VIEW_AUDIOGRAM));
    gui::RunScript([] { Calculate(IDM_PREDICTIONS, kTitle); });
    EXPECT_EQ(g_main.viewState, kViewPredictions);
    ASSERT_TRUE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_FALSE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_EQ(ItemText(IDM_VIEW_AUDIOGRAM), "Perdite-&Livello");
    EXPECT_EQ(ItemText(IDM_VIEW_GRAPH), "&Perdite-Tempo");
    EXPECT_EQ(ItemText(IDM_VIEW_TABLE), "&Tabella");
    HMENU view = GetSubMenu(MainMenu(), 2);
    EXPECT_EQ(GetMenuItemID(view, 0), (UINT)IDM_VIEW_AUDIOGRAM);
    EXPECT_EQ(GetMenuItemID(view, 1), (UINT)IDM_VIEW_GRAPH);
    EXPECT_TRUE(Greyed(IDM_VIEW_TABLE));
    EXPECT_FALSE(Greyed(IDM_VIEW_GRAPH));
    EXPECT_FALSE(Greyed(IDM_VIEW_AUDIOGRAM));

    struct Step {
        int command;
        ViewPainter painter;
        int index;
        const char* job;
        std::vector<std::string> popup;
    } steps[] = {
        {IDM_VIEW_TABLE, DrawPredictionTable, 3, "Tabella", {}},
        {IDM_VIEW_GRAPH, DrawLossVersusTime, 4, "Grafico",
         {"  88 dBA", "  90 dBA", "  92 dBA", "  94 dBA", "  96 dBA", "  98 dBA", " 100 dBA", "~Tutto"}},
        {IDM_VIEW_AUDIOGRAM, DrawLossVersusLevel, 5, "Grafico",
         {" 5 anni", "10 anni", "15 anni", "20 anni", "25 anni", "30 anni", "35 anni", "~Tutto"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        gui::RunScript([&] {
            gui::MainCommand(step.command);
            int index = -1;
            EXPECT_EQ(GetViewPainter(g_main.viewState, MainMenu(), &index), step.painter);
            EXPECT_EQ(index, step.index);
            EXPECT_STREQ(ChartJobName(index), step.job);
            EXPECT_EQ(PopupTexts(), step.popup);
            // Every chart has seven curves; the table takes no key.
            Key('7');
            EXPECT_EQ(SelectedCurve(), step.popup.empty() ? -1 : 6);
            Key('0');
        });
    }
}

TEST_F(PredictionCalculator, CopyInTabellaAt500HzFrom81IsAllZero)
{
    gui::RunScript([] {
        gui::MainCommand(IDM_PREDICTIONS);
        Window dialog = gui::WaitWindow(kTitle);
        dialog.Select(IDC_ISO_FREQUENCY, 0);
        dialog.SetText(IDC_ISO_LEVEL, "81");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    std::string expected =
        " NIPTS - Noise Induced Permanent Threshold Shift;;;;;;;\r\n"
        " q(%): ;;;10;;;;\r\n"
        "  Frequenza: ;;;500 Hz;;;;\r\n"
        "  Livelli da ;;;  81; dBA;;;\r\n"
        "Anni;  81;  83;  85;  87;  89;  91;  93\r\n";
    for (int t = 2; t <= 40; t += 2) {
        char row[16];
        snprintf(row, sizeof row, "%2d", t);
        expected += row;
        for (int d = 0; d < 7; ++d)
            expected += "; 0,0";
        expected += "\r\n";
    }
    EXPECT_EQ(CopiedTable(), expected);

    // From 88 at 4000 Hz and 10 %: the last column is 100 dBA, its last row
    // 56.2 dB; 20 years at 88 dBA 13.3 dB.
    gui::RunScript([] {
        gui::MainCommand(IDM_PREDICTIONS);
        Window dialog = gui::WaitWindow(kTitle);
        dialog.Select(IDC_ISO_FREQUENCY, 4);
        dialog.SetText(IDC_ISO_LEVEL, "88");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    std::vector<std::string> lines = CsvLines(CopiedTable());
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[4], "Anni;  88;  90;  92;  94;  96;  98; 100");
    EXPECT_EQ(lines[14].substr(0, 8), "20;13,3;");
    EXPECT_EQ(lines[24].substr(0, 3), "40;");
    EXPECT_EQ(lines[24].substr(lines[24].size() - 5), ";56,2");
}

// ---- Painters -------------------------------------------------------------
//
// Chart rectangle (0, 0, 1280, 1024): plot (160, 128) .. (1120, 896), 10
// rows of 76 (v dB at 896 - (v / 10 + 2) 76, rounded down); the time chart
// has 20 columns of 48, the level chart 13 of 73.

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kPens[7] = {RGB(255, 0, 255), RGB(0, 0, 255),   RGB(0, 255, 0), RGB(0, 0, 0),
                           RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 0)};
const RECT kChart = {0, 0, 1280, 1024};

bool Near(const gui::Canvas& canvas, int x, int y, COLORREF colour)
{
    return canvas.Count(colour, x - 1, y - 1, x + 2, y + 2) > 0;
}

class PredictionPainters : public testing::Test {
protected:
    void SetUp() override
    {
        g_predictionState = InitialPredictionState();
        SelectCurve(kAllCurves);
        SetColourFlag(true);
    }
    void TearDown() override
    {
        g_predictionState = InitialPredictionState();
        SelectCurve(kAllCurves);
    }
    int InPlot(int pen) const { return canvas_.Count(kPens[pen], 161, 129, 1122, 895); }
    gui::Canvas canvas_{1280, 1024, RGB(255, 255, 255), "Courier New", -12};
};

TEST_F(PredictionPainters, LossesAgainstTimeOneCurveALevel)
{
    DrawLossVersusTime(canvas_.dc(), &kChart);
    // 88 dBA after 2 years: 5.26 dB, grid line 1 (208), y 704.
    EXPECT_TRUE(Near(canvas_, 208, 704, kPens[0]));
    // 94 dBA after 10 years: 24.53 dB, grid line 5 (400), y 557.
    EXPECT_TRUE(Near(canvas_, 400, 557, kPens[3]));
    // 100 dBA after 40 years: 56.22 dB, grid line 20 (1120), y 316.
    EXPECT_TRUE(Near(canvas_, 1119, 316, kPens[6]));
    for (int k = 0; k < 7; ++k)
        EXPECT_GT(InPlot(k), 0) << k;

    // One curve chosen: 90 dBA alone, and its legend cell (137 wide, the
    // second from 297).
    canvas_.Fill(kWhite);
    SelectCurve(1);
    DrawLossVersusTime(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(1), 0);
    for (int k : {0, 2, 3, 4, 5, 6})
        EXPECT_EQ(InPlot(k), 0) << k;
    EXPECT_TRUE(Near(canvas_, 365, 42, kPens[1]));
    EXPECT_FALSE(Near(canvas_, 228, 42, kPens[0]));
}

TEST_F(PredictionPainters, LossesAgainstLevelOneCurveAnExposureTime)
{
    DrawLossVersusLevel(canvas_.dc(), &kChart);
    // 5 years at 88 dBA: 8.76 dB, grid line 1 (233), y 677.
    EXPECT_TRUE(Near(canvas_, 233, 677, kPens[0]));
    // 35 years at 100 dBA: 54.89 dB, grid line 13 (1109), y 326.
    EXPECT_TRUE(Near(canvas_, 1109, 326, kPens[6]));

    canvas_.Fill(kWhite);
    SelectCurve(6);  // 35 years
    DrawLossVersusLevel(canvas_.dc(), &kChart);
    EXPECT_TRUE(Near(canvas_, 1109, 326, kPens[6]));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(InPlot(k), 0) << k;
    // The seventh legend cell only, from 982.
    EXPECT_TRUE(Near(canvas_, 1050, 42, kPens[6]));
    EXPECT_EQ(canvas_.Count(kPens[0], 160, 40, 980, 45), 0);
}

TEST_F(PredictionPainters, TableHeaderAndYearsInRed)
{
    // Shrunk rectangle 53 .. 1229 by 56 .. 971: columns of 1229 / 10 = 122,
    // lines of 971 / 43 = 22; the header on line 3 (y 100), " 2" on line 4.
    DrawPredictionTable(canvas_.dc(), &kChart);
    const COLORREF red = kPens[6], black = kPens[3];
    EXPECT_GT(canvas_.Count(red, 53, 100, 175, 116), 0);        // "Anni"
    EXPECT_GT(canvas_.Count(red, 907, 100, 1029, 116), 0);      // Ls + 12
    EXPECT_GT(canvas_.Count(red, 53, 122, 175, 138), 0);        // " 2"
    EXPECT_EQ(canvas_.Count(black, 53, 122, 175, 138), 0);
    EXPECT_GT(canvas_.Count(black, 175, 122, 1029, 138), 0);    // its values
    EXPECT_GT(canvas_.Count(black, 53, 540, 1029, 556), 0);     // t = 40 (line 23)
    EXPECT_EQ(canvas_.Count(red, 0, 0, 1280, 100), 0);
}

}  // namespace
