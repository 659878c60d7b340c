// The weekly exposure calculator "LEPW" and its edit dialog "EDIT_LEPW",
// driven through the real dialogs: the week's arithmetic, editing, ".lew"
// files, the report text and the printout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exposure/weekly_exposure_state.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace spectra_steps;

namespace {

const char* const kDays[7] = {"Lunedi", "Martedi", "Mercoledi", "Giovedi",
                              "Venerdi", "Sabato", "Domenica"};

Window OpenLepw()
{
    gui::MainCommand(IDM_LEPW);
    return gui::WaitWindow("Calcolo Lep,w");
}

void CloseAndWait(const Window& window)
{
    window.Close();
    gui::WaitGone(window);
}

std::vector<std::string> Levels(const Window& lepw)
{
    std::vector<std::string> levels;
    for (int day = 0; day < 7; ++day)
        levels.push_back(lepw.ListCell(IDC_LEPW_LIST, day, 1));
    return levels;
}

// "Mo&difica" on a day, the text typed over the proposed one, "&Modifica".
void SetDay(const Window& lepw, int day, const std::string& level)
{
    lepw.ListSelect(IDC_LEPW_LIST, day);
    lepw.Click(IDC_LEPW_MODIFY);
    Window edit = gui::WaitWindow("Modifica");
    edit.SetText(IDC_LEPW_LEVEL, level);
    edit.Click(IDOK);
    gui::WaitGone(edit);
}

class Lepw : public testing::Test {
protected:
    void SetUp() override
    {
        ResetWeeklyExposureMemory();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    void TearDown() override { ResetWeeklyExposureMemory(); }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    // Files read by a test stand apart from the folder where it saves, so
    // that the save dialog's list shows none of them.
    std::string Input(const std::string& name) const { return inputs_ + "\\" + name; }
    std::string folder_;
    std::string inputs_ = gui::TempFolder();
};

TEST_F(Lepw, AWeekEditedDayByDay)
{
    gui::RunScript([] {
        Window lepw = OpenLepw();
        // The initial week: 10 log10((5 10^9 + 2) / 5) = 90.0.
        ASSERT_EQ(lepw.ListCount(IDC_LEPW_LIST), 7);
        for (int day = 0; day < 7; ++day)
            EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, day, 0), kDays[day]);
        EXPECT_EQ(Levels(lepw), (std::vector<std::string>{"90.0", "90.0", "90.0", "90.0", "90.0",
                                                           " 0.0", " 0.0"}));
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "90.0");
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        ControlColours output = ColoursOf(lepw, IDC_LEPW_OUTPUT, WM_CTLCOLORSTATIC);
        EXPECT_TRUE(output.answered);
        EXPECT_EQ(output.text, RGB(0, 0, 255));
        EXPECT_EQ(output.backgroundMode, TRANSPARENT);

        // Tooltips and help topics: id x 65536 + 312, the status bar's own.
        EXPECT_EQ(TooltipOf(lepw, IDC_LEPW_LIST),
                  "Lista con i livelli d'esposizione quotidiani per giorno della settimana");
        EXPECT_EQ(TooltipOf(lepw, IDC_LEPW_OUTPUT),
                  "Valore risultante del livello d'esposizione settimanale");
        EXPECT_EQ(TooltipOf(lepw, IDC_LEPW_MODIFY), "Modifica un elemento della lista");
        EXPECT_EQ(HelpTopicOf(lepw, IDC_LEPW_OUTPUT), 0x10D10138u);
        EXPECT_EQ(HelpTopicOf(lepw, IDC_NOTES), 0x20D50138u);
        EXPECT_EQ(HelpTopicOf(lepw, IDC_LEPW_LIST), 0x0FC80138u);
        EXPECT_EQ(HelpTopicOf(lepw, IDC_LEPW_MODIFY), 0x100F0138u);
        EXPECT_EQ(HelpTopicOf(lepw, IDC_STATUS_BAR), 0x0629006Fu);
        gui::ClearHelpCalls();
        lepw.Command(IDM_CALC_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100115u);

        // A row selected that has not the focus is not chosen.
        lepw.ListSelect(IDC_LEPW_LIST, 3);
        gui::Perform([&] { ListView_SetItemState(lepw.Item(IDC_LEPW_LIST), 3, 0, LVIS_FOCUSED); });
        lepw.Click(IDC_LEPW_MODIFY);
        EXPECT_EQ(gui::WaitMessageBox().BoxText(), "Attenzione! Nessun dato selezionato.");
        gui::WaitMessageBox().Answer(IDOK);
        // No row selected.
        gui::Perform([&] {
            LVITEMA none = {};
            none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(lepw.Item(IDC_LEPW_LIST), LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&none);
        });
        lepw.Click(IDC_LEPW_MODIFY);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Modifica");
        EXPECT_EQ(box.BoxText(), "Attenzione! Nessun dato selezionato.");
        box.Answer(IDOK);
        // Focus on the list selects its first row.
        lepw.Focus(IDC_NOTES);
        lepw.Focus(IDC_LEPW_LIST);
        EXPECT_EQ(lepw.ListSelection(IDC_LEPW_LIST), 0);

