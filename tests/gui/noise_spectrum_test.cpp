// The noise spectrum calculator "SPETTRORUM" driven through its real dialog:
// its levels, its checks, its ".spr" files, report text and printout.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "spectra/noise_spectrum_dialog.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace spectra_steps;

namespace {

const char kTitle[] = "Spettro del rumore";
const int kBand125 = IDC_BAND_FIRST, kBand1k = IDC_BAND_FIRST + 3, kBand8k = IDC_BAND_FIRST + 6;

Window OpenNoiseSpectrum()
{
    gui::MainCommand(IDM_NOISE_SPECTRUM);
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

const std::vector<std::string> kZeroBands(7, "  0.0");

class NoiseSpectrum : public testing::Test {
protected:
    void SetUp() override
    {
        memset(&g_noiseSpectrum, 0, sizeof g_noiseSpectrum);
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

// ---- Opening and the weighted levels ------------------------------------------

TEST_F(NoiseSpectrum, FirstOpeningShowsZerosEverywhere)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        const char* labels[7] = {"125 Hz", "250 Hz", "500 Hz", "1 kHz", "2 kHz", "4 kHz", "8 kHz"};
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(spectrum.Text(IDC_BAND_LABEL_FIRST + k), labels[k]);
        EXPECT_EQ(BandTexts(spectrum), kZeroBands);
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_FALSE(spectrum.Visible(IDC_CHART_PLACEHOLDER));
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, WeightedLevelsOfKnownSpectra)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        // 80 dB in every band: 10 log10(sum 10^(0.1 (80 + w))) over the A
        // corrections is 86.98, over the C corrections 87.95.
        SetFields(spectrum, IDC_BAND_FIRST, std::vector<std::string>(7, "80"));
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 87.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), " 88.0");

        // 90 dB at 1 kHz only: both corrections are 0 there.
        SetFields(spectrum, IDC_BAND_FIRST, {"0", "0", "0", "90", "0", "0", "0"});
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 90.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), " 90.0");

        // 10 dB at 125 Hz only: 10 - 16.1 is below 0, so A counts nothing;
        // C gives 10 - 0.2.
        SetFields(spectrum, IDC_BAND_FIRST, {"10", "0", "0", "0", "0", "0", "0"});
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), "  9.8");

        // Two equal bands add 3 dB: 85 at 500 Hz (A 81.8) and 85 at 1 kHz.
        SetFields(spectrum, IDC_BAND_FIRST, {"0", "0", "85", "85", "0", "0", "0"});
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 86.7");  // 10 log10(10^8.18 + 10^8.5)
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), " 88.0");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, TextThatIsNotANumberCountsAsZeroAndStays)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, {"0", "0", "0", "90", "0", "0", "0"});
        spectrum.SetText(kBand125, "abc");
        spectrum.SetText(kBand8k, "");
        EXPECT_EQ(spectrum.Text(kBand125), "abc");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 90.0");
        EXPECT_EQ(g_noiseSpectrum.bands[0], 0.0);
        EXPECT_EQ(g_noiseSpectrum.bands[3], 90.0);
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- The check at 140 dB ------------------------------------------------------------

TEST_F(NoiseSpectrum, ALevelAbove140IsRefusedWithTheBandLabel)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        spectrum.SetText(kBand1k, "");
        spectrum.Type(kBand1k, "150");
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "1 kHz");
        EXPECT_EQ(box.BoxText(), "Valore troppo elevato.");
        box.Answer(IDOK);
        gui::Settle();
        EXPECT_EQ(spectrum.Text(kBand1k), "");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), "  0.0");
        EXPECT_EQ(g_noiseSpectrum.bands[3], 0.0);

        // 140 is the limit itself.
        spectrum.Type(kBand1k, "140");
        EXPECT_EQ(spectrum.Text(kBand1k), "140");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), "140.0");
        EXPECT_EQ(g_noiseSpectrum.bands[3], 140.0);

        // A pasted text is checked as well, by the number at its start.
        spectrum.SetText(kBand8k, "140.1 dB");
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "8 kHz");
        box.Answer(IDOK);
        gui::Settle();
        EXPECT_EQ(spectrum.Text(kBand8k), "");
        CloseAndWait(spectrum);
    });
    // Each refused text shows the message once.
    EXPECT_EQ(gui::MessageBoxes().size(), 2u);
}

