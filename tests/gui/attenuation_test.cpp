// The attenuation spectrum calculator "SPETTRODPI" driven through its real
// dialog: SNR and H, M, L from the bands, its checks, its ".spi" files,
// report text and printout.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "spectra/attenuation_dialog.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace spectra_steps;

namespace {

const char kTitle[] = "Spettro di attenuazione";
const int kBand125 = IDC_BAND_FIRST, kBand1k = IDC_BAND_FIRST + 3, kBand8k = IDC_BAND_FIRST + 6;

// A protector whose values are worked out below: H 34, M 28, L 22, SNR 31.
const std::vector<std::string> kMuff = {"15", "20", "25", "30", "33", "35", "38"};

Window OpenAttenuation()
{
    gui::MainCommand(IDM_ATTENUATION_SPECTRUM);
    return gui::WaitWindow(kTitle);
}

void CloseAndWait(const Window& window)
{
    window.Command(IDM_CALC_CLOSE);
    gui::WaitGone(window);
}

std::vector<std::string> BandTexts(const Window& window)
{
    std::vector<std::string> texts;
    for (int k = 0; k < 7; ++k)
        texts.push_back(window.Text(IDC_BAND_FIRST + k));
    return texts;
}

// H, M, L and SNR as shown.
std::vector<std::string> Values(const Window& window)
{
    return {window.Text(IDC_SPI_H), window.Text(IDC_SPI_M), window.Text(IDC_SPI_L),
            window.Text(IDC_SPI_SNR)};
}

class Attenuation : public testing::Test {
protected:
    void SetUp() override
    {
        memset(&g_attenuation, 0, sizeof g_attenuation);
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

// ---- Opening and the computed values ------------------------------------------------

TEST_F(Attenuation, FirstOpeningShowsTheRememberedZerosAndRemembersSnr2)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        const char* labels[7] = {"125 Hz", "250 Hz", "500 Hz", "1 kHz", "2 kHz", "4 kHz", "8 kHz"};
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(spi.Text(IDC_BAND_LABEL_FIRST + k), labels[k]);
        EXPECT_EQ(BandTexts(spi), std::vector<std::string>(7, " 0.0"));
        // The remembered values, although the fills of the bands computed
        // an SNR: with no attenuation the pink noise gives L'A 98.5, so
        // SNR = 100.5 - 98.5 = 2.
        EXPECT_EQ(Values(spi), std::vector<std::string>(4, " 0.0"));
        EXPECT_EQ(g_attenuation.snr, 2.0);
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        CloseAndWait(spi);

        spi = OpenAttenuation();
        EXPECT_EQ(Values(spi), (std::vector<std::string>{" 0.0", " 0.0", " 0.0", " 2.0"}));
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, ValuesOfKnownProtectors)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        // 10 dB in every band: every noise is reduced by 10 dB, so each PNR
        // is 10 and H = M = L = 10; the pink noise's L'A is 98.5 - 10, SNR
        // 100.5 - 88.5 = 12.
        SetFields(spi, IDC_BAND_FIRST, std::vector<std::string>(7, "10"));
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"10.0", "10.0", "10.0", "12.0"}));

        SetFields(spi, IDC_BAND_FIRST, kMuff);
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"34.0", "28.0", "22.0", "31.0"}));
        EXPECT_EQ(g_attenuation.h, 34.0);
        EXPECT_EQ(g_attenuation.m, 28.0);
        EXPECT_EQ(g_attenuation.l, 22.0);
        EXPECT_EQ(g_attenuation.snr, 31.0);
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, ZeroBandsGiveSnr2AndLeaveHmlAsTheyAre)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        spi.SetText(IDC_SPI_H, "7");
        spi.SetText(IDC_SPI_L, "");
        SetFields(spi, IDC_BAND_FIRST, std::vector<std::string>(7, "0"));
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"7", " 0.0", "", " 2.0"}));
        CloseAndWait(spi);
    });
}

TEST_F(Attenuation, NothingIsComputedUntilEveryBandHoldsText)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        spi.SetText(kBand8k, "");
        SetFields(spi, IDC_BAND_FIRST, {"15", "20", "25", "30", "33", "35"});
        EXPECT_EQ(Values(spi), (std::vector<std::string>{" 0.0", " 0.0", " 0.0", " 0.0"}));
        // The chart counts the empty band as 0.
        EXPECT_EQ(g_attenuation.bands[5], 35.0);
        EXPECT_EQ(g_attenuation.bands[6], 0.0);
        spi.SetText(kBand8k, "38");
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"34.0", "28.0", "22.0", "31.0"}));
        CloseAndWait(spi);
    });
}

