// The damage evolution calculator "PEPPECUR" driven as a user does: its
// dialog and checks, what it keeps, its two views, "Copia" in Tabella and
// its chart drawn into a DIB section.
//
// By hand (HTLAN at the six frequencies, age A0 + t, new table: 0.6 times
// the sum of the points at 500 .. 4000 Hz), 90 dBA, man:
// - A0 68, t = 2 (age 70): 24.1 % at 5 %, 2.6 at 50 %, 0.0 at 95 %, 15.0 at
//   15 %. The age 70 is the last: one row.
// - A0 50: rows t = 2 .. 20 (ages 52 .. 70); at t = 20 the 5 % fractile has
//   25.6 %, the 50 % one 3.9 %.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/printing.h"
#include "iso1999/curve_selection.h"
#include "iso1999/evolution.h"
#include "iso1999/evolution_views.h"
#include "tests/gui/chart_steps.h"
#include "tests/gui/dib_canvas.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace chart_steps;

namespace {

const char kTitle[] = "Previsioni ISO 1999/90";

bool Checked(const Window& dialog, int id)
{
    return SendMessageA(dialog.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class EvolutionCalculator : public testing::Test {
protected:
    void SetUp() override
    {
        g_evolutionState = g_evolutionChoices = InitialEvolutionState();
        gui::ClearMessageBoxes();
        gui::ClearHelpCalls();
    }
    void TearDown() override
    {
        LeaveChartViews();
        g_evolutionState = g_evolutionChoices = InitialEvolutionState();
        SelectCurve(kAllCurves);
    }
};

TEST_F(EvolutionCalculator, DialogShowsItsStateTooltipsAndHelp)
{
    SelectCurve(3);
    gui::RunScript([] {
        gui::MainCommand(IDM_EVOLUTION);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(SelectedCurve(), 3);
        EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), "Evoluzione del danno causato dall'età e dal rumore");
        HWND list = dialog.Item(IDC_ISO_FRACTILE);
        ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 17);
        char item[16] = "";
        SendMessageA(list, CB_GETLBTEXT, 0, (LPARAM)item);
        EXPECT_STREQ(item, "10");
        SendMessageA(list, CB_GETLBTEXT, 16, (LPARAM)item);
        EXPECT_STREQ(item, "90");
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);  // "15"
        EXPECT_EQ(dialog.Text(IDC_ISO_LEVEL), " 90");
        EXPECT_EQ(dialog.Text(IDC_ISO_AGE), " 18");
        EXPECT_TRUE(Checked(dialog, IDC_ISO_TABLE_NEW));
        EXPECT_TRUE(Checked(dialog, IDC_ISO_SEX_MALE));

        using spectra_steps::TooltipOf;
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_AGE), "Età in cui inizia l'esposizione a rumore");
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_TABLE_OLD), "Seleziona la tabella di calcolo del 1991");
        EXPECT_EQ(TooltipOf(dialog, IDC_STATUS_BAR), "Visualizza il tipo di previsione effettuato");

        dialog.Click(IDM_CALC_HELP);
        gui::Perform([&] {
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_ISO_TABLE_BIO), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_ISO_FRACTILE), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_STATUS_BAR), 0);
        });
        // The buttons are kept as soon as they are clicked.
        dialog.Click(IDC_ISO_TABLE_OLD);
        dialog.Click(IDC_ISO_SEX_FEMALE);
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(g_evolutionChoices.damageTable, IDC_ISO_TABLE_OLD);
    EXPECT_EQ(g_evolutionChoices.sexButton, IDC_ISO_SEX_FEMALE);
    EXPECT_EQ(g_evolutionState.record.sex, 1);
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].data, 100205u);
    EXPECT_EQ(calls[1].data, (ULONG_PTR)4576 * 65536 + 612);
    EXPECT_EQ(calls[2].data, (ULONG_PTR)409 * 65536 + 612);
    EXPECT_EQ(calls[3].data, (ULONG_PTR)409 * 65536 + 615);
    EXPECT_EQ(calls[4].command, (UINT)HELP_QUIT);
    EXPECT_EQ(calls[4].file, "EVOL.HLP");
}

