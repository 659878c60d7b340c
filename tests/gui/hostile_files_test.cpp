// What the calculators share through their skeleton, seen with files a user
// should never have to worry about: hand-edited counts and keys, pasted
// notes, a file that cannot be written, a list whose column was resized.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/dispatch.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"

using gui::Window;

namespace {

class HostileFiles : public testing::Test {
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

Window OpenWithFile(const std::string& path, const std::string& title)
{
    gui::Perform([path] { OpenByExtension(gui::MainWindow(), path.c_str()); });
    return gui::WaitWindow(title);
}

TEST_F(HostileFiles, HugeCountsAndKeysReadOnlyTheKeysPresent)
{
    std::string path = Path("enorme.lep");
    std::string notes = "[NOTE]\r\nNum=100000\r\n";
    for (int i = 1; i <= 20; ++i)
        notes += std::to_string(i) + "=" + std::string(5000, 'a' + i % 26) + "\r\n";
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nLAEQ=inf\r\nLEPD=1e309\r\nTFORM=1\r\nITEMS=2000000000\r\n"
                         "[LEQ]\r\n999999999=80\r\n3000000=nan\r\n2=85\r\n[TIME]\r\n2=60\r\n999999999=120\r\n" +
                         notes);
    DWORD start = GetTickCount();
    gui::RunScript([&] {
        gui::Perform([path] { OpenByExtension(gui::MainWindow(), path.c_str()); });
        // Opening with a path computes: the "nan" row is refused.
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.BoxText(), "Errore nei valori!");
        box.Answer(IDOK);
        Window lepd = gui::WaitWindow("Calcolo Lep,d");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        // Rows in the order of their keys, texts as read; "nan" is no number.
        ASSERT_EQ(lepd.ListCount(IDC_LEPD_LIST), 3);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 0), "85");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 1, 0), "nan");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 2, 0), "80");
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 2, 1), "120");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LAEQ), "inf");
        EXPECT_LE(lepd.Text(IDC_NOTES).size(), 512u);
        lepd.Close();
        gui::WaitGone(lepd);
    });
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(HostileFiles, PastedLineBreaksInTheNotesStayInTheNotes)
{
    std::string path = Path("incollato.lep");
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "60");
        lepd.SetText(IDC_NOTES, "a\n[LEQ]\n1=99\rfine");
        lepd.Command(IDM_CALC_SAVE_AS);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, path);
        gui::WaitGone(dialog);
        lepd.Close();
        gui::WaitGone(lepd);
        lepd = OpenWithFile(path, "Calcolo Lep,d");
        ASSERT_EQ(lepd.ListCount(IDC_LEPD_LIST), 1);
        EXPECT_EQ(lepd.ListCell(IDC_LEPD_LIST, 0, 0), "90");
        EXPECT_EQ(lepd.Text(IDC_NOTES), "a\r\n[LEQ]\r\n1=99\r\nfine");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(HostileFiles, AFileThatCannotBeWrittenIsToldAndNotShownAsSaved)
{
    std::string path = Path("sparito.lep");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=60\r\n");
    gui::RunScript([&] {
        Window lepd = OpenWithFile(path, "Calcolo Lep,d");
        // The file goes and a folder of the same name takes its place.
        DeleteFileA(path.c_str());
        CreateDirectoryA(path.c_str(), nullptr);
        lepd.Command(IDM_CALC_SAVE);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Salvataggio file di dati");
        box.Answer(IDOK);
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(HostileFiles, AResizedColumnRedrawsTheList)
{
    gui::RunScript([&] {
        Window lepd = OpenLepd();
        AddRow(lepd, "90", "60");
        HWND list = lepd.Item(IDC_LEPD_LIST);
        HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
        gui::Perform([=] {
            UpdateWindow(list);
            NMHEADERA notify = {};
            notify.hdr.hwndFrom = header;
            notify.hdr.idFrom = GetDlgCtrlID(header);
            notify.hdr.code = HDN_ENDTRACKA;
            SendMessageA(GetParent(list), WM_NOTIFY, notify.hdr.idFrom, (LPARAM)&notify);
            RECT dirty;
            EXPECT_TRUE(GetUpdateRect(list, &dirty, FALSE));
        });
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

}  // namespace
