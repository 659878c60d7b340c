// The threshold-shift calculator "NIPTS" driven as a user does: what it
// shows for each of its three commands, its checks on "&Ok", what it
// remembers between openings, its help.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "iso1999/shift.h"
#include "resources/resource.h"
#include "shell/main_state.h"
#include "tests/gui/harness.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;

namespace {

const char kTitle[] = "Previsioni ISO 1999/90";

Window Open(int command)
{
    gui::MainCommand(command);
    return gui::WaitWindow(kTitle);
}

bool Checked(const Window& dialog, int id)
{
    return SendMessageA(dialog.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class ShiftDialog : public testing::Test {
protected:
    void SetUp() override
    {
        g_shiftState = g_shiftChoices = InitialShiftState();
        gui::ClearMessageBoxes();
        gui::ClearHelpCalls();
    }
    void TearDown() override
    {
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
        g_shiftState = g_shiftChoices = InitialShiftState();
    }
};

TEST_F(ShiftDialog, EachCommandPreselectsItsQuantityAndItsInputs)
{
    struct Case {
        int command;
        int button;
        const char* longName;
        bool exposure;  // years and level enabled
        bool person;    // age, sex and damage table enabled
        int focus;
    } cases[] = {
        {IDM_NIPTS, IDC_SHIFT_NIPTS, "Noise Induced Permanent Threshold Shift", true, false, IDC_SHIFT_YEARS},
        {IDM_HTLA, IDC_SHIFT_HTLA, "Hearing Threshold Level associated with Age", false, true, IDC_SHIFT_AGE},
        {IDM_HTLAN, IDC_SHIFT_HTLAN, "Hearing Threshold Level associated with Age and Noise", true, true,
         IDC_SHIFT_YEARS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        gui::RunScript([&c] {
            Window dialog = Open(c.command);
            EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), c.longName);
            EXPECT_TRUE(Checked(dialog, c.button));
            EXPECT_TRUE(Checked(dialog, IDC_SHIFT_SEX_MALE));
            EXPECT_TRUE(Checked(dialog, IDC_SHIFT_TABLE_NEW));
            EXPECT_EQ(dialog.Text(IDC_SHIFT_YEARS), " 35");
            EXPECT_EQ(dialog.Text(IDC_SHIFT_LEVEL), " 90");
            EXPECT_EQ(dialog.Text(IDC_SHIFT_AGE), " 60");
            EXPECT_EQ(dialog.Text(IDC_SHIFT_YEARS_LABEL), "Anni di esposizione (max 40):");
            EXPECT_EQ(dialog.Text(IDC_SHIFT_LEVEL_LABEL), "Livello di esposizione (dBA):");
            EXPECT_EQ(dialog.Text(IDC_SHIFT_AGE_LABEL), "Età dell'individuo (min 18):");
            for (int id : {IDC_SHIFT_YEARS_LABEL, IDC_SHIFT_YEARS, IDC_SHIFT_LEVEL_LABEL, IDC_SHIFT_LEVEL})
                EXPECT_EQ(dialog.Enabled(id), c.exposure) << id;
            for (int id : {IDC_SHIFT_AGE_LABEL, IDC_SHIFT_AGE, IDC_SHIFT_SEX_GROUP, IDC_SHIFT_SEX_MALE,
                           IDC_SHIFT_SEX_FEMALE, IDC_SHIFT_TABLE_GROUP, IDC_SHIFT_TABLE_NEW,
                           IDC_SHIFT_TABLE_OLD, IDC_SHIFT_TABLE_BIO})
                EXPECT_EQ(dialog.Enabled(id), c.person) << id;
            EXPECT_EQ(GetFocus(), dialog.Item(c.focus));
            dialog.Click(IDCANCEL);
            gui::WaitGone(dialog);
        });
    }

    // A quantity button changes the inputs and the status bar at once.
    gui::RunScript([] {
        Window dialog = Open(IDM_NIPTS);
        dialog.Click(IDC_SHIFT_HTLA);
        EXPECT_EQ(dialog.Text(IDC_STATUS_BAR), "Hearing Threshold Level associated with Age");
        EXPECT_FALSE(dialog.Enabled(IDC_SHIFT_YEARS));
        EXPECT_TRUE(dialog.Enabled(IDC_SHIFT_AGE));
        dialog.Click(IDC_SHIFT_HTLAN);
        EXPECT_TRUE(dialog.Enabled(IDC_SHIFT_YEARS));
        EXPECT_TRUE(dialog.Enabled(IDC_SHIFT_TABLE_BIO));
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

struct Check {
    int command;
    const char* years;
    const char* level;
    const char* age;
    const char* refusal;  // caption of the box, nullptr when accepted
};

TEST_F(ShiftDialog, OkChecksTheInputsOfItsQuantity)
{
    const Check checks[] = {
        // HTLA: the years are not read, the age must be 18 at least.
        {IDM_HTLA, "abc", "", "17", "Età individuo."},
        {IDM_HTLA, "abc", "", "18", nullptr},
        // HTLAN: 18 years at least besides the years of exposure.
        {IDM_HTLAN, "35", "90", "52", "Età individuo."},
        {IDM_HTLAN, "35", "90", "53", nullptr},
        {IDM_HTLAN, "35", "90", "0", "Età individuo."},
        // The level: above 0, at most 100.
        {IDM_NIPTS, "10", "100", "", nullptr},
        {IDM_NIPTS, "10", "100.5", "", "Livello di esposizione."},
        {IDM_NIPTS, "10", "0", "", "Livello di esposizione."},
        {IDM_NIPTS, "10", "", "", "Livello di esposizione."},
        // The years: above 0, at most 40; checked before the level.
        {IDM_NIPTS, "0", "0", "", "Anni di esposizione."},
        {IDM_NIPTS, "40.5", "90", "", "Anni di esposizione."},
        {IDM_NIPTS, "40", "90", "", nullptr},
        {IDM_HTLAN, "-3", "90", "60", "Anni di esposizione."},
        // Only the first seven characters are read: "0000001" and then "5".
        {IDM_NIPTS, "00000015", "90", "", nullptr},
    };
    for (const Check& c : checks) {
        SCOPED_TRACE(std::string(c.years) + " / " + c.level + " / " + c.age);
        g_main.viewState = kViewDocument;
        gui::ClearMessageBoxes();
        bool closed = false;
        gui::RunScript([&] {
            Window dialog = Open(c.command);
            if (dialog.Enabled(IDC_SHIFT_YEARS)) {
                dialog.SetText(IDC_SHIFT_YEARS, c.years);
                dialog.SetText(IDC_SHIFT_LEVEL, c.level);
            }
            if (dialog.Enabled(IDC_SHIFT_AGE))
                dialog.SetText(IDC_SHIFT_AGE, c.age);
            dialog.Click(IDOK);
            if (c.refusal) {
                Window box = gui::WaitMessageBox();
                EXPECT_EQ(box.Title(), c.refusal);
                std::string text = box.BoxText();
                if (!text.empty())
                    EXPECT_EQ(text, "Errore! Dati non validi");
                box.Answer(IDOK);
                EXPECT_TRUE(dialog.Exists());
                dialog.Click(IDCANCEL);
            }
            gui::WaitGone(dialog);
            closed = true;
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(g_main.viewState, c.refusal ? kViewDocument : kViewShifts);
        if (!c.refusal)
            gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
    }
    EXPECT_EQ(g_shiftState.record.years, 1.0);  // the last: "0000001"
}

TEST_F(ShiftDialog, RemembersItsInputsAndChoices)
{
    gui::RunScript([] {
        // The years and the level are kept once they pass, even when the
        // age then fails.
        Window dialog = Open(IDM_HTLAN);
        dialog.SetText(IDC_SHIFT_YEARS, "20");
        dialog.SetText(IDC_SHIFT_LEVEL, "85.5");
        dialog.SetText(IDC_SHIFT_AGE, "30");
        dialog.Click(IDC_SHIFT_SEX_FEMALE);
        dialog.Click(IDC_SHIFT_TABLE_BIO);
        dialog.Click(IDOK);
        gui::WaitMessageBox().Answer(IDOK);
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(g_shiftChoices.record.years, 20.0);
    EXPECT_EQ(g_shiftChoices.record.level, 85.5);
    EXPECT_EQ(g_shiftState.record.age, 60.0);
    EXPECT_EQ(g_shiftState.record.sex, 1);
    EXPECT_EQ(g_shiftChoices.sexButton, IDC_SHIFT_SEX_FEMALE);
    EXPECT_EQ(g_shiftChoices.damageTable, IDC_SHIFT_TABLE_BIO);

    gui::RunScript([] {
        Window dialog = Open(IDM_HTLA);
        EXPECT_EQ(dialog.Text(IDC_SHIFT_YEARS), " 20");
        EXPECT_EQ(dialog.Text(IDC_SHIFT_LEVEL), " 86");  // 85.5, "%3.0f"
        EXPECT_TRUE(Checked(dialog, IDC_SHIFT_SEX_FEMALE));
        EXPECT_FALSE(Checked(dialog, IDC_SHIFT_SEX_MALE));
        EXPECT_TRUE(Checked(dialog, IDC_SHIFT_TABLE_BIO));
        // Typed: the numeric filter keeps letters and a second point out.
        dialog.SetText(IDC_SHIFT_AGE, "");
        dialog.Type(IDC_SHIFT_AGE, "4x5.5.");
        EXPECT_EQ(dialog.Text(IDC_SHIFT_AGE), "45.5");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(g_shiftState.quantity, kQuantityHtla);
    EXPECT_EQ(g_shiftState.record.age, 45.5);
    EXPECT_EQ(g_shiftState.record.sex, 2);
}

TEST_F(ShiftDialog, HelpByQuantityAndByControl)
{
    gui::RunScript([] {
        Window dialog = Open(IDM_NIPTS);
        using spectra_steps::TooltipOf;
        EXPECT_EQ(TooltipOf(dialog, IDC_SHIFT_YEARS), "Numero di anni di esposizione al rumore");
        EXPECT_EQ(TooltipOf(dialog, IDC_SHIFT_TABLE_BIO), "Seleziona la tabella di calcolo del 2000 (danno biologico)");
        EXPECT_EQ(TooltipOf(dialog, IDC_STATUS_BAR), "Esplicita il contenuto della scelta fatta nelle Opzioni");
        EXPECT_EQ(TooltipOf(dialog, IDCANCEL), "Chiude la finestra senza eseguire il calcolo");
        EXPECT_EQ(TooltipOf(dialog, IDC_SHIFT_YEARS_LABEL), "");
        dialog.Click(IDM_CALC_HELP);
        dialog.Click(IDC_SHIFT_HTLA);
        dialog.Click(IDM_CALC_HELP);
        dialog.Click(IDC_SHIFT_HTLAN);
        dialog.Click(IDM_CALC_HELP);
        gui::Perform([&] {
            HELPINFO info = {};
            info.cbSize = sizeof info;
            info.iContextType = HELPINFO_WINDOW;
            info.iCtrlId = IDC_SHIFT_LEVEL;
            info.hItemHandle = dialog.Item(IDC_SHIFT_LEVEL);
            SendMessageA(dialog.hwnd(), WM_HELP, 0, (LPARAM)&info);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_SHIFT_AGE_LABEL), 0);
            SendMessageA(dialog.hwnd(), WM_CONTEXTMENU, (WPARAM)dialog.Item(IDC_STATUS_BAR), 0);
        });
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(calls[0].data, 100185u);
    EXPECT_EQ(calls[1].data, 100190u);
    EXPECT_EQ(calls[2].data, 100195u);
    EXPECT_EQ(calls[3].command, (UINT)HELP_WM_HELP);
    EXPECT_EQ(calls[3].data, (ULONG_PTR)IDC_SHIFT_LEVEL * 65536 + 398);
    EXPECT_EQ(calls[4].command, (UINT)HELP_CONTEXTMENU);
    EXPECT_EQ(calls[4].data, (ULONG_PTR)IDC_SHIFT_AGE * 65536 + 398);  // the label takes its field's
    EXPECT_EQ(calls[5].data, (ULONG_PTR)IDC_SHIFT_YEARS * 65536 + 418);
    EXPECT_EQ(calls[6].command, (UINT)HELP_QUIT);
    EXPECT_EQ(calls[6].file, "PERDITE.HLP");
}

}  // namespace