TEST_F(EvolutionCalculator, OkChecksTheLevelThenTheStartingAge)
{
    struct Case {
        const char* level;
        const char* age;
        const char* refusal;
    } cases[] = {
        {"100", "18", ""},
        {"0", "18", "Livello di esposizione."},
        {"100.5", "18", "Livello di esposizione."},
        {"", "18", "Livello di esposizione."},
        {"90", "17", "Età di inizio esposizione."},
        {"90", "68.5", "Età di inizio esposizione."},
        {"90", "", "Età di inizio esposizione."},
        {"0", "0", "Livello di esposizione."},
        {"90", "68", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " / " + c.age);
        Outcome outcome = TryOk(IDM_EVOLUTION, kTitle, [&c](const Window& dialog) {
            dialog.SetText(IDC_ISO_LEVEL, c.level);
            dialog.SetText(IDC_ISO_AGE, c.age);
        });
        EXPECT_EQ(outcome.caption, c.refusal);
        if (*c.refusal && !outcome.text.empty())
            EXPECT_EQ(outcome.text, "Errore! Dati non validi");
        EXPECT_EQ(g_main.viewState, *c.refusal ? kViewDocument : kViewEvolution);
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
    }
    EXPECT_EQ(g_evolutionState.record.age, 68.0);

    // The fractile chosen is kept even when a check fails; the values are
    // not.
    Outcome outcome = TryOk(IDM_EVOLUTION, kTitle, [](const Window& dialog) {
        dialog.Select(IDC_ISO_FRACTILE, 8);  // "50"
        dialog.SetText(IDC_ISO_LEVEL, "101");
    });
    EXPECT_EQ(outcome.caption, "Livello di esposizione.");
    EXPECT_EQ(g_evolutionChoices.fractileChoice, 8);
    EXPECT_DOUBLE_EQ(g_evolutionState.record.fractile, 0.15);
    gui::RunScript([] {
        gui::MainCommand(IDM_EVOLUTION);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(SendMessageA(dialog.Item(IDC_ISO_FRACTILE), CB_GETCURSEL, 0, 0), 8);
        dialog.Click(IDC_ISO_SEX_FEMALE);
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    EXPECT_DOUBLE_EQ(g_evolutionState.record.fractile, 0.50);
    EXPECT_EQ(g_evolutionState.record.sex, 2);
}

TEST_F(EvolutionCalculator, TwoViewsAndFourCurves)
{
    gui::RunScript([] { Calculate(IDM_EVOLUTION, kTitle); });
    EXPECT_EQ(g_main.viewState, kViewEvolution);
    EXPECT_FALSE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_TRUE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_EQ(ItemText(IDM_VIEW_GRAPH), "&Grafico");
    EXPECT_TRUE(Greyed(IDM_VIEW_TABLE));
    int index = -1;
    EXPECT_EQ(GetViewPainter(g_main.viewState, MainMenu(), &index), DrawEvolutionTable);
    EXPECT_EQ(index, 6);
    EXPECT_STREQ(ChartJobName(index), "Tabella");
    gui::RunScript([] {
        EXPECT_TRUE(PopupTexts().empty());
        gui::MainCommand(IDM_VIEW_GRAPH);
        int graph = -1;
        EXPECT_EQ(GetViewPainter(g_main.viewState, MainMenu(), &graph), DrawEvolutionChart);
        EXPECT_EQ(graph, 7);
        EXPECT_STREQ(ChartJobName(graph), "Grafico");
        EXPECT_EQ(PopupTexts(), (std::vector<std::string>{" 5%", "50%", "95%", "15%", "~Tutto"}));
        for (WPARAM key : {'5', '6', '7'}) {
            Key(key);
            EXPECT_EQ(SelectedCurve(), -1) << (char)key;
        }
        Key('4');
        EXPECT_EQ(SelectedCurve(), 3);
        EXPECT_EQ(PopupTexts(), (std::vector<std::string>{" 5%", "50%", "95%", "~15%", "Tutto"}));
    });
}

TEST_F(EvolutionCalculator, CopyInTabellaRowsUpToTheAgeOf70)
{
    gui::RunScript([] {
        gui::MainCommand(IDM_EVOLUTION);
        Window dialog = gui::WaitWindow(kTitle);
        dialog.SetText(IDC_ISO_AGE, "68");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(CopiedTable(),
              "Danno (%);;;;\r\n"
              " Frattile:;;; 15 %;\r\n"
              "Leq: ;;;90,0; dBA\r\n"
              "Età di inizio:;;; 68;\r\n"
              "Sesso:;;;M;\r\n"
              "   Tabella: Nuova;;;;\r\n"
              "Anni;5 %;50 %;95 %;15 %\r\n"
              " 2;24,1; 2,6; 0,0;15,0\r\n");

    gui::RunScript([] {
        gui::MainCommand(IDM_EVOLUTION);
        Window dialog = gui::WaitWindow(kTitle);
        dialog.SetText(IDC_ISO_AGE, "50");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    std::vector<std::string> lines = CsvLines(CopiedTable());
    ASSERT_EQ(lines.size(), 7u + 10u);
    EXPECT_EQ(lines[3], "Età di inizio:;;; 50;");
    EXPECT_EQ(lines[7], " 2; 4,9; 0,0; 0,0; 1,5");
    EXPECT_EQ(lines[8], " 4; 8,0; 0,1; 0,0; 2,8");
    EXPECT_EQ(lines[16], "20;25,6; 3,9; 0,0;18,1");
}

TEST_F(EvolutionCalculator, TheLongTitlePrintsWholeOnTheGraphAndTheTable)
{
    // " Danno (%) -  Frattile:  15 %   Leq: 90.0 dBA   Età di inizio:  18
    // Sesso: M   Tabella: Biologico": 99 characters, a printed line or more,
    // broken between its fields on the graph, each label beside its value.
    g_evolutionState.damageTable = IDC_ISO_TABLE_BIO;
    // The graph last: its page is the one the screenshots show.
    for (int view : {IDM_VIEW_TABLE, IDM_VIEW_GRAPH}) {
        SCOPED_TRACE(view);
        gui::ForgetPrintJob();
        gui::RunScript([view] {
            gui::Perform([] { EnterChartView(gui::MainWindow(), kViewEvolution); });
            gui::MainCommand(view);
            gui::MainCommand(IDM_PRINT);
            Window comment = gui::WaitWindow("Un commento per la stampa?");
            comment.Click(IDC_NO_COMMENT);
            gui::WaitGone(comment);
        });
        std::string text = gui::PrintedText();
        EXPECT_EQ(gui::PrintedPages(), 1);
        for (const char* piece : {"Danno (%)", "Frattile:", "90.0 dBA", "Sesso: M", "Tabella: Biologico"})
            EXPECT_NE(text.find(piece), std::string::npos) << piece << "\n" << text;
    }
}

// ---- Painters -------------------------------------------------------------
//
// Chart rectangle (0, 0, 1280, 1024): plot (160, 128) .. (1120, 896), 20
// columns of 48 (t years on x = 160 + 24 t), 10 rows of 76 (d % at
// 896 - 0.2 d 76, rounded down). Pens: 5 % magenta, 50 % blue, 95 % green,
// the user's fractile black.

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const RECT kChart = {0, 0, 1280, 1024};

bool Near(const gui::Canvas& canvas, int x, int y, COLORREF colour)
{
    return canvas.Count(colour, x - 1, y - 1, x + 2, y + 2) > 0;
}

class EvolutionPainters : public testing::Test {
protected:
    void SetUp() override
    {
        g_evolutionState = InitialEvolutionState();
        SelectCurve(kAllCurves);
        SetColourFlag(true);
    }
    void TearDown() override
    {
        g_evolutionState = InitialEvolutionState();
        SelectCurve(kAllCurves);
    }
    int InPlot(COLORREF colour, int right = 1122) const { return canvas_.Count(colour, 161, 126, right, 899); }
    gui::Canvas canvas_{1280, 1024, RGB(255, 255, 255), "Courier New", -12};
};

TEST_F(EvolutionPainters, TheCurvesEndAtTheAgeOf70)
{
    g_evolutionState.record.age = 50.0;
    DrawEvolutionChart(canvas_.dc(), &kChart);
    // t = 20 at x 640: 25.6 % at 5 %, y 506; 3.9 % at 50 %, y 836.
    EXPECT_TRUE(Near(canvas_, 640, 506, kMagenta));
    EXPECT_TRUE(Near(canvas_, 640, 836, kBlue));
    for (COLORREF pen : {kMagenta, kBlue, kGreen, kBlack}) {
        EXPECT_GT(InPlot(pen), 0);
        EXPECT_EQ(canvas_.Count(pen, 643, 126, 1280, 899), 0);
    }
}

TEST_F(EvolutionPainters, TheChosenFractileIsDrawnOverTheFixedOneItEquals)
{
    g_evolutionState.record.fractile = 0.50;
    DrawEvolutionChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kBlack), 0);
    EXPECT_EQ(InPlot(kBlue), 0);
    // Both legend cells (240 wide): "50 %" in blue, " 50 %" in black.
    EXPECT_TRUE(Near(canvas_, 520, 42, kBlue));
    EXPECT_TRUE(Near(canvas_, 1000, 42, kBlack));

    // Chosen alone, and an index the chart does not have ignored.
    canvas_.Fill(kWhite);
    SelectCurve(1);
    DrawEvolutionChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kBlue), 0);
    EXPECT_EQ(InPlot(kBlack) + InPlot(kMagenta) + InPlot(kGreen), 0);
    canvas_.Fill(kWhite);
    SelectCurve(5);
    DrawEvolutionChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kMagenta), 0);
    EXPECT_GT(InPlot(kBlack), 0);
}

