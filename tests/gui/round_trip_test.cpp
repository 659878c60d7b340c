// Every calculator's own file gives back what the user typed: texts typed
// through the real dialogs as a user types them, saved, the calculator
// closed and opened again with its file, show the same texts and the same
// results.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "protectors/selection.h"
#include "resources/resource.h"
#include "shell/dispatch.h"
#include "tests/gui/damage_steps.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"
#include "tests/gui/selection_steps.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;

namespace {

// A text without the leading blanks that the profile functions drop.
std::string Unpadded(const char* text)
{
    return text + strspn(text, " ");
}

// What a window shows: the text, check state and visibility of each child,
// every row of its lists. The file's name is left out.
std::vector<std::string> Shown(HWND window)
{
    std::vector<std::string> shown;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto& out = *(std::vector<std::string>*)param;
            int id = GetDlgCtrlID(child);
            if (id == IDC_STATUS_BAR || id == IDC_DPI_FILE)
                return TRUE;
            char name[32] = "", text[256] = "";
            GetClassNameA(child, name, sizeof name);
            GetWindowTextA(child, text, sizeof text);
            std::string item = std::to_string(id) + (IsWindowVisible(child) ? " " : " hidden ") + Unpadded(text);
            if (lstrcmpiA(name, "Button") == 0)
                item += SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? " [x]" : "";
            if (lstrcmpiA(name, "ListBox") == 0)
                for (int i = 0; i < (int)SendMessageA(child, LB_GETCOUNT, 0, 0); ++i) {
                    SendMessageA(child, LB_GETTEXT, i, (LPARAM)text);
                    item += "|" + Unpadded(text);
                }
            if (lstrcmpiA(name, WC_LISTVIEWA) == 0) {
                HWND header = (HWND)SendMessageA(child, LVM_GETHEADER, 0, 0);
                int columns = (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
                for (int row = 0; row < (int)SendMessageA(child, LVM_GETITEMCOUNT, 0, 0); ++row)
                    for (int column = 0; column < columns; ++column) {
                        LVITEMA cell = {};
                        cell.iSubItem = column;
                        cell.pszText = text;
                        cell.cchTextMax = sizeof text;
                        SendMessageA(child, LVM_GETITEMTEXTA, row, (LPARAM)&cell);
                        item += "|" + Unpadded(text);
                    }
            }
            out.push_back(item);
            return TRUE;
        },
        (LPARAM)&shown);
    return shown;
}

bool Holds(const std::vector<std::string>& shown, const std::string& text)
{
    for (const std::string& item : shown)
        if (item.find(text) != std::string::npos)
            return true;
    return false;
}

