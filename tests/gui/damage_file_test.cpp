// The audiometric damage calculator's ".ilg" files, report text and
// printout, through its File menu, the file dialogs, drops and the main
// window.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/gui/damage_steps.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace damage_steps;
using spectra_steps::Columns;
using spectra_steps::NonEmpty;
using spectra_steps::OpenDataFile;
using spectra_steps::SaveDataFileAs;
using spectra_steps::TextLines;

namespace {

class DamageFile : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDamage();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

// A ".ilg" file of the frame and the given keys of section FONEXA, with the
// six losses of each ear (an ear left out when its text is empty).
std::string IlgFile(const std::string& keys, const std::string& left, const std::string& right)
{
    const char* labels[6] = {"500", "1000", "2000", "3000", "4000", "6000"};
    std::string file = "[FONEXA]\r\nTipo=ILG\r\n" + keys;
    for (const auto& ear : {std::make_pair("SX", left), std::make_pair("DX", right)}) {
        if (ear.second.empty())
            continue;
        file += std::string("[") + ear.first + "]\r\n";
        for (const char* label : labels)
            file += std::string(label) + "=" + ear.second + "\r\n";
    }
    return file;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::vector<std::string> kept;
    for (const std::string& line : gui::FileLines(path))
        if (!line.empty())
            kept.push_back(line);
    return kept;
}

TEST_F(DamageFile, SavedFilesHoldTheirKeysInOrder)
{
    std::string path = Path("visita.ilg");
    std::string symmetric = Path("simmetrica.ilg");
    // A folder of an earlier run may be reused: no overwrite question.
    DeleteFileA(path.c_str());
    DeleteFileA(symmetric.c_str());
    gui::RunScript([&] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        EditRow(damage, 2, "42.7", "20");
        damage.Click(IDC_DAMAGE_TABLE_OLD);
        damage.Click(IDC_DAMAGE_AGRICOLTURA);
        damage.SetText(IDC_NOTES, "a");
        // Old table, left 40, 40, 42, -, 40: 0.6 x (11.11 + 13.33 + 19.55 +
        // 2.22) = 27.726; right 0; (2 x 0 + 27.726) / 3 = 9.24.
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   9");
        SaveDataFileAs(damage, Path("visita"));  // the dialog adds ".ilg"
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), path);

        damage.Click(IDC_DAMAGE_INDUSTRIA);
        damage.Click(IDC_DAMAGE_TABLE_BIO);
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        damage.SetText(IDC_NOTES, "");
        SaveDataFileAs(damage, symmetric);
        damage.Close();
        gui::WaitGone(damage);
    });
    std::vector<std::string> expected = {
        "[FONEXA]", "Tipo=ILG", "ILG=9", "SIMM=0",   "TABELLA=2", "INDUS=2",  "[SX]",
        "500=40",   "1000=40",  "2000=42.7", "3000=40", "4000=40",   "6000=40",  "[DX]",
        "500=20",   "1000=20",  "2000=20",  "3000=20",  "4000=20",   "6000=20",  "[NOTE]",
        "1=a",      "Num=1",
    };
    EXPECT_EQ(Lines(path), expected);
    // Biological, left 40 except 42 at 2000 Hz: 0.5 x (5 + 6 + 8.4 + 1.6 +
    // 0.4) = 10.7.
    expected = {
        "[FONEXA]", "Tipo=ILG", "ILG=11", "SIMM=1", "TABELLA=3", "INDUS=1", "[SX]",
        "500=40",   "1000=40",  "2000=42.7", "3000=40", "4000=40", "6000=40", "[NOTE]", "Num=0",
    };
    EXPECT_EQ(Lines(symmetric), expected);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(DamageFile, MissingKeysLoadAsSymmetricNewTableAndIndustria)
{
    std::string bare = Path("nuda.ilg");
    gui::WriteFile(bare, "[FONEXA]\r\nTipo=ilg\r\n[SX]\r\n500=40\r\n1000=40\r\n2000=40\r\n3000=40\r\n"
                         "4000=40\r\n[DX]\r\n500=90\r\n");
    gui::RunScript([&] {
        Window damage = OpenDamage();
        damage.Click(IDC_DAMAGE_TABLE_OLD);
        damage.Click(IDC_DAMAGE_AGRICOLTURA);
        OpenDataFile(damage, bare);
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), bare);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_TABLE_NEW));
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_TABLE_OLD));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_INDUSTRIA));
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_AGRICOLTURA));
        EXPECT_FALSE(FormulaEnabled(damage));
        EXPECT_EQ(ColumnCount(damage), 2);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 4, 1), "40");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 5, 1), "");  // no 6000 key
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  26");      // 25.65
        damage.Close();
        gui::WaitGone(damage);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(DamageFile, ATwoEarFileLoadedIntoASymmetricDialogKeepsItsTexts)
{
    // SIMM 0: the right ear's column must stand before its cells are set,
    // so that 42.7 stays 42.7 and counts as 42 (counted as 43 it would give
    // 11.04 instead of 10.21).
    std::string path = Path("due.ilg");
    gui::WriteFile(path, IlgFile("ILG=99\r\nSIMM=0\r\nTABELLA=1\r\nINDUS=2\r\n", "0", "42.7"));
    std::string odd = Path("strana.ilg");
    gui::WriteFile(odd, IlgFile("SIMM=7\r\nTABELLA=9\r\nINDUS=0\r\n", "40", "inf"));
    gui::RunScript([&] {
        Window damage = OpenDamage();
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_EQ(ColumnCount(damage), 2);
        OpenDataFile(damage, path);
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        ASSERT_EQ(ColumnCount(damage), 3);
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, row, 2), "42.7") << row;
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_AGRICOLTURA));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  10");  // 30.63 / 3; not the stored 99

        // SIMM 7 is symmetric, TABELLA 9 biological, INDUS 0 "Agricoltura".
        OpenDataFile(damage, odd);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_TABLE_BIO));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_AGRICOLTURA));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  10");  // 0.5 x 20
        damage.Command(IDM_CALC_SAVE);                      // to the current file
        // And off again: the flag is 0 or 1, so one click is one switch.
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 0, 2), "42");  // remembered, whole
        damage.Close();
        gui::WaitGone(damage);
    });
    // Keys already in the file keep their places.
    std::vector<std::string> lines = Lines(odd);
    std::vector<std::string> frame(lines.begin(), lines.begin() + std::min<size_t>(6, lines.size()));
    EXPECT_EQ(frame, (std::vector<std::string>{"[FONEXA]", "Tipo=ILG", "SIMM=1", "TABELLA=3", "INDUS=2",
                                               "ILG=10"}));
}

