// "Riepi&logo cartella..." walked as a user walks it: the folder chosen in the
// system's folder browser, the table of a folder of every type (a
// hand-edited file, a hostile one, one of another type, a file that is not
// data, a subfolder), "C&opia" byte for byte, the order of a column, and a
// double click that opens a row's calculator, after which the row is read
// again.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exposure/daily_exposure_state.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"

using gui::Window;

namespace {

const char* const kFiles[][2] = {
    {"turno.lep", "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=480\r\n"
                  "[NOTE]\r\n1=Presse; linea 2\r\nNum=1\r\n"},
    {"corretto.lep", "[FONEXA]\r\nTipo=LEPD\r\nLEPD=80.0\r\nTFORM=1\r\nITEMS=2\r\n[LEQ]\r\n1=90\r\n2=85\r\n"
                     "[TIME]\r\n1=240\r\n2=240\r\n"},
    {"ostile.lep", "[FONEXA]\r\nTipo=LEPD\r\nITEMS=999999999\r\n[LEQ]\r\n1=n.d.\x01\xff\r\n[TIME]\r\n1=1e309\r\n"},
    {"altro.lep", "[FONEXA]\r\nTipo=LEPW\r\n"},
    {"appunti.txt", "[FONEXA]\r\nTipo=LEPD\r\n"},
    {"settimana.lew", "[FONEXA]\r\nTipo=LEPW\r\n[GIORNI]\r\nLunedi=85\r\nMartedi=87\r\nMercoledi=85\r\nGiovedi=86\r\n"
                      "Venerdi=84\r\n[NOTE]\r\n1=Turno B\r\nNum=1\r\n"},
    {"gruppo.leg", "[FONEXA]\r\nTipo=LEG\r\nTOTLAV=10\r\nFIDUCIA=1\r\nCONFIDENZA=1\r\nITEMS=3\r\n[LEQ]\r\n1=85\r\n"
                   "2=88\r\n3=90\r\n"},
    {"audiogramma.ilg", "[FONEXA]\r\nTipo=ILG\r\nSIMM=1\r\n[SX]\r\n500=40\r\n1000=40\r\n2000=40\r\n3000=40\r\n"
                        "4000=40\r\n6000=40\r\n"},
    {"pressa.spr", "[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=80\r\n250=82\r\n500=85\r\n1000=86\r\n2000=84\r\n"
                   "4000=80\r\n8000=75\r\n"},
    {"cuffia.spi", "[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=15\r\n250=20\r\n500=25\r\n1000=30\r\n2000=33\r\n"
                   "4000=35\r\n8000=38\r\n"},
    {"scelta.dpi", "[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85\r\nMETODO=2\r\n[NOISE]\r\nC=100\r\n[ATT]\r\nSNR=22\r\n"},
    {"relazione.fnx", "{\\rtf1 Relazione}"},
    {"reparto\\turno 2.lep", "[FONEXA]\r\nTipo=LEPD\r\nTFORM=2\r\nITEMS=1\r\n[LEQ]\r\n1=92\r\n[TIME]\r\n1=8\r\n"},
};

// Worked out by hand: Lep,d 10 lg((10^9 + 10^8.5) / 2) = 88.2; the week
// 85.5; the group's mean 87.7 with 2.920 s / sqrt(3) sqrt(7/9) = 3.7 dB;
// 0.6 (11.25 + 11.25 + 15.75 + 3 + 1.5) = 25.65 %; LAeq 90.2, LCeq 91.2;
// SNR 31, H 34, M 28, L 22; 100 - 22 = 78 dBA, 7 dB under 85.
const char kTable[] =
    "File;Tipo;Grandezza;Valore;Altri risultati;Classe D.Lgs. 81/2008;Note;Stato\r\n"
    "altro.lep;;;;;;;tipo sconosciuto\r\n"
    "audiogramma.ilg;Danno;Danno (%);26;Tabella Nuova;;;\r\n"
    "corretto.lep;Lep,d;Lep,d (dBA);88,2;;>= 87;;risultato salvato diverso (80,0)\r\n"
    "cuffia.spi;Spettro DPI;SNR (dB);31,0;H 34,0 / M 28,0 / L 22,0;;;\r\n"
    "gruppo.leg;Leq gruppi;Leq,gruppo (dBA);87,7;± 3,7 dB / 1 campione ancora necessario;>= 87;;\r\n"
    "ostile.lep;Lep,d;;;;;;valori non validi\r\n"
    "pressa.spr;Spettro rumore;LAeq (dBA);90,2;LCeq 91,2 dBC;;;\r\n"
    "relazione.fnx;Documento;;;;;;\r\n"
    "reparto\\turno 2.lep;Lep,d;Lep,d (dBA);92,0;;>= 87;;\r\n"
    "scelta.dpi;Scelta DPI;Livello protetto (dBA);78,0;Metodo SNR, BUONA.;;;\r\n"
    "settimana.lew;Lep,w;Lep,w (dBA);85,5;;85-87;Turno B;\r\n"
    "turno.lep;Lep,d;Lep,d (dBA);90,0;;>= 87;\"Presse; linea 2\";\r\n";

std::vector<std::string> Column(const Window& summary, int column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < summary.ListCount(IDC_SUMMARY_LIST); ++row)
        cells.push_back(summary.ListCell(IDC_SUMMARY_LIST, row, column));
    return cells;
}

