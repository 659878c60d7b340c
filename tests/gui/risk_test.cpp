// The risk calculator "RISK" driven as a user does: its dialog and checks,
// the criterion it keeps, its views in the main window, "Copia" in Tabella,
// its painters in a DIB section and its printed graph.
//
// By hand (ISO 1999 and ISO 7029 tables, man, criterion ISO 1999/90 = mean
// of 1, 2 and 4 kHz above 27 dB):
// - 35 years at 90 dBA, age 60: without noise the mean is 27.40 dB at the
//   21 % fractile (14.52, 22.60, 45.07) and 26.91 at 22 %; with noise 27.05
//   at 35 % and 26.66 at 36 %. Shown: 21.0, 35.0 and 14.0.
// - 20 years at 95 dBA, age 40: without noise 19.44 dB even at 5 %, never
//   met; with noise 27.19 at 17 % and 26.72 at 18 %: 0.0, 17.0, 17.0.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/printing.h"
#include "iso1999/chart_frame.h"
#include "iso1999/curve_selection.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/risk_views.h"
#include "tests/gui/chart_steps.h"
#include "tests/gui/dib_canvas.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace chart_steps;

namespace {

const char kTitle[] = "Rischio di danno uditivo";

bool Checked(const Window& dialog, int id)
{
    return SendMessageA(dialog.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string ComboItem(const Window& dialog, int index)
{
    char text[64] = "";
    SendMessageA(dialog.Item(IDC_RISK_CRITERION), CB_GETLBTEXT, index, (LPARAM)text);
    return text;
}

class RiskCalculator : public testing::Test {
protected:
    void SetUp() override
    {
        g_riskState = g_riskChoices = InitialRiskState();
        gui::ClearMessageBoxes();
        gui::ClearHelpCalls();
    }
    void TearDown() override
    {
        LeaveChartViews();
        g_riskState = g_riskChoices = InitialRiskState();
        g_predictionState = InitialPredictionState();
        SelectCurve(kAllCurves);
        SetPrintComment("");
    }
};

TEST_F(RiskCalculator, DialogShowsItsStateCriteriaTooltipsAndHelp)
{
    SelectCurve(2);
    gui::RunScript([] {
        gui::MainCommand(IDM_RISK);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(SelectedCurve(), 2);
        EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), "ISO 1999/90: ((1kHz + 2kHz + 4kHz) / 3) > 27");
        EXPECT_EQ(dialog.Text(IDC_ISO_YEARS), " 35");
        EXPECT_EQ(dialog.Text(IDC_ISO_LEVEL), " 90");
        EXPECT_EQ(dialog.Text(IDC_ISO_AGE), " 60");
        EXPECT_TRUE(Checked(dialog, IDC_ISO_SEX_MALE));
        EXPECT_FALSE(Checked(dialog, IDC_ISO_SEX_FEMALE));
        EXPECT_EQ(GetFocus(), dialog.Item(IDC_ISO_YEARS));
        for (int id : {IDC_RISK_FIXED_AGE, IDC_RISK_FIXED_LEVEL, IDC_RISK_FIXED_VALUE})
            EXPECT_FALSE(dialog.Visible(id)) << id;
        const char* const criteria[8] = {"ISO 1999/90",
                                         "ISO 1999/75",
                                         "OTREM Nuova Tabella",
                                         "OTREM Vecchia Tabella",
                                         "Danno biologico indennizzabile",
                                         "Danno biologico minimo",
                                         "Danno biologico zero",
                                         "Danno biologico medio"};
        ASSERT_EQ(SendMessageA(dialog.Item(IDC_RISK_CRITERION), CB_GETCOUNT, 0, 0), 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(ComboItem(dialog, i), criteria[i]);
        EXPECT_EQ(SendMessageA(dialog.Item(IDC_RISK_CRITERION), CB_GETCURSEL, 0, 0), 0);

        // A new criterion shows its rule at once.
        struct Rule {
            int position;
            const char* status;
        } rules[] = {{1, "ISO 1999/75: ((0.5kHz + 1kHz + 2kHz) / 3) > 25"},
                     {3, "OTREM Vecchia Tabella: Danno > 11%"},
                     {6, "Danno biologico > 0%"},
                     {7, "Danno biologico medio > 25 dB"}};
        for (const Rule& rule : rules) {
            dialog.Select(IDC_RISK_CRITERION, rule.position);
            EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), rule.status);
        }

        using spectra_steps::TooltipOf;
        EXPECT_EQ(TooltipOf(dialog, IDC_ISO_AGE), "Età dell'individuo cui si riferisce il calcolo");
        EXPECT_EQ(TooltipOf(dialog, IDC_RISK_CRITERION), "Sceglie il criterio di danno da utilizzare per il calcolo");
        EXPECT_EQ(TooltipOf(dialog, IDC_STATUS_BAR), "Visualizza il criterio di danno selezionato");
        EXPECT_EQ(TooltipOf(dialog, IDOK), "Conferma i dati ed esegue il calcolo");

        dialog.Click(IDM_CALC_HELP);
        HelpOn(dialog, IDC_RISK_CRITERION);
        gui::Perform([&] {
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_ISO_SEX_FEMALE), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_STATUS_BAR), 0);
        });
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    // "&Chiudi" computed nothing; the criterion was not confirmed.
    EXPECT_EQ(g_main.viewState, kViewDocument);
    EXPECT_EQ(g_riskState.criterion, kCriterionIso1999_90);
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(calls[0].data, 100215u);
    EXPECT_EQ(calls[1].data, (ULONG_PTR)4710 * 65536 + 313);
    EXPECT_EQ(calls[2].data, (ULONG_PTR)4501 * 65536 + 313);
    EXPECT_EQ(calls[3].data, (ULONG_PTR)4510 * 65536 + 333);
    EXPECT_EQ(calls[4].command, (UINT)HELP_QUIT);
    EXPECT_EQ(calls[4].file, "RISK.HLP");
}