TEST_F(NoiseSpectrum, BandFieldsTakeDigitsOnePointAndEightCharacters)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        spectrum.SetText(kBand125, "");
        spectrum.Type(kBand125, "8x5.2.5");
        EXPECT_EQ(spectrum.Text(kBand125), "85.25");
        spectrum.SetText(kBand125, "");
        spectrum.Type(kBand125, "1.234567890");
        EXPECT_EQ(spectrum.Text(kBand125), "1.234567");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, BandsAreRedOnWhiteAndResultsRedOnTheMenuColour)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        ControlColours band = ColoursOf(spectrum, kBand1k, WM_CTLCOLOREDIT);
        EXPECT_EQ(band.text, RGB(255, 0, 0));
        EXPECT_EQ(band.background, RGB(255, 255, 255));
        ControlColours level = ColoursOf(spectrum, IDC_SPECTRUM_LAEQ, WM_CTLCOLORSTATIC);
        EXPECT_EQ(level.text, RGB(255, 0, 0));
        EXPECT_EQ(level.backgroundMode, TRANSPARENT);
        ControlColours notes = ColoursOf(spectrum, IDC_NOTES, WM_CTLCOLOREDIT);
        EXPECT_NE(notes.text, RGB(255, 0, 0));
        CloseAndWait(spectrum);
    });
}

// ---- Remembered state -----------------------------------------------------------------

TEST_F(NoiseSpectrum, ReopeningShowsEveryRememberedBand)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, {"80", "81", "82", "85.26", "84", "83", "79.94"});
        spectrum.SetText(IDC_NOTES, "Reparto presse");
        CloseAndWait(spectrum);

        // Every band comes back, not only the first one filled.
        spectrum = OpenNoiseSpectrum();
        EXPECT_EQ(BandTexts(spectrum),
                  (std::vector<std::string>{" 80.0", " 81.0", " 82.0", " 85.3", " 84.0", " 83.0", " 79.9"}));
        EXPECT_EQ(spectrum.Text(IDC_NOTES), "Reparto presse");
        // Recomputed from the fields as shown.
        EXPECT_EQ(g_noiseSpectrum.bands[3], 85.3);
        // Esc closes as well, and remembers.
        spectrum.SetText(kBand125, "60");
        spectrum.Key(VK_ESCAPE);
        gui::WaitGone(spectrum);

        spectrum = OpenNoiseSpectrum();
        EXPECT_EQ(spectrum.Text(kBand125), " 60.0");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// ---- Help and tooltips -----------------------------------------------------------------

TEST_F(NoiseSpectrum, HelpTopicsAndTooltips)
{
    gui::RunScript([] {
        Window spectrum = OpenNoiseSpectrum();
        gui::ClearHelpCalls();
        spectrum.Command(IDM_CALC_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXT);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100130u);

        // id x 65536 + 805: 8594 = 0x2192, 805 = 0x325.
        EXPECT_EQ(HelpTopicOf(spectrum, kBand1k), 0x21920325u);
        EXPECT_EQ(HelpTopicOf(spectrum, IDC_NOTES), 0x20D50325u);
        EXPECT_EQ(HelpTopicOf(spectrum, IDC_SPECTRUM_LCEQ), 0x0FB50325u);
        EXPECT_EQ(HelpTopicOf(spectrum, IDC_STATUS_BAR), 0x0629006Fu);

        EXPECT_EQ(TooltipOf(spectrum, kBand125), "Inserire il valore del livello di rumore a 125 Hz");
        EXPECT_EQ(TooltipOf(spectrum, kBand8k), "Inserire il valore del livello di rumore a 8000 Hz");
        EXPECT_EQ(TooltipOf(spectrum, IDC_SPECTRUM_LAEQ), "Livello equivalente pesato A dello spettro");
        EXPECT_EQ(TooltipOf(spectrum, IDC_SPECTRUM_LCEQ), "Livello equivalente pesato C dello spettro");
        EXPECT_EQ(TooltipOf(spectrum, IDC_STATUS_BAR),
                  "Visualizza il nome del file correntemente selezionato");
        EXPECT_EQ(TooltipOf(spectrum, IDC_NOTES), "Inserire qui delle note da salvare insieme ai dati");
        EXPECT_EQ(TooltipOf(spectrum, IDC_BAND_LABEL_FIRST), "");
        CloseAndWait(spectrum);
    });
}

// ---- Data files ---------------------------------------------------------------------------

