// The protector selection wizard driven through its real property sheet:
// each page's controls, navigation and checks, the five methods with their
// verdicts, ".dpi" files and the printout.

#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/help.h"
#include "protectors/selection.h"
#include "protectors/selection_pages.h"
#include "resources/resource.h"
#include "shell/dispatch.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/selection_steps.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace selection_steps;
using spectra_steps::Columns;
using spectra_steps::HelpTopicOf;
using spectra_steps::NonEmpty;
using spectra_steps::TextLines;
using spectra_steps::TooltipOf;

namespace {

const char kNoFile[] = "Nessun file selezionato";

class Selection : public testing::Test {
protected:
    void SetUp() override
    {
        g_protectorSelection = StartSelection();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

std::vector<std::string> Boxes()
{
    std::vector<std::string> boxes;
    for (const gui::BoxRecord& box : gui::MessageBoxes())
        boxes.push_back(box.caption + ": " + box.text);
    return boxes;
}

// The next box: its caption and text, answered with OK.
std::string AnswerBox()
{
    Window box = gui::WaitMessageBox();
    std::string seen = box.Title() + ": " + box.BoxText();
    box.Answer(IDOK);
    return seen;
}

const char kNotNumeric[] =
    "Errore nell'inserimento dei dati!: Attenzione: non tutte le caselle di testo contengono un valore "
    "numerico.";
const char kWrongCharacter[] =
    "Errore nell'inserimento dei dati!: Inserire solo numeri, utilizzando il punto come separatore decimale.";
const char kZero[] = "Errore: Inserire valori numerici!";

std::string VerdictText(const std::string& le, const std::string& la, const std::string& word)
{
    return "Con l'otoprotettore scelto, il livello di pressione sonora equivalente risultante "
           "all'orecchio del lavoratore \xe8 pari a " + le + " dBA.\r\nIl livello d'azione \xe8 " + la +
           " dBA.\r\nLa protezione offerta dal DPI \xe8 da ritenersi " + word;
}

// ---- Page 111: the questions -----------------------------------------------------------

TEST_F(Selection, QuestionsRecommendTypesAndHaveTheirTooltipsAndHelp)
{
    gui::RunScript([] {
        Window sheet = OpenWizard();
        Window page = Page(sheet);
        EXPECT_TRUE(Checked(page, IDC_DPI_Q1_YES));
        EXPECT_TRUE(Checked(page, IDC_DPI_Q2_YES));
        EXPECT_FALSE(ButtonEnabled(sheet, kBackButton));
        EXPECT_TRUE(ButtonEnabled(sheet, kNextButton));
        EXPECT_EQ(page.Text(IDC_DPI_FILE), kNoFile);
        // Yes, yes: only the covered cushions.
        std::vector<bool> types = {Checked(page, IDC_DPI_EARMUFFS), Checked(page, IDC_DPI_COVERED_CUSHIONS),
                                   Checked(page, IDC_DPI_BANDED_PLUGS), Checked(page, IDC_DPI_DISPOSABLE_PLUGS)};
        EXPECT_EQ(types, (std::vector<bool>{false, true, false, false}));
        // No, no: muffs, banded plugs and disposable plugs.
        Toggle(page, IDC_DPI_Q1_NO);
        Toggle(page, IDC_DPI_Q2_NO);
        types = {Checked(page, IDC_DPI_EARMUFFS), Checked(page, IDC_DPI_COVERED_CUSHIONS),
                 Checked(page, IDC_DPI_BANDED_PLUGS), Checked(page, IDC_DPI_DISPOSABLE_PLUGS)};
        EXPECT_EQ(types, (std::vector<bool>{true, false, true, true}));
        // The types are shown, not chosen: a click changes nothing.
        page.Click(IDC_DPI_COVERED_CUSHIONS);
        EXPECT_FALSE(Checked(page, IDC_DPI_COVERED_CUSHIONS));

        EXPECT_EQ(TooltipOf(page, IDC_DPI_Q1_YES), "Seleziona la risposta Si");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_Q2_NO), "Seleziona la risposta No");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_BANDED_PLUGS), "Se selezionato, indica che la tipologia \xe8 idonea");
        EXPECT_EQ(TooltipOf(page, IDM_CALC_OPEN), "Selezionare per aprire un file");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_FILE), "Visualizza il nome del file correntemente aperto");
        EXPECT_EQ(HelpTopicOf(page, IDC_DPI_Q1_YES), 1572u * 65536 + 111);
        EXPECT_EQ(HelpTopicOf(page, IDC_DPI_PRINT), 1560u * 65536 + 111);
        gui::ClearHelpCalls();
        Press(sheet, PSBTN_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXT);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100235u);

        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(sheet.Title(), "Scelta del metodo di calcolo");
        EXPECT_EQ(g_protectorSelection.answer1, 0);
        EXPECT_EQ(g_protectorSelection.answer2, 0);
        Cancel(sheet);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- Page 114: information, methods, action level ---------------------------------------

