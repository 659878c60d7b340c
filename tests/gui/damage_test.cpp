// The audiometric damage calculator "CALCOLOILG" and its entry dialog
// "EDIT_ILG" driven through their real dialogs. Damages worked out by hand
// from the tables (left 40 dB everywhere: 25.65 % new, 26.658 % old, 10 %
// biological; 20 dB: 0 in every table).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gui/damage_steps.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace damage_steps;

namespace {

class Damage : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDamage();
        gui::ClearMessageBoxes();
    }
};

TEST_F(Damage, FreshDialogTablesAndFormulas)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   0");
        EXPECT_EQ(damage.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        ASSERT_EQ(ColumnCount(damage), 3);
        EXPECT_EQ(ColumnTitle(damage, 0), "Frequenza (Hz)");
        EXPECT_EQ(ColumnTitle(damage, 1), "Sx (dB)");
        EXPECT_EQ(ColumnTitle(damage, 2), "Dx (dB)");
        ASSERT_EQ(damage.ListCount(IDC_DAMAGE_LIST), 6);
        const char* labels[6] = {"500", "1000", "2000", "3000", "4000", "6000"};
        for (int row = 0; row < 6; ++row) {
            EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, row, 0), labels[row]);
            EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, row, 1), " 0");
            EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, row, 2), " 0");
        }
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_TABLE_NEW));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_INDUSTRIA));
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_TRUE(FormulaEnabled(damage));

        EditAllRows(damage, "40", "20");
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   6");  // (3 x 0 + 25.65) / 4
        damage.Click(IDC_DAMAGE_AGRICOLTURA);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_AGRICOLTURA));
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_INDUSTRIA));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   9");  // (2 x 0 + 25.65) / 3
        damage.Click(IDC_DAMAGE_TABLE_OLD);
        EXPECT_TRUE(FormulaEnabled(damage));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   9");  // 26.658 / 3 = 8.886
        damage.Click(IDC_DAMAGE_INDUSTRIA);
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   7");  // 26.658 / 4 = 6.66
        // The biological table has no formula: 0.24 x 10.
        damage.Click(IDC_DAMAGE_TABLE_BIO);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_TABLE_BIO));
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_TABLE_OLD));
        EXPECT_FALSE(FormulaEnabled(damage));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   2");
        damage.Click(IDC_DAMAGE_TABLE_NEW);
        EXPECT_TRUE(FormulaEnabled(damage));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   6");
        damage.Command(IDM_CALC_CLOSE);
        gui::WaitGone(damage);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Damage, SymmetricDropsAndRestoresTheRightEar)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        EditRow(damage, 5, "40", "35");  // 6000 Hz takes no part in the damage
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_EQ(ColumnCount(damage), 2);
        EXPECT_FALSE(FormulaEnabled(damage));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  26");  // the left ear's 25.65

        // While symmetric the entry dialog has no right box.
        Window entry = EditDialog(damage, 0);
        EXPECT_TRUE(Checked(entry, IDC_DAMAGE_SYMMETRIC));
        EXPECT_FALSE(entry.Visible(IDC_DAMAGE_ENTRY_RIGHT));
        EXPECT_FALSE(entry.Visible(IDC_DAMAGE_RIGHT_LABEL));
        entry.SetText(IDC_DAMAGE_ENTRY_LEFT, "30");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 0, 1), "30");

        // Off again: the column returns with the right losses remembered.
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_FALSE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        ASSERT_EQ(ColumnCount(damage), 3);
        EXPECT_EQ(ColumnTitle(damage, 2), "Dx (dB)");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 0, 2), "20");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 5, 2), "35");
        EXPECT_TRUE(FormulaEnabled(damage));
        // Left 30, 40, 40, 40, 40: 0.6 x (1.25 + 11.25 + 15.75 + 3 + 1.5) =
        // 19.65; (3 x 0 + 19.65) / 4 = 4.9.
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   5");

        // The biological table keeps the formula off whatever the box says.
        damage.Click(IDC_DAMAGE_TABLE_BIO);
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_FALSE(FormulaEnabled(damage));
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_FALSE(FormulaEnabled(damage));
        damage.Close();
        gui::WaitGone(damage);
    });
}

