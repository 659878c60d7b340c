#pragma once
// Steps shared by the tests of the audiometric damage calculator.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "damage/damage_state.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"

namespace damage_steps {

// Opens "CALCOLOILG" from the main menu.
inline gui::Window OpenDamage()
{
    gui::MainCommand(IDM_DAMAGE);
    return gui::WaitWindow("Calcolo Danno Uditivo");
}

// Opens "EDIT_ILG" on a row through "Mo&difica".
inline gui::Window EditDialog(const gui::Window& damage, int row)
{
    damage.ListSelect(IDC_DAMAGE_LIST, row);
    damage.Click(IDC_DAMAGE_MODIFY);
    return gui::WaitWindow("Modifica");
}

// Sets a row's losses through the entry dialog (the right one only when
// its box is shown).
inline void EditRow(const gui::Window& damage, int row, const std::string& left,
                    const std::string& right)
{
    gui::Window entry = EditDialog(damage, row);
    entry.SetText(IDC_DAMAGE_ENTRY_LEFT, left);
    if (entry.Visible(IDC_DAMAGE_ENTRY_RIGHT))
        entry.SetText(IDC_DAMAGE_ENTRY_RIGHT, right);
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

inline void EditAllRows(const gui::Window& damage, const std::string& left, const std::string& right)
{
    for (int row = 0; row < kEarFrequencies; ++row)
        EditRow(damage, row, left, right);
}

inline int ColumnCount(const gui::Window& damage)
{
    HWND header = (HWND)SendMessageA(damage.Item(IDC_DAMAGE_LIST), LVM_GETHEADER, 0, 0);
    return (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
}

inline std::string ColumnTitle(const gui::Window& damage, int column)
{
    char title[64] = "";
    LVCOLUMNA entry = {};
    entry.mask = LVCF_TEXT;
    entry.pszText = title;
    entry.cchTextMax = sizeof title;
    SendMessageA(damage.Item(IDC_DAMAGE_LIST), LVM_GETCOLUMNA, column, (LPARAM)&entry);
    return title;
}

inline bool Checked(const gui::Window& window, int id)
{
    return IsDlgButtonChecked(window.hwnd(), id) == BST_CHECKED;
}

// The formula group and its two buttons, all enabled or all disabled.
inline bool FormulaEnabled(const gui::Window& damage)
{
    bool group = damage.Enabled(IDC_DAMAGE_FORMULA_GROUP);
    EXPECT_EQ(damage.Enabled(IDC_DAMAGE_INDUSTRIA), group);
    EXPECT_EQ(damage.Enabled(IDC_DAMAGE_AGRICOLTURA), group);
    return group;
}

}  // namespace damage_steps
