// The main window: its menus, toolbar, accelerators, document mode, the
// commands that act on the report document, and the version texts.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/main_state.h"
#include "shell/main_toolbar.h"
#include "shell/version_info.h"
#include "tests/gui/harness.h"

using gui::Window;

namespace {

std::string MenuText(HMENU menu, UINT position)
{
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

struct Item {
    std::string text;
    int id;  // 0 separator, -1 popup
};

std::vector<Item> Items(HMENU menu)
{
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT id = GetMenuItemID(menu, i);
        int shown = id == 0xFFFFFFFFu ? -1 : (int)id;
        items.push_back({MenuText(menu, i), shown});
    }
    return items;
}

bool operator==(const Item& a, const Item& b)
{
    return a.text == b.text && a.id == b.id;
}

void PrintTo(const Item& item, std::ostream* out)
{
    *out << "{" << item.text << ", " << item.id << "}";
}

HWND Document()
{
    return GetDlgItem(gui::MainWindow(), IDC_REPORT_DOCUMENT);
}

std::string StatusText()
{
    char text[MAX_PATH] = "";
    GetWindowTextA(GetDlgItem(gui::MainWindow(), IDC_STATUS_BAR), text, sizeof text);
    return text;
}

TEST(MainWindow, MenuHasEveryItemWithItsCommand)
{
    HMENU menu = GetMenu(gui::MainWindow());
    EXPECT_EQ(Items(menu), (std::vector<Item>{{"&File", -1}, {"&Modifica", -1}, {"&Visualizza", -1}, {"&?", -1}}));
    HMENU file = GetSubMenu(menu, 0);
    EXPECT_EQ(Items(file), (std::vector<Item>{{"&Nuovo", -1},
                                              {"&Apri...", IDM_OPEN},
                                              {"Riepi&logo cartella...", IDM_FOLDER_SUMMARY},
                                              {"&Salva", IDM_SAVE},
                                              {"Sa&lva con nome...", IDM_SAVE_AS},
                                              {"", 0},
                                              {"&Imposta pagina...", IDM_PAGE_SETUP},
                                              {"Stam&pa", IDM_PRINT},
                                              {"", 0},
                                              {"&Esci \tALT+F4", IDM_EXIT}}));
    HMENU fresh = GetSubMenu(file, 0);
    EXPECT_EQ(Items(fresh), (std::vector<Item>{{"&Lep,d...", IDM_LEPD},
                                               {"Lep,&w...", IDM_LEPW},
                                               {"Leq &gruppi...", IDM_GROUP_LEQ},
                                               {"&Incertezza (ISO 9612)...", IDM_UNCERTAINTY},
                                               {"&Spettro", -1},
                                               {"Scelta DP&I...", IDM_PROTECTOR_SELECTION},
                                               {"&Danno...", IDM_DAMAGE},
                                               {"Perdi&te", -1},
                                               {"&Previsioni...", IDM_PREDICTIONS},
                                               {"E&voluzione Danno...", IDM_EVOLUTION},
                                               {"&Rischio...", IDM_RISK},
                                               {"", 0},
                                               {"Do&cumento", IDM_DOCUMENT}}));
    EXPECT_EQ(Items(GetSubMenu(fresh, 4)),
              (std::vector<Item>{{"&Rumore...", IDM_NOISE_SPECTRUM}, {"&Attenuazione...", IDM_ATTENUATION_SPECTRUM}}));
    EXPECT_EQ(Items(GetSubMenu(fresh, 7)),
              (std::vector<Item>{{"&NIPTS...", IDM_NIPTS}, {"&HTLA...", IDM_HTLA}, {"H&TLAN...", IDM_HTLAN}}));
    EXPECT_EQ(Items(GetSubMenu(menu, 1)), (std::vector<Item>{{"&Taglia \tSHIFT+CANC", IDM_CUT},
                                                             {"&Copia \tCTRL+INS", IDM_COPY},
                                                             {"&Incolla \tSHIFT+INS", IDM_PASTE}}));
    EXPECT_EQ(Items(GetSubMenu(menu, 2)), (std::vector<Item>{{"&Audiogramma", IDM_VIEW_AUDIOGRAM},
                                                             {"&Grafico", IDM_VIEW_GRAPH},
                                                             {"&Tabella", IDM_VIEW_TABLE},
                                                             {"", 0},
                                                             {"Do&cumento \tCTRL+F4", IDM_VIEW_DOCUMENT}}));
    EXPECT_EQ(Items(GetSubMenu(menu, 3)),
              (std::vector<Item>{{"&Help \tF1", IDM_HELP}, {"", 0}, {"&Info...", IDM_INFO}}));
}

TEST(MainWindow, AcceleratorsAsTabled)
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_MAIN));
    ASSERT_NE(table, nullptr);
    ACCEL keys[16];
    int count = CopyAcceleratorTableA(table, keys, 16);
    ASSERT_EQ(count, 9);
    struct Expected {
        WORD key;
        BYTE modifiers;
        WORD command;
    } expected[] = {
        {'D', FCONTROL | FALT, IDM_FMT_SUBSCRIPT}, {'G', FCONTROL, IDM_FMT_BOLD},
        {'I', FCONTROL, IDM_FMT_ITALIC},           {'S', FCONTROL, IDM_FMT_UNDERLINE},
        {'U', FCONTROL | FALT, IDM_FMT_SUPERSCRIPT}, {VK_DELETE, FSHIFT, IDM_CUT},
        {VK_F4, FCONTROL, IDM_VIEW_DOCUMENT},      {VK_INSERT, FCONTROL, IDM_COPY},
        {VK_INSERT, FSHIFT, IDM_PASTE},
    };
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(keys[i].key, expected[i].key) << i;
        EXPECT_EQ(keys[i].fVirt & ~FNOINVERT, FVIRTKEY | expected[i].modifiers) << i;
        EXPECT_EQ(keys[i].cmd, expected[i].command) << i;
    }
}

