// The compiled help file in the system's help viewer: asked through WinHelp
// for a topic number, as the program's "&?" items do, the viewer shows the
// topic of that number. The text is read back from the viewer's window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string HelpFilePath()
{
    // BUILD/tests/help/help_viewer_tests.exe -> BUILD/help/Fonexa.hlp
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p(path, n);
    for (int up = 0; up < 3; ++up)
        p = p.substr(0, p.find_last_of('\\'));
    return p + "\\help\\Fonexa.hlp";
}

struct Found {
    std::string text;
};

BOOL CALLBACK CollectText(HWND window, LPARAM data)
{
    char className[64] = {0};
    GetClassNameA(window, className, sizeof className);
    if (strstr(className, "RichEdit") || strstr(className, "RICHEDIT")) {
        char text[4096] = {0};
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000,
                            nullptr);
        reinterpret_cast<Found*>(data)->text += text;
    }
    return TRUE;
}

// The text the viewer shows, once it begins with the expected title.
std::string ViewerTextStartingWith(const std::string& title)
{
    std::string last;
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND viewer = FindWindowA("MS_WINHELP", nullptr);
        if (viewer) {
            Found found;
            EnumChildWindows(viewer, CollectText, (LPARAM)&found);
            last = found.text;
            if (last.compare(0, title.size(), title) == 0)
                return last;
        }
        Sleep(100);
    }
    return last;
}

class HelpViewer : public testing::Test {
protected:
    void TearDown() override { WinHelpA(GetDesktopWindow(), HelpFilePath().c_str(), HELP_QUIT, 0); }
};

TEST_F(HelpViewer, OpensTheTopicOfEachNumberTheProgramAsksFor)
{
    struct Case {
        DWORD topic;
        const char* title;
        const char* holds;
    };
    // The titles and texts are the help file's own, in code page 1252.
    const Case cases[] = {
        {100110, "Calcolo Lep,d", "Lep,d = 89,8 dBA"},
        {100195, "HTLAN", "= 39,2 dB"},
        {100270, "Risultati del calcolo", "TROPPO ALTA (IPERPROTEZIONE)."},
        {0x0FBE0125, "Lep,d (dBA)", "Livello di esposizione personale giornaliera"},
        {0x0629006F, "Barra di stato", "Nessun file selezionato"},
        {(DWORD)40005 << 16 | 107, "Salva", "file corrente"},
    };
    std::string file = HelpFilePath();
    ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
    for (const Case& c : cases) {
        ASSERT_TRUE(WinHelpA(GetDesktopWindow(), file.c_str(), HELP_CONTEXT, c.topic)) << c.title;
        std::string text = ViewerTextStartingWith(c.title);
        EXPECT_EQ(text.compare(0, strlen(c.title), c.title), 0)
            << "topic " << c.topic << " shows: " << text.substr(0, 80);
        EXPECT_NE(text.find(c.holds), std::string::npos) << c.title;
    }
}

TEST_F(HelpViewer, ContentsOpenAtTheContentsTopic)
{
    std::string file = HelpFilePath();
    ASSERT_TRUE(WinHelpA(GetDesktopWindow(), file.c_str(), HELP_CONTENTS, 0));
    std::string text = ViewerTextStartingWith("Guida di Fonexa");
    EXPECT_EQ(text.compare(0, 15, "Guida di Fonexa"), 0) << text.substr(0, 80);
    EXPECT_NE(text.find("Calcolo Lep,w"), std::string::npos);
    EXPECT_NE(text.find("Evoluzione del danno"), std::string::npos);
}

}  // namespace