// ---- The check at 60 dB -------------------------------------------------------------------

TEST_F(Attenuation, AValueAbove60IsRefusedWithTheTextAsCaption)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, kMuff);
        spi.SetText(kBand1k, "");
        spi.Type(kBand1k, "61");
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "61");
        EXPECT_EQ(box.BoxText(), "Valore troppo elevato.");
        box.Answer(IDOK);
        gui::Settle();
        EXPECT_EQ(spi.Text(kBand1k), "");
        EXPECT_EQ(g_attenuation.bands[3], 0.0);

        // 60 is the limit itself.
        spi.Type(kBand1k, "60");
        EXPECT_EQ(spi.Text(kBand1k), "60");
        EXPECT_EQ(g_attenuation.bands[3], 60.0);

        // H, M, L and SNR are checked alike, and nothing is computed.
        spi.SetText(IDC_SPI_SNR, "75.5");
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "75.5");
        box.Answer(IDOK);
        gui::Settle();
        EXPECT_EQ(spi.Text(IDC_SPI_SNR), "");
        spi.SetText(IDC_SPI_H, "60");
        EXPECT_EQ(spi.Text(IDC_SPI_H), "60");
        CloseAndWait(spi);
    });
    EXPECT_EQ(gui::MessageBoxes().size(), 2u);
}

TEST_F(Attenuation, ComputedValuesAbove60AreNotRefused)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        // 60 dB everywhere: the pink noise's L'A is 98.5 - 60, SNR 62.
        SetFields(spi, IDC_BAND_FIRST, std::vector<std::string>(7, "60"));
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"60.0", "60.0", "60.0", "62.0"}));
        CloseAndWait(spi);
        // Shown again at the next opening, still without a message.
        spi = OpenAttenuation();
        EXPECT_EQ(spi.Text(IDC_SPI_SNR), "62.0");
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, FieldsAreBlueOnWhite)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        for (int id : {kBand125, kBand8k, (int)IDC_SPI_H, (int)IDC_SPI_SNR}) {
            ControlColours field = ColoursOf(spi, id, WM_CTLCOLOREDIT);
            EXPECT_EQ(field.text, RGB(0, 0, 255)) << id;
            EXPECT_EQ(field.background, RGB(255, 255, 255)) << id;
        }
        EXPECT_NE(ColoursOf(spi, IDC_NOTES, WM_CTLCOLOREDIT).text, RGB(0, 0, 255));
        CloseAndWait(spi);
    });
}

// ---- Remembered state ---------------------------------------------------------------------

TEST_F(Attenuation, ReopeningShowsRememberedBandsAndComputedValuesOnly)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, kMuff);
        spi.SetText(IDC_SPI_H, "25");  // typed: not remembered
        spi.SetText(IDC_NOTES, "Cuffia modello B");
        CloseAndWait(spi);

        spi = OpenAttenuation();
        EXPECT_EQ(BandTexts(spi),
                  (std::vector<std::string>{"15.0", "20.0", "25.0", "30.0", "33.0", "35.0", "38.0"}));
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"34.0", "28.0", "22.0", "31.0"}));
        EXPECT_EQ(spi.Text(IDC_NOTES), "Cuffia modello B");
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- Help and tooltips ---------------------------------------------------------------------