TEST(MainWindow, StartsInDocumentMode)
{
    HWND main = gui::MainWindow();
    HMENU menu = GetMenu(main);
    HWND toolbar = GetDlgItem(main, IDC_MAIN_TOOLBAR);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 29);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_FORMAT_TOOLBAR)));
    EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED);
    for (int view : {IDM_VIEW_AUDIOGRAM, IDM_VIEW_GRAPH, IDM_VIEW_TABLE, IDM_VIEW_DOCUMENT})
        EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONHIDDEN, view, 0)) << view;
    for (int command : {IDM_SAVE, IDM_CUT, IDM_COPY}) {
        EXPECT_FALSE(GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) << command;
        EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, command, 0)) << command;
    }
    EXPECT_EQ(StatusText(), "Nessun file selezionato");

    // Chart mode and back again.
    SetDocumentMode(main, false);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_FORMAT_TOOLBAR)));
    EXPECT_FALSE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONHIDDEN, IDM_VIEW_TABLE, 0));
    EXPECT_TRUE(GetMenuState(menu, IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_DOCUMENT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED);
    SetDocumentMode(main, true);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_FORMAT_TOOLBAR)));
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONHIDDEN, IDM_VIEW_TABLE, 0));
}

TEST(MainWindow, PasteFollowsTheClipboard)
{
    HWND main = gui::MainWindow();
    HMENU menu = GetMenu(main);
    ASSERT_TRUE(OpenClipboard(main));
    EmptyClipboard();
    CloseClipboard();
    SendMessageA(main, WM_INITMENUPOPUP, (WPARAM)GetSubMenu(menu, 1), 1);
    EXPECT_TRUE(GetMenuState(menu, IDM_PASTE, MF_BYCOMMAND) & MF_GRAYED);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    ASSERT_TRUE(OpenClipboard(main));
    EmptyClipboard();
    SetClipboardData(RegisterClipboardFormatA("Csv"), block);
    CloseClipboard();
    SendMessageA(main, WM_INITMENUPOPUP, (WPARAM)GetSubMenu(menu, 1), 1);
    EXPECT_FALSE(GetMenuState(menu, IDM_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(SendMessageA(GetDlgItem(main, IDC_MAIN_TOOLBAR), TB_ISBUTTONENABLED, IDM_PASTE, 0));
}

TEST(MainWindow, ReportDocumentDefaults)
{
    HWND document = Document();
    ASSERT_NE(document, nullptr);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(document, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&format);
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 200);
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(SendMessageA(document, EM_GETLIMITTEXT, 0, 0), 0xFFFFF);
    EXPECT_FALSE(SendMessageA(document, EM_GETMODIFY, 0, 0));
}

TEST(MainWindow, NewDocumentAsksBeforeDroppingChanges)
{
    HWND document = Document();
    SetWindowTextA(document, "Relazione tecnica");
    SendMessageA(document, EM_SETMODIFY, TRUE, 0);
    gui::ClearMessageBoxes();
    gui::RunScript([] {
        gui::MainCommand(IDM_DOCUMENT);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Attenzione");
        EXPECT_EQ(box.BoxText(), "Il documento è stato modificato. Salvare le modifiche?");
        // A plain question, without an icon.
        HWND icon = GetDlgItem(box.hwnd(), 1088);
        EXPECT_TRUE(icon == nullptr || SendMessageA(icon, STM_GETICON, 0, 0) == 0);
        box.Answer(IDCANCEL);
    });
    char text[64] = "";
    GetWindowTextA(document, text, sizeof text);
    EXPECT_STREQ(text, "Relazione tecnica");

    gui::RunScript([] {
        gui::MainCommand(IDM_DOCUMENT);
        gui::WaitMessageBox().Answer(IDNO);
    });
    GetWindowTextA(document, text, sizeof text);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(SendMessageA(document, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(StatusText(), "Nessun file selezionato");

    // An unmodified document is emptied without a question.
    SetWindowTextA(document, "altro");
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    gui::ClearMessageBoxes();
    gui::RunScript([] { gui::MainCommand(IDM_DOCUMENT); });
    EXPECT_TRUE(gui::MessageBoxes().empty());
    GetWindowTextA(document, text, sizeof text);
    EXPECT_STREQ(text, "");
}

TEST(MainWindow, CloseWithAModifiedDocumentCanBeCancelled)
{
    HWND main = gui::MainWindow();
    HWND document = Document();
    SetWindowTextA(document, "da salvare");
    SendMessageA(document, EM_SETMODIFY, TRUE, 0);
    gui::RunScript([main] {
        gui::Perform([main] { PostMessageA(main, WM_CLOSE, 0, 0); });
        gui::WaitMessageBox().Answer(IDCANCEL);
    });
    EXPECT_TRUE(IsWindow(main));
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    SetWindowTextA(document, "");
}

TEST(MainWindow, VersionTexts)
{
    char text[128];
    ASSERT_TRUE(VersionField(nullptr, kVersionDescription, text, sizeof text));
    EXPECT_STREQ(text, "Fonexa - Rischio, danno e protezione dal rumore in ambiente di lavoro");
    ASSERT_TRUE(VersionField(nullptr, kVersionFileVersion, text, sizeof text));
    EXPECT_STREQ(text, "2.0d+");
    ASSERT_TRUE(VersionField(nullptr, kVersionProductName, text, sizeof text));
    EXPECT_STREQ(text, "Fonexa2004");
    EXPECT_TRUE(VersionField(nullptr, kVersionCompany, text, sizeof text));
    EXPECT_TRUE(VersionField(nullptr, kVersionCopyright, text, sizeof text));
    EXPECT_FALSE(VersionField(nullptr, 0, text, sizeof text));
    EXPECT_FALSE(VersionField(nullptr, 6, text, sizeof text));
    char small[4];
    EXPECT_FALSE(VersionField(nullptr, kVersionDescription, small, sizeof small));
    char title[128] = "";
    GetWindowTextA(gui::MainWindow(), title, sizeof title);
    EXPECT_STREQ(title, "Fonexa - Rischio, danno e protezione dal rumore in ambiente di lavoro");
}

TEST(MainWindow, NoVersionResourceIsSaid)
{
    std::string path = gui::TempFolder() + "\\senza-versione.exe";
    gui::WriteFile(path, "MZ nothing here");
    bool found = true;
    gui::RunScript([&] {
        gui::Perform([&] {
            char text[128];
            found = VersionField(gui::MainWindow(), kVersionDescription, text, sizeof text, path.c_str());
        });
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), path);
        EXPECT_EQ(box.BoxText(), "Informazioni sulla versione non presenti!");
        box.Answer(IDOK);
    });
    EXPECT_FALSE(found);
}

TEST(MainWindow, InfoShowsDescriptionVersionCopyrightAndMaker)
{
    gui::RunScript([] {
        gui::MainCommand(IDM_INFO);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Informazioni su Fonexa");
        std::string text = box.BoxText();
        if (!text.empty()) {
            EXPECT_NE(text.find("Fonexa - Rischio, danno e protezione dal rumore in ambiente di lavoro"),
                      std::string::npos);
            EXPECT_NE(text.find("Versione 2.0d+"), std::string::npos);
            EXPECT_NE(text.find("\xA9 2026 Gli sviluppatori di Fonexa"), std::string::npos);
        }
        EXPECT_EQ(FindWindowA("Fonexa_Splash", nullptr), nullptr);
        box.Answer(IDOK);
    });
}

}  // namespace