TEST_F(DamageFile, OtherFilesAreRefusedDropsAndTheMainWindowOpen)
{
    std::string weekly = Path("settimana.lew");
    gui::WriteFile(weekly, "[FONEXA]\r\nTipo=LEPW\r\n[SX]\r\n500=90\r\n");
    std::string wrongType = Path("lepd.ilg");
    gui::WriteFile(wrongType, "[FONEXA]\r\nTipo=LEPD\r\n[SX]\r\n500=90\r\n");
    std::string garbage = Path("rotto.ilg");
    gui::WriteFile(garbage, std::string("\x7f" "ELF\0\0[SX]\xff\xfe", 13) + std::string(3000, '\x01'));
    std::string path = Path("CADUTA.ILG");
    gui::WriteFile(path, IlgFile("SIMM=0\r\n", "40", "20"));
    gui::RunScript([&] {
        Window damage = OpenDamage();
        OpenDataFile(damage, wrongType);
        OpenDataFile(damage, garbage);
        gui::DropFiles(damage, {weekly});
        gui::DropFiles(damage, {path, path});
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 0, 1), " 0");
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   0");
        gui::DropFiles(damage, {path});
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   6");
        damage.Close();
        gui::WaitGone(damage);

        damage = spectra_steps::OpenFromMainWindow(path, "Calcolo Danno Uditivo");
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 3, 2), "20");
        damage.Close();
        gui::WaitGone(damage);
        damage = OpenDamage();  // the current file is forgotten
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        damage.Close();
        gui::WaitGone(damage);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(DamageFile, ReportTextUnderTheLocaleSeparator)
{
    std::string twoEars, oneEar;
    gui::RunScript([&] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        EditRow(damage, 2, "42.7", "20");
        damage.SetText(IDC_NOTES, "Visita, reparto 2");
        damage.Command(IDM_COPY);
        twoEars = gui::ClipboardCsv();
        EditRow(damage, 2, "40", "20");
        damage.Click(IDC_DAMAGE_TABLE_OLD);
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        damage.SetText(IDC_NOTES, std::string(250, 'a') + "bcdefgh");
        damage.Command(IDM_COPY);
        oneEar = gui::ClipboardCsv();
        damage.Close();
        gui::WaitGone(damage);
    });
    // New table, left 40, 40, 42, 40, 40: 0.6 x 45.55 = 27.33; / 4 = 6.83.
    EXPECT_EQ(twoEars,
              "Calcolo del danno uditivo ;;;;;\r\n"
              "Frequenza (Hz):;Orecchio Sx (dB):;Orecchio Dx (dB):;\r\n"
              "500;40;20;\r\n"
              "1000;40;20;\r\n"
              "2000;42,7;20;\r\n"
              "3000;40;20;\r\n"
              "4000;40;20;\r\n"
              "6000;40;20;\r\n"
              "Tabella Danno:;;Nuova;;\r\n"
              "Formula:;;Industria;;\r\n"
              "Danno (%):;;   7;;\r\n"
              "Note:\r\n"
              "Visita, reparto 2\r\n");
    EXPECT_EQ(oneEar,
              "Calcolo del danno uditivo ;;;;;\r\n"
              "Frequenza (Hz):;Orecchio Sx (dB):;;\r\n"
              "500;40;;\r\n"
              "1000;40;;\r\n"
              "2000;40;;\r\n"
              "3000;40;;\r\n"
              "4000;40;;\r\n"
              "6000;40;;\r\n"
              "Ipoacusia simmetrica;;;;;\r\n"
              "Tabella Danno:;;Vecchia;;\r\n"
              "Danno (%):;;  27;;\r\n"
              "Note:\r\n" +
                  std::string(250, 'a') + "bcdefg\r\n");  // 256 characters
}