TEST_F(RiskCalculator, OkChecksEachInputInTurn)
{
    struct Case {
        int criterion;  // position, -1 for none chosen
        const char* years;
        const char* level;
        const char* age;
        const char* refusal;
    } cases[] = {
        {0, "35", "90", "53", ""},
        {0, "35", "90", "52", "Età individuo."},
        {0, "35", "90", "0", "Età individuo."},
        {0, "0", "90", "60", "Anni di esposizione."},
        {0, "40.5", "90", "60", "Anni di esposizione."},
        {0, "-3", "90", "60", "Anni di esposizione."},
        {0, "40", "90", "58", ""},
        {0, "10", "0", "60", "Livello di esposizione."},
        {0, "10", "100.5", "60", "Livello di esposizione."},
        {0, "10", "", "60", "Livello di esposizione."},
        {0, "10", "100", "60", ""},
        // The years are looked at before the level, the level before the age.
        {0, "0", "0", "0", "Anni di esposizione."},
        {0, "10", "0", "0", "Livello di esposizione."},
        {-1, "35", "90", "60", "Criterio di danno."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.years) + " / " + c.level + " / " + c.age);
        Outcome outcome = TryOk(IDM_RISK, kTitle, [&c](const Window& dialog) {
            if (c.criterion < 0)
                gui::Perform([&] { SendMessageA(dialog.Item(IDC_RISK_CRITERION), CB_SETCURSEL, (WPARAM)-1, 0); });
            dialog.SetText(IDC_ISO_YEARS, c.years);
            dialog.SetText(IDC_ISO_LEVEL, c.level);
            dialog.SetText(IDC_ISO_AGE, c.age);
        });
        EXPECT_EQ(outcome.caption, c.refusal);
        if (*c.refusal && !outcome.text.empty())
            EXPECT_EQ(outcome.text, "Errore! Dati non validi");
        EXPECT_EQ(g_main.viewState, *c.refusal ? kViewDocument : kViewRisk);
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
    }
    EXPECT_EQ(g_riskState.record.years, 10.0);  // the last accepted
    EXPECT_EQ(g_riskState.record.level, 100.0);
}