TEST_F(EvolutionPainters, DamagesAboveTheScaleStayInThePlot)
{
    // The tables give at most 60 %, above the 50 % of the scale's top: a
    // level far above any the dialog takes puts every threshold beyond the
    // tables, every damage at 60 %, every curve above the plot, not drawn.
    g_evolutionState.record.level = 1.0e6;
    DrawEvolutionChart(canvas_.dc(), &kChart);
    for (COLORREF pen : {kMagenta, kBlue, kGreen, kBlack}) {
        EXPECT_EQ(canvas_.Count(pen, 0, 45, 1280, 127), 0);
        EXPECT_EQ(canvas_.Count(pen, 0, 898, 1280, 1024), 0);
    }
    EXPECT_EQ(canvas_.Count(kBlack, 161, 126, 1122, 131), 0);
}

TEST_F(EvolutionPainters, TableRowsUpToTheAgeOf70)
{
    // Shrunk rectangle 53 .. 1229 by 56 .. 971: columns of 1176 / 5 = 235,
    // lines of 915 / 24 = 38; the title on line 2 (y 94), the header on
    // line 3 (132), t = 2 on line 4 (170).
    g_evolutionState.record.age = 50.0;
    DrawEvolutionTable(canvas_.dc(), &kChart);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(canvas_.Count(kBlack, 0, 0, 1280, 94), 0);
    EXPECT_GT(canvas_.Count(kBlack, 53, 94, 1229, 110), 0);
    EXPECT_GT(canvas_.Count(red, 53, 132, 1229, 148), 0);
    EXPECT_GT(canvas_.Count(red, 53, 170, 288, 186), 0);
    EXPECT_GT(canvas_.Count(kBlack, 288, 170, 1229, 186), 0);
    // t = 20 on line 13 (512); line 14 (550) and below stay empty.
    EXPECT_GT(canvas_.Count(kBlack, 288, 512, 1229, 528), 0);
    EXPECT_EQ(canvas_.Count(kBlack, 0, 550, 1280, 1024) + canvas_.Count(red, 0, 550, 1280, 1024), 0);
}

}  // namespace