TEST_F(Selection, TheInformationEnablesTheMethods)
{
    struct Case {
        bool spectrum, lceq, laeq;
        std::vector<bool> enabled;  // octave band, HML, HML check, SNR, corrected SNR
    };
    const Case cases[] = {
        {false, false, false, {false, false, false, false, false}},
        {false, false, true, {false, false, true, false, true}},
        {false, true, false, {false, false, false, true, false}},
        {false, true, true, {false, true, true, true, true}},
        {true, false, false, {true, true, true, true, true}},
    };
    const int buttons[] = {IDC_DPI_USE_OCTAVE_BAND, IDC_DPI_USE_HML, IDC_DPI_USE_HML_CHECK, IDC_DPI_USE_SNR,
                           IDC_DPI_USE_CORRECTED_SNR};
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        Press(sheet, PSBTN_NEXT);
        Window page = Page(sheet);
        EXPECT_TRUE(Checked(page, IDC_DPI_LA_85));
        EXPECT_FALSE(ButtonEnabled(sheet, kNextButton));
        for (const Case& c : cases) {
            if (Checked(page, IDC_DPI_HAS_SPECTRUM) != c.spectrum)
                Toggle(page, IDC_DPI_HAS_SPECTRUM);
            if (Checked(page, IDC_DPI_HAS_LCEQ) != c.lceq)
                Toggle(page, IDC_DPI_HAS_LCEQ);
            if (Checked(page, IDC_DPI_HAS_LAEQ) != c.laeq)
                Toggle(page, IDC_DPI_HAS_LAEQ);
            std::vector<bool> enabled;
            for (int id : buttons)
                enabled.push_back(page.Enabled(id));
            EXPECT_EQ(enabled, c.enabled) << c.spectrum << c.lceq << c.laeq;
        }
        EXPECT_EQ(TooltipOf(page, IDC_DPI_LA_90), "Selezionare per utilizzare 90 dBA come valore del livello d'azione");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_USE_HML), "Selezionare per utilizzare il metodo HML");
        EXPECT_EQ(HelpTopicOf(page, IDC_DPI_HAS_LAEQ), 1014u * 65536 + 114);
        Cancel(sheet);
    });
}

