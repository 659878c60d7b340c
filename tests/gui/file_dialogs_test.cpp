// The open and save dialogs with their notes panel, and the main window's
// "&Apri..." that chooses the calculator by the file type.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"

using gui::Window;

namespace {

// A control anywhere inside the file dialog (the panel is a child dialog).
HWND Descendant(HWND root, int id)
{
    struct Search {
        int id;
        HWND found;
    } search = {id, nullptr};
    EnumChildWindows(
        root,
        [](HWND window, LPARAM param) -> BOOL {
            Search* s = (Search*)param;
            if (GetDlgCtrlID(window) == s->id) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

HWND FileList(HWND dialog)
{
    HWND view = FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
    return view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
}

std::string Text(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Goes to a folder, as typing it into the name box and pressing OK does.
void GoToFolder(const Window& dialog, const std::string& folder)
{
    HWND name = dialog.Item(cmb13) ? dialog.Item(cmb13) : dialog.Item(edt1);
    HWND box = dialog.hwnd();
    gui::Perform([=] {
        SetWindowTextA(name, folder.c_str());
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
    });
}

// Selects the entry of the file list whose text starts with name, as a click
// on it does.
void SelectInList(const Window& dialog, const std::string& name)
{
    HWND list = FileList(dialog.hwnd());
    ASSERT_NE(list, nullptr);
    gui::Perform([=] {
        int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[MAX_PATH] = "";
            LVITEMA item = {};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, i, (LPARAM)&item);
            if (std::string(text).compare(0, name.size(), name) == 0) {
                LVITEMA state = {};
                state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                state.state = 0;
                SendMessageA(list, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&state);
                state.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendMessageA(list, LVM_SETITEMSTATE, i, (LPARAM)&state);
                return;
            }
        }
        ADD_FAILURE() << name << " is not in the file list";
    });
}

// Sends the panel a notification of the dialog, with name in the name box.
void Notify(const Window& dialog, const std::string& name, UINT code)
{
    HWND box = dialog.hwnd();
    HWND nameBox = dialog.Item(cmb13) ? dialog.Item(cmb13) : dialog.Item(edt1);
    HWND panel = GetParent(Descendant(box, IDC_NOTES));
    gui::Perform([=] {
        SetWindowTextA(nameBox, name.c_str());
        OFNOTIFYA notify = {};
        notify.hdr.hwndFrom = box;
        notify.hdr.code = code;
        SendMessageA(panel, WM_NOTIFY, 0, (LPARAM)&notify);
    });
}

void CloseFileDialog(const Window& dialog)
{
    dialog.Command(IDCANCEL);
    gui::WaitGone(dialog);
}

class FileDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDailyExposure();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
        gui::WriteFile(folder_ + "\\a.lep", "[FONEXA]\r\nTipo=LEPD\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=60\r\n"
                                            "[NOTE]\r\n1=prima\r\n2=seconda\r\nNum=2\r\n");
        gui::WriteFile(folder_ + "\\b.lep", "[FONEXA]\r\nTipo=LEPD\r\n");
        gui::WriteFile(folder_ + "\\c.lew", "[FONEXA]\r\nTipo=LEPW\r\n[NOTE]\r\n1=settimana\r\nNum=1\r\n");
        CreateDirectoryA((folder_ + "\\cartella").c_str(), nullptr);
    }
    std::string folder_;
};

TEST_F(FileDialogs, OpenPanelShowsTheNotesOfTheSelectedFile)
{
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Command(IDM_CALC_OPEN);
        Window dialog = gui::WaitWindow("Caricamento file di dati");
        GoToFolder(dialog, folder_);
        HWND notes = Descendant(dialog.hwnd(), IDC_NOTES);
        HWND modify = Descendant(dialog.hwnd(), IDC_ADDENDUM_MODIFY);
        ASSERT_NE(notes, nullptr);
        EXPECT_TRUE(IsWindowVisible(notes));
        EXPECT_TRUE(IsWindowVisible(modify));
        EXPECT_FALSE(IsWindowEnabled(modify));

        SelectInList(dialog, "a");
        EXPECT_EQ(Text(notes), "prima\r\nseconda");
        EXPECT_FALSE(IsWindowEnabled(modify));
        SelectInList(dialog, "b");
        EXPECT_EQ(Text(notes), "");
        SelectInList(dialog, "a");
        // A folder in the name box when the selection changes.
        Notify(dialog, "cartella", CDN_SELCHANGE);
        EXPECT_EQ(Text(notes), "");
        EXPECT_FALSE(IsWindowEnabled(modify));
        CloseFileDialog(dialog);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(FileDialogs, PanelStartsInTheNameBoxAndHelpsOnARightClick)
{
    gui::ClearHelpCalls();
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Command(IDM_CALC_OPEN);
        Window dialog = gui::WaitWindow("Caricamento file di dati");
        gui::Settle();
        HWND name = dialog.Item(cmb13) ? dialog.Item(cmb13) : dialog.Item(edt1);
        HWND focus = GetFocus();
        EXPECT_TRUE(focus == name || IsChild(name, focus));
        HWND notes = Descendant(dialog.hwnd(), IDC_NOTES);
        gui::Perform([=] { SendMessageA(GetParent(notes), WM_CONTEXTMENU, (WPARAM)notes, 0); });
        ASSERT_EQ(gui::HelpCalls().size(), 1u);
        EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTEXTMENU);
        CloseFileDialog(dialog);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(FileDialogs, NotesRewrittenFromThePanel)
{
    std::string path = folder_ + "\\a.lep";
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Command(IDM_CALC_OPEN);
        Window dialog = gui::WaitWindow("Caricamento file di dati");
        GoToFolder(dialog, folder_);
        SelectInList(dialog, "a");
        HWND notes = Descendant(dialog.hwnd(), IDC_NOTES);
        HWND modify = Descendant(dialog.hwnd(), IDC_ADDENDUM_MODIFY);
        Window panel(GetParent(notes));
        EXPECT_FALSE(IsWindowEnabled(modify));
        panel.SetText(IDC_NOTES, "");
        panel.Type(IDC_NOTES, "nuova nota\raltra riga");
        EXPECT_EQ(Text(notes), "nuova nota\r\naltra riga");
        EXPECT_TRUE(IsWindowEnabled(modify));
        panel.Click(IDC_ADDENDUM_MODIFY);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Conferma operazione");
        EXPECT_EQ(box.BoxText(), "Volete procedere con la modifica?");
        box.Answer(IDYES);
        EXPECT_TRUE(dialog.Exists());  // the dialog stays open
        CloseFileDialog(dialog);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    std::vector<std::string> lines = gui::FileLines(path);
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (!line.empty())
            kept.push_back(line);
    EXPECT_EQ(kept, (std::vector<std::string>{"[FONEXA]", "Tipo=LEPD", "ITEMS=1", "[LEQ]", "1=90", "[TIME]",
                                              "1=60", "[NOTE]", "1=nuova nota", "2=altra riga", "Num=2"}));
}

TEST_F(FileDialogs, SavePanelShowsNotesButNoModifyButton)
{
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Command(IDM_CALC_SAVE_AS);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        GoToFolder(dialog, folder_);
        EXPECT_TRUE(IsWindowVisible(Descendant(dialog.hwnd(), IDC_NOTES)));
        EXPECT_FALSE(IsWindowVisible(Descendant(dialog.hwnd(), IDC_ADDENDUM_MODIFY)));
        EXPECT_TRUE(GetWindowLongA(Descendant(dialog.hwnd(), IDC_NOTES), GWL_STYLE) & ES_READONLY);
        SelectInList(dialog, "a");
        EXPECT_EQ(Text(Descendant(dialog.hwnd(), IDC_NOTES)), "prima\r\nseconda");
        CloseFileDialog(dialog);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(FileDialogs, HelpButtonIsNotImplemented)
{
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        lepd.Command(IDM_CALC_OPEN);
        Window dialog = gui::WaitWindow("Caricamento file di dati");
        EXPECT_TRUE(IsWindowVisible(dialog.Item(pshHelp)));
        // What the help button sends to the panel (Wine's dialog does not
        // send it yet).
        Notify(dialog, "", CDN_HELP);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Avviso");
        EXPECT_EQ(box.BoxText(), "Funzione non implementata");
        box.Answer(IDOK);
        CloseFileDialog(dialog);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(FileDialogs, TypeChooserHidesTheNotesForTheReportDocument)
{
    gui::RunScript([&] {
        gui::MainCommand(IDM_OPEN);
        Window dialog = gui::WaitWindow("Apri");
        HWND types = dialog.Item(cmb1);
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 9);
        char first[64] = "";
        SendMessageA(types, CB_GETLBTEXT, 0, (LPARAM)first);
        EXPECT_STREQ(first, "Lep,d (*.lep)");
        HWND notes = Descendant(dialog.hwnd(), IDC_NOTES);
        EXPECT_TRUE(IsWindowVisible(notes));
        gui::ChooseFileFilter(dialog, 8);
        EXPECT_FALSE(IsWindowVisible(notes));
        gui::ChooseFileFilter(dialog, 2);
        EXPECT_TRUE(IsWindowVisible(notes));
        gui::ChooseFileFilter(dialog, 8);
        gui::ChooseFileFilter(dialog, 9);  // "Incertezza": a data file with notes
        EXPECT_TRUE(IsWindowVisible(notes));
        CloseFileDialog(dialog);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(FileDialogs, TheChosenFilterNotTheExtensionDecides)
{
    gui::RunScript([&] {
        gui::MainCommand(IDM_OPEN);
        Window dialog = gui::WaitWindow("Apri");
        gui::AnswerFileDialog(dialog, folder_ + "\\c.lew");  // with the "Lep,d" filter chosen
        Window lepd = gui::WaitWindow("Calcolo Lep,d");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), "Nessun file selezionato");  // not a Lep,d file
        lepd.Close();
        gui::WaitGone(lepd);

        gui::MainCommand(IDM_OPEN);
        dialog = gui::WaitWindow("Apri");
        gui::AnswerFileDialog(dialog, folder_ + "\\a.lep");
        lepd = gui::WaitWindow("Calcolo Lep,d");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), folder_ + "\\a.lep");
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 1);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

}  // namespace