        // Five days at 85, the weekend at 0: 85.0.
        for (int day = 0; day < 5; ++day)
            SetDay(lepw, day, "85");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "85.0");

        // The edit dialog: day shown, a zero or a word refused, "&Annulla".
        lepw.ListSelect(IDC_LEPW_LIST, 6);
        lepw.ListDoubleClick(IDC_LEPW_LIST);
        Window edit = gui::WaitWindow("Modifica");
        EXPECT_EQ(edit.Text(IDC_LEPW_DAY), "Domenica");
        EXPECT_EQ(edit.Text(IDC_LEPW_LEVEL), " 0.0");
        EXPECT_EQ(TooltipOf(edit, IDC_LEPW_RESET), "Azzera un elemento della lista");
        EXPECT_EQ(TooltipOf(edit, IDC_LEPW_LEVEL), "Livello di esposizione quotidiano");
        EXPECT_EQ(HelpTopicOf(edit, IDC_LEPW_LEVEL), 0x0FDC02BDu);
        EXPECT_EQ(HelpTopicOf(edit, IDC_LEPW_DAY), 0x0FFA02BDu);
        EXPECT_EQ(HelpTopicOf(edit, IDOK), 0x101002C7u);
        EXPECT_EQ(HelpTopicOf(edit, IDCANCEL), 0x101002D1u);
        for (const char* refused : {"abc", "0", ""}) {
            edit.SetText(IDC_LEPW_LEVEL, refused);
            edit.Click(IDOK);
            Window error = gui::WaitMessageBox();
            EXPECT_EQ(error.Title(), "Livello di esposizione");
            EXPECT_EQ(error.BoxText(), "Errore. Inserire valori numerici!");
            error.Answer(IDOK);
            EXPECT_TRUE(edit.Exists());
            EXPECT_EQ(edit.Text(IDC_LEPW_LEVEL), refused);
        }
        edit.SetText(IDC_LEPW_LEVEL, "85");
        edit.Click(IDCANCEL);
        gui::WaitGone(edit);
        EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, 6, 1), " 0.0");

        // Seven days at 85: seven energies over five, 86.5.
        SetDay(lepw, 5, "85");
        SetDay(lepw, 6, "85");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "86.5");

        // "&Elimina" asks; No keeps the dialog, Yes writes "0.0", which
        // still adds 1: 10 log10((6 10^8.5 + 1) / 5) = 85.8.
        lepw.ListSelect(IDC_LEPW_LIST, 5);
        lepw.Click(IDC_LEPW_MODIFY);
        edit = gui::WaitWindow("Modifica");
        edit.Click(IDC_LEPW_RESET);
        Window ask = gui::WaitMessageBox();
        EXPECT_EQ(ask.Title(), "Conferma operazione");
        EXPECT_EQ(ask.BoxText(), "Sei sicuro di voler eliminare questo elemento dalla lista?");
        EXPECT_TRUE(ask.HasButton(IDCANCEL));
        ask.Answer(IDNO);
        EXPECT_TRUE(edit.Exists());
        edit.Click(IDC_LEPW_RESET);
        gui::WaitMessageBox().Answer(IDYES);
        gui::WaitGone(edit);
        EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, 5, 1), "0.0");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "85.8");

        // A typed text is kept as typed: "92", not "92.0";
        // 10 log10((10^9.2 + 5 10^8.5 + 1) / 5) = 88.0.
        SetDay(lepw, 0, "92");
        EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, 0, 1), "92");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "88.0");
        CloseAndWait(lepw);

        // The next opening shows the remembered levels as "%4.1f".
        lepw = OpenLepw();
        EXPECT_EQ(Levels(lepw), (std::vector<std::string>{"92.0", "85.0", "85.0", "85.0", "85.0",
                                                           " 0.0", "85.0"}));
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "88.0");

        // A huge level is shown in a form that fits, never cut to another
        // number; negative levels are accepted.
        SetDay(lepw, 1, "1e300");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "1e+300");
        SetDay(lepw, 1, "-20");
        CloseAndWait(lepw);
        lepw = OpenLepw();
        EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, 1, 1), "-20.0");
        CloseAndWait(lepw);
    });
}