TEST_F(Selection, UncheckingTheInformationOfTheMethodUnchecksItAndNextGoesOff)
{
    gui::RunScript([] {
        Window sheet = OpenWizard();
        Press(sheet, PSBTN_NEXT);
        Window page = Page(sheet);
        Toggle(page, IDC_DPI_HAS_LAEQ);
        Toggle(page, IDC_DPI_USE_CORRECTED_SNR);
        EXPECT_EQ(g_protectorSelection.method, 1);
        EXPECT_TRUE(ButtonEnabled(sheet, kNextButton));
        Toggle(page, IDC_DPI_HAS_LAEQ);
        EXPECT_FALSE(Checked(page, IDC_DPI_USE_CORRECTED_SNR));
        EXPECT_FALSE(page.Enabled(IDC_DPI_USE_CORRECTED_SNR));
        EXPECT_FALSE(ButtonEnabled(sheet, kNextButton));
        // The information back: the method chosen is checked again.
        Toggle(page, IDC_DPI_HAS_LAEQ);
        EXPECT_TRUE(Checked(page, IDC_DPI_USE_CORRECTED_SNR));
        EXPECT_TRUE(ButtonEnabled(sheet, kNextButton));
        // The action level.
        Toggle(page, IDC_DPI_LA_90);
        EXPECT_EQ(g_protectorSelection.actionLevel, 90.0);
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(sheet.Title(), "Metodo SNR corretto");
        EXPECT_EQ(g_protectorSelection.hasLaeq, 1);
        Press(sheet, PSBTN_BACK);
        EXPECT_EQ(sheet.Title(), "Scelta del metodo di calcolo");
        EXPECT_TRUE(Checked(Page(sheet), IDC_DPI_LA_90));
        Toggle(Page(sheet), IDC_DPI_HAS_LAEQ);  // no method checked: none is kept
        Cancel(sheet);
    });
    EXPECT_EQ(g_protectorSelection.method, -1);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- Method pages: one worked example each ---------------------------------------------

struct Example {
    const char* name;
    int methodButton;
    const char* title;
    std::vector<std::pair<int, std::string>> fields;
    bool classL;
    double le;
    std::string verdict;  // the results page's text
};

TEST_F(Selection, EachMethodGivesItsLevelAndVerdict)
{
    const Example examples[] = {
        // 100 - 25
        {"SNR", IDC_DPI_USE_SNR, "Metodo SNR", {{IDC_DPI_LCEQ, "100"}, {IDC_DPI_SNR_VALUE, "25"}}, false, 75,
         VerdictText("75.0", "85.0", "ACCETTABILE.")},
        // 95 - (20 - 7)
        {"corrected SNR", IDC_DPI_USE_CORRECTED_SNR, "Metodo SNR corretto",
         {{IDC_DPI_LAEQ, "95"}, {IDC_DPI_SNR_VALUE, "20"}}, false, 82, VerdictText("82.0", "85.0", "ACCETTABILE.")},
        // LCeq - LAeq = 2: PNR = M = 25, LE = 100 - 25
        {"HML", IDC_DPI_USE_HML, "Metodo HML",
         {{IDC_DPI_LAEQ, "100"}, {IDC_DPI_LCEQ, "102"}, {IDC_DPI_H, "30"}, {IDC_DPI_M, "25"}, {IDC_DPI_L, "20"}},
         false, 75, VerdictText("75.0", "85.0", "ACCETTABILE.")},
        // class L: 100 - 20
        {"HML check L", IDC_DPI_USE_HML_CHECK, "Controllo HML",
         {{IDC_DPI_LAEQ, "100"}, {IDC_DPI_H, "30"}, {IDC_DPI_M, "25"}, {IDC_DPI_L, "20"}}, true, 80,
         VerdictText("80.0", "85.0", "BUONA.")},
        // class HM: 95 - 20 = 75 <= 85
        {"HML check HM", IDC_DPI_USE_HML_CHECK, "Controllo HML",
         {{IDC_DPI_LAEQ, "95"}, {IDC_DPI_H, "30"}, {IDC_DPI_M, "20"}, {IDC_DPI_L, "10"}}, false, 75,
         VerdictText("75.0", "85.0", "ACCETTABILE.")},
    };
    for (const Example& example : examples) {
        g_protectorSelection = StartSelection();
        gui::RunScript([&] {
            Window sheet = OpenWizard();
            ChooseMethod(sheet, true, false, false, example.methodButton);
            ASSERT_EQ(sheet.Title(), example.title);
            Window page = Page(sheet);
            EXPECT_TRUE(ButtonEnabled(sheet, kBackButton));
            EXPECT_TRUE(ButtonEnabled(sheet, kNextButton));
            FillFields(page, example.fields);
            if (example.classL)
                Toggle(page, IDC_DPI_CLASS_L);
            Press(sheet, PSBTN_NEXT);
            ASSERT_EQ(sheet.Title(), "Risultati del calcolo");
            Window results = Page(sheet);
            EXPECT_EQ(results.Text(IDC_DPI_REPORT), example.verdict);
            EXPECT_TRUE(ButtonEnabled(sheet, kFinishButton));
            EXPECT_EQ(g_protectorSelection.effectiveLevel, example.le);
            // Back to the method's page, which shows the values as taken.
            Press(sheet, PSBTN_BACK);
            EXPECT_EQ(sheet.Title(), example.title);
            Press(sheet, PSBTN_NEXT);
            Press(sheet, PSBTN_FINISH);
            gui::WaitGone(sheet);
        });
        EXPECT_TRUE(gui::MessageBoxes().empty()) << example.name;
    }
    EXPECT_EQ(g_protectorSelection.classL, 0);
    EXPECT_EQ(g_protectorSelection.laeq, 95.0);
    EXPECT_EQ(g_protectorSelection.m, 20.0);
}

TEST_F(Selection, MethodPagesShowTheRecordInTheirFormats)
{
    g_protectorSelection.laeq = 95.25;
    g_protectorSelection.lceq = 101;
    g_protectorSelection.snr = 7;
    g_protectorSelection.h = 30;
    gui::RunScript([] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, true, IDC_DPI_USE_SNR);
        Window page = Page(sheet);
        EXPECT_EQ(page.Text(IDC_DPI_LCEQ), "101.0");
        EXPECT_EQ(page.Text(IDC_DPI_SNR_VALUE), " 7.0");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_LCEQ), "Inserire il valore del livello di rumore pesato C da attenuare");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_PROTECTOR_FILE), "Selezionare per caricare i dati del DPI da un file");
        EXPECT_EQ(HelpTopicOf(page, IDC_DPI_SNR_VALUE), 1006u * 65536 + 109);
        gui::ClearHelpCalls();
        Press(sheet, PSBTN_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100260u);
        Press(sheet, PSBTN_BACK);
        Toggle(Page(sheet), IDC_DPI_USE_CORRECTED_SNR);
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(Page(sheet).Text(IDC_DPI_LAEQ), "95.2");
        Press(sheet, PSBTN_BACK);
        Toggle(Page(sheet), IDC_DPI_USE_HML);
        Press(sheet, PSBTN_NEXT);
        page = Page(sheet);
        EXPECT_EQ(page.Text(IDC_DPI_LAEQ), " 95.2");
        EXPECT_EQ(page.Text(IDC_DPI_H), "30.0");
        EXPECT_EQ(page.Text(IDC_DPI_M), " 0.0");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_M), "Inserire il valore dell'attenuazione M fornita dal DPI");
        Cancel(sheet);
    });
}

TEST_F(Selection, TheHmlCheckRefusesWhenTheNoiseIsNotKnownEnough)
{
    gui::RunScript([] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, false, true, IDC_DPI_USE_HML_CHECK);
        Window page = Page(sheet);
        EXPECT_TRUE(Checked(page, IDC_DPI_CLASS_HM));
        FillFields(page, {{IDC_DPI_LAEQ, "110"}, {IDC_DPI_H, "30"}, {IDC_DPI_M, "20"}, {IDC_DPI_L, "10"}});
        Press(sheet, PSBTN_NEXT);
        // 110 - 20 = 90 is above 85, 110 - 30 = 80 is not.
        EXPECT_EQ(AnswerBox(),
                  "Attenzione: non \xe8 possibile valutare la protezione offerta!: Ottenere maggiori informazioni "
                  "sul rumore ed usare uno degli altri metodi proposti");
        EXPECT_EQ(sheet.Title(), "Controllo HML");
        EXPECT_EQ(g_protectorSelection.effectiveLevel, 80.0);
        EXPECT_EQ(page.Text(IDC_DPI_LAEQ), "110");
        Cancel(sheet);
    });
}