TEST_F(Damage, TypedDecimalsAreShownButCountedWhole)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EditAllRows(damage, "42.7", "");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 2, 1), "42.7");
        // 42 dB: 13.25 + 13.25 + 18.55 + 4 + 2 = 51.05, x 0.6 = 30.63 (42.7
        // would give 32.37).
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  31");
        damage.Close();
        gui::WaitGone(damage);
    });
}

TEST_F(Damage, EntryDialogChecksAndDelete)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        damage.Click(IDC_DAMAGE_MODIFY);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Modifica");
        EXPECT_EQ(box.BoxText(), "Attenzione! Nessun dato selezionato.");
        box.Answer(IDOK);

        EditRow(damage, 1, "45", "25");
        Window entry = EditDialog(damage, 1);
        EXPECT_EQ(entry.Text(IDC_DAMAGE_ENTRY_LABEL), "1000 Hz");
        EXPECT_EQ(entry.Text(IDC_DAMAGE_LEFT_LABEL), "Orecchio Sx (dB):");
        EXPECT_EQ(entry.Text(IDC_DAMAGE_RIGHT_LABEL), "Orecchio Dx (dB):");
        EXPECT_EQ(entry.Text(IDC_DAMAGE_ENTRY_LEFT), "45");
        EXPECT_EQ(entry.Text(IDC_DAMAGE_ENTRY_RIGHT), "25");
        for (int id : {IDC_DAMAGE_ENTRY_LEFT, IDC_DAMAGE_ENTRY_RIGHT}) {
            HWND combo = entry.Item(id);
            ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 19);
            char item[16] = "";
            SendMessageA(combo, CB_GETLBTEXT, 18, (LPARAM)item);
            EXPECT_STREQ(item, "90");
            SendMessageA(combo, CB_GETLBTEXT, 3, (LPARAM)item);
            EXPECT_STREQ(item, "15");
        }
        EXPECT_EQ(spectra_steps::TooltipOf(entry, IDC_DAMAGE_DELETE), "Azzera un elemento della lista");
        EXPECT_EQ(spectra_steps::HelpTopicOf(entry, IDOK), (DWORD)(362 << 16 | 613));
        EXPECT_EQ(spectra_steps::HelpTopicOf(entry, IDC_DAMAGE_DELETE), (DWORD)(4112 << 16 | 609));

        // An empty box is refused and the dialog stays.
        entry.SetText(IDC_DAMAGE_ENTRY_RIGHT, "");
        entry.Click(IDOK);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Errore");
        EXPECT_EQ(box.BoxText(), "Errore nei valori!");
        box.Answer(IDOK);
        EXPECT_TRUE(entry.Exists());

        // A chosen item, and a pasted text longer than an entry: cut at 15.
        entry.Select(IDC_DAMAGE_ENTRY_RIGHT, 6);
        entry.SetText(IDC_DAMAGE_ENTRY_LEFT, "12345678901234567890");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 1, 1), "123456789012345");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 1, 2), "30");

        // "&Elimina" asks first; "No" leaves the dialog open.
        entry = EditDialog(damage, 1);
        entry.Click(IDC_DAMAGE_DELETE);
        box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Conferma operazione");
        EXPECT_EQ(box.BoxText(), "Sei sicuro di voler eliminare questo elemento dalla lista?");
        EXPECT_TRUE(box.HasButton(IDYES) && box.HasButton(IDNO) && box.HasButton(IDCANCEL));
        box.Answer(IDNO);
        EXPECT_TRUE(entry.Exists());
        entry.Click(IDC_DAMAGE_DELETE);
        gui::WaitMessageBox().Answer(IDYES);
        gui::WaitGone(entry);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 1, 1), "0");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 1, 2), "0");
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   0");

        // A double click on the selected row edits it too; "&Annulla"
        // changes nothing.
        damage.ListDoubleClick(IDC_DAMAGE_LIST);
        entry = gui::WaitWindow("Modifica");
        entry.SetText(IDC_DAMAGE_ENTRY_LEFT, "70");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 1, 1), "0");
        damage.Close();
        gui::WaitGone(damage);
    });
}