TEST_F(Lepw, FilesReportAndPrintout)
{
    std::string saved = Path("settimana.lew");
    std::string partial = Input("parziale.lew");
    gui::WriteFile(partial, "[FONEXA]\r\nTipo=lepw\r\nLEPW=70.0\r\n[GIORNI]\r\nLunedi=80\r\n"
                            "Martedi=80\r\nMercoledi=80\r\nGiovedi=80\r\nVenerdi=80\r\n"
                            "Domenica=inf\r\n[NOTE]\r\n1=turno B\r\nNum=1\r\n");
    std::string unstored = Input("SENZA.LEW");
    gui::WriteFile(unstored, "[FONEXA]\r\nTipo=LEPW\r\n[GIORNI]\r\nLunedi=92\r\n");
    std::string other = Input("giorno.lew");
    gui::WriteFile(other, "[FONEXA]\r\nTipo=LEPD\r\nLEPD=99.0\r\n");
    gui::ForgetPrintJob();
    gui::RunScript([&] {
        Window lepw = OpenLepw();
        SetDay(lepw, 0, "92");
        lepw.SetText(IDC_NOTES, "Reparto presse\r\nlinea 2");
        SaveDataFileAs(lepw, Path("settimana"));  // the dialog adds ".lew"
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), saved);
        lepw.Command(IDM_COPY);
        lepw.Command(IDM_CALC_PRINT);

        // "&Apri..." shows the stored Lep,w; a missing day reads "0.0", a
        // day's text is kept as read ("inf" counts as 0).
        OpenDataFile(lepw, other);  // another type: refused silently
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), saved);
        OpenDataFile(lepw, partial);
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), partial);
        EXPECT_EQ(Levels(lepw), (std::vector<std::string>{"80", "80", "80", "80", "80", "0.0",
                                                           "inf"}));
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "70.0");
        EXPECT_EQ(lepw.Text(IDC_NOTES), "turno B");

        // Dropped: two files or another extension do nothing; one ".LEW"
        // is loaded and computed (five days at 80: 80.0).
        gui::DropFiles(lepw, {partial, partial});
        gui::DropFiles(lepw, {Path("x.lep")});
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "70.0");
        gui::DropFiles(lepw, {partial});
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "80.0");

        // A file without a Lep,w gets the one of its own days, not the
        // previous week's: 92 and six days at 0, 10 log10((10^9.2 + 6) / 5).
        OpenDataFile(lepw, unstored);
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "85.0");
        CloseAndWait(lepw);

        // The days loaded are remembered with the notes.
        lepw = OpenLepw();
        EXPECT_EQ(Levels(lepw), (std::vector<std::string>{"92.0", " 0.0", " 0.0", " 0.0", " 0.0",
                                                           " 0.0", " 0.0"}));
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        CloseAndWait(lepw);

        // The main window opens a ".lew" by its extension.
        lepw = OpenFromMainWindow(saved, "Calcolo Lep,w");
        EXPECT_EQ(lepw.Text(IDC_STATUS_BAR), saved);
        EXPECT_EQ(lepw.ListCell(IDC_LEPW_LIST, 0, 1), "92");
        EXPECT_EQ(lepw.Text(IDC_LEPW_OUTPUT), "90.5");
        CloseAndWait(lepw);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());

    // 92 and four days at 90, two at 0: 10 log10((10^9.2 + 4 10^9 + 2) / 5) = 90.5;
    // the private-profile writer drops the blank of " 0.0".
    EXPECT_EQ(NonEmpty(gui::FileLines(saved)),
              (std::vector<std::string>{"[FONEXA]", "Tipo=LEPW", "LEPW=90.5", "[GIORNI]",
                                        "Lunedi=92", "Martedi=90.0", "Mercoledi=90.0",
                                        "Giovedi=90.0", "Venerdi=90.0", "Sabato=0.0",
                                        "Domenica=0.0", "[NOTE]", "1=Reparto presse",
                                        "2=linea 2", "Num=2"}));

    EXPECT_EQ(gui::ClipboardCsv(),
              "Calcolo del livello di esposizione personale settimanale al rumore (Lep,w);;;\r\n"
              "Giorno della settimana:;;Lep,d (dBA):\r\n"
              "Lunedi;;92\r\n"
              "Martedi;;90,0\r\n"
              "Mercoledi;;90,0\r\n"
              "Giovedi;;90,0\r\n"
              "Venerdi;;90,0\r\n"
              "Sabato;; 0,0\r\n"
              "Domenica;; 0,0\r\n"
              "Lep,w (dBA):;;90,5\r\n"
              "Note:\r\n"
              "Reparto presse\r\n"
              "linea 2\r\n");

    ASSERT_EQ(gui::PrintedPages(), 1);
    std::vector<std::string> lines = TextLines(gui::PrintedText());
    std::vector<std::vector<std::string>> printed;
    for (const std::string& line : NonEmpty(lines))
        printed.push_back(Columns(line));
    std::vector<std::vector<std::string>> expected = {
        {"Livello di esposizione personale settimanale (Lep,w)"},
        {"Giorni della settimana:", "Lep,d corrispondenti (dBA):"},
        {"Lunedi", "92"}, {"Martedi", "90.0"}, {"Mercoledi", "90.0"}, {"Giovedi", "90.0"},
        {"Venerdi", "90.0"}, {"Sabato", "0.0"}, {"Domenica", "0.0"},
        {"Lep,w (dBA):", "90.5"},
        {"Reparto presse"}, {"linea 2"},
    };
    EXPECT_EQ(printed, expected);
}

}  // namespace