TEST_F(Selection, ZerosAndTextThatIsNoNumberAreRefusedAndThePageStays)
{
    struct Case {
        int field;
        std::string text;
        std::vector<std::string> boxes;
        std::string shownAfter;
        std::string snr = "25";  // every field is checked, each with its message
    };
    const Case cases[] = {
        {IDC_DPI_SNR_VALUE, "0", {kZero}, "0"},
        {IDC_DPI_LCEQ, "0.0", {kZero}, "0.0"},
        {IDC_DPI_LCEQ, "", {kNotNumeric}, ""},
        {IDC_DPI_LCEQ, "9a5", {kWrongCharacter, kNotNumeric}, "9"},
        {IDC_DPI_LCEQ, "9a5", {kWrongCharacter, kWrongCharacter, kNotNumeric}, "9", "2,5"},
    };
    for (const Case& c : cases) {
        g_protectorSelection = StartSelection();
        gui::ClearMessageBoxes();
        gui::RunScript([&] {
            Window sheet = OpenWizard();
            ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
            Window page = Page(sheet);
            FillFields(page, {{IDC_DPI_LCEQ, "100"}, {IDC_DPI_SNR_VALUE, c.snr}});
            page.SetText(c.field, c.text);
            Press(sheet, PSBTN_NEXT);
            std::vector<std::string> seen;
            for (size_t i = 0; i < c.boxes.size(); ++i)
                seen.push_back(AnswerBox());
            EXPECT_EQ(seen, c.boxes) << c.text;
            EXPECT_EQ(sheet.Title(), "Metodo SNR");
            EXPECT_EQ(page.Text(c.field), c.shownAfter);
            // A refused page puts nothing into the record.
            EXPECT_EQ(g_protectorSelection.effectiveLevel, 0.0);
            EXPECT_EQ(g_protectorSelection.lceq, 0.0);
            EXPECT_EQ(g_protectorSelection.snr, 0.0);
            Cancel(sheet);
        });
        EXPECT_EQ(gui::MessageBoxes().size(), c.boxes.size());
    }
}

TEST_F(Selection, OctaveBandsFromSpectrumFilesAndAZeroBandRefused)
{
    std::string spr = Path("pressa.spr"), spi = Path("cuffia.spi");
    gui::WriteFile(spr, "[FONEXA]\r\nTipo=SPR\r\nLAEQ=88.0\r\nLCEQ=90.5\r\n[SPECTRUM]\r\n125=80\r\n250=82\r\n"
                        "500=84\r\n1000=85\r\n2000=83\r\n4000=80\r\n8000=75\r\n");
    gui::WriteFile(spi, "[FONEXA]\r\nTipo=SPI\r\nH=34\r\nM=28\r\nL=22\r\nSNR=31\r\n[SPECTRUM]\r\n125=15\r\n"
                        "250=20\r\n500=25\r\n1000=30\r\n2000=35\r\n4000=38\r\n");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, true, false, false, IDC_DPI_USE_OCTAVE_BAND);
        ASSERT_EQ(sheet.Title(), "Metodo banda d'ottava");
        Window page = Page(sheet);
        AnswerDialogOf(page, IDC_DPI_NOISE_FILE, "Caricamento file di dati", spr);
        AnswerDialogOf(page, IDC_DPI_PROTECTOR_FILE, "Caricamento file di dati", spi);
        std::vector<std::string> noise, attenuation;
        for (int k = 0; k < 7; ++k) {
            noise.push_back(page.Text(IDC_DPI_NOISE_FIRST + k));
            attenuation.push_back(page.Text(IDC_DPI_ATTENUATION_FIRST + k));
        }
        EXPECT_EQ(noise, (std::vector<std::string>{" 80.0", " 82.0", " 84.0", " 85.0", " 83.0", " 80.0", " 75.0"}));
        // The missing 8 kHz key reads 0.
        EXPECT_EQ(attenuation, (std::vector<std::string>{"15.0", "20.0", "25.0", "30.0", "35.0", "38.0", " 0.0"}));
        // Nothing is in the record until the fields are taken.
        EXPECT_EQ(g_protectorSelection.noise[0], 0.0);
        EXPECT_EQ(TooltipOf(page, IDC_DPI_NOISE_FIRST + 3), "Inserire il valore del livello di rumore a 1000 Hz");
        EXPECT_EQ(TooltipOf(page, IDC_DPI_ATTENUATION_FIRST + 6),
                  "Inserire il valore dell'attenuazione fornita dal DPI a 8000 Hz");

        // The zero at 8 kHz is refused; the bands before it are stored.
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(AnswerBox(), kZero);
        EXPECT_EQ(sheet.Title(), "Metodo banda d'ottava");
        EXPECT_EQ(g_protectorSelection.noise[5], 80.0);
        EXPECT_EQ(g_protectorSelection.attenuation[5], 38.0);
        EXPECT_EQ(g_protectorSelection.noise[6], 0.0);
        page.SetText(IDC_DPI_ATTENUATION_FIRST + 6, "36");
        // X = N + W - A: 48.9, 53.4, 55.8, 55.0, 49.2, 43.0, 37.9 dB; their
        // energies add up to 1.1021e6, 60.4 dB.
        Press(sheet, PSBTN_NEXT);
        ASSERT_EQ(sheet.Title(), "Risultati del calcolo");
        EXPECT_EQ(Page(sheet).Text(IDC_DPI_REPORT), VerdictText("60.0", "85.0", "TROPPO ALTA (IPERPROTEZIONE)."));
        EXPECT_EQ(g_protectorSelection.attenuation[6], 36.0);
        EXPECT_EQ(g_protectorSelection.noise[6], 75.0);
        Cancel(sheet);
    });
}

