#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "shell/program_paths.h"

namespace {

struct Paths {
    std::string folder, help;
};

Paths Of(const char* module)
{
    char folder[260], help[260];
    ProgramPaths(module, folder, sizeof folder, help, sizeof help);
    return {folder, help};
}

TEST(ProgramPaths, FolderWithoutItsBackslash)
{
    Paths p = Of("C:\\Programmi\\Fonexa\\fonexa.exe");
    EXPECT_EQ(p.folder, "C:\\Programmi\\Fonexa");
    EXPECT_EQ(p.help, "C:\\Programmi\\Fonexa\\fonexa.hlp");
}

TEST(ProgramPaths, DriveRootKeepsOneBackslashButTheHelpPathDoesNotDoubleIt)
{
    Paths p = Of("C:\\fonexa.exe");
    EXPECT_EQ(p.folder, "C:\\");
    EXPECT_EQ(p.help, "C:\\fonexa.hlp");
}

TEST(CommandForExtension, EachTypeOpensItsCalculator)
{
    EXPECT_EQ(CommandForExtension("C:\\dati\\turno.lep"), IDM_LEPD);
    EXPECT_EQ(CommandForExtension("C:\\dati\\TURNO.LEW"), IDM_LEPW);
    EXPECT_EQ(CommandForExtension("gruppo.Leg"), IDM_GROUP_LEQ);
    EXPECT_EQ(CommandForExtension("a.ilg"), IDM_DAMAGE);
    EXPECT_EQ(CommandForExtension("a.spr"), IDM_NOISE_SPECTRUM);
    EXPECT_EQ(CommandForExtension("a.spi"), IDM_ATTENUATION_SPECTRUM);
    EXPECT_EQ(CommandForExtension("a.dpi"), IDM_PROTECTOR_SELECTION);
    EXPECT_EQ(CommandForExtension("relazione.fnx"), IDM_DOCUMENT);
    EXPECT_EQ(CommandForExtension("saldatori.LIN"), IDM_UNCERTAINTY);
}

TEST(CommandForExtension, OtherNamesOpenNothing)
{
    EXPECT_EQ(CommandForExtension(""), 0);
    EXPECT_EQ(CommandForExtension(nullptr), 0);
    EXPECT_EQ(CommandForExtension("C:\\dati.lep\\leggimi"), 0);  // the dot is in the folder
    EXPECT_EQ(CommandForExtension("turno.lep.txt"), 0);
    EXPECT_EQ(CommandForExtension("lep"), 0);
}

TEST(CommandLinePath, QuotesAndBlanksAroundThePathGo)
{
    char path[260];
    CommandLinePath("\"C:\\I miei dati\\turno.lep\"", path, sizeof path);
    EXPECT_STREQ(path, "C:\\I miei dati\\turno.lep");
    CommandLinePath("  C:\\dati\\turno.lep ", path, sizeof path);
    EXPECT_STREQ(path, "C:\\dati\\turno.lep");
    CommandLinePath("", path, sizeof path);
    EXPECT_STREQ(path, "");
    CommandLinePath("\"", path, sizeof path);
    EXPECT_STREQ(path, "\"");
}

TEST(CommandLinePath, APathLongerThanTheBufferIsIgnoredNotCut)
{
    char small[8];
    CommandLinePath("C:\\lunghissimo.lep", small, sizeof small);
    EXPECT_STREQ(small, "");
    // 260 characters: cut at 259 it would end in ".le", or in another
    // file's extension.
    std::string longPath = "C:\\" + std::string(253, 'a') + ".lep";
    ASSERT_EQ(longPath.size(), 260u);
    char path[260];
    CommandLinePath(longPath.c_str(), path, sizeof path);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(CommandForExtension(path), 0);
}

}  // namespace