TEST_F(NoiseSpectrum, SavedFileHoldsItsKeysInOrder)
{
    std::string path = Path("reparto.spr");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, std::vector<std::string>(7, "80"));
        spectrum.SetText(kBand8k, "79.5");
        spectrum.SetText(IDC_NOTES, "a\r\n\r\nb");
        SaveDataFileAs(spectrum, Path("reparto"));  // the dialog adds ".spr"
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        CloseAndWait(spectrum);
    });
    // The profile functions store values without their leading blanks.
    std::vector<std::string> expected = {
        "[FONEXA]", "Tipo=SPR", "LAEQ=86.9", "LCEQ=87.9", "[SPECTRUM]", "125=80", "250=80", "500=80",
        "1000=80",  "2000=80",  "4000=80",   "8000=79.5", "[NOTE]",     "1=a",    "2=",     "3=b",
        "Num=3",
    };
    EXPECT_EQ(NonEmpty(gui::FileLines(path)), expected);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, SaveWritesToTheCurrentFileWithoutAsking)
{
    std::string path = Path("giorno.spr");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        SaveDataFileAs(spectrum, path);
        spectrum.SetText(kBand1k, "90");
        spectrum.Command(IDM_CALC_SAVE);
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        CloseAndWait(spectrum);
    });
    std::vector<std::string> lines = NonEmpty(gui::FileLines(path));
    EXPECT_EQ(lines[2], "LAEQ=90.0");
    EXPECT_EQ(lines[8], "1000=90");
}

TEST_F(NoiseSpectrum, OpenedFileShowsComputedLevels)
{
    std::string path = Path("officina.spr");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=spr\r\nLAEQ=1.0\r\nLCEQ=2.0\r\n[SPECTRUM]\r\n125=80\r\n250=80\r\n"
                         "500=80\r\n1000=80\r\n2000=80\r\n4000=80\r\n8000=80\r\n"
                         "[NOTE]\r\n1=prima riga\r\n2=seconda riga\r\nNum=2\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        OpenDataFile(spectrum, path);
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(BandTexts(spectrum), std::vector<std::string>(7, "80"));
        // The stored levels are replaced by those of the bands.
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 87.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), " 88.0");
        EXPECT_EQ(spectrum.Text(IDC_NOTES), "prima riga\r\nseconda riga");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, AFileWithoutItsSpectrumLoadsAsZeros)
{
    std::string path = Path("vuoto.spr");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPR\r\nLAEQ=85.0\r\nLCEQ=86.0\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, std::vector<std::string>(7, "80"));
        spectrum.SetText(IDC_NOTES, "vecchie note");
        OpenDataFile(spectrum, path);
        EXPECT_EQ(BandTexts(spectrum), std::vector<std::string>(7, "0"));
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_NOTES), "");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, AFileBandAbove140IsRefusedWithItsLabel)
{
    std::string path = Path("alto.spr");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=80\r\n4000=150\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        spectrum.Command(IDM_CALC_OPEN);
        Window dialog = gui::WaitWindow("Caricamento file di dati");
        gui::AnswerFileDialog(dialog, path);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "4 kHz");
        EXPECT_EQ(box.BoxText(), "Valore troppo elevato.");
        box.Answer(IDOK);
        gui::WaitGone(dialog);
        EXPECT_EQ(spectrum.Text(IDC_BAND_FIRST + 5), "");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), " 79.8");
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        CloseAndWait(spectrum);
    });
    EXPECT_EQ(gui::MessageBoxes().size(), 1u);
}

TEST_F(NoiseSpectrum, AFileOfAnotherTypeIsRefusedSilently)
{
    std::string other = Path("protettore.spr");
    gui::WriteFile(other, "[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=30\r\n");
    std::string untyped = Path("senza.spr");
    gui::WriteFile(untyped, "[SPECTRUM]\r\n125=30\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        spectrum.SetText(kBand1k, "90");
        OpenDataFile(spectrum, other);
        OpenDataFile(spectrum, untyped);
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(spectrum.Text(kBand125), "  0.0");
        EXPECT_EQ(spectrum.Text(kBand1k), "90");
        CloseAndWait(spectrum);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(NoiseSpectrum, OpenedFromTheMainWindowWithAPath)
{
    std::string path = Path("avvio.spr");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n1000=90\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenFromMainWindow(path, kTitle);
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(spectrum.Text(kBand1k), "90");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 90.0");
        CloseAndWait(spectrum);
        // Next time the current file is forgotten, the spectrum is not.
        spectrum = OpenNoiseSpectrum();
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(spectrum.Text(kBand1k), " 90.0");
        CloseAndWait(spectrum);
    });
}

TEST_F(NoiseSpectrum, ABandRefusedWhileOpeningWithAPath)
{
    std::string path = Path("avvio_alto.spr");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=141\r\n1000=90\r\n");
    gui::RunScript([&] {
        gui::Perform([path] { OpenByExtension(gui::MainWindow(), path.c_str()); });
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "125 Hz");
        box.Answer(IDOK);
        Window spectrum = gui::WaitWindow(kTitle);
        EXPECT_EQ(spectrum.Text(kBand125), "");
        EXPECT_EQ(spectrum.Text(kBand1k), "90");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LAEQ), " 90.0");
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        CloseAndWait(spectrum);
    });
    EXPECT_EQ(gui::MessageBoxes().size(), 1u);
}