TEST_F(Selection, SpectraOfTheOtherKindOrWrongTypeFillNothing)
{
    std::string wrong = Path("falso.spr");
    gui::WriteFile(wrong, "[FONEXA]\r\nTipo=SPI\r\nLAEQ=88.0\r\nLCEQ=90.5\r\n");
    std::string spr = Path("rumore.spr");
    gui::WriteFile(spr, "[FONEXA]\r\nTipo=spr\r\nLAEQ=inf\r\nLCEQ=90.54\r\n");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, true, IDC_DPI_USE_HML);
        Window page = Page(sheet);
        page.SetText(IDC_DPI_LCEQ, "77");
        AnswerDialogOf(page, IDC_DPI_NOISE_FILE, "Caricamento file di dati", wrong);
        EXPECT_EQ(page.Text(IDC_DPI_LCEQ), "77");
        AnswerDialogOf(page, IDC_DPI_NOISE_FILE, "Caricamento file di dati", spr);
        EXPECT_EQ(page.Text(IDC_DPI_LAEQ), "  0.0");
        EXPECT_EQ(page.Text(IDC_DPI_LCEQ), " 90.5");
        EXPECT_EQ(page.Text(IDC_DPI_H), " 0.0");
        EXPECT_EQ(page.Text(IDC_DPI_FILE), kNoFile);
        Cancel(sheet);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- ".dpi" files ----------------------------------------------------------------------

TEST_F(Selection, SavedFileHoldsEveryKeyInItsOrder)
{
    std::string path = Path("scelta.dpi");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        Toggle(Page(sheet), IDC_DPI_Q2_NO);
        ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
        Window page = Page(sheet);
        FillFields(page, {{IDC_DPI_LCEQ, "100"}, {IDC_DPI_SNR_VALUE, "25"}});
        Press(sheet, PSBTN_NEXT);
        Window results = Page(sheet);
        results.SetText(IDC_NOTES, "Reparto presse\r\n\r\nturno B");
        SaveAsOnPage(results, path);
        EXPECT_EQ(results.Text(IDC_DPI_FILE), path);
        Cancel(sheet);
    });
    const std::vector<std::string> expected = {
        "[FONEXA]", "Tipo=DPI",
        "[SETTINGS]", "LACT=85.0", "LIVEFF=75.0", "R1=1", "R2=0", "LAEQ=0", "LCEQ=1", "BDO=0", "METODO=2",
        "[NOISE]", "125=0.0", "250=0.0", "500=0.0", "1000=0.0", "2000=0.0", "4000=0.0", "8000=0.0",
        "A=0.0", "C=100.0", "CLASSE=0",
        "[ATT]", "125=0.0", "250=0.0", "500=0.0", "1000=0.0", "2000=0.0", "4000=0.0", "8000=0.0",
        "H=0.0", "M=0.0", "L=0.0", "SNR=25.0",
        "[NOTE]", "1=Reparto presse", "2=", "3=turno B", "Num=3",
    };
    EXPECT_EQ(UnpaddedLines(gui::FileLines(path)), expected);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

const char kHmlFile[] =
    "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=80.0\r\nLIVEFF= 70.0\r\nR1=0\r\nR2=1\r\nLAEQ=1\r\nLCEQ=1\r\n"
    "BDO=0\r\nMETODO=4\r\n[NOISE]\r\nA= 90.0\r\nC= 96.0\r\nCLASSE=0\r\n[ATT]\r\nH=30.0\r\nM=25.0\r\nL=20.0\r\n"
    "SNR=28.0\r\n[NOTE]\r\n1=Linea 4\r\nNum=1\r\n";

TEST_F(Selection, AFileOfAnotherMethodMovesToItsPageOverTheStaleFields)
{
    std::string path = Path("hml.dpi");
    gui::WriteFile(path, kHmlFile);
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
        Window page = Page(sheet);
        FillFields(page, {{IDC_DPI_LCEQ, "99"}, {IDC_DPI_SNR_VALUE, "33"}});
        OpenOnPage(page, path);
        EXPECT_EQ(AnswerBox(),
                  "Attenzione: il metodo verr\xe0 cambiato.: Il file aperto fa riferimento ad un metodo di calcolo "
                  "diverso dal Metodo SNR.");
        gui::Settle();
        ASSERT_EQ(sheet.Title(), "Metodo HML");
        Window hml = Page(sheet);
        EXPECT_EQ(hml.Text(IDC_DPI_LAEQ), " 90.0");
        EXPECT_EQ(hml.Text(IDC_DPI_LCEQ), " 96.0");
        EXPECT_EQ(hml.Text(IDC_DPI_H), "30.0");
        EXPECT_EQ(hml.Text(IDC_DPI_FILE), path);
        // The SNR page did not take its 99 and 33 over the file's values.
        EXPECT_EQ(g_protectorSelection.lceq, 96.0);
        EXPECT_EQ(g_protectorSelection.snr, 28.0);
        EXPECT_EQ(g_protectorSelection.actionLevel, 80.0);
        Press(sheet, PSBTN_NEXT);
        ASSERT_EQ(sheet.Title(), "Risultati del calcolo");
        EXPECT_EQ(Page(sheet).Text(IDC_NOTES), "Linea 4");
        Cancel(sheet);
    });
    EXPECT_EQ(gui::MessageBoxes().size(), 1u);
}