TEST_F(Attenuation, HelpTopicsAndTooltips)
{
    gui::RunScript([] {
        Window spi = OpenAttenuation();
        gui::ClearHelpCalls();
        spi.Command(IDM_CALC_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXT);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100135u);

        // id x 65536 + 782: 8591 = 0x218F, 1006 = 0x3EE, 782 = 0x30E.
        EXPECT_EQ(HelpTopicOf(spi, kBand125), 0x218F030Eu);
        EXPECT_EQ(HelpTopicOf(spi, IDC_SPI_SNR), 0x03EE030Eu);
        EXPECT_EQ(HelpTopicOf(spi, IDC_SPI_H), 0x03FB030Eu);
        EXPECT_EQ(HelpTopicOf(spi, IDC_NOTES), 0x20D5030Eu);
        EXPECT_EQ(HelpTopicOf(spi, IDC_STATUS_BAR), 0x0629006Fu);

        EXPECT_EQ(TooltipOf(spi, kBand125), "Inserire il valore del livello di attenuazione a 125 Hz");
        EXPECT_EQ(TooltipOf(spi, kBand1k), "Inserire il valore del livello di attenuazione a 1000 Hz");
        EXPECT_EQ(TooltipOf(spi, IDC_SPI_SNR), "Inserire il valore del livello di attenuazione SNR");
        EXPECT_EQ(TooltipOf(spi, IDC_SPI_H), "Inserire il valore del livello di attenuazione H");
        EXPECT_EQ(TooltipOf(spi, IDC_SPI_M), "Inserire il valore del livello di attenuazione M");
        EXPECT_EQ(TooltipOf(spi, IDC_SPI_L), "Inserire il valore del livello di attenuazione L");
        EXPECT_EQ(TooltipOf(spi, IDC_STATUS_BAR), "Visualizza il nome del file correntemente selezionato");
        EXPECT_EQ(TooltipOf(spi, IDC_NOTES), "Inserire qui delle note da salvare insieme ai dati");
        CloseAndWait(spi);
    });
}

// ---- Data files -----------------------------------------------------------------------------

TEST_F(Attenuation, TypedHIsSavedUntilABandChanges)
{
    std::string path = Path("cuffia.spi");
    std::vector<std::string> first, second;
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, kMuff);
        spi.SetText(IDC_SPI_H, "25");
        spi.SetText(IDC_NOTES, "a\r\n\r\nb");
        SaveDataFileAs(spi, Path("cuffia"));  // the dialog adds ".spi"
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), path);
        first = NonEmpty(gui::FileLines(path));

        spi.SetText(kBand125, "15");  // the same number, but a change
        EXPECT_EQ(spi.Text(IDC_SPI_H), "34.0");
        spi.Command(IDM_CALC_SAVE);
        second = NonEmpty(gui::FileLines(path));
        CloseAndWait(spi);
    });
    std::vector<std::string> expected = {
        "[FONEXA]", "Tipo=SPI", "H=25",    "M=28.0",  "L=22.0", "SNR=31.0", "[SPECTRUM]",
        "125=15",   "250=20",   "500=25",  "1000=30", "2000=33", "4000=35", "8000=38",
        "[NOTE]",   "1=a",      "2=",      "3=b",     "Num=3",
    };
    EXPECT_EQ(first, expected);
    expected[2] = "H=34.0";
    EXPECT_EQ(second, expected);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, OpenedFileShowsComputedValuesOverStoredOnes)
{
    std::string path = Path("tappi.spi");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=spi\r\nH=1\r\nM=2\r\nL=3\r\nSNR=4\r\n[SPECTRUM]\r\n125=15\r\n"
                         "250=20\r\n500=25\r\n1000=30\r\n2000=33\r\n4000=35\r\n8000=38\r\n"
                         "[NOTE]\r\n1=prima riga\r\n2=seconda riga\r\nNum=2\r\n");
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        OpenDataFile(spi, path);
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(BandTexts(spi), kMuff);
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"34.0", "28.0", "22.0", "31.0"}));
        EXPECT_EQ(spi.Text(IDC_NOTES), "prima riga\r\nseconda riga");
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, AFileWithoutItsSpectrumKeepsItsHml)
{
    std::string path = Path("solo_hml.spi");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPI\r\nH=30\r\nM=25\r\nL=20\r\nSNR=28\r\n");
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        OpenDataFile(spi, path);
        // Every band reads "0": the SNR of no attenuation (2) replaces the
        // stored one; H, M and L compute to 0 and stay as stored.
        EXPECT_EQ(BandTexts(spi), std::vector<std::string>(7, "0"));
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"30", "25", "20", " 2.0"}));
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, AFileOfAnotherTypeIsRefusedSilently)
{
    std::string other = Path("rumore.spi");
    gui::WriteFile(other, "[FONEXA]\r\nTipo=SPR\r\nH=30\r\n[SPECTRUM]\r\n125=30\r\n");
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, kMuff);
        OpenDataFile(spi, other);
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(BandTexts(spi), kMuff);
        EXPECT_EQ(spi.Text(IDC_SPI_H), "34.0");
        CloseAndWait(spi);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Attenuation, OpenedFromTheMainWindowAndByADrop)
{
    std::string path = Path("avvio.spi");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=10\r\n250=10\r\n500=10\r\n"
                         "1000=10\r\n2000=10\r\n4000=10\r\n8000=10\r\n");
    std::string dropped = Path("CADUTO.SPI");
    gui::WriteFile(dropped, "[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=15\r\n250=20\r\n500=25\r\n"
                            "1000=30\r\n2000=33\r\n4000=35\r\n8000=38\r\n");
    gui::RunScript([&] {
        Window spi = OpenFromMainWindow(path, kTitle);
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"10.0", "10.0", "10.0", "12.0"}));
        gui::DropFiles(spi, {Path("altro.spr")});   // another extension: ignored
        gui::DropFiles(spi, {dropped, dropped});   // two files: ignored
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), path);
        gui::DropFiles(spi, {dropped});
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), dropped);
        EXPECT_EQ(Values(spi), (std::vector<std::string>{"34.0", "28.0", "22.0", "31.0"}));
        CloseAndWait(spi);
        spi = OpenAttenuation();
        EXPECT_EQ(spi.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        CloseAndWait(spi);
    });
}