void ClickHeader(const Window& summary, int column)
{
    HWND dialog = summary.hwnd(), list = summary.Item(IDC_SUMMARY_LIST);
    gui::Perform([dialog, list, column] {
        NMLISTVIEW click = {};
        click.hdr = {list, IDC_SUMMARY_LIST, (UINT)LVN_COLUMNCLICK};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(dialog, WM_NOTIFY, IDC_SUMMARY_LIST, (LPARAM)&click);
    });
}

// The system's folder browser: a dialog of this thread holding a tree.
HWND FolderBrowser()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            if (IsWindowVisible(window) && FindWindowExA(window, nullptr, WC_TREEVIEWA, nullptr))
                *(HWND*)param = window;
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

// The name the browser's tree shows selected.
std::string SelectedFolder(const Window& browser)
{
    HWND tree = FindWindowExA(browser.hwnd(), nullptr, WC_TREEVIEWA, nullptr);
    char name[MAX_PATH] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    item.pszText = name;
    item.cchTextMax = sizeof name;
    SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&item);
    return name;
}

// "Riepi&logo cartella..." on a folder chosen in the browser (which opens by
// itself the first time in a run, else from "Sce&gli cartella...").
Window OpenSummaryOn(const std::string& folder, const std::string& count)
{
    gui::MainCommand(IDM_FOLDER_SUMMARY);
    // Shown and reading the last folder, or asking for one.
    HWND summary = nullptr;
    gui::WaitUntil("the summary or the folder browser", [&] {
        summary = FindWindowA(nullptr, "Riepilogo cartella");
        return FolderBrowser() || (summary && IsWindowVisible(summary) && IsWindowEnabled(summary) &&
                                   GetWindowTextLengthA(GetDlgItem(summary, IDC_SUMMARY_COUNT)) > 0);
    });
    if (!FolderBrowser())
        Window(summary).Click(IDC_SUMMARY_CHOOSE);
    gui::WaitUntil("the folder browser", [] { return FolderBrowser() != nullptr; });
    Window browser(FolderBrowser());
    // Chosen as a path typed into the browser would choose it, once the
    // browser has shown its own starting folder.
    gui::WaitUntil("the folder selected in the browser", [&] {
        SendMessageA(browser.hwnd(), BFFM_SETSELECTIONA, TRUE, (LPARAM)folder.c_str());
        return SelectedFolder(browser) == folder.substr(folder.rfind('\\') + 1);
    });
    browser.Click(IDOK);
    Window opened = gui::WaitWindow("Riepilogo cartella");
    EXPECT_EQ(opened.Text(IDC_SUMMARY_FOLDER), folder);
    gui::WaitUntil("the folder read", [&] { return opened.Text(IDC_SUMMARY_COUNT) == count; });
    return opened;
}

