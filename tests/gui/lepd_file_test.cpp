// The daily exposure calculator's ".lep" files, report text and printout,
// through its File menu, the file dialogs and drops.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/dispatch.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"
#include "tests/gui/printed_text.h"

using gui::Window;

namespace {

std::vector<std::string> NonEmpty(const std::vector<std::string>& lines)
{
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (!line.empty())
            kept.push_back(line);
    return kept;
}

// Saves through "Sa&lva con nome..." and the save dialog.
void SaveAs(const Window& lepd, const std::string& path)
{
    lepd.Command(IDM_CALC_SAVE_AS);
    Window dialog = gui::WaitWindow("Salvataggio file di dati");
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

// Opens through "&Apri..." and the open dialog.
void Open(const Window& lepd, const std::string& path)
{
    lepd.Command(IDM_CALC_OPEN);
    Window dialog = gui::WaitWindow("Caricamento file di dati");
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

Window OpenLepdWithFile(const std::string& path)
{
    gui::Perform([path] { OpenByExtension(gui::MainWindow(), path.c_str()); });
    return gui::WaitWindow("Calcolo Lep,d");
}

class LepdFile : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDailyExposure();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

TEST_F(LepdFile, SavedFileHoldsItsKeysInOrder)
{
    std::string path = Path("turno.lep");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Select(IDC_TIME_UNIT, 2);
        AddRow(lepd, "90", "4");
        AddRow(lepd, "80", "4");
        lepd.SetText(IDC_NOTES, "a\r\n\r\nb");
        SaveAs(lepd, Path("turno"));  // the dialog adds ".lep"
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    std::vector<std::string> expected = {
        "[FONEXA]", "Tipo=LEPD", "LAEQ=87.4", "TOTTIME=8.00", "LEPD=87.4", "TFORM=2", "ITEMS=2",
        "[LEQ]",    "1=90",      "2=80",      "[TIME]",       "1=4",       "2=4",     "[NOTE]",
        "1=a",      "2=",        "3=b",       "Num=3",
    };
    EXPECT_EQ(NonEmpty(gui::FileLines(path)), expected);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(LepdFile, SaveWritesToTheCurrentFileWithoutAsking)
{
    std::string path = Path("giorno.lep");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "480");
        SaveAs(lepd, path);
        AddRow(lepd, "100", "10");
        lepd.Command(IDM_CALC_SAVE);  // no dialog: the file is known
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    std::vector<std::string> lines = NonEmpty(gui::FileLines(path));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ITEMS=2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "2=100"), lines.end());
}

TEST_F(LepdFile, OpenShowsTheStoredOutputsAndUnit)
{
    std::string path = Path("ore.lep");
    gui::WriteFile(path,
                   "[FONEXA]\r\nTipo=lepd\r\nLAEQ=99.9\r\nTOTTIME=1.50\r\nLEPD=95.0\r\nTFORM=2\r\n"
                   "ITEMS=2\r\n[LEQ]\r\n1=90\r\n2=85.5\r\n[TIME]\r\n1=1\r\n2=0.5\r\n"
                   "[NOTE]\r\n1=prima riga\r\n2=seconda riga\r\nNum=2\r\n");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        Open(lepd, path);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 2);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 0), "85.5");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 1), "0.5");
        // The stored outputs, not recomputed from the rows.
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), "99.9");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "1.50");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "95.0");
        EXPECT_EQ(lepd.Text(IDC_TIME_UNIT), "ore");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (h):");
        EXPECT_EQ(lepd.Text(IDC_NOTES), "prima riga\r\nseconda riga");
        lepd.Close();
        gui::WaitGone(lepd);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(LepdFile, AFileOfAnotherTypeIsRefusedSilently)
{
    std::string weekly = Path("settimana.lew");
    gui::WriteFile(weekly, "[FONEXA]\r\nTipo=LEPW\r\nLEPW=85.0\r\n");
    std::string garbage = Path("rotto.lep");
    gui::WriteFile(garbage, std::string("\x7f" "ELF\0\0\x01\x02[FONEXA\xff\xfe", 17) + std::string(3000, '\x01'));
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "60");
        Open(lepd, weekly);
        Open(lepd, garbage);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 1);
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "81.0");
        lepd.Close();
        gui::WaitGone(lepd);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(LepdFile, OverlongValuesAreCutSafely)
{
    std::string path = Path("lungo.lep");
    std::string longValue(5000, '9');
    std::string longLine(2000, 'n');
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nLAEQ=" + longValue + "\r\nTFORM=1\r\nITEMS=999999999\r\n"
                         "[LEQ]\r\n1=" + longValue + "\r\n2=90\r\n[TIME]\r\n1=60\r\n2=" + longValue +
                         "\r\n[NOTE]\r\n1=" + longLine + "\r\n2=" + longLine + "\r\nNum=2\r\n");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        Open(lepd, path);
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), std::string(15, '9'));
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 2);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 0), std::string(15, '9'));
        std::string notes = lepd.Text(IDC_NOTES);
        EXPECT_LE(notes.size(), 512u);
        EXPECT_EQ(notes.substr(0, 500), std::string(500, 'n'));
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(LepdFile, NotesRoundTripByTheirLines)
{
    std::string path = Path("note.lep");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.SetText(IDC_NOTES, "x\r\ny\r\nz");
        SaveAs(lepd, path);
        // A shorter note later: the old keys stay but are not read.
        lepd.SetText(IDC_NOTES, "a\r\n");
        lepd.Command(IDM_CALC_SAVE);
        lepd.SetText(IDC_NOTES, "altro");
        Open(lepd, path);
        EXPECT_EQ(lepd.Text(IDC_NOTES), "a");
        lepd.Close();
        gui::WaitGone(lepd);
    });
    std::vector<std::string> lines = NonEmpty(gui::FileLines(path));
    std::vector<std::string> notes(std::find(lines.begin(), lines.end(), "[NOTE]"), lines.end());
    EXPECT_EQ(notes, (std::vector<std::string>{"[NOTE]", "1=a", "2=y", "3=z", "Num=1"}));
}