// A file without METODO loaded on a method page: the page stays, its method
// is saved back as read; once the page computes, the results are its own.
TEST_F(Selection, AFileWithoutMethodSwitchesNothingAndThePageThatComputesNamesIt)
{
    std::string path = Path("vecchio.dpi");
    // No METODO and no LACT; flags written as 2.
    gui::WriteFile(path, "[FONEXA]\r\nTipo=dpi\r\n[SETTINGS]\r\nLIVEFF=88\r\nR1=2\r\nR2=0\r\nLAEQ=2\r\n"
                         "LCEQ=0\r\n[NOISE]\r\nC=1e300\r\nA=91.5\r\n[ATT]\r\nSNR=21\r\n");
    std::string asRead = Path("risalvato.dpi"), computed = Path("calcolato.dpi");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
        Window page = Page(sheet);
        page.SetText(IDC_DPI_LCEQ, "99");
        OpenOnPage(page, path);
        EXPECT_EQ(sheet.Title(), "Metodo SNR");
        // A level that cannot be shown in the field reads 0, and is refused.
        EXPECT_EQ(page.Text(IDC_DPI_LCEQ), "  0.0");
        EXPECT_EQ(page.Text(IDC_DPI_SNR_VALUE), "21.0");
        SaveAsOnPage(page, asRead);
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(AnswerBox(), kZero);
        page.SetText(IDC_DPI_LCEQ, "100");
        Press(sheet, PSBTN_NEXT);
        ASSERT_EQ(sheet.Title(), "Risultati del calcolo");
        Window results = Page(sheet);
        SaveAsOnPage(results, computed);
        Press(sheet, PSBTN_BACK);
        EXPECT_EQ(sheet.Title(), "Metodo SNR");
        // LCeq is not known: SNR is not offered, and leaving keeps no method.
        Press(sheet, PSBTN_BACK);
        Window choice = Page(sheet);
        EXPECT_TRUE(Checked(choice, IDC_DPI_HAS_LAEQ));
        EXPECT_TRUE(Checked(choice, IDC_DPI_LA_85));
        for (int id : {IDC_DPI_USE_OCTAVE_BAND, IDC_DPI_USE_HML, IDC_DPI_USE_HML_CHECK, IDC_DPI_USE_SNR,
                       IDC_DPI_USE_CORRECTED_SNR})
            EXPECT_FALSE(Checked(choice, id)) << id;
        EXPECT_FALSE(ButtonEnabled(sheet, kNextButton));
        Cancel(sheet);
    });
    EXPECT_EQ(g_protectorSelection.method, -1);
    EXPECT_EQ(g_protectorSelection.actionLevel, 85.0);
    std::vector<std::string> lines = UnpaddedLines(gui::FileLines(asRead));
    for (const char* line : {"LACT=85.0", "R1=1", "LAEQ=1", "METODO=0", "A=91.5"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    lines = UnpaddedLines(gui::FileLines(computed));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "METODO=2"), lines.end());
    EXPECT_EQ(gui::MessageBoxes().size(), 1u);
}

TEST_F(Selection, ResultsOfAFileWithoutMethodGoBackToTheMethodChoice)
{
    std::string path = Path("senza.dpi");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=90.0\r\nLIVEFF=78\r\nMETODO=7\r\n");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
        Window page = Page(sheet);
        FillFields(page, {{IDC_DPI_LCEQ, "100"}, {IDC_DPI_SNR_VALUE, "25"}});
        Press(sheet, PSBTN_NEXT);
        Window results = Page(sheet);
        OpenOnPage(results, path);
        EXPECT_EQ(sheet.Title(), "Risultati del calcolo");
        EXPECT_EQ(results.Text(IDC_DPI_REPORT), VerdictText("78.0", "90.0", "ACCETTABILE."));
        EXPECT_EQ(results.Text(IDC_DPI_FILE), path);
        Press(sheet, PSBTN_BACK);
        EXPECT_EQ(sheet.Title(), "Scelta del metodo di calcolo");
        Cancel(sheet);
    });
    // A number that names no method stays as read, to be saved back so.
    EXPECT_EQ(g_protectorSelection.method, 7);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Selection, AFileOfAnotherTypeIsNotLoadedNorSavedInto)
{
    std::string other = Path("altro.dpi");
    const std::string content = "[FONEXA]\r\nTipo=LEPD\r\nLAEQ=87.4\r\n";
    gui::WriteFile(other, content);
    std::string mine = Path("mio.dpi");
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        Window page = Page(sheet);
        OpenOnPage(page, other);
        EXPECT_EQ(page.Text(IDC_DPI_FILE), kNoFile);
        // "&Salva" asks for a name instead of writing into the refused file.
        DeleteFileA(mine.c_str());
        page.Click(IDM_CALC_SAVE);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, mine);
        gui::WaitGone(dialog);
        EXPECT_EQ(page.Text(IDC_DPI_FILE), mine);
        Cancel(sheet);
    });
    EXPECT_EQ(gui::ReadFile(other), content);
    EXPECT_EQ(NonEmpty(gui::FileLines(mine))[1], "Tipo=DPI");
}