TEST_F(NoiseSpectrum, ADroppedFileIsLoaded)
{
    std::string path = Path("CADUTO.SPR");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=10\r\n");
    std::string other = Path("altro.spi");
    gui::WriteFile(other, "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=50\r\n");
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        gui::DropFiles(spectrum, {other});        // another extension: ignored
        gui::DropFiles(spectrum, {path, path});   // two files: ignored
        EXPECT_EQ(spectrum.Text(kBand125), "  0.0");
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        gui::DropFiles(spectrum, {path});
        EXPECT_EQ(spectrum.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(spectrum.Text(kBand125), "10");
        EXPECT_EQ(spectrum.Text(IDC_SPECTRUM_LCEQ), "  9.8");
        CloseAndWait(spectrum);
    });
}

// ---- Report text and printout ---------------------------------------------------------

TEST_F(NoiseSpectrum, ReportTextUsesTheLocaleSeparatorAndCommas)
{
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, {"80", "81.5", "82", "83", "84", "85", ""});
        spectrum.SetText(IDC_NOTES, "Reparto presse. Linea 2");
        spectrum.Command(IDM_COPY);
        CloseAndWait(spectrum);
    });
    EXPECT_EQ(gui::ClipboardCsv(),
              "Spettro del rumore;;;\r\n"
              "Frequenza (Hz):;;Livello (dB):\r\n"
              "125;;80\r\n"
              "250;;81,5\r\n"
              "500;;82\r\n"
              "1000;;83\r\n"
              "2000;;84\r\n"
              "4000;;85\r\n"
              "8000;;\r\n"
              "Livello equivalente pesato A (dBA):;; 90,1\r\n"
              "Livello equivalente pesato C (dBC):;; 90,4\r\n"
              "Note:\r\n"
              "Reparto presse. Linea 2\r\n");
}

TEST_F(NoiseSpectrum, PrintoutHasItsLinesTheChartAndTheBandLabels)
{
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        SetFields(spectrum, IDC_BAND_FIRST, {"80", "80", "80", "80", "80", "80", ""});
        spectrum.SetText(IDC_NOTES, "Misure del 3 marzo");
        spectrum.Command(IDM_CALC_PRINT);
        CloseAndWait(spectrum);
    });
    std::string text = gui::PrintedText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(gui::PrintedPages(), 1);
    std::vector<std::string> lines = NonEmpty(TextLines(text));
    ASSERT_GE(lines.size(), 21u);
    const std::vector<std::vector<std::string>> head = {
        {"Spettro del rumore"},
        {"Frequenze (Hz):", "Livelli sonori non pesati (dBlin):"},
        {"125", "80"},
        {"250", "80"},
        {"500", "80"},
        {"1000", "80"},
        {"2000", "80"},
        {"4000", "80"},
        {"8000", "0.0"},  // an empty field prints as 0.0
        {"Livello equivalente pesato A (dBA):", "86.3"},
        {"Livello equivalente pesato C (dBC):", "87.6"},
    };
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(Columns(lines[i]), head[i]) << "line " << i << ": " << lines[i];
    // The second column at half the page, the levels at two thirds.
    EXPECT_EQ(lines[1].find("Livelli"), lines[2].find("80"));
    EXPECT_GT(lines[9].find("86.3"), lines[1].find("Livelli"));
    // The scale of the chart, from its top down, then the band labels.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Columns(lines[11 + i]), std::vector<std::string>{std::to_string(140 - 20 * i)})
            << lines[11 + i];
    EXPECT_EQ(Columns(lines[19]), (std::vector<std::string>{"125 Hz", "250 Hz", "500 Hz", "1000 Hz",
                                                            "2000 Hz", "4000 Hz", "8000 Hz"}));
    EXPECT_EQ(Columns(lines[20]), std::vector<std::string>{"Misure del 3 marzo"});
}

TEST_F(NoiseSpectrum, NoPrinterPrintsNothingAndSaysSo)
{
    gui::ForgetPrintJob();
    gui::NoDefaultPrinter noPrinter;
    gui::RunScript([&] {
        Window spectrum = OpenNoiseSpectrum();
        spectrum.Command(IDM_CALC_PRINT);
        gui::WaitMessageBox().Answer(IDOK);
        CloseAndWait(spectrum);
    });
    EXPECT_FALSE(gui::PrintJobExists());
    ASSERT_EQ(gui::MessageBoxes().size(), 1u);
    EXPECT_EQ(gui::MessageBoxes()[0].text, "Nessuna stampante predefinita: impossibile stampare.");
}

}  // namespace