TEST(Riepilogo, AFolderOfEveryTypeSortedCopiedAndOpened)
{
    std::string folder = gui::TempFolder();
    CreateDirectoryA((folder + "\\reparto").c_str(), nullptr);
    for (const auto& file : kFiles)
        gui::WriteFile(folder + "\\" + file[0], file[1]);
    ResetDailyExposureMemory();

    gui::RunScript([&] {
        Window summary = OpenSummaryOn(folder, "11 file letti");

        // The subfolder is read again with the folder.
        gui::Perform([&] { SendMessageA(summary.Item(IDC_SUMMARY_SUBFOLDERS), BM_CLICK, 0, 0); });
        gui::WaitUntil("the subfolders read", [&] { return summary.Text(IDC_SUMMARY_COUNT) == "12 file letti"; });
        summary.Click(IDM_COPY);
        EXPECT_EQ(gui::ClipboardCsv(), kTable);

        // Values as numbers, then the other way; rows without one stay last.
        ClickHeader(summary, 3);
        std::vector<std::string> files = Column(summary, 0);
        EXPECT_EQ(std::vector<std::string>(files.begin(), files.begin() + 3),
                  (std::vector<std::string>{"audiogramma.ilg", "cuffia.spi", "scelta.dpi"}));
        EXPECT_EQ(files.back(), "relazione.fnx");
        ClickHeader(summary, 3);
        EXPECT_EQ(Column(summary, 0).front(), "reparto\\turno 2.lep");
        EXPECT_EQ(Column(summary, 0).back(), "relazione.fnx");

        // The hand-edited file opens in Lep,d and is saved there with its
        // recomputed result: its row, read again, has no mark any more.
        ClickHeader(summary, 0);
        summary.ListSelect(IDC_SUMMARY_LIST, 2);
        summary.ListDoubleClick(IDC_SUMMARY_LIST);
        Window lepd = gui::WaitWindow("Calcolo Lep,d");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), folder + "\\corretto.lep");
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "88.2");
        lepd.Command(IDM_CALC_SAVE);
        lepd.Close();
        gui::WaitGone(lepd);
        EXPECT_EQ(summary.ListCell(IDC_SUMMARY_LIST, 2, 0), "corretto.lep");
        EXPECT_EQ(summary.ListCell(IDC_SUMMARY_LIST, 2, 7), "");
        summary.Click(IDCANCEL);
        gui::WaitGone(summary);
    });
}

// Page after page, the column titles at the top of each.
TEST(Riepilogo, PrintedWithTheTitlesOnEveryPage)
{
    std::string folder = gui::TempFolder();
    for (int i = 0; i < 150; ++i)
        gui::WriteFile(folder + "\\turno " + std::to_string(i) + ".lep", kFiles[0][1]);
    gui::RunScript([&] {
        Window summary = OpenSummaryOn(folder, "150 file letti");
        gui::ForgetPrintJob();
        summary.Click(IDM_CALC_PRINT);
        summary.Click(IDCANCEL);
        gui::WaitGone(summary);
    });
    std::string printed = gui::PrintedText();
    EXPECT_NE(printed.find("Riepilogo della cartella"), std::string::npos);
    EXPECT_NE(printed.find("turno 149.lep"), std::string::npos);
    std::vector<std::string> pages;
    for (size_t start = 0, end; start < printed.size(); start = end + 1) {
        end = std::min(printed.find('\f', start), printed.size());
        pages.push_back(printed.substr(start, end - start));
    }
    ASSERT_GE(pages.size(), 3u);
    for (size_t page = 0; page < pages.size(); ++page)
        EXPECT_NE(pages[page].find("Grandezza"), std::string::npos) << "page " << page + 1;
}

}  // namespace