// ---- Report text and printout -------------------------------------------------------------

TEST_F(Attenuation, ReportTextUsesTheLocaleSeparatorAndCommas)
{
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, {"15", "20.5", "25", "30", "33", "35", "38"});
        spi.SetText(IDC_SPI_M, "");
        spi.SetText(IDC_NOTES, "Cuffia B. Taglia M");
        spi.Command(IDM_COPY);
        CloseAndWait(spi);
    });
    EXPECT_EQ(gui::ClipboardCsv(),
              "Spettro di attenuazione;;;\r\n"
              "Frequenza (Hz):;;Attenuazione (dB):\r\n"
              "125;;15\r\n"
              "250;;20,5\r\n"
              "500;;25\r\n"
              "1000;;30\r\n"
              "2000;;33\r\n"
              "4000;;35\r\n"
              "8000;;38\r\n"
              "Attenuazione H (dB):;;34,0\r\n"
              "Attenuazione M (dB):;;\r\n"
              "Attenuazione L (dB):;;22,0\r\n"
              "Attenuazione SNR (dB):;;31,0\r\n"
              "Note:\r\n"
              "Cuffia B. Taglia M\r\n");
}

TEST_F(Attenuation, PrintoutHasItsLinesTheChartAndTheBandLabels)
{
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window spi = OpenAttenuation();
        SetFields(spi, IDC_BAND_FIRST, kMuff);
        spi.SetText(kBand8k, "");
        spi.SetText(IDC_NOTES, "Cuffia modello B");
        spi.Command(IDM_CALC_PRINT);
        CloseAndWait(spi);
    });
    std::string text = gui::PrintedText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(gui::PrintedPages(), 1);
    std::vector<std::string> lines = NonEmpty(TextLines(text));
    ASSERT_GE(lines.size(), 19u);
    const std::vector<std::vector<std::string>> head = {
        {"Spettro del DPI"},
        {"Frequenze (Hz):", "Attenuazione del DPI (dB):"},
        {"125", "15"},
        {"250", "20"},
        {"500", "25"},
        {"1000", "30"},
        {"2000", "33"},
        {"4000", "35"},
        {"8000", "0.0"},  // an empty field prints as 0.0
        // With the last band emptied nothing is computed again.
        {"Valore di attenuazione H (dB):", "34.0"},
        {"Valore di attenuazione M (dB):", "28.0"},
        {"Valore di attenuazione L (dB):", "22.0"},
        {"Valore di attenuazione SNR (dB):", "31.0"},
        // The scale of the chart, from its top down.
        {"60"},
        {"40"},
        {"20"},
        {"0"},
        {"125 Hz", "250 Hz", "500 Hz", "1000 Hz", "2000 Hz", "4000 Hz", "8000 Hz"},
        {"Cuffia modello B"},
    };
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(Columns(lines[i]), head[i]) << "line " << i << ": " << lines[i];
    EXPECT_EQ(lines[1].find("Attenuazione"), lines[2].find("15"));
    EXPECT_GT(lines[9].find("34.0"), lines[1].find("Attenuazione"));
}

}  // namespace
