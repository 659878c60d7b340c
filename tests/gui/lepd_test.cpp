// The daily exposure calculator "LEPD" driven through its real dialogs.

#include <gtest/gtest.h>

#include "exposure/daily_exposure_state.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"

using gui::Window;

namespace {

class Lepd : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDailyExposure();
        gui::ClearMessageBoxes();
    }
};

TEST_F(Lepd, FirstOpeningShowsAnEmptyListAndZeros)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 0);
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), " 0.0");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "     0");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), " 0.0");
        EXPECT_EQ(lepd.Text(IDC_TIME_UNIT), "minuti");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (m):");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        lepd.Command(IDM_CALC_CLOSE);
        gui::WaitGone(lepd);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Lepd, TwoHalfDaysGiveTheirEnergyMean)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        lepd.Select(IDC_TIME_UNIT, 2);
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (h):");
        AddRow(lepd, "90", "4");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "87.0");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), "90.0");
        AddRow(lepd, "80", "4");
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 2);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 0), "80");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 1), "4");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), "87.4");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "8.00");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "87.4");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, EntryDialogTitlesLabelsAndPrefill)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        lepd.Click(IDC_LEPD_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        EXPECT_EQ(entry.Text(IDOK), "Aggiungi");
        EXPECT_EQ(entry.Text(IDCANCEL), "Annulla");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION_LABEL), "Esposizione (m):");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "90");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION), "1");

        // A zero level, then a missing duration: the entry stays open.
        entry.SetText(IDC_ENTRY_LEVEL, "0");
        entry.Click(IDOK);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Livello di esposizione");
        EXPECT_EQ(box.BoxText(), "Errore. Inserire valori numerici!");
        box.Answer(IDOK);
        entry.SetText(IDC_ENTRY_LEVEL, "85");
        entry.SetText(IDC_ENTRY_DURATION, "");
        entry.Click(IDOK);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Tempo esposizione ");
        EXPECT_EQ(box.BoxText(), "Errore. Inserire valori numerici!");
        box.Answer(IDOK);
        EXPECT_TRUE(entry.Exists());

        // Cancelled: nothing is added, but the next entry starts from the
        // texts last confirmed.
        entry.SetText(IDC_ENTRY_DURATION, "30");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 0);
        lepd.Click(IDC_LEPD_ADD);
        entry = gui::WaitWindow("Aggiungi");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "85");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION), "");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, ModifyAndDeleteNeedASelectedRow)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "480");
        lepd.Click(IDC_LEPD_MODIFY);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Modifica");
        EXPECT_EQ(box.BoxText(), "Attenzione! Nessun dato selezionato.");
        box.Answer(IDOK);
        lepd.Click(IDC_LEPD_DELETE);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Elimina");
        EXPECT_EQ(box.BoxText(), "Attenzione! Nessun dato selezionato.");
        box.Answer(IDOK);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, ModifyReplacesTheSelectedRow)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "240");
        AddRow(lepd, "80", "240");
        lepd.ListSelect(IDC_LEPD_LIST, 1);
        lepd.Click(IDC_LEPD_MODIFY);
        Window entry = gui::WaitWindow("Modifica");
        EXPECT_EQ(entry.Text(IDOK), "Modifica");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "80");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION), "240");
        entry.SetText(IDC_ENTRY_LEVEL, "90");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 0), "90");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), "90.0");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "   480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "90.0");

        // A double click on the selected row modifies it as well.
        lepd.ListDoubleClick(IDC_LEPD_LIST);
        entry = gui::WaitWindow("Modifica");
        entry.SetText(IDC_ENTRY_DURATION, "480");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 1), "480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "   720");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "91.8");  // 90 + 10 log10(12/8)
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, DeleteAsksForConfirmation)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "240");
        AddRow(lepd, "100", "30");
        lepd.ListSelect(IDC_LEPD_LIST, 1);
        lepd.Click(IDC_LEPD_DELETE);
        Window entry = gui::WaitWindow("Elimina");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "100");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION), "30");
        entry.Click(IDOK);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Conferma operazione");
        EXPECT_EQ(box.BoxText(), "Sei sicuro di voler eliminare questo elemento dalla lista?");
        EXPECT_TRUE(box.HasButton(IDYES) && box.HasButton(IDNO) && box.HasButton(IDCANCEL));
        box.Answer(IDNO);
        EXPECT_TRUE(entry.Exists());
        entry.Click(IDOK);
        gui::WaitMessageBox().Answer(IDYES);
        gui::WaitGone(entry);
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 1);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 0), "90");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "87.0");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, UnitChangeReadsTheSameNumbersInTheNewUnit)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "   480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "90.0");
        lepd.Select(IDC_TIME_UNIT, 2);
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (h):");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 1), "480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "480.00");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "107.8");
        lepd.Select(IDC_TIME_UNIT, 0);
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (s):");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "   480");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "72.2");  // 90 + 10 log10(480 / 28800)
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, ReopeningShowsTheRememberedState)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "480");
        AddRow(lepd, "85.26", "15");
        lepd.Select(IDC_TIME_UNIT, 0);
        lepd.SetText(IDC_NOTES, "Reparto presse");
        lepd.Command(IDM_CALC_CLOSE);
        gui::WaitGone(lepd);

        lepd = OpenLepd();
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 2);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 0), "90.0");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 1), "480.0");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 0), "85.3");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 1), "15.0");
        EXPECT_EQ(lepd.Text(IDC_TIME_UNIT), "secondi");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TIME_LABEL), "Tempo esposizione (s):");
        EXPECT_EQ(lepd.Text(IDC_NOTES), "Reparto presse");
        EXPECT_EQ(lepd.Text(IDC_LEPD_TOTAL), "   495");
        lepd.Click(IDC_LEPD_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "85.26");
        EXPECT_EQ(entry.Text(IDC_ENTRY_DURATION), "15");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        // Esc closes as well, and remembers.
        lepd.Key(VK_ESCAPE);
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, FocusOnTheListSelectsTheFirstRow)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "60");
        AddRow(lepd, "95", "60");
        lepd.Focus(IDC_NOTES);
        EXPECT_EQ(lepd.ListSelection(IDC_LEPD_LIST), -1);
        lepd.Focus(IDC_LEPD_LIST);
        EXPECT_EQ(lepd.ListSelection(IDC_LEPD_LIST), 0);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Lepd, AnUnknownCommandDoesNothing)
{
    gui::RunScript([] {
        gui::MainCommand(4242);
        gui::MainCommand(IDM_CURVE_FIRST);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

}  // namespace
