// The group equivalent level calculator "LEQGROUP" and its sample dialog,
// driven through the real dialogs: the sample size asked for, the checks,
// ".leg" files, the report text and the printout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exposure/group_level_state.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace spectra_steps;

namespace {

const char kValid[] = "Sono stati inseriti i campioni necessari per validare i risultati";
const char kAskThree[] = "Per far partire il calcolo è necessario inserire almeno 3 campioni";

std::string AskFor(int samples)
{
    return "Per validare i risultati è necessario inserire almeno " + std::to_string(samples) +
           " campioni";
}

Window OpenGroup()
{
    gui::MainCommand(IDM_GROUP_LEQ);
    return gui::WaitWindow("Livello equivalente per gruppi di lavoratori");
}

void CloseAndWait(const Window& window)
{
    window.Close();
    gui::WaitGone(window);
}

void AddSample(const Window& group, const std::string& level)
{
    group.Click(IDC_GROUP_ADD);
    Window entry = gui::WaitWindow("Aggiungi");
    entry.SetText(IDC_ENTRY_LEVEL, level);
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

std::vector<std::string> Samples(const Window& group)
{
    std::vector<std::string> texts;
    HWND list = group.Item(IDC_GROUP_LIST);
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < (LRESULT)sizeof text)
            SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
        texts.push_back(text);
    }
    return texts;
}

void SelectSample(const Window& group, int index)
{
    HWND list = group.Item(IDC_GROUP_LIST);
    gui::Perform([list, index] { SendMessageA(list, LB_SETCURSEL, index, 0); });
}