TEST_F(LepdFile, OpenedFromTheMainWindowWithAPath)
{
    std::string path = Path("avvio.lep");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=480\r\n");
    gui::RunScript([&] {
        Window lepd = OpenLepdWithFile(path);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "90.0");  // computed at opening
        lepd.Close();
        gui::WaitGone(lepd);
        // Next time the current file is forgotten.
        lepd = OpenLepd();
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(LepdFile, DroppedFileIsLoadedAndComputed)
{
    std::string path = Path("CADUTO.LEP");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nLAEQ=1.0\r\nLEPD=1.0\r\nTFORM=2\r\nITEMS=1\r\n"
                         "[LEQ]\r\n1=90\r\n[TIME]\r\n1=4\r\n");
    std::string other = Path("altro.spr");
    gui::WriteFile(other, "[FONEXA]\r\nTipo=LEPD\r\nITEMS=1\r\n[LEQ]\r\n1=50\r\n[TIME]\r\n1=1\r\n");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        gui::DropFiles(lepd, {other});         // another extension: ignored
        gui::DropFiles(lepd, {path, path});    // two files: ignored
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 0);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        gui::DropFiles(lepd, {path});
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "87.0");  // computed, not the stored 1.0
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "4.00");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(LepdFile, AZeroRowStopsTheComputation)
{
    std::string path = Path("zero.lep");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=2\r\n[LEQ]\r\n1=90\r\n2=abc\r\n"
                         "[TIME]\r\n1=60\r\n2=60\r\n");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "480");
        gui::DropFiles(lepd, {path});
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Errore");
        EXPECT_EQ(box.BoxText(), "Errore nei valori!");
        box.Answer(IDOK);
        // The outputs keep their texts.
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "90.0");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(LepdFile, ReportTextUsesTheLocaleSeparatorAndCommas)
{
    gui::RunScript([&] { CopyTwoRowReport("Reparto presse, linea 2"); });
    EXPECT_EQ(gui::ClipboardCsv(),
              "Calcolo del livello di esposizione personale giornaliero al rumore (Lep,d);;;\r\n"
              "Livelli equivalenti (dBA):;;Tempi di esposizione (ore):\r\n"
              "90;;4\r\n"
              "80,5;;4\r\n"
              "Livello equivalente (dBA):;;87,5\r\n"
              "Tempo di esposizione (ore):;;8,00\r\n"
              "Lep,d (dBA):;;87,5\r\n"
              "Note:\r\n"
              "Reparto presse, linea 2\r\n");
}