TEST_F(Damage, SymmetricSwitchedInTheEntryDialogIsFollowedEvenWhenCancelled)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        EditAllRows(damage, "40", "20");
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "   6");
        Window entry = EditDialog(damage, 0);
        entry.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_FALSE(entry.Visible(IDC_DAMAGE_ENTRY_RIGHT));
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_EQ(ColumnCount(damage), 2);
        EXPECT_FALSE(FormulaEnabled(damage));
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  26");

        // Back off in the entry dialog: its right box shows the remembered
        // loss, and "&Elimina" now clears both ears.
        entry = EditDialog(damage, 2);
        EXPECT_EQ(entry.Text(IDC_DAMAGE_ENTRY_RIGHT), "20");
        entry.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_TRUE(entry.Visible(IDC_DAMAGE_ENTRY_RIGHT));
        entry.Click(IDC_DAMAGE_DELETE);
        gui::WaitMessageBox().Answer(IDYES);
        gui::WaitGone(entry);
        EXPECT_EQ(ColumnCount(damage), 3);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 2, 1), "0");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 2, 2), "0");
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 3, 2), "20");
        EXPECT_TRUE(FormulaEnabled(damage));
        damage.Close();
        gui::WaitGone(damage);
    });
}

TEST_F(Damage, TooltipsHelpAndTheRememberedState)
{
    gui::RunScript([] {
        Window damage = OpenDamage();
        const std::vector<std::pair<int, std::string>> tips = {
            {IDC_DAMAGE_LIST, "Lista delle perdite uditive per le frequenze audiometriche"},
            {IDC_DAMAGE_SYMMETRIC, "Selezionare se l'ipoacusia è bilaterale e simmetrica"},
            {IDC_DAMAGE_TABLE_BIO, "Seleziona la tabella di calcolo del 2000 (danno biologico)"},
            {IDC_DAMAGE_AGRICOLTURA, "Seleziona la formula di calcolo per l'agricoltura"},
            {IDC_DAMAGE_RESULT, "Valore percentuale del danno lavorativo indennizzabile"},
        };
        for (const auto& tip : tips)
            EXPECT_EQ(spectra_steps::TooltipOf(damage, tip.first), tip.second) << tip.first;
        for (int id : {IDC_NOTES, IDC_DAMAGE_LIST, IDC_DAMAGE_TABLE_OLD, IDC_CHART_PLACEHOLDER})
            EXPECT_EQ(spectra_steps::HelpTopicOf(damage, id), (DWORD)(id << 16 | 729)) << id;
        EXPECT_EQ(spectra_steps::HelpTopicOf(damage, IDC_STATUS_BAR), (DWORD)(1577 << 16 | 111));
        // The damage in blue, on a transparent background.
        spectra_steps::ControlColours colours =
            spectra_steps::ColoursOf(damage, IDC_DAMAGE_RESULT, WM_CTLCOLORSTATIC);
        EXPECT_TRUE(colours.answered);
        EXPECT_EQ(colours.text, RGB(0, 0, 255));
        EXPECT_EQ(colours.backgroundMode, TRANSPARENT);
        gui::ClearHelpCalls();
        damage.Command(IDM_CALC_HELP);
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXT);
        EXPECT_EQ(gui::HelpCalls()[0].data, 100125u);

        EditAllRows(damage, "50", "40");
        damage.Click(IDC_DAMAGE_TABLE_OLD);
        damage.Click(IDC_DAMAGE_AGRICOLTURA);
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        damage.SetText(IDC_NOTES, "Visita del 3 marzo");
        gui::ClearHelpCalls();
        damage.Key(VK_ESCAPE);
        gui::WaitGone(damage);
        ASSERT_FALSE(gui::HelpCalls().empty());
        EXPECT_EQ(gui::HelpCalls().back().file, "DEANNO.HLP");
        EXPECT_EQ(gui::HelpCalls().back().command, (UINT)HELP_QUIT);

        damage = OpenDamage();
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_TABLE_OLD));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_AGRICOLTURA));
        EXPECT_TRUE(Checked(damage, IDC_DAMAGE_SYMMETRIC));
        EXPECT_EQ(ColumnCount(damage), 2);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 4, 1), "50");
        EXPECT_EQ(damage.Text(IDC_NOTES), "Visita del 3 marzo");
        // Old table, 50 dB: 0.6 x (16.66 + 20 + 26.66 + 3.33) = 39.99.
        EXPECT_EQ(damage.Text(IDC_DAMAGE_RESULT), "  40");
        damage.Click(IDC_DAMAGE_SYMMETRIC);
        EXPECT_EQ(damage.ListCell(IDC_DAMAGE_LIST, 4, 2), "40");
        damage.Close();
        gui::WaitGone(damage);
    });
}

}  // namespace