void ListEntry(const Window& calculator, int list, int row, int button, const std::string& title,
               const std::vector<std::pair<int, std::string>>& fields)
{
    if (row >= 0)
        calculator.ListSelect(list, row);
    calculator.Click(button);
    Window entry = gui::WaitWindow(title);
    for (const auto& field : fields)
        entry.SetText(field.first, field.second);
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

struct Trip {
    const char* file;
    int command;
    const char* title;
    std::vector<std::string> texts;  // what the user types
    std::function<void(const Window&, const std::vector<std::string>&)> type;
};

const Trip kTrips[] = {
    {"giro.lep", IDM_LEPD, "Calcolo Lep,d", {"85 dB", "36.8", "42,5", "2 ore"},
     [](const Window& w, const std::vector<std::string>& t) {
         AddRow(w, t[0], t[1]);
         AddRow(w, t[2], t[3]);
     }},
    {"giro.lew", IDM_LEPW, "Calcolo Lep,w", {"85 dB", "42,5", "36.8"},
     [](const Window& w, const std::vector<std::string>& t) {
         for (int day = 0; day < 3; ++day)
             ListEntry(w, IDC_LEPW_LIST, day, IDC_LEPW_MODIFY, "Modifica", {{IDC_LEPW_LEVEL, t[day]}});
     }},
    {"giro.leg", IDM_GROUP_LEQ, "Livello equivalente per gruppi di lavoratori",
     {"85 dB", "87,5", "89", "86.0"},
     [](const Window& w, const std::vector<std::string>& t) {
         w.SetText(IDC_GROUP_WORKERS, "12");
         for (const std::string& text : t)
             ListEntry(w, IDC_GROUP_LIST, -1, IDC_GROUP_ADD, "Aggiungi", {{IDC_ENTRY_LEVEL, text}});
     }},
    {"giro.spr", IDM_NOISE_SPECTRUM, "Spettro del rumore", {"85 dB", "42,5", "ferie", "36.8"},
     [](const Window& w, const std::vector<std::string>& t) {
         for (size_t k = 0; k < t.size(); ++k)
             w.SetText(IDC_BAND_FIRST + 2 + (int)k, t[k]);
     }},
    {"giro.spi", IDM_ATTENUATION_SPECTRUM, "Spettro di attenuazione",
     {"20 dB", "22,5", "ferie", "30.5", "33", "35", "36.8"},
     [](const Window& w, const std::vector<std::string>& t) {
         for (size_t k = 0; k < t.size(); ++k)
             w.SetText(IDC_BAND_FIRST + (int)k, t[k]);
     }},
    {"giro.ilg", IDM_DAMAGE, "Calcolo Danno Uditivo", {"42,5", "30 dB", "ferie", "36.8"},
     [](const Window& w, const std::vector<std::string>& t) {
         if (damage_steps::ColumnCount(w) == 2)
             w.Click(IDC_DAMAGE_SYMMETRIC);
         damage_steps::EditRow(w, 2, t[0], t[1]);
         damage_steps::EditRow(w, 4, t[2], t[3]);
     }},
};

TEST(RoundTrip, TypedTextsComeBackFromTheCalculatorsFiles)
{
    ForgetDailyExposure();
    gui::ClearMessageBoxes();
    std::string folder = gui::TempFolder();
    for (const Trip& trip : kTrips) {
        SCOPED_TRACE(trip.file);
        std::string path = folder + "\\" + trip.file;
        std::vector<std::string> before, after;
        gui::RunScript([&] {
            gui::MainCommand(trip.command);
            Window calculator = gui::WaitWindow(trip.title);
            trip.type(calculator, trip.texts);
            spectra_steps::SaveDataFileAs(calculator, path);
            before = Shown(calculator.hwnd());
            calculator.Close();
            gui::WaitGone(calculator);
            gui::Perform([&] { OpenByExtension(gui::MainWindow(), path.c_str()); });
            calculator = gui::WaitWindow(trip.title);
            after = Shown(calculator.hwnd());
            calculator.Close();
            gui::WaitGone(calculator);
        });
        EXPECT_EQ(after, before);
        for (const std::string& text : trip.texts)
            EXPECT_TRUE(Holds(after, text)) << text;
        EXPECT_TRUE(gui::MessageBoxes().empty());
    }
}

// The protector selection keeps numbers: what its pages show comes back.
TEST(RoundTrip, TheSelectionPagesComeBackFromTheirFile)
{
    using namespace selection_steps;
    std::string path = gui::TempFolder() + "\\giro.dpi";
    std::vector<std::string> before[2], after[2];
    gui::RunScript([&] {
        Window sheet = OpenWizard();
        ChooseMethod(sheet, false, true, true, IDC_DPI_USE_SNR);
        FillFields(Page(sheet), {{IDC_DPI_LCEQ, "101.5"}, {IDC_DPI_SNR_VALUE, "25.5"}});
        before[0] = Shown(Page(sheet).hwnd());
        Press(sheet, PSBTN_NEXT);
        SaveAsOnPage(Page(sheet), path);
        before[1] = Shown(Page(sheet).hwnd());
        Cancel(sheet);
        g_protectorSelection = StartSelection();
        gui::Perform([&] { OpenByExtension(gui::MainWindow(), path.c_str()); });
        sheet = gui::WaitWindow("Rispondere alle domande");
        Press(sheet, PSBTN_NEXT);
        Press(sheet, PSBTN_NEXT);
        after[0] = Shown(Page(sheet).hwnd());
        Press(sheet, PSBTN_NEXT);
        after[1] = Shown(Page(sheet).hwnd());
        Cancel(sheet);
    });
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_TRUE(Holds(after[0], "101.5"));
}

}  // namespace
