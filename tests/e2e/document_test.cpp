// fonexa.exe with its report document: a ".fnx" on the command line, and
// the question asked when a modified document is closed.

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <richedit.h>

#include <fstream>
#include <sstream>
#include <string>

#include "resources/resource.h"
#include "tests/e2e/process.h"

using e2e::Fonexa;

namespace {

const char kTitle[] = "Fonexa - Rischio, danno e protezione dal rumore in ambiente di lavoro";
const char kAsk[] = "Il documento è stato modificato. Salvare le modifiche?";

std::string TempPath(const std::string& name)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// What a control of the other process answers to WM_GETTEXT (the status
// bar and the rich-edit control keep their text themselves, so the window
// title that GetWindowText reads across processes is stale).
std::string AskedText(HWND window)
{
    char text[512] = "";
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &result);
    text[sizeof text - 1] = '\0';
    return text;
}

// Text of a control of the other process, polled until it equals expected.
std::string WaitText(HWND window, const std::string& expected)
{
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text = AskedText(window);
        if (text == expected)
            break;
        Sleep(20);
    }
    return text;
}

void Press(HWND dialog, int button)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)GetDlgItem(dialog, button));
}

// Closes the main window and answers Yes to the question.
HWND CloseAnsweringYes(const Fonexa& fonexa, HWND main)
{
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND box = fonexa.WaitWindow("#32770", "Attenzione");
    EXPECT_NE(box, nullptr);
    if (!box)
        return nullptr;
    EXPECT_EQ(e2e::MessageBoxText(box), kAsk);
    Press(box, IDYES);
    return fonexa.WaitWindow("#32770", "Salvataggio file di dati");
}

TEST(ReportDocumentProgram, ADocumentOnTheCommandLineIsShown)
{
    std::string path = TempPath("avvio e2e.fnx");
    std::ofstream(path, std::ios::binary) << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\plain\\f0\\fs20 "
                                             "Relazione di prova\\par}";
    Fonexa fonexa("\"" + path + "\"");
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WaitText(GetDlgItem(main, IDC_STATUS_BAR), path), path);
    std::string text = WaitText(GetDlgItem(main, IDC_REPORT_DOCUMENT), "Relazione di prova");
    EXPECT_EQ(text.substr(0, 18), "Relazione di prova");
    // Just opened, so closing asks nothing.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(fonexa.WaitExit(), 0);
}

TEST(ReportDocumentProgram, ClosingAModifiedDocumentSavesOnYes)
{
    std::string path = TempPath("chiusura e2e.fnx");
    DeleteFileA(path.c_str());
    Fonexa fonexa;
    HWND main = fonexa.WaitWindow("Fonexa_Class", kTitle);
    ASSERT_NE(main, nullptr);
    HWND document = GetDlgItem(main, IDC_REPORT_DOCUMENT);
    ASSERT_NE(document, nullptr);
    SendMessageA(document, WM_SETTEXT, 0, (LPARAM)"Esposizione del reparto presse");
    SendMessageA(document, EM_SETMODIFY, TRUE, 0);

    // Yes, then the save dialog cancelled: the program stays.
    HWND dialog = CloseAnsweringYes(fonexa, main);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDCANCEL);
    EXPECT_EQ(fonexa.WaitExit(1500), -2);
    EXPECT_TRUE(IsWindow(main));

    // Yes, then a name: the document is saved and the program ends.
    dialog = CloseAnsweringYes(fonexa, main);
    ASSERT_NE(dialog, nullptr);
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    ASSERT_NE(name, nullptr);
    SendMessageA(name, WM_SETTEXT, 0, (LPARAM)path.c_str());
    Press(dialog, IDOK);
    EXPECT_EQ(fonexa.WaitExit(), 0);
    std::string saved = ReadAll(path);
    EXPECT_EQ(saved.compare(0, 5, "{\\rtf"), 0);
    EXPECT_NE(saved.find("Esposizione del reparto presse"), std::string::npos);
}

}  // namespace
