// fonexa.exe /riepilogo [/s] "FOLDER" "OUT.csv", beside a running copy: the
// table written whole and 0, or 1 and nothing written; no window waits.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/process.h"

using e2e::Fonexa;

namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return in ? text.str() : "(none)";
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Ends by itself (a window or a box would wait for the user).
long Summary(const std::string& arguments)
{
    Fonexa command("/riepilogo " + arguments);
    return command.WaitExit(30000);
}

TEST(SummaryCommand, WritesTheWholeTableOrNothing)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "riepilogo e2e " + std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\sotto").c_str(), nullptr);
    Write(folder + "\\turno.lep", "[FONEXA]\r\nTipo=LEPD\r\nTFORM=2\r\nITEMS=1\r\n[LEQ]\r\n1=85.4\r\n[TIME]\r\n1=8\r\n");
    Write(folder + "\\sotto\\turno.lew", "[FONEXA]\r\nTipo=LEPW\r\nLEPW=70\r\n[GIORNI]\r\nLunedi=80\r\nMartedi=80\r\n"
                                          "Mercoledi=80\r\nGiovedi=80\r\nVenerdi=80\r\n");
    Write(folder + "\\relazione.fnx", "{\\rtf1 }");

    Fonexa running;
    ASSERT_NE(running.WaitWindow("Fonexa_Class", nullptr), nullptr);

    std::string out = folder + "\\riepilogo.csv";
    EXPECT_EQ(Summary("/s \"" + folder + "\" \"" + out + "\""), 0);
    // Five days at 80 and two at 0: 10 lg((5 10^8 + 2) / 5) = 80.0.
    EXPECT_EQ(Read(out), "File;Tipo;Grandezza;Valore;Altri risultati;Classe D.Lgs. 81/2008;Note;Stato\r\n"
                         "relazione.fnx;Documento;;;;;;\r\n"
                         "sotto\\turno.lew;Lep,w;Lep,w (dBA);80,0;;80-85;;risultato salvato diverso (70)\r\n"
                         "turno.lep;Lep,d;Lep,d (dBA);85,4;;85-87;;\r\n");
    EXPECT_EQ(Summary("\"" + folder + "\" \"" + out + "\""), 0);
    EXPECT_EQ(Read(out).find("sotto"), std::string::npos);

    // A folder that is not there, a file that cannot be replaced, an
    // incomplete line: 1, and the old file as it was, nothing beside it.
    std::string kept = folder + "\\sola lettura.csv";
    Write(kept, "vecchio");
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Summary("\"" + folder + "\\manca\" \"" + folder + "\\nuovo.csv\""), 1);
    EXPECT_EQ(Summary("\"" + folder + "\" \"" + kept + "\""), 1);
    EXPECT_EQ(Summary("\"" + folder + "\" \"" + folder + "\\manca\\nuovo.csv\""), 1);
    EXPECT_EQ(Summary("/s \"" + folder + "\""), 1);
    EXPECT_EQ(Read(kept), "vecchio");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    int files = 0;
    do
        files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 4);  // turno.lep, relazione.fnx, riepilogo.csv, sola lettura.csv

    PostMessageA(running.WaitWindow("Fonexa_Class", nullptr), WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitExit(), 0);
}

}  // namespace