// "Mo&difica" on a sample, the text typed over the proposed one.
void ModifySample(const Window& group, int index, const std::string& level)
{
    SelectSample(group, index);
    group.Click(IDC_GROUP_MODIFY);
    Window entry = gui::WaitWindow("Modifica");
    entry.SetText(IDC_ENTRY_LEVEL, level);
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

// The N check's box, answered.
void ExpectWorkersBox()
{
    Window box = gui::WaitMessageBox();
    EXPECT_EQ(box.Title(), "Attenzione: dato incompleto o mancante");
    EXPECT_EQ(box.BoxText(), "Inserire un valore maggiore di 3 per il totale dei lavoratori");
    box.Answer(IDOK);
}

class LeqGroup : public testing::Test {
protected:
    void SetUp() override
    {
        ResetGroupLevelMemory();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    void TearDown() override { ResetGroupLevelMemory(); }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    // Files read by a test stand apart from the folder where it saves, so
    // that the save dialog's list shows none of them.
    std::string Input(const std::string& name) const { return inputs_ + "\\" + name; }
    std::string folder_;
    std::string inputs_ = gui::TempFolder();
};

TEST_F(LeqGroup, ASampleGrownUntilItValidates)
{
    gui::RunScript([] {
        Window group = OpenGroup();
        EXPECT_EQ(group.Text(IDC_GROUP_WORKERS), "10");
        EXPECT_EQ(group.Text(IDC_GROUP_CONFIDENCE), "95");
        EXPECT_EQ(group.Text(IDC_GROUP_INTERVAL), "2");
        EXPECT_EQ(group.Text(IDC_GROUP_COUNT), "0");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), kAskThree);
        EXPECT_FALSE(group.Visible(IDC_GROUP_LEVEL));
        EXPECT_FALSE(group.Visible(IDC_GROUP_DEVIATION));
        EXPECT_EQ(group.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        ControlColours workers = ColoursOf(group, IDC_GROUP_WORKERS, WM_CTLCOLOREDIT);
        EXPECT_EQ(workers.text, RGB(255, 0, 0));
        EXPECT_EQ(workers.background, RGB(255, 255, 0));
        EXPECT_EQ(ColoursOf(group, IDC_GROUP_LEVEL, WM_CTLCOLORSTATIC).text, RGB(0, 0, 255));

        // Tooltips and help: id x 65536 + 623.
        EXPECT_EQ(TooltipOf(group, IDC_GROUP_WORKERS), "Numero totale di lavoratori del gruppo in esame");
        EXPECT_EQ(TooltipOf(group, IDC_GROUP_RESULT), "Risultato del calcolo");
        EXPECT_EQ(HelpTopicOf(group, IDC_GROUP_WORKERS), 0x061F026Fu);
        EXPECT_EQ(HelpTopicOf(group, IDC_GROUP_COUNT), 0x21B5026Fu);
        EXPECT_EQ(HelpTopicOf(group, IDC_STATUS_BAR), 0x0629006Fu);
        gui::ClearHelpCalls();
        group.Command(IDM_CALC_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100120u);

        // Nothing selected.
        group.Click(IDC_GROUP_MODIFY);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Modifica");
        EXPECT_EQ(box.BoxText(), "Attenzione! Nessun dato selezionato.");
        box.Answer(IDOK);
        group.Click(IDC_GROUP_DELETE);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Elimina");
        box.Answer(IDOK);

        // The sample dialog: exposure hidden, the last text proposed, a
        // zero refused.
        group.Click(IDC_GROUP_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        EXPECT_FALSE(entry.Visible(IDC_ENTRY_DURATION));
        EXPECT_FALSE(entry.Visible(IDC_ENTRY_DURATION_LABEL));
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "90");
        EXPECT_EQ(entry.Text(IDOK), "Aggiungi");
        EXPECT_EQ(entry.Text(IDCANCEL), "Annulla");
        EXPECT_EQ(TooltipOf(entry, IDC_ENTRY_LEVEL), "Livello equivalente");
        EXPECT_EQ(HelpTopicOf(entry, IDC_ENTRY_LEVEL), 0x0FDC02BDu);
        EXPECT_EQ(HelpTopicOf(entry, IDOK), 0x101002C7u);
        entry.SetText(IDC_ENTRY_LEVEL, "abc");
        entry.Click(IDOK);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Livello di esposizione");
        EXPECT_EQ(box.BoxText(), "Errore. Inserire valori numerici!");
        box.Answer(IDOK);
        entry.SetText(IDC_ENTRY_LEVEL, "85");
        entry.Click(IDOK);
        gui::WaitGone(entry);

        // Two samples: at least 3 asked for, no box.
        AddSample(group, "87");
        EXPECT_EQ(group.Text(IDC_GROUP_COUNT), "2");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), kAskThree);

        // 85 87 89 with N 10, 95 %, 2 dB: mean 87.0, s 2.0, E 4, hidden.
        AddSample(group, "89");
        EXPECT_EQ(group.Text(IDC_GROUP_COUNT), "3");
        EXPECT_EQ(group.Text(IDC_GROUP_LEVEL), "87.0");
        EXPECT_EQ(group.Text(IDC_GROUP_DEVIATION), " 2.0");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), AskFor(4));
        EXPECT_FALSE(group.Visible(IDC_GROUP_LEVEL));

        // N 4: E 3, valid.
        group.SetText(IDC_GROUP_WORKERS, "4");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), kValid);
        EXPECT_TRUE(group.Visible(IDC_GROUP_LEVEL));
        // N below 4 while typing: the box, the outputs unchanged.
        group.SetText(IDC_GROUP_WORKERS, "1");
        ExpectWorkersBox();
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), kValid);
        group.SetText(IDC_GROUP_WORKERS, "10");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), AskFor(4));

        // Adding 86: mean 86.75, s = sqrt(8.75 / 3) = 1.71.
        AddSample(group, "86");
        EXPECT_EQ(group.Text(IDC_GROUP_LEVEL), "86.8");
        EXPECT_EQ(group.Text(IDC_GROUP_DEVIATION), " 1.7");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), kValid);
        EXPECT_TRUE(group.Visible(IDC_GROUP_LEVEL));
        EXPECT_TRUE(group.Visible(IDC_GROUP_DEVIATION));
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"85", "87", "89", "86"}));

        // 80 90 100 by modifying and deleting: the arithmetic mean 90.0
        // (not the energy mean), s 10.0, E 9.
        SelectSample(group, 0);
        group.Click(IDC_GROUP_MODIFY);
        entry = gui::WaitWindow("Modifica");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "85");
        entry.SetText(IDC_ENTRY_LEVEL, "80");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        SelectSample(group, 3);
        group.Click(IDC_GROUP_DELETE);
        entry = gui::WaitWindow("Elimina");
        entry.Click(IDOK);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.BoxText(), "Sei sicuro di voler eliminare questo elemento dalla lista?");
        box.Answer(IDYES);
        gui::WaitGone(entry);
        ModifySample(group, 1, "90");
        ModifySample(group, 2, "100");
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"80", "90", "100"}));
        EXPECT_EQ(group.Text(IDC_GROUP_LEVEL), "90.0");
        EXPECT_EQ(group.Text(IDC_GROUP_DEVIATION), "10.0");
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), AskFor(9));

        // Another confidence chosen recomputes: at 99 % only m = N = 10
        // brings the half-width (t(8) 10 / 3 / 3 = 3.2 at m = 9) to 2 dB.
        group.Select(IDC_GROUP_CONFIDENCE, 3);
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), AskFor(10));
        // Text typed into the confidence box keeps the choice in use: at
        // 99 % and 10 dB, m = 6 is the first with t(5) 10 / sqrt(6)
        // sqrt(4 / 9) = 9.2 rounded within 10 dB.
        group.SetText(IDC_GROUP_CONFIDENCE, "50");
        group.Select(IDC_GROUP_INTERVAL, 9);
        EXPECT_EQ(group.Text(IDC_GROUP_RESULT), AskFor(6));
        CloseAndWait(group);

        // The next opening: samples as "%4.1f", N and the lists remembered.
        group = OpenGroup();
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"80.0", "90.0", "100.0"}));
        EXPECT_EQ(group.Text(IDC_GROUP_WORKERS), "10");
        EXPECT_EQ(group.Text(IDC_GROUP_CONFIDENCE), "99");
        EXPECT_EQ(group.Text(IDC_GROUP_INTERVAL), "10");
        group.SetText(IDC_GROUP_WORKERS, "2");
        ExpectWorkersBox();
        CloseAndWait(group);

        // N left at 2: the box at once.
        gui::MainCommand(IDM_GROUP_LEQ);
        ExpectWorkersBox();
        group = gui::WaitWindow("Livello equivalente per gruppi di lavoratori");
        CloseAndWait(group);
    });
}

