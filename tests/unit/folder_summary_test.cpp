// The folder summary's reading of data files: keys found as the profile
// functions find them, each type's results recomputed from its inputs (the
// numbers worked out by hand), refusals, the stale mark, order and "Csv".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/profile_text.h"
#include "summary/file_summary.h"
#include "summary/summary_table.h"

namespace {

ProfileText Text(const std::string& text)
{
    return ProfileText(text.data(), text.size());
}

SummaryRow Row(const char* file, const std::string& text)
{
    const DataFileType* type = DataFileTypeOfPath(file);
    return {file, type, SummariseData(*type, text.data(), text.size())};
}

std::vector<std::string> Cells(const SummaryRow& row)
{
    std::vector<std::string> cells;
    for (int column = kColumnType; column < kSummaryColumns; ++column)
        cells.push_back(SummaryCell(row, column));
    return cells;
}

TEST(ProfileText, FindsKeysAsTheProfileFunctionsDo)
{
    ProfileText file = Text(
        "Tipo=fuori\r\n [ fonexa ] \r\nTIPO = \"LEPD\" \r\nA\r\nA=1\rB='x'\n\n[Fonexa]\r\nC=2\r\n"
        "[LEQ]\r\n2=b\r\n1= 'a' \r\n01=no\r\n2=c\r\n;3=no\r\n4=d\r\nX=0x1F\r\nY=-7z\r\nZ=\r\nN=ab\0cd\r\n");
    EXPECT_EQ(file.Value("FONEXA", "Tipo", 16), "LEPD");
    EXPECT_EQ(file.Value("FONEXA", "Tipo", 4), "LEP");
    EXPECT_EQ(file.Value("FONEXA", "A", 16), "");  // its first line has no "="
    EXPECT_EQ(file.Value("FONEXA", "B", 16), "x");
    EXPECT_EQ(file.Value("FONEXA", "C", 16), "");  // a second section of the name is not read
    EXPECT_EQ(file.Int("LEQ", "X", 5), 31);
    EXPECT_EQ(file.Int("LEQ", "Y", 5), -7);
    EXPECT_EQ(file.Int("LEQ", "Z", 5), 5);
    EXPECT_EQ(file.Value("LEQ", "N", 16), "ab");
    ProfileText::Numbered keys = file.NumberedKeys("LEQ", 3);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_STREQ(NumberedText(keys, 1), "a");
    EXPECT_STREQ(NumberedText(keys, 2), "b");
    EXPECT_STREQ(NumberedText(keys, 4), "");

    // UTF-8 and UTF-16 texts reach the program in code page 1252.
    EXPECT_EQ(Text("\xEF\xBB\xBF[A]\nK=\xC3\xA8\xE2\x82\xAC\xE4\xB8\x80").Value("a", "k", 16), "\xE8\x80?");
    const char utf16[] = "\xFE\xFF\0[\0A\0]\0\n\0K\0=\0001";
    EXPECT_EQ(ProfileText(utf16, sizeof utf16 - 1).Int("A", "K", 0), 1);
}

TEST(FolderSummary, EachTypeRecomputedFromItsInputs)
{
    struct Case {
        const char* file;
        std::string text;
        std::vector<std::string> cells;  // type, quantity, value, details, class, notes, state
    } cases[] = {
        // 10 lg((10^9 + 10^8.5) / 2) = 88.18 over the 480 minutes; the
        // stored 85.0 was written by hand.
        {"turno.lep",
         "[FONEXA]\nTipo=LEPD\nLEPD=85.0\nTFORM=1\nITEMS=2\n[LEQ]\n1=90\n2=85 dB\n[TIME]\n1=240\n2=240\n"
         "[NOTE]\n1=Presse\n2=seconda riga\nNum=2\n",
         {"Lep,d", "Lep,d (dBA)", "88.2", "", ">= 87", "Presse", "risultato salvato diverso (85.0)"}},
        // Empty weekend days count 0: 10 lg(sum 10^(L/10) / 5) = 85.52.
        {"settimana.LEW", "[FONEXA]\nTipo=LEPW\nLEPW=85.5\n[GIORNI]\nLunedi=85\nMartedi=87\nMercoledi=85\n"
                          "Giovedi=86\nVenerdi=84\nSabato=\n",
         {"Lep,w", "Lep,w (dBA)", "85.5", "", "85-87", "", ""}},
        // Mean 87.67, s = 2.517; 95 %, 2 dB, N = 10: half-width
        // 2.920 s / sqrt(3) sqrt(7 / 9) = 3.74; four samples are enough
        // (2.353 s / 2 sqrt(6 / 9) = 2.42 rounds to 2).
        {"gruppo.leg", "[FONEXA]\nTipo=LEG\nTOTLAV=10\nITEMS=3\n[LEQ]\n1=85\n2=88\n3=90\n",
         {"Leq gruppi", "Leq,gruppo (dBA)", "87.7", "± 3.7 dB / 1 campione ancora necessario", ">= 87", "", ""}},
        // A weighting: 10 lg(sum 10^((L + A)/10)) = 90.23, C: 91.16.
        {"pressa.spr", "[FONEXA]\nTipo=SPR\n[SPECTRUM]\n125=80\n250=82\n500=85\n1000=86\n2000=84\n4000=80\n8000=75\n",
         {"Spettro rumore", "LAeq (dBA)", "90.2", "LCeq 91.2 dBC", "", "", ""}},
        {"cuffia.spi", "[FONEXA]\nTipo=SPI\nSNR=31\n[SPECTRUM]\n125=15\n250=20\n500=25\n1000=30\n2000=33\n4000=35\n8000=38\n",
         {"Spettro DPI", "SNR (dB)", "31.0", "H 34.0 / M 28.0 / L 22.0", "", "", ""}},
        // SNR method: 100 - 22 = 78 dBA, 7 dB below the action level of 85.
        {"scelta.dpi", "[FONEXA]\nTipo=DPI\n[SETTINGS]\nLACT=85\nMETODO=2\nLIVEFF=80\n[NOISE]\nC=100\n[ATT]\nSNR=22\n",
         {"Scelta DPI", "Livello protetto (dBA)", "78.0", "Metodo SNR, BUONA.", "", "", "risultato salvato diverso (80)"}},
        // 4 dB off the SNR for real use: 100 - 18 = 82 dBA, judged against 85.
        {"corretta.dpi", "[FONEXA]\nTipo=DPI\n[SETTINGS]\nMETODO=2\nCORREZIONE=hse\nLIVEFF=78.0\n[NOISE]\nC=100\n"
                         "[ATT]\nSNR=22\n",
         {"Scelta DPI", "Livello protetto (dBA)", "82.0", "Metodo SNR, 4 dB HSE (Regno Unito), ACCETTABILE.", "", "",
          ""}},
        {"nessuno.dpi", "[FONEXA]\nTipo=DPI\n[SETTINGS]\nMETODO=-1\n",
         {"Scelta DPI", "Livello protetto (dBA)", "", "Nessun metodo scelto", "", "", ""}},
        // 40 dB at every frequency, new table: 0.6 (11.25 + 11.25 + 15.75 + 3 + 1.5) = 25.65.
        {"audio.ilg", "[FONEXA]\nTipo=ILG\n[SX]\n500=40\n1000=40\n2000=40\n3000=40\n4000=40\n6000=40\n",
         {"Danno", "Danno (%)", "26", "Tabella Nuova", "", "", ""}},
        // The welders' day of ISO 9612 annex D, class 2: Lex,8h 84.3, U 3.2.
        {"saldatori.lin",
         "[FONEXA]\nTipo=LIN\nCLASSE=2\nPICCO=128\nITEMS=3\n[COMPITO1]\nDURATA=1.5\nU1B=0\nITEMS=3\n1=70\n2=70\n3=70\n"
         "[COMPITO2]\nDURATA=5\nU1B=1\nITEMS=3\n1=80.1\n2=82.2\n3=79.6\n[COMPITO3]\nDURATA=1.5\nU1B=0.5\nITEMS=6\n"
         "1=86.5\n2=92.4\n3=89.3\n4=93.2\n5=87.8\n6=86.2\n[NOTE]\n1=Saldatori\nNum=1\n",
         {"Incertezza", "Lex,8h (dBA)", "84.3", "U = 3.2 dB, Lex,8h + U = 87.5 dBA (>= 87), Lpicco,C = 128.0 dBC (< 135)",
          "80-85", "Saldatori", ""}},
        {"due.lin", "[FONEXA]\nTipo=LIN\nITEMS=1\n[COMPITO1]\nDURATA=8\nITEMS=2\n1=85\n2=86\n",
         {"Incertezza", "", "", "", "", "", "valori non validi"}},
        {"relazione.fnx", "{\\rtf1 Tipo=LEPD}", {"Documento", "", "", "", "", "", ""}},
        {"altro.lep", "[FONEXA]\nTipo=LEPW\n", {"", "", "", "", "", "", "tipo sconosciuto"}},
        {"vuoto.leg", "", {"", "", "", "", "", "", "tipo sconosciuto"}},
        // Refused as the calculators refuse them: a level that counts 0, a
        // group of three, a band over full scale, a negative field.
        {"zero.lep", "[FONEXA]\nTipo=LEPD\nITEMS=1\n[LEQ]\n1=n.d.\n[TIME]\n1=480\n[NOTE]\n1=x\nNum=1\n",
         {"Lep,d", "", "", "", "", "x", "valori non validi"}},
        {"enorme.lep", "[FONEXA]\nTipo=LEPD\nITEMS=1\n[LEQ]\n1=1e309\n[TIME]\n1=480\n",
         {"Lep,d", "", "", "", "", "", "valori non validi"}},
        {"pochi.leg", "[FONEXA]\nTipo=LEG\nTOTLAV=3\n", {"Leq gruppi", "", "", "", "", "", "valori non validi"}},
        {"alto.spr", "[FONEXA]\nTipo=SPR\n[SPECTRUM]\n1000=141\n", {"Spettro rumore", "", "", "", "", "", "valori non validi"}},
        {"negativo.dpi", "[FONEXA]\nTipo=DPI\n[SETTINGS]\nMETODO=1\n[NOISE]\nA=-5\n[ATT]\nSNR=20\n",
         {"Scelta DPI", "", "", "", "", "", "valori non validi"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cells(Row(c.file, c.text)), c.cells) << c.file;
    EXPECT_EQ(DataFileTypeOfPath("C:\\x.lep\\appunti.txt"), nullptr);
}

TEST(FolderSummary, SortsAndCopiesTheTable)
{
    std::vector<SummaryRow> rows = {
        Row("turno 10.lep", "[FONEXA]\nTipo=LEPD\nTFORM=2\nITEMS=1\n[LEQ]\n1=91.5\n[TIME]\n1=8\n[NOTE]\n1=a; \"b\"\nNum=1\n"),
        Row("turno 2.lep", "[FONEXA]\nTipo=LEPD\nTFORM=2\nITEMS=1\n[LEQ]\n1=79.95\n[TIME]\n1=8\n"),
        Row("sotto\\turno 3.lep", "[FONEXA]\nTipo=LEPD\nTFORM=2\nITEMS=1\n[LEQ]\n1=100\n[TIME]\n1=8\n"),
        Row("relazione.fnx", ""),
    };
    auto files = [&rows] {
        std::vector<std::string> names;
        for (const SummaryRow& row : rows)
            names.push_back(row.file);
        return names;
    };
    SortSummaryRows(&rows, kColumnValue, false);
    EXPECT_EQ(files(), (std::vector<std::string>{"sotto\\turno 3.lep", "turno 10.lep", "turno 2.lep", "relazione.fnx"}));
    SortSummaryRows(&rows, kColumnFile, true);
    EXPECT_EQ(files(), (std::vector<std::string>{"relazione.fnx", "sotto\\turno 3.lep", "turno 2.lep", "turno 10.lep"}));
    // 79.95 shows as 80.0 and is classed so.
    EXPECT_EQ(SummaryCsv(rows, ";"),
              "File;Tipo;Grandezza;Valore;Altri risultati;Classe D.Lgs. 81/2008;Note;Stato\r\n"
              "relazione.fnx;Documento;;;;;;\r\n"
              "sotto\\turno 3.lep;Lep,d;Lep,d (dBA);100,0;;>= 87;;\r\n"
              "turno 2.lep;Lep,d;Lep,d (dBA);80,0;;80-85;;\r\n"
              "turno 10.lep;Lep,d;Lep,d (dBA);91,5;;>= 87;\"a; \"\"b\"\"\";\r\n");
    std::string comma = SummaryCsv({rows[2]}, ",");
    EXPECT_EQ(comma.substr(comma.find("\r\n") + 2), "turno 2.lep,\"Lep,d\",\"Lep,d (dBA)\",\"80,0\",,80-85,,\r\n");
}

}  // namespace