TEST_F(LepdFile, PrintoutHasItsLinesAndColumns)
{
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "240");
        AddRow(lepd, "80", "240");
        lepd.SetText(IDC_NOTES, "Misure del 3 marzo");
        lepd.Command(IDM_CALC_PRINT);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    std::string text = gui::PrintedText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(gui::PrintedPages(), 1);
    std::vector<std::string> lines = NonEmpty([&] {
        std::vector<std::string> all;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            all.push_back(text.substr(start, end - start));
        return all;
    }());
    ASSERT_GE(lines.size(), 8u);
    auto columns = [](const std::string& line) {
        std::vector<std::string> parts;
        size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && line[i] == ' ')
                ++i;
            size_t end = line.find("  ", i);
            if (end == std::string::npos)
                end = line.size();
            if (end > i)
                parts.push_back(line.substr(i, end - i));
            i = end;
        }
        return parts;
    };
    EXPECT_EQ(columns(lines[0]), (std::vector<std::string>{"Livello di esposizione personale quotidiano (Lep,d)"}));
    EXPECT_EQ(columns(lines[1]), (std::vector<std::string>{"Livelli sonori equivalenti (dBA):", "Tempi di esposizione (m):"}));
    EXPECT_EQ(columns(lines[2]), (std::vector<std::string>{"90", "240"}));
    EXPECT_EQ(columns(lines[3]), (std::vector<std::string>{"80", "240"}));
    EXPECT_EQ(columns(lines[4]), (std::vector<std::string>{"Livello equivalente (dBA):", "87.4"}));
    EXPECT_EQ(columns(lines[5]), (std::vector<std::string>{"Tempo d'esposizione totale (m):", "480"}));
    EXPECT_EQ(columns(lines[6]), (std::vector<std::string>{"Lep,d (dBA):", "87.4"}));
    EXPECT_EQ(columns(lines[7]), (std::vector<std::string>{"Misure del 3 marzo"}));
    // The second column starts at half the page: same position on every line.
    EXPECT_EQ(lines[1].find("Tempi"), lines[2].find("240"));
}

// A ".lep" file of count rows "70.<i>" lasting i minutes.
std::string ManyRows(int count)
{
    std::string levels = "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=" + std::to_string(count) + "\r\n[LEQ]\r\n";
    std::string times = "[TIME]\r\n";
    for (int i = 1; i <= count; ++i) {
        levels += std::to_string(i) + "=70." + std::to_string(i) + "\r\n";
        times += std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    return levels + times;
}

void PrintFile(const std::string& path, const std::string& notes)
{
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        gui::DropFiles(lepd, {path});
        lepd.SetText(IDC_NOTES, notes);
        lepd.Command(IDM_CALC_PRINT);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(LepdFile, ManyRowsBreakOntoASecondPage)
{
    gui::ForgetPrintJob();
    std::string path = Path("molte.lep");
    gui::WriteFile(path, ManyRows(120));
    PrintFile(path, "");
    std::string text = gui::PrintedText();
    ASSERT_GE(gui::PrintedPages(), 2);
    // Every row once, in order; the first page ends before the last row.
    size_t previous = 0;
    for (int i = 1; i <= 120; ++i) {
        size_t at = text.find("70." + std::to_string(i) + " ", previous);
        ASSERT_NE(at, std::string::npos) << "row " << i;
        previous = at;
    }
    EXPECT_LT(text.find('\f'), previous);
    EXPECT_GT(text.find("Lep,d (dBA):"), previous);
}

TEST_F(LepdFile, NotesThatDoNotFitGoOnANewPage)
{
    std::string notes;
    for (int i = 1; i <= 12; ++i)
        notes += "Nota numero " + std::to_string(i) + " della misura\r\n";
    notes += "Fine delle note";
    // The rows that fill the first page, found by printing many.
    std::string path = Path("piena.lep");
    gui::ForgetPrintJob();
    gui::WriteFile(path, ManyRows(200));
    PrintFile(path, "");
    std::string many = gui::PrintedText();
    size_t firstBreak = many.find('\f');
    ASSERT_NE(firstBreak, std::string::npos);
    int rowsOnPageOne = 0;
    while (many.find("70." + std::to_string(rowsOnPageOne + 1) + " ") < firstBreak)
        ++rowsOnPageOne;
    ASSERT_GT(rowsOnPageOne, 6);
    // Three rows less: the rows and the results fill page one exactly, the
    // notes go to page two.
    gui::ForgetPrintJob();
    gui::WriteFile(path, ManyRows(rowsOnPageOne - 3));
    PrintFile(path, notes);
    std::string text = gui::PrintedText();
    ASSERT_EQ(gui::PrintedPages(), 2);
    size_t pageBreak = text.find('\f');
    EXPECT_LT(text.find("Lep,d (dBA):"), pageBreak);
    EXPECT_GT(text.find("Nota numero 1 "), pageBreak);
    EXPECT_NE(text.find("Fine delle note"), std::string::npos);
}

TEST_F(LepdFile, NoPrinterPrintsNothingAndSaysSo)
{
    gui::ForgetPrintJob();
    gui::NoDefaultPrinter noPrinter;
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "60");
        lepd.Command(IDM_CALC_PRINT);
        gui::WaitMessageBox().Answer(IDOK);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    EXPECT_FALSE(gui::PrintJobExists());
    ASSERT_EQ(gui::MessageBoxes().size(), 1u);
    EXPECT_EQ(gui::MessageBoxes()[0].text, "Nessuna stampante predefinita: impossibile stampare.");
}

}  // namespace
