// The help topics the running program asks for, read from the compiled help
// file's context map: the topics the calculators fill in when they open (the
// source scan of help_context_map cannot see them), and the topic of every
// main-window command reached by F1 on its menu item, and of each view.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "harness.h"
#include "hlp_reader.h"
#include "resources/resource.h"
#include "spectra_steps.h"

namespace {

std::map<uint32_t, uint32_t> HelpFileMap()
{
    // BUILD/tests/gui/gui_tests.exe -> BUILD/help/Fonexa.hlp
    char path[MAX_PATH];
    std::string p(path, GetModuleFileNameA(nullptr, path, sizeof path));
    for (int up = 0; up < 3; ++up)
        p = p.substr(0, p.find_last_of('\\'));
    std::ifstream file(p + "\\help\\Fonexa.hlp", std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    HelpFileReader help;
    EXPECT_TRUE(help.Open(bytes)) << p;
    return help.ContextMap();
}

DWORD MenuHelp(int command)
{
    gui::ClearHelpCalls();
    gui::Perform([command] {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_MENUITEM;
        info.iCtrlId = command;
        SendMessageA(gui::MainWindow(), WM_HELP, 0, (LPARAM)&info);
    });
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    return calls.size() == 1 && calls[0].command == HELP_CONTEXT ? (DWORD)calls[0].data : 0;
}

void CommandsOf(HMENU menu, std::vector<int>* commands)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CommandsOf(sub, commands);
        else if (int id = (int)GetMenuItemID(menu, i); id > 0)
            commands->push_back(id);
    }
}

TEST(HelpMap, EveryMainWindowCommandAndViewHasItsTopic)
{
    std::map<uint32_t, uint32_t> map = HelpFileMap();
    std::vector<int> commands;
    CommandsOf(GetMenu(gui::MainWindow()), &commands);
    HMENU format = LoadMenuA(GetModuleHandleA(nullptr), "FORMATO");
    CommandsOf(format, &commands);
    DestroyMenu(format);
    for (int curve = IDM_CURVE_ALL; curve <= IDM_CURVE_LAST; ++curve)
        commands.push_back(curve);
    ASSERT_GT(commands.size(), 60u);
    gui::RunScript([&] {
        DWORD mainWindowTopic = MenuHelp(0);
        EXPECT_EQ(map.count(mainWindowTopic), 1u) << "the main window's topic " << mainWindowTopic;
        for (int command : commands) {
            DWORD topic = MenuHelp(command);
            EXPECT_EQ(map.count(topic), 1u) << "command " << command << ", topic " << topic;
            EXPECT_NE(topic, mainWindowTopic) << "command " << command << " has no topic of its own";
        }
        // F1 in the report document reaches the main window as WM_HELP.
        gui::ClearHelpCalls();
        gui::Perform([] { SendMessageA(GetDlgItem(gui::MainWindow(), IDC_REPORT_DOCUMENT), 0x004D /* WM_KEYF1 */, 0, 0); });
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].data, MenuHelp(IDM_VIEW_DOCUMENT));
    });
}

BOOL CALLBACK CollectId(HWND child, LPARAM ids)
{
    reinterpret_cast<std::vector<int>*>(ids)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

// The dialogs whose topic tables are filled when they open.
TEST(HelpMap, EveryTopicACalculatorFillsInIsInTheHelpFile)
{
    std::map<uint32_t, uint32_t> map = HelpFileMap();
    struct Dialog {
        int command;
        const char* title;
        size_t topics;  // at least
    };
    const Dialog dialogs[] = {
        {IDM_NOISE_SPECTRUM, "Spettro del rumore", 12},
        {IDM_ATTENUATION_SPECTRUM, "Spettro di attenuazione", 14},
        {IDM_LEPW, "Calcolo Lep,w", 4},
        {IDM_GROUP_LEQ, "Livello equivalente per gruppi di lavoratori", 11},
        {IDM_DAMAGE, "Calcolo Danno Uditivo", 10},
    };
    for (const Dialog& d : dialogs) {
        gui::RunScript([&] {
            gui::MainCommand(d.command);
            gui::Window dialog = gui::WaitWindow(d.title);
            std::vector<int> ids;
            EnumChildWindows(dialog.hwnd(), CollectId, (LPARAM)&ids);
            size_t found = 0;
            for (int id : ids) {
                DWORD topic = spectra_steps::HelpTopicOf(dialog, id);
                if (!topic)
                    continue;
                ++found;
                EXPECT_EQ(map.count(topic), 1u) << d.title << ", control " << id << ", topic "
                                                << std::hex << topic;
            }
            EXPECT_GE(found, d.topics) << d.title;
            dialog.Close();
            gui::WaitGone(dialog);
        });
    }
}

}  // namespace