// The audiogram's own texts on the page: the dB labels and the frequencies.
bool HasAudiogramLabels(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        size_t at = 0;
        for (const char* label : {" 500 ", " 1000 ", " 2000 ", " 3000 ", " 4000 ", " 6000 ", " Hz"}) {
            at = line.find(label, at);
            if (at == std::string::npos)
                break;
        }
        if (at != std::string::npos)
            return true;
    }
    return false;
}

TEST_F(DamageFile, PrintoutHasTheLinesAndTheAudiogram)
{
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        EditRow(damage, 4, "120", "65");  // drawn on the 90 dB line
        damage.SetText(IDC_NOTES, "Visita periodica, reparto presse");
        damage.Command(IDM_CALC_PRINT);
        damage.Close();
        gui::WaitGone(damage);
    });
    ASSERT_EQ(gui::PrintedPages(), 1);
    std::vector<std::string> lines = NonEmpty(TextLines(gui::PrintedText()));
    ASSERT_GE(lines.size(), 13u);
    using Row = std::vector<std::string>;
    EXPECT_EQ(Columns(lines[0]), Row{"Valutazione del danno"});
    EXPECT_EQ(Columns(lines[1]), (Row{"Nuova tabella valutativa", "(Industria)"}));
    EXPECT_EQ(Columns(lines[2]), Row{"Danno non simmetrico"});
    EXPECT_EQ(Columns(lines[3]), (Row{"Frequenza (Hz)", "Perdita or. sx. (dB)", "Perdita or. dx. (dB)"}));
    EXPECT_EQ(Columns(lines[4]), (Row{"500", "40", "20"}));
    EXPECT_EQ(Columns(lines[8]), (Row{"4000", "120", "65"}));
    EXPECT_EQ(Columns(lines[9]), (Row{"6000", "40", "20"}));
    // Left 40 except 120 at 4000 Hz: 0.6 x (11.25 + 11.25 + 15.75 + 3 + 5)
    // = 27.75; right 20 except 65 (4.75): 2.85; (3 x 2.85 + 27.75) / 4.
    // Its own line: the audiogram starts below it even where the printer's
    // lines are so tall that the damage line reaches a third of the page.
    EXPECT_EQ(Columns(lines[10]), (Row{"Danno totale (%):", "9"}));
    // The columns start at a third and two thirds of the page.
    EXPECT_EQ(lines[3].find("Perdita or. sx."), lines[4].find("40"));
    EXPECT_EQ(lines[3].find("Perdita or. dx."), lines[4].find("20"));
    EXPECT_TRUE(HasAudiogramLabels(lines));
    EXPECT_EQ(Columns(lines.back()), Row{"Visita periodica, reparto presse"});
}

TEST_F(DamageFile, SymmetricPrintoutHasOneEar)
{
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        damage.Click(IDC_DAMAGE_TABLE_BIO);
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        damage.Command(IDM_CALC_PRINT);
        damage.Close();
        gui::WaitGone(damage);
    });
    std::vector<std::string> lines = NonEmpty(TextLines(gui::PrintedText()));
    ASSERT_GE(lines.size(), 11u);
    using Row = std::vector<std::string>;
    EXPECT_EQ(Columns(lines[1]), Row{"Tabella danno biologico"});
    EXPECT_EQ(Columns(lines[2]), Row{"Danno simmetrico"});
    EXPECT_EQ(Columns(lines[3]), (Row{"Frequenza (Hz)", "Perdita or. sx. (dB)"}));
    EXPECT_EQ(Columns(lines[5]), (Row{"1000", "40"}));
    EXPECT_EQ(Columns(lines[10]), (Row{"Danno totale (%):", "10"}));
    EXPECT_TRUE(HasAudiogramLabels(lines));
}

}  // namespace
