// fonexa.exe itself, started as a process and watched from this one.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "resources/resource.h"
#include "tests/e2e/process.h"

using e2e::Fonexa;

namespace {

const char kTitle[] = "Fonexa - Rischio, danno e protezione dal rumore in ambiente di lavoro";

void CloseMain(const Fonexa& fonexa, HWND main)
{
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(fonexa.WaitExit(), 0);
}

std::string TempFile(const std::string& name, const std::string& content)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(Startup, MainWindowCarriesTheVersionTitleAndASplash)
{
    Fonexa fonexa;
    ASSERT_TRUE(fonexa.Started());
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    HWND status = GetDlgItem(main, IDC_STATUS_BAR);
    EXPECT_EQ(e2e::WindowText(status), "Nessun file selezionato");
    EXPECT_NE(GetDlgItem(main, IDC_MAIN_TOOLBAR), nullptr);
    EXPECT_NE(GetDlgItem(main, IDC_REPORT_DOCUMENT), nullptr);
    EXPECT_NE(GetDlgItem(main, IDC_FORMAT_TOOLBAR), nullptr);

    // The splash is up for 4 s; a click closes it at once.
    HWND splash = fonexa.WaitWindow("Fonexa_Splash", nullptr, 2000);
    ASSERT_NE(splash, nullptr);
    DWORD clicked = GetTickCount();
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    while (IsWindow(splash) && GetTickCount() - clicked < 3000)
        Sleep(10);
    EXPECT_FALSE(IsWindow(splash));
    CloseMain(fonexa, main);
}

TEST(Startup, SecondCopyPointsToTheFirstAndEndsWithZero)
{
    Fonexa first;
    HWND main = first.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);

    std::string file = TempFile("seconda.lep", "[FONEXA]\r\nTipo=LEPD\r\n");
    Fonexa second(file);
    HWND box = second.WaitWindow("#32770", "Fonexa è già in esecuzione");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), "Usare il drag & drop per caricare il file nella finestra di dialogo");
    EXPECT_EQ(GetWindow(box, GW_OWNER), main);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
    EXPECT_EQ(second.WaitExit(), 0);

    // The file was not handed to the running copy.
    EXPECT_EQ(first.WaitWindow("#32770", "Calcolo Lep,d", 500), nullptr);
    CloseMain(first, main);
}

TEST(Startup, FileOnTheCommandLineOpensItsCalculator)
{
    std::string file = TempFile("avvio e2e.lep",
                                "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=480\r\n");
    // The shell quotes a path with blanks: the quotes are not part of it.
    Fonexa fonexa("\"" + file + "\"");
    HWND lepd = fonexa.WaitWindow("#32770", "Calcolo Lep,d");
    ASSERT_NE(lepd, nullptr);
    // In front of the splash, which is still up for its 4 s.
    HWND below = lepd, splash = fonexa.WaitWindow("Fonexa_Splash", nullptr, 500);
    while (below && below != splash)
        below = GetWindow(below, GW_HWNDNEXT);
    EXPECT_TRUE(splash && below == splash);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(lepd, IDC_STATUS_BAR)), file);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(lepd, IDC_LEPD_LEPD)), "90.0");
    PostMessageA(lepd, WM_COMMAND, IDCANCEL, 0);
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    CloseMain(fonexa, main);
}

TEST(Startup, SelectionFileOnTheCommandLineOpensTheWizard)
{
    std::string file = TempFile("scelta-e2e.dpi", "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nR1=0\r\nR2=1\r\n");
    Fonexa fonexa(file);
    HWND sheet = fonexa.WaitWindow("#32770", "Rispondere alle domande");
    ASSERT_NE(sheet, nullptr);
    HWND page = FindWindowExA(sheet, nullptr, "#32770", "Rispondere alle domande");
    ASSERT_NE(page, nullptr);
    // An edit of another process answers only WM_GETTEXT.
    char shown[MAX_PATH] = "";
    SendMessageA(GetDlgItem(page, IDC_DPI_FILE), WM_GETTEXT, sizeof shown, (LPARAM)shown);
    EXPECT_EQ(std::string(shown), file);
    EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_DPI_Q1_NO), BM_GETCHECK, 0, 0), BST_CHECKED);
    PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    CloseMain(fonexa, main);
}

TEST(Startup, UnknownFileTypeOnTheCommandLineIsIgnored)
{
    std::string file = TempFile("appunti.txt", "niente");
    Fonexa fonexa(file);
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(fonexa.WaitWindow("#32770", nullptr, 500), nullptr);
    CloseMain(fonexa, main);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (strncmp(argv[i], "--fonexa=", 9) == 0)
            e2e::g_fonexa = e2e::WindowsPath(argv[i] + 9);
    if (e2e::g_fonexa.empty()) {
        fprintf(stderr, "usage: e2e_tests --fonexa=PATH\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