TEST_F(RiskCalculator, ACriterionChosenIsKeptWhenAnotherCheckFails)
{
    Outcome outcome = TryOk(IDM_RISK, kTitle, [](const Window& dialog) {
        dialog.Select(IDC_RISK_CRITERION, 2);
        dialog.Click(IDC_ISO_SEX_FEMALE);
        dialog.SetText(IDC_ISO_YEARS, "20");
        dialog.SetText(IDC_ISO_AGE, "37");
    });
    EXPECT_EQ(outcome.caption, "Età individuo.");
    // The criterion and the sex button at once; the numbers and the sex
    // only after a valid "&Ok".
    EXPECT_EQ(g_riskChoices.criterion, kCriterionOtremNew);
    EXPECT_EQ(g_riskChoices.sexButton, IDC_ISO_SEX_FEMALE);
    EXPECT_EQ(g_riskState.record.years, 35.0);
    EXPECT_EQ(g_riskState.record.age, 60.0);
    EXPECT_EQ(g_riskState.record.sex, 1);

    gui::RunScript([] {
        gui::MainCommand(IDM_RISK);
        Window dialog = gui::WaitWindow(kTitle);
        EXPECT_EQ(SendMessageA(dialog.Item(IDC_RISK_CRITERION), CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), "OTREM Nuova Tabella: Danno > 11%");
        EXPECT_TRUE(Checked(dialog, IDC_ISO_SEX_FEMALE));
        EXPECT_EQ(dialog.Text(IDC_ISO_YEARS), " 35");
        dialog.SetText(IDC_ISO_LEVEL, "85.5");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(g_riskState.record.level, 85.5);
    EXPECT_EQ(g_riskState.record.sex, 2);
}

TEST_F(RiskCalculator, ViewsWithoutAudiogramAndThreeCurves)
{
    gui::RunScript([] { Calculate(IDM_RISK, kTitle); });
    EXPECT_EQ(g_main.viewState, kViewRisk);
    EXPECT_TRUE(IsZoomed(gui::MainWindow()));
    EXPECT_FALSE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_TRUE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_EQ(ItemText(IDM_VIEW_GRAPH), "&Grafico");
    EXPECT_TRUE(Greyed(IDM_VIEW_TABLE));
    EXPECT_FALSE(Greyed(IDM_VIEW_GRAPH));
    int index = -1;
    EXPECT_EQ(GetViewPainter(g_main.viewState, MainMenu(), &index), DrawRiskTable);
    EXPECT_EQ(index, 9);
    EXPECT_STREQ(ChartJobName(index), "Grafico");
    gui::RunScript([] {
        EXPECT_TRUE(PopupTexts().empty());
        Key('2');
        EXPECT_EQ(SelectedCurve(), -1);

        gui::MainCommand(IDM_VIEW_GRAPH);
        int graph = -1;
        EXPECT_EQ(GetViewPainter(g_main.viewState, MainMenu(), &graph), DrawRiskChart);
        EXPECT_EQ(graph, 10);
        EXPECT_STREQ(ChartJobName(graph), "Grafico");
        EXPECT_EQ(PopupTexts(), (std::vector<std::string>{"non esposti", "esposti", "rischio", "~Tutto"}));
        for (WPARAM key : {'4', '5', '7'}) {
            Key(key);
            EXPECT_EQ(SelectedCurve(), -1) << (char)key;
        }
        Key('3');
        EXPECT_EQ(SelectedCurve(), 2);
        EXPECT_EQ(PopupTexts(), (std::vector<std::string>{"non esposti", "esposti", "~rischio", "Tutto"}));
        gui::MainCommand(IDM_CURVE_FIRST);
        EXPECT_EQ(SelectedCurve(), 0);
    });

    // The predictions bring the third view back, with their own texts.
    gui::RunScript([] { Calculate(IDM_PREDICTIONS, "Previsioni ISO 1999/90"); });
    ASSERT_TRUE(HasItem(IDM_VIEW_AUDIOGRAM));
    EXPECT_FALSE(ButtonHidden(IDM_VIEW_AUDIOGRAM));
    EXPECT_EQ(ItemText(IDM_VIEW_AUDIOGRAM), "Perdite-&Livello");
}

TEST_F(RiskCalculator, CopyInTabellaGivesTheThreeValues)
{
    gui::RunScript([] { Calculate(IDM_RISK, kTitle); });
    EXPECT_EQ(CopiedTable(),
              "Rischio di danno (in %) dovuto all'esposizione al rumore;;;\r\n"
              "Esposizione:;;;90,0 dBA per  35 anni\r\n"
              "Età:;;; 60\r\n"
              "Sesso:;;;M\r\n"
              "Criterio:;;;ISO 1999/90\r\n"
              "% della popolazione non esposta che supera la soglia di rischio:;;; 21,0\r\n"
              "% della popolazione esposta che supera la soglia di rischio:;;; 35,0\r\n"
              "% di popolazione a rischio causato all'esposizione a rumore:;;; 14,0\r\n");

    gui::RunScript([] {
        gui::MainCommand(IDM_RISK);
        Window dialog = gui::WaitWindow(kTitle);
        dialog.SetText(IDC_ISO_YEARS, "20");
        dialog.SetText(IDC_ISO_LEVEL, "95");
        dialog.SetText(IDC_ISO_AGE, "40");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    std::vector<std::string> lines = CsvLines(CopiedTable());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], "Esposizione:;;;95,0 dBA per  20 anni");
    EXPECT_EQ(lines[2], "Età:;;; 40");
    EXPECT_EQ(lines[5], "% della popolazione non esposta che supera la soglia di rischio:;;;  0,0");
    EXPECT_EQ(lines[6], "% della popolazione esposta che supera la soglia di rischio:;;; 17,0");
    EXPECT_EQ(lines[7], "% di popolazione a rischio causato all'esposizione a rumore:;;; 17,0");
}

TEST_F(RiskCalculator, ALongTitlePrintsWhole)
{
    // "Danno biologico (%) -  Esposizione: ... Criterio: Danno biologico
    // indennizzabile": 118 characters, longer than a printed line.
    g_riskState.criterion = kCriterionBiological6;
    gui::ForgetPrintJob();
    gui::RunScript([] {
        gui::Perform([] { EnterChartView(gui::MainWindow(), kViewRisk); });
        gui::MainCommand(IDM_VIEW_GRAPH);
        gui::MainCommand(IDM_PRINT);
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDC_NO_COMMENT);
        gui::WaitGone(comment);
    });
    std::string text = gui::PrintedText();
    EXPECT_NE(text.find("Danno biologico (%)"), std::string::npos) << text;
    EXPECT_NE(text.find("90.0 dBA"), std::string::npos) << text;
    EXPECT_NE(text.find("Criterio:"), std::string::npos) << text;
    EXPECT_NE(text.find("indennizzabile"), std::string::npos) << text;
    EXPECT_NE(text.find("rischio"), std::string::npos) << text;
}

// ---- Painters -------------------------------------------------------------
//
// Chart rectangle (0, 0, 1280, 1024): plot (160, 128) .. (1120, 896), 19
// columns of 50, so the fractile p % lies at x = 160 + 10 p; 10 rows of 76,
// a value of v dB at 896 - (v / 10 + 2) 76 and a damage of d % at
// 896 - 0.4 d 76, rounded down.

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const RECT kChart = {0, 0, 1280, 1024};

bool Near(const gui::Canvas& canvas, int x, int y, COLORREF colour)
{
    return canvas.Count(colour, x - 1, y - 1, x + 2, y + 2) > 0;
}

class RiskPainters : public testing::Test {
protected:
    void SetUp() override
    {
        g_riskState = InitialRiskState();
        SelectCurve(kAllCurves);
        SetColourFlag(true);
    }
    void TearDown() override
    {
        g_riskState = InitialRiskState();
        SelectCurve(kAllCurves);
    }
    int InPlot(COLORREF colour) const { return canvas_.Count(colour, 162, 129, 1120, 895); }
    gui::Canvas canvas_{1280, 1024, RGB(255, 255, 255), "Courier New", -12};
};

TEST_F(RiskPainters, CurvesCriterionLineAndSegmentWhereTheScalePutsThem)
{
    DrawRiskChart(canvas_.dc(), &kChart);
    // The criterion line at 27 dB: 896 - 4.7 x 76 = 538.8, one unit, black.
    EXPECT_GT(canvas_.Count(kBlack, 162, 538, 1120, 539), 700);
    // Non-exposed at 21 %: 27.40 dB, y 535.8; exposed at 35 %: 27.05 dB,
    // y 538.4.
    EXPECT_TRUE(Near(canvas_, 370, 535, kMagenta));
    EXPECT_TRUE(Near(canvas_, 510, 538, kBlue));
    // The segment from 21 % to 35 % at the exposed value, 538.
    EXPECT_TRUE(Near(canvas_, 380, 538, kRed));
    EXPECT_TRUE(Near(canvas_, 500, 538, kRed));
    EXPECT_EQ(canvas_.Count(kRed, 162, 129, 365, 895), 0);
    EXPECT_EQ(canvas_.Count(kRed, 515, 129, 1120, 895), 0);
    // Three legend cells of 320 in the short pens.
    EXPECT_TRUE(Near(canvas_, 320, 42, kMagenta));
    EXPECT_TRUE(Near(canvas_, 640, 42, kBlue));
    EXPECT_TRUE(Near(canvas_, 960, 42, kRed));
}

TEST_F(RiskPainters, TheSegmentStartsAtThePlotsLeftEdgeWhenTheNonExposedNeverMeetIt)
{
    g_riskState.record.years = 20.0;
    g_riskState.record.level = 95.0;
    g_riskState.record.age = 40.0;
    DrawRiskChart(canvas_.dc(), &kChart);
    // 0 % to 17 % at 27.19 dB: x 160 .. 330, y 896 - 4.719 x 76 = 537.3.
    EXPECT_TRUE(Near(canvas_, 161, 537, kRed));
    EXPECT_TRUE(Near(canvas_, 329, 537, kRed));
    EXPECT_EQ(canvas_.Count(kRed, 334, 129, 1120, 895), 0);
    EXPECT_EQ(canvas_.Count(kRed, 0, 129, 158, 1024), 0);
}

TEST_F(RiskPainters, ASelectedCurveAloneAndAnIndexTheChartDoesNotHaveIgnored)
{
    SelectCurve(2);  // "rischio": the segment alone, and its legend cell
    DrawRiskChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kRed), 0);
    EXPECT_EQ(InPlot(kMagenta), 0);
    EXPECT_EQ(InPlot(kBlue), 0);
    EXPECT_TRUE(Near(canvas_, 960, 42, kRed));
    EXPECT_FALSE(Near(canvas_, 320, 42, kMagenta));

    canvas_.Fill(kWhite);
    SelectCurve(1);
    DrawRiskChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kBlue), 0);
    EXPECT_EQ(InPlot(kMagenta) + InPlot(kRed), 0);

    // A curve the risk chart does not have (the seventh of another view):
    // all three are drawn.
    canvas_.Fill(kWhite);
    SelectCurve(6);
    DrawRiskChart(canvas_.dc(), &kChart);
    EXPECT_GT(InPlot(kMagenta), 0);
    EXPECT_GT(InPlot(kBlue), 0);
    EXPECT_GT(InPlot(kRed), 0);
}