TEST_F(LeqGroup, FilesReportAndPrintout)
{
    std::string saved = Path("gruppo.leg");
    std::string gaps = Input("LACUNE.LEG");
    gui::WriteFile(gaps, "[FONEXA]\r\nTipo=leg\r\nSAMPLES=7\r\nLEQGROUP=50.0\r\nTOTLAV=-5\r\n"
                         "FIDUCIA=-1\r\nCONFIDENZA=42\r\nITEMS=3\r\n[LEQ]\r\n1=88\r\n3=1e400\r\n"
                         "4=70\r\n");
    std::string many = Input("molti.leg");
    std::string content = "[FONEXA]\r\nTipo=LEG\r\nTOTLAV=1000\r\nITEMS=500\r\n[LEQ]\r\n";
    for (int i = 1; i <= 500; ++i)
        content += std::to_string(i) + "=" + std::to_string(80 + i % 10) + ".5\r\n";
    gui::WriteFile(many, content);
    std::string huge = Input("enorme.leg");
    gui::WriteFile(huge, "[FONEXA]\r\nTipo=LEG\r\nTOTLAV=2147483647\r\nITEMS=2000000000\r\n"
                         "[LEQ]\r\n1=90\r\n2=nan\r\n1999999999=80\r\n");
    gui::WriteFile(Input("altro.leg"), "[FONEXA]\r\nTipo=LEPD\r\n");
    gui::ForgetPrintJob();
    std::string bigReport;
    gui::RunScript([&] {
        Window group = OpenGroup();
        AddSample(group, "85");
        AddSample(group, "87");
        AddSample(group, "89");
        AddSample(group, "86.0");
        group.SetText(IDC_NOTES, "Saldatori");
        SaveDataFileAs(group, Path("gruppo"));  // the dialog adds ".leg"
        EXPECT_EQ(group.Text(IDC_STATUS_BAR), saved);
        group.Command(IDM_COPY);
        group.Command(IDM_CALC_PRINT);

        // Keys 1 and 3 of three: two samples ("1e400" is kept as read and,
        // no finite number, counts as 0); N -5 is kept at 0 and asks for N.
        OpenDataFile(group, gaps);
        ExpectWorkersBox();
        EXPECT_EQ(group.Text(IDC_STATUS_BAR), gaps);
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"88", "1e400"}));
        EXPECT_EQ(group.Text(IDC_GROUP_WORKERS), "0");
        EXPECT_EQ(group.Text(IDC_GROUP_COUNT), "7");
        EXPECT_EQ(group.Text(IDC_GROUP_CONFIDENCE), "95");
        EXPECT_EQ(group.Text(IDC_GROUP_INTERVAL), "2");

        // A count of two billion reads the keys present; N is kept to the
        // field's seven digits.
        OpenDataFile(group, huge);
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"90", "nan", "80"}));
        EXPECT_EQ(group.Text(IDC_GROUP_WORKERS), "9999999");
        gui::WaitMessageBox().Answer(IDOK);  // "Errore nei valori!" for "nan"
        gui::DropFiles(group, {Input("altro.leg")});  // refused, and recomputed all the same
        EXPECT_EQ(gui::WaitMessageBox().BoxText(), "Errore nei valori!");
        gui::WaitMessageBox().Answer(IDOK);

        // 500 samples: the report stops at its last whole line.
        gui::DropFiles(group, {many});
        EXPECT_EQ(group.Text(IDC_GROUP_COUNT), "500");
        group.Command(IDM_COPY);
        bigReport = gui::ClipboardCsv();

        // The main window opens a ".leg" by its extension.
        CloseAndWait(group);
        group = OpenFromMainWindow(saved, "Livello equivalente per gruppi di lavoratori");
        EXPECT_EQ(Samples(group), (std::vector<std::string>{"85", "87", "89", "86.0"}));
        EXPECT_EQ(group.Text(IDC_GROUP_LEVEL), "86.8");
        EXPECT_EQ(group.Text(IDC_NOTES), "Saldatori");
        CloseAndWait(group);
    });
    EXPECT_LE(bigReport.size(), 4095u);
    EXPECT_EQ(bigReport.substr(bigReport.size() - 2), "\r\n");

    EXPECT_EQ(NonEmpty(gui::FileLines(saved)),
              (std::vector<std::string>{"[FONEXA]", "Tipo=LEG", "SAMPLES=4", "LEQGROUP=86.8",
                                        "DEVST=1.7", "TOTLAV=10", "FIDUCIA=1", "CONFIDENZA=1",
                                        "ITEMS=4", "[LEQ]", "1=85", "2=87", "3=89", "4=86.0",
                                        "[NOTE]", "1=Saldatori", "Num=1"}));

    std::vector<std::string> printed;
    for (const std::string& line : NonEmpty(TextLines(gui::PrintedText())))
        for (const std::string& column : Columns(line))
            printed.push_back(column);
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Livello equivalente per gruppi di lavoratori (Leq,gruppo)",
                           "Numero totale di lavoratori del gruppo in esame: 10",
                           "Coefficiente di fiducia: 95%", "Intervallo di confidenza: 2 dB",
                           "Livelli sonori equivalenti (dBA):", "85", "87", "89", "86.0",
                           "Numero campioni:", "4",
                           "Livello equivalente medio del gruppo (dBA):", "86.8",
                           "Deviazione standard del livello equivalente (dBA):", "1.7",
                           kValid, "Saldatori"}));
}

TEST_F(LeqGroup, ReportTextByteForByte)
{
    gui::RunScript([&] {
        Window group = OpenGroup();
        AddSample(group, "85");
        AddSample(group, "87.6");
        group.SetText(IDC_NOTES, "Saldatori");
        group.Command(IDM_COPY);
        CloseAndWait(group);
    });
    // Level and deviation are written although hidden (two samples).
    EXPECT_EQ(gui::ClipboardCsv(),
              "Calcolo del livello equivalente di rumore per gruppi di lavoratori (Leq gruppi);;;\r\n"
              "Livelli equivalenti (dBA):;;;\r\n"
              "85;;;\r\n"
              "87,6;;;\r\n"
              "Coefficiente di fiducia (%):;;95\r\n"
              "Intervallo di confidenza (dB):;;2\r\n"
              "Numero totale lavoratori del gruppo:;;10\r\n"
              "Numero di campioni prelevati:;;2\r\n"
              "Leq,gruppo (dBA):;;86,3\r\n"
              "Deviazione standard del Leq,gruppo (dBA):;; 1,8\r\n"
              "Per far partire il calcolo è necessario inserire almeno 3 campioni;;;\r\n"
              "Note:\r\n"
              "Saldatori\r\n");
}

}  // namespace