TEST_F(Selection, ASaveThatCannotWriteIsToldAndKeepsTheCurrentFile)
{
    std::string missing = Path("cartella-assente") + "\\scelta.dpi";
    snprintf(g_protectorSelection.currentFile, sizeof g_protectorSelection.currentFile, "%s", missing.c_str());
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        Window page = Page(sheet);
        page.Click(IDM_CALC_SAVE);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Salvataggio file di dati");
        EXPECT_NE(box.BoxText().find("Impossibile salvare il file"), std::string::npos);
        box.Answer(IDOK);
        EXPECT_EQ(page.Text(IDC_DPI_FILE), missing);
        Cancel(sheet);
    });
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Selection, ASecondOpeningShowsTheFirstOnesAnswersAndFile)
{
    std::string path = Path("hml.dpi");
    gui::WriteFile(path, kHmlFile);
    gui::RunScript([&] {
        Window sheet = spectra_steps::OpenFromMainWindow(path, "Rispondere alle domande");
        Window page = Page(sheet);
        EXPECT_EQ(page.Text(IDC_DPI_FILE), path);
        EXPECT_TRUE(Checked(page, IDC_DPI_Q1_NO));
        EXPECT_TRUE(Checked(page, IDC_DPI_Q2_YES));
        Toggle(page, IDC_DPI_Q2_NO);
        Cancel(sheet);

        sheet = OpenWizard();
        page = Page(sheet);
        EXPECT_EQ(page.Text(IDC_DPI_FILE), path);
        EXPECT_TRUE(Checked(page, IDC_DPI_Q1_NO));
        EXPECT_TRUE(Checked(page, IDC_DPI_Q2_NO));
        Press(sheet, PSBTN_NEXT);
        EXPECT_TRUE(Checked(Page(sheet), IDC_DPI_USE_HML));
        EXPECT_TRUE(Checked(Page(sheet), IDC_DPI_LA_80));
        Cancel(sheet);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Selection, TheTypeChoosersSeventhFilterOpensTheWizardWithTheFile)
{
    std::string path = Path("scelta.dpi");
    gui::WriteFile(path, kHmlFile);
    gui::RunScript([&] {
        gui::MainCommand(IDM_OPEN);
        Window dialog = gui::WaitWindow("Apri");
        HWND types = dialog.Item(cmb1);
        HWND box = dialog.hwnd();
        gui::Perform([=] {
            SendMessageA(types, CB_SETCURSEL, 6, 0);
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)types);
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)types);
        });
        gui::AnswerFileDialog(dialog, path);
        Window sheet = gui::WaitWindow("Rispondere alle domande");
        EXPECT_EQ(Page(sheet).Text(IDC_DPI_FILE), path);
        Cancel(sheet);
    });
    EXPECT_EQ(g_protectorSelection.method, 4);
}

TEST_F(Selection, ADroppedFileLoadsAsOpenDoes)
{
    std::string path = Path("trascinato.dpi");
    gui::WriteFile(path, kHmlFile);
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        Window page = Page(sheet);
        gui::DropFiles(page, {path});
        gui::Settle();
        EXPECT_EQ(page.Text(IDC_DPI_FILE), path);
        EXPECT_TRUE(Checked(page, IDC_DPI_Q1_NO));
        Cancel(sheet);
    });
}

// ---- Correction for the real use -------------------------------------------------------