TEST_F(RiskPainters, DamageCriteriaOnTheirScaleAndValuesFarOffItKeptInThePlot)
{
    // Biological damage of 6 %: the line at 896 - 2.4 x 76 = 713.6.
    g_riskState.criterion = kCriterionBiological6;
    DrawRiskChart(canvas_.dc(), &kChart);
    EXPECT_GT(canvas_.Count(kBlack, 162, 713, 1120, 714), 700);

    // An age of 9999999 (the age has no maximum) gives thresholds of
    // about 10^12 dB, far above the plot: nothing of the curves is drawn.
    for (int criterion : {kCriterionIso1999_90, kCriterionOtremNew}) {
        canvas_.Fill(kWhite);
        g_riskState.criterion = criterion;
        g_riskState.record.age = 9999999.0;
        DrawRiskChart(canvas_.dc(), &kChart);
        for (COLORREF pen : {kMagenta, kBlue, kRed}) {
            EXPECT_EQ(canvas_.Count(pen, 0, 898, 1280, 1024), 0) << criterion;
            EXPECT_EQ(canvas_.Count(pen, 0, 45, 1280, 127), 0) << criterion;
        }
        EXPECT_EQ(canvas_.Count(kMagenta, 160, 126, 1122, 899) + canvas_.Count(kBlue, 160, 126, 1122, 899), 0)
            << criterion;
    }
}

