#include <gtest/gtest.h>

#include <string>

#include "setup/install_plan.h"

namespace {

std::string Normalised(const char* typed)
{
    char folder[kPathCapacity];
    return NormaliseInstallFolder(typed, folder, sizeof folder) ? folder : "<rifiutata>";
}

TEST(InstallFolder, TypedFoldersAreTrimmedOrRefused)
{
    struct Case {
        const char* typed;
        const char* folder;
    } cases[] = {
        {"C:\\OTREM\\Fonexa", "C:\\OTREM\\Fonexa"},
        {"  D:\\Programmi\\Fonexa\\\\ ", "D:\\Programmi\\Fonexa"},
        {"\\\\server\\condivisa\\Fonexa", "\\\\server\\condivisa\\Fonexa"},
        {"", "<rifiutata>"},
        {"   ", "<rifiutata>"},
        {"C:\\", "<rifiutata>"},
        {"C:", "<rifiutata>"},
        {"Fonexa", "<rifiutata>"},
        {"\\Fonexa", "<rifiutata>"},
        {"\\\\server\\condivisa", "<rifiutata>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Normalised(c.typed), c.folder) << c.typed;
}

TEST(InstallFolder, LongestFolderLeavesRoomForInstallazionePdf)
{
    // 260 bytes hold "<folder>\Installazione.pdf" and its zero: the folder may
    // have 260 - 1 - 1 - 17 = 241 characters.
    std::string folder = "C:\\" + std::string(238, 'a');
    ASSERT_EQ(folder.size(), 241u);
    EXPECT_EQ(Normalised(folder.c_str()), folder);
    EXPECT_EQ(Normalised((folder + "b").c_str()), "<rifiutata>");
    EXPECT_EQ(Normalised((folder + "\\").c_str()), folder);

    char path[kPathCapacity];
    EXPECT_TRUE(JoinPath(path, sizeof path, folder.c_str(), "Installazione.pdf"));
    EXPECT_EQ(strlen(path), 259u);
    EXPECT_FALSE(JoinPath(path, sizeof path, (folder + "b").c_str(), "Installazione.pdf"));
    EXPECT_STREQ(path, "");
}

TEST(InstallFolder, LevelsAreMadeFromTheOutermostBelowTheRoot)
{
    char levels[8][kPathCapacity];
    ASSERT_EQ(FolderLevels("C:\\OTREM\\Fonexa", levels, 8), 2);
    EXPECT_STREQ(levels[0], "C:\\OTREM");
    EXPECT_STREQ(levels[1], "C:\\OTREM\\Fonexa");
    ASSERT_EQ(FolderLevels("\\\\srv\\dati\\a\\b\\c", levels, 8), 3);
    EXPECT_STREQ(levels[0], "\\\\srv\\dati\\a");
    EXPECT_STREQ(levels[2], "\\\\srv\\dati\\a\\b\\c");
    EXPECT_EQ(FolderLevels("C:\\a\\b\\c\\d", levels, 2), 2);
}

TEST(InstallFolder, FolderOfTheProgramPath)
{
    char folder[kPathCapacity];
    EXPECT_TRUE(FolderOfPath(folder, sizeof folder, "C:\\OTREM\\Fonexa\\Fonexa.exe"));
    EXPECT_STREQ(folder, "C:\\OTREM\\Fonexa");
    EXPECT_FALSE(FolderOfPath(folder, sizeof folder, "Fonexa.exe"));
    EXPECT_FALSE(FolderOfPath(folder, 8, "C:\\OTREM\\Fonexa\\Fonexa.exe"));
}

TEST(InstallTexts, RegistryValuesAndCommands)
{
    char text[kCommandCapacity];
    ASSERT_TRUE(FileTypeId(text, sizeof text, ".lep"));
    EXPECT_STREQ(text, "Fonexa.File.lep");
    ASSERT_TRUE(IconValue(text, sizeof text, "C:\\OTREM\\Fonexa"));
    EXPECT_STREQ(text, "\"C:\\OTREM\\Fonexa\\Fonexa.exe\",0");
    ASSERT_TRUE(OpenCommandValue(text, sizeof text, "C:\\OTREM\\Fonexa"));
    EXPECT_STREQ(text, "\"C:\\OTREM\\Fonexa\\Fonexa.exe\" \"%1\"");
    ASSERT_TRUE(ProgramPathValue(text, sizeof text, "C:\\Programmi\\Fonexa"));
    EXPECT_STREQ(text, "C:\\Programmi\\Fonexa\\Fonexa.exe");
    ASSERT_TRUE(UninstallStringValue(text, sizeof text, "C:\\PROGRA~1\\Fonexa"));
    EXPECT_STREQ(text, "C:\\PROGRA~1\\Fonexa\\setup.exe /remove");
    ASSERT_TRUE(InfUninstallCommand(text, sizeof text, false, "C:\\OTREM\\Fonexa"));
    EXPECT_STREQ(text, "rundll32.exe setupapi.dll,InstallHinfSection DefaultUninstall 132 C:\\OTREM\\Fonexa\\Fonexa.inf");
    ASSERT_TRUE(InfUninstallCommand(text, sizeof text, true, "C:\\OTREM\\Fonexa"));
    EXPECT_STREQ(text, "rundll.exe setupx.dll,InstallHinfSection DefaultUninstall 132 C:\\OTREM\\Fonexa\\Fonexa.inf");
    ASSERT_TRUE(LogHeader(text, sizeof text, 7, 12, 2026, 9, 5, 3));
    EXPECT_STREQ(text, "File creato il 7-12-2026 alle ore 9.5.3\r\n");
    char small[10];
    EXPECT_FALSE(IconValue(small, sizeof small, "C:\\OTREM\\Fonexa"));
    EXPECT_STREQ(small, "");
}

TEST(InstallTexts, WindowsVersionTextAndResult)
{
    struct Case {
        bool queried;
        int platform;
        unsigned major, minor;
        const char* service;
        const char* text;
        bool windows9x;
    } cases[] = {
        {true, kPlatformWindows9x, 4, 0, " B", "Windows 95 ", true},
        {true, kPlatformWindows9x, 4, 0, " C", "Windows 95 OSR2 ", true},
        {true, kPlatformWindows9x, 4, 10, "", "Windows 98 ", true},
        {true, kPlatformWindows9x, 4, 10, " A ", "Windows 98 SE ", true},
        {true, kPlatformWindows9x, 4, 90, " ", "Windows Me ", false},
        {true, kPlatformWindows9x, 5, 0, "", "Windows versione successiva a Me ", false},
        {true, kPlatformNt, 3, 51, "", "Windows NT ", false},
        {true, kPlatformNt, 4, 0, "Service Pack 6", "Windows NT ", false},
        {true, kPlatformNt, 5, 0, "", "Windows 2000 ", false},
        {true, kPlatformNt, 5, 1, "Service Pack 3", "Windows XP ", false},
        {true, kPlatformNt, 5, 2, "", "Windows versione successiva ad XP ", false},
        {true, kPlatformNt, 10, 0, "", "Windows versione successiva ad XP ", false},
        {false, kPlatformNt, 0, 0, "", "", true},
    };
    for (const Case& c : cases) {
        char text[64] = "x";
        EXPECT_EQ(WindowsVersionText(c.queried, c.platform, c.major, c.minor, c.service, text, sizeof text),
                  c.windows9x) << c.text;
        EXPECT_STREQ(text, c.text);
    }
}

TEST(InstallTexts, OnlyTheRealExtensionCounts)
{
    EXPECT_TRUE(HasExtension("turno.lep", ".lep"));
    EXPECT_TRUE(HasExtension("TURNO.LEP", ".lep"));
    EXPECT_TRUE(HasExtension("a.b.fnx", ".fnx"));
    EXPECT_FALSE(HasExtension("relazione.fnxold", ".fnx"));
    EXPECT_FALSE(HasExtension("RELAZI~1.FNX.txt", ".fnx"));
    EXPECT_FALSE(HasExtension(".lep", ".lep"));
    EXPECT_FALSE(HasExtension("lep", ".lep"));
}

}  // namespace