// The verdict on the level corrected on the results page, saved, reopened;
// a correction this program does not know loads as none, and is told.
TEST_F(Selection, ACorrectionJudgesTheCorrectedLevelAndIsSavedAndReopened)
{
    std::string path = Path("corretta.dpi"), unknown = Path("ignota.dpi");
    gui::WriteFile(unknown, "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLIVEFF=75\r\nMETODO=2\r\nCORREZIONE=ISO9999\r\n");
    // LCeq 100, SNR 25: 75 dBA; foam plugs keep half the SNR, 100 - 12.5.
    const std::string corrected =
        "Con l'otoprotettore scelto, il livello di pressione sonora equivalente risultante all'orecchio del "
        "lavoratore \xe8 pari a 75.0 dBA con l'attenuazione di laboratorio.\r\nCon la correzione Fattore beta "
        "UNI 9432, Inserti espandibili \xe8 pari a 88.0 dBA.\r\nIl livello d'azione \xe8 85.0 dBA.\r\n"
        "La protezione offerta dal DPI \xe8 da ritenersi INSUFFICIENTE.";
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, false, IDC_DPI_USE_SNR);
        FillFields(Page(sheet), {{IDC_DPI_LCEQ, "100"}, {IDC_DPI_SNR_VALUE, "25"}});
        Press(sheet, PSBTN_NEXT);
        Window results = Page(sheet);
        EXPECT_FALSE(results.Enabled(IDC_DPI_PROTECTOR_KIND));
        results.Select(IDC_DPI_CORRECTION, 1);
        EXPECT_EQ(results.Text(IDC_DPI_PROTECTOR_KIND), "Cuffie");
        results.Select(IDC_DPI_PROTECTOR_KIND, 1);
        EXPECT_EQ(results.Text(IDC_DPI_REPORT), corrected);
        SaveAsOnPage(results, path);
        Cancel(sheet);
    });
    EXPECT_NE(gui::ReadFile(path).find("METODO=2\r\nCORREZIONE=UNI9432\r\nTIPODPI=ESPANDIBILI\r\n"),
              std::string::npos);

    g_protectorSelection = StartSelection();
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        OpenOnPage(Page(sheet), path);
        for (int page = 0; page < 3; ++page)
            Press(sheet, PSBTN_NEXT);
        Window results = Page(sheet);
        EXPECT_EQ(results.Text(IDC_DPI_PROTECTOR_KIND), "Inserti espandibili");
        EXPECT_EQ(results.Text(IDC_DPI_REPORT), corrected);
        OpenOnPage(results, unknown);
        EXPECT_EQ(results.Text(IDC_DPI_FILE), kUnknownCorrectionNotice + unknown);
        EXPECT_EQ(results.Text(IDC_DPI_CORRECTION), "Nessuna correzione");
        EXPECT_EQ(results.Text(IDC_DPI_REPORT), VerdictText("75.0", "85.0", "ACCETTABILE."));
        Cancel(sheet);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- Printout ----------------------------------------------------------------------------

TEST_F(Selection, PrintoutListsTheAnswersTheMethodAndTheVerdict)
{
    gui::ForgetPrintJob();
    gui::RunScript([] {
        Window sheet = OpenWizard();
        Toggle(Page(sheet), IDC_DPI_Q1_NO);
        ChooseMethod(sheet, false, true, true, IDC_DPI_USE_HML);
        Window page = Page(sheet);
        FillFields(page, {{IDC_DPI_LAEQ, "100"}, {IDC_DPI_LCEQ, "102"}, {IDC_DPI_H, "30"}, {IDC_DPI_M, "25"},
                          {IDC_DPI_L, "20"}});
        Press(sheet, PSBTN_NEXT);
        Window results = Page(sheet);
        results.SetText(IDC_NOTES, "Rilievo del 3 marzo");
        results.Click(IDC_DPI_PRINT);
        Cancel(sheet);
    });
    std::vector<std::string> lines = NonEmpty(TextLines(gui::PrintedText()));
    std::vector<std::vector<std::string>> columns;
    for (const std::string& line : lines)
        columns.push_back(Columns(line));
    const std::vector<std::vector<std::string>> expected = {
        {"Scelta dell'otoprotettore (DPI)"},
        {"Il lavoro si svolge in condizioni ambientali sfavorevoli? NO"},
        {"Il lavoro si svolge con esposizione ripetitiva a rumori di breve durata? SI"},
        {"Tipologie consigliate di otoprotettore:"},
        {"Cuffie"},
        {"Inserti con archetto"},
        {"Informazioni disponibili sul rumore:"},
        {"Livello equivalente pesato A."},
        {"Livello equivalente pesato C."},
        {"Metodo di calcolo utilizzato: HML."},
        {"Caratteristiche del rumore:"},
        {"Laeq = 100.0 dBA", "Lceq = 102.0 dBC"},
        {"Caratteristiche del DPI:"},
        {"H = 30.0 dB", "M = 25.0 dB", "L = 20.0 dB"},
        {"Il livello di pressione sonora equivalente"},
        {"risultante all'orecchio del lavoratore \xe8 pari a:"},
        {"75.0 dBA"},
        {"Il livello d'azione \xe8: 85.0 dBA"},
        {"La protezione offerta dal DPI \xe8 da ritenersi ACCETTABILE."},
        {"Rilievo del 3 marzo"},
    };
    EXPECT_EQ(columns, expected);
    EXPECT_EQ(gui::PrintedPages(), 1);
}

TEST_F(Selection, PrintoutWithoutMethodHasNoMethodRows)
{
    gui::ForgetPrintJob();
    gui::RunScript([] {
        Window sheet = OpenWizard();
        Page(sheet).Click(IDC_DPI_PRINT);
        Cancel(sheet);
    });
    std::vector<std::string> lines = NonEmpty(TextLines(gui::PrintedText()));
    auto method = std::find_if(lines.begin(), lines.end(),
                               [](const std::string& l) { return l.find("Metodo di calcolo") != std::string::npos; });
    ASSERT_NE(method, lines.end());
    ASSERT_LT(method + 3, lines.end());
    EXPECT_EQ(Columns(*method), (std::vector<std::string>{"Metodo di calcolo utilizzato:"}));
    EXPECT_EQ(Columns(method[1]), (std::vector<std::string>{"Caratteristiche del rumore:"}));
    EXPECT_EQ(Columns(method[2]), (std::vector<std::string>{"Caratteristiche del DPI:"}));
    EXPECT_EQ(Columns(method[3]), (std::vector<std::string>{"Il livello di pressione sonora equivalente"}));
}

}  // namespace