TEST_F(RiskPainters, TableLinesInTheirColours)
{
    // Table rectangle 53 .. 1229 by 56 .. 971, lines of 915 / 25 = 36: the
    // labels on lines 4, 6, 8 (y 164, 236, 308) in red, the values under
    // them in black.
    DrawRiskTable(canvas_.dc(), &kChart);
    for (int y : {164, 236, 308}) {
        EXPECT_GT(canvas_.Count(kRed, 53, y, 1229, y + 18), 0) << y;
        EXPECT_EQ(canvas_.Count(kBlack, 53, y, 1229, y + 18), 0) << y;
        EXPECT_GT(canvas_.Count(kBlack, 53, y + 36, 1229, y + 54), 0) << y;
        EXPECT_EQ(canvas_.Count(kRed, 53, y + 36, 1229, y + 54), 0) << y;
    }
    EXPECT_EQ(canvas_.Count(kRed, 0, 0, 1280, 164), 0);
    EXPECT_GT(canvas_.Count(kBlack, 53, 56, 1229, 128), 0);

    SetColourFlag(false);
    canvas_.Fill(kWhite);
    DrawRiskTable(canvas_.dc(), &kChart);
    EXPECT_EQ(canvas_.Count(kRed, 0, 0, 1280, 1024), 0);
    SetColourFlag(true);
}

TEST_F(RiskPainters, TheLongParameterLineFitsANarrowTable)
{
    // " Esposizione: ... Criterio: Danno biologico indennizzabile", 99
    // characters of about 6 units (594) in a table 16 .. 384 wide (400 less
    // its margins): drawn smaller, it ends inside the rectangle instead of
    // running to 610. (Wine draws Courier a few units wider than it
    // measures it, so the end is checked against the rectangle.) Line 2
    // at 16 + 17.
    g_riskState.criterion = kCriterionBiological6;
    RECT narrow = {0, 0, 400, 480};
    DrawRiskTable(canvas_.dc(), &narrow);
    int right = 0;
    for (int y = 33; y < 50; ++y)
        for (int x = 0; x < 700; ++x)
            if (canvas_.At(x, y) != kWhite)
                right = std::max(right, x);
    EXPECT_LT(right, 400);
    EXPECT_GT(right, 300);
}

TEST_F(RiskPainters, TheLongTitleStaysInANarrowBand)
{
    // On 640 the title of 118 characters of Courier (7 units each) is
    // wrapped or shrunk into its band (0 .. 640, 0 .. 20).
    g_riskState.criterion = kCriterionBiological6;
    RECT narrow = {0, 0, 640, 480};
    DrawRiskChart(canvas_.dc(), &narrow);
    int left = 640, right = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 640; ++x)
            if (canvas_.At(x, y) != kWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(left, 0);
    EXPECT_LT(right, 639);
    EXPECT_LT(left, 80);
    EXPECT_GT(right, 560);
}

}  // namespace
