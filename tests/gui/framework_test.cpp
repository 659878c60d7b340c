// Services every calculator shares: tooltips, context help, the numeric
// filter, list rows, menu bitmaps and the print comment, seen through the
// daily exposure calculator and the main window.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/list_draw.h"
#include "framework/menu_bitmaps.h"
#include "framework/printing.h"
#include "framework/tooltips.h"
#include "resources/resource.h"
#include "shell/chart_view.h"
#include "shell/main_state.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/selection_steps.h"

using gui::Window;

namespace {

// The controls of the tooltip window's tools, by id.
std::vector<int> ToolControls()
{
    std::vector<int> ids;
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    for (int i = 0; SendMessageA(TooltipWindow(), TTM_ENUMTOOLSA, i, (LPARAM)&info); ++i)
        ids.push_back(GetDlgCtrlID((HWND)info.uId));
    return ids;
}

bool HasTool(int id)
{
    for (int tool : ToolControls())
        if (tool == id)
            return true;
    return false;
}

// The text the tooltip window gets for a control of a dialog.
std::string TooltipText(const Window& dialog, int id)
{
    char text[256] = "";
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = dialog.hwnd();
    info.uId = (UINT_PTR)dialog.Item(id);
    info.lpszText = text;
    SendMessageA(TooltipWindow(), TTM_GETTEXTA, sizeof text, (LPARAM)&info);
    return text;
}

class Framework : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetDailyExposure();
        gui::ClearMessageBoxes();
        gui::ClearHelpCalls();
    }
};

TEST_F(Framework, TooltipsForControlsAndNoneForStatics)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        EXPECT_TRUE(HasTool(IDC_LEPD_LIST));
        EXPECT_TRUE(HasTool(IDC_LEPD_ADD));
        EXPECT_TRUE(HasTool(IDC_NOTES));
        EXPECT_TRUE(HasTool(IDC_STATUS_BAR));
        EXPECT_FALSE(HasTool(IDC_LEPD_LAEQ));       // an output static
        EXPECT_FALSE(HasTool(IDC_LEPD_TIME_LABEL)); // a label
        EXPECT_EQ(TooltipText(lepd, IDC_LEPD_LIST), "Lista con livelli e tempi d'esposizione");
        EXPECT_EQ(TooltipText(lepd, IDC_TIME_UNIT), "Per scegliere il formato del tempo");
        EXPECT_EQ(TooltipText(lepd, IDC_STATUS_BAR), "Visualizza il nome del file correntemente selezionato");
        EXPECT_EQ(TooltipText(lepd, IDC_NOTES), "Inserire qui delle note da salvare insieme ai dati");

        // The entry dialog takes the tooltips while it is open, and the
        // calculator gets them back after it.
        lepd.Click(IDC_LEPD_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        EXPECT_TRUE(HasTool(IDC_ENTRY_LEVEL));
        EXPECT_FALSE(HasTool(IDC_LEPD_LIST));
        EXPECT_EQ(TooltipText(entry, IDC_ENTRY_DURATION), "Tempo d'esposizione");
        EXPECT_EQ(TooltipText(entry, IDOK), "Aggiunge / Modifica / Elimina un elemento della lista");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        EXPECT_TRUE(HasTool(IDC_LEPD_LIST));
        EXPECT_FALSE(HasTool(IDC_ENTRY_LEVEL));
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Framework, MainToolbarTooltips)
{
    HWND main = gui::MainWindow();
    HWND toolbar = GetDlgItem(main, IDC_MAIN_TOOLBAR);
    HWND tips = (HWND)SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0);
    ASSERT_NE(tips, nullptr);
    auto text = [&](int command) {
        char buffer[128] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = toolbar;
        info.uId = command;
        info.lpszText = buffer;
        SendMessageA(tips, TTM_GETTEXTA, sizeof buffer, (LPARAM)&info);
        return std::string(buffer);
    };
    EXPECT_EQ(text(IDM_OPEN), "Apri...");
    EXPECT_EQ(text(IDM_LEPD), "Lep,d...");
    EXPECT_EQ(text(IDM_UNCERTAINTY), "Incertezza ISO 9612...");
    EXPECT_EQ(text(IDM_VIEW_DOCUMENT), "Ducumento");
    EXPECT_EQ(text(IDM_VIEW_GRAPH), "Grafico");
    EXPECT_EQ(text(IDM_HELP), "Help");
}

TEST_F(Framework, ContextHelpShowsEachControlsTopic)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        // What the help key sends for the control with the focus.
        gui::Perform([&] {
            HELPINFO info = {sizeof info, HELPINFO_WINDOW, IDC_LEPD_ADD, lepd.Item(IDC_LEPD_ADD), 0, {5, 5}};
            SendMessageA(lepd.hwnd(), WM_HELP, 0, (LPARAM)&info);
        });
        lepd.Command(IDM_CALC_HELP);
        gui::Perform([&] { SendMessageA(lepd.hwnd(), WM_CONTEXTMENU, (WPARAM)lepd.Item(IDC_TIME_UNIT), MAKELPARAM(5, 5)); });
        lepd.Close();
        gui::WaitGone(lepd);
    });
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].command, (UINT)HELP_WM_HELP);
    EXPECT_EQ(calls[0].control, IDC_LEPD_ADD);
    EXPECT_EQ(calls[0].data, 0x100E0125u);
    EXPECT_EQ(calls[1].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(calls[1].data, 100110u);
    EXPECT_EQ(calls[2].command, (UINT)HELP_CONTEXTMENU);
    EXPECT_EQ(calls[2].control, IDC_TIME_UNIT);
    EXPECT_EQ(calls[2].data, 0x21AA0125u);
    for (int i = 0; i < 3; ++i) {
        std::string file = calls[i].file;
        EXPECT_EQ(file.substr(file.size() - 11), "\\fonexa.hlp");
    }
    EXPECT_EQ(calls[3].command, (UINT)HELP_QUIT);
    EXPECT_EQ(calls[3].file, "LEPD.HLP");
}

TEST_F(Framework, MainHelpOpensItsContents)
{
    gui::RunScript([] { gui::MainCommand(IDM_HELP); });
    ASSERT_EQ(gui::HelpCalls().size(), 1u);
    EXPECT_EQ(gui::HelpCalls()[0].command, (UINT)HELP_CONTENTS);
}

TEST_F(Framework, NumericFieldsTakeDigitsAndOnePoint)
{
    gui::RunScript([] {
        Window lepd = OpenLepd();
        lepd.Click(IDC_LEPD_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        entry.SetText(IDC_ENTRY_LEVEL, "");
        entry.Type(IDC_ENTRY_LEVEL, "1.2.3");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "1.23");
        entry.Type(IDC_ENTRY_LEVEL, "a-x ,4");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "1.234");
        entry.Type(IDC_ENTRY_LEVEL, "\b\b");
        EXPECT_EQ(entry.Text(IDC_ENTRY_LEVEL), "1.2");
        entry.Click(IDCANCEL);
        gui::WaitGone(entry);
        // The notes are not a numeric field.
        lepd.Type(IDC_NOTES, "a.b.c");
        EXPECT_EQ(lepd.Text(IDC_NOTES), "a.b.c");
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

// A dialog of one edit with the given id, built in memory.
struct OneEditTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    DLGITEMTEMPLATE item alignas(4);
    WORD itemClass[2], itemTitle, extra;
};

INT_PTR CALLBACK OneEditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog, "Campo numerico");
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, 0);
    return FALSE;
}

std::string TypeIntoField(int id, const std::string& keys)
{
    OneEditTemplate form = {};
    form.dialog.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    form.dialog.cdit = 1;
    form.dialog.cx = 100;
    form.dialog.cy = 30;
    form.item.style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    form.item.x = 5;
    form.item.y = 5;
    form.item.cx = 80;
    form.item.cy = 12;
    form.item.id = (WORD)id;
    form.itemClass[0] = 0xFFFF;
    form.itemClass[1] = 0x0081;  // edit
    std::string typed;
    gui::RunScript([&] {
        gui::Perform([&] {
            DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &form.dialog, gui::MainWindow(), OneEditProc, 0);
        });
        Window dialog = gui::WaitWindow("Campo numerico");
        dialog.Type(id, keys);
        typed = dialog.Text(id);
        dialog.Command(IDCANCEL);
        gui::WaitGone(dialog);
    });
    return typed;
}

TEST_F(Framework, FilterByFieldId)
{
    EXPECT_EQ(TypeIntoField(IDC_NUMERIC_MANY_POINTS, "1.2.3a"), "1.2.3");
    EXPECT_EQ(TypeIntoField(IDC_BAND_FIRST + 13, "7.5.x"), "7.5");  // 8604
    EXPECT_EQ(TypeIntoField(IDC_SPI_H, "-12"), "12");
    EXPECT_EQ(TypeIntoField(1234, "-1.2.x"), "-1.2.x");  // not a numeric field
    // The keypad's "," of an Italian keyboard is the one point.
    EXPECT_EQ(TypeIntoField(IDC_SPI_H, "0,5,"), "0.5");
    EXPECT_EQ(TypeIntoField(IDC_NUMERIC_MANY_POINTS, "1,2,3"), "1.2.3");
    // A paste (Ctrl+V) passes the same filter.
    HGLOBAL pasted = GlobalAlloc(GMEM_MOVEABLE, 12);
    memcpy(GlobalLock(pasted), "85,5 dB\r\n.7", 12);
    GlobalUnlock(pasted);
    ASSERT_TRUE(OpenClipboard(gui::MainWindow()) && EmptyClipboard() && SetClipboardData(CF_TEXT, pasted));
    CloseClipboard();
    EXPECT_EQ(TypeIntoField(IDC_SPI_H, "1\x16"), "185.57");
    EXPECT_EQ(TypeIntoField(1234, "\x16"), "85,5 dB");  // a one-line edit's own paste
}

TEST_F(Framework, NarrowCellsEndWithDots)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    auto width = [&](const std::string& text) {
        SIZE size;
        GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
        return (int)size.cx;
    };
    char text[64] = "Livelli equivalenti";
    int whole = width(text);
    ShortenToWidth(dc, text, sizeof text, whole + 4);
    EXPECT_STREQ(text, "Livelli equivalenti");

    ShortenToWidth(dc, text, sizeof text, whole / 2);
    std::string cut = text;
    ASSERT_GT(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ(std::string("Livelli equivalenti").compare(0, cut.size() - 3, cut, 0, cut.size() - 3), 0);
    EXPECT_LE(width(cut), whole / 2 - 4);
    // One character more would not have fitted.
    std::string longer = std::string("Livelli equivalenti").substr(0, cut.size() - 2) + "...";
    EXPECT_GT(width(longer), whole / 2 - 4);

    char tiny[64] = "Livelli equivalenti";
    ShortenToWidth(dc, tiny, sizeof tiny, width("...") + 3);
    EXPECT_STREQ(tiny, "Livelli equivalenti");  // not even "..." fits: clipped by the cell
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST_F(Framework, MenuItemsCarryTheirBitmaps)
{
    HMENU menu = GetMenu(gui::MainWindow());
    auto bitmapOf = [](HMENU owner, UINT item, bool byPosition) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        GetMenuItemInfoA(owner, item, byPosition, &info);
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked);
        return info.hbmpUnchecked;
    };
    for (int i = 0; i < kMenuBitmapCount; ++i)
        EXPECT_NE(MenuBitmapHandle(i), nullptr) << "bitmap " << i;
    EXPECT_EQ(bitmapOf(menu, IDM_OPEN, false), MenuBitmapHandle(kBmpApri));
    EXPECT_EQ(bitmapOf(menu, IDM_PASTE, false), MenuBitmapHandle(kBmpIncolla));
    EXPECT_EQ(bitmapOf(menu, IDM_VIEW_AUDIOGRAM, false), MenuBitmapHandle(kBmpAudiogramma));
    EXPECT_EQ(bitmapOf(menu, IDM_HTLAN, false), MenuBitmapHandle(kBmpHtlan));
    HMENU file = GetSubMenu(menu, 0);
    HMENU fresh = GetSubMenu(file, 0);
    EXPECT_EQ(bitmapOf(file, 0, true), MenuBitmapHandle(kBmpNuovo));
    EXPECT_EQ(bitmapOf(fresh, 0, true), MenuBitmapHandle(kBmpLepd));
    EXPECT_EQ(bitmapOf(fresh, 3, true), MenuBitmapHandle(kBmpIncertezza));
    EXPECT_EQ(bitmapOf(fresh, 7, true), MenuBitmapHandle(kBmpAudiogramma));
    EXPECT_EQ(bitmapOf(fresh, 12, true), MenuBitmapHandle(kBmpDocumento));

    gui::RunScript([&] {
        Window lepd = OpenLepd();
        HMENU calculator = GetMenu(lepd.hwnd());
        EXPECT_EQ(bitmapOf(calculator, IDM_CALC_OPEN, false), MenuBitmapHandle(kBmpApri));
        EXPECT_EQ(bitmapOf(calculator, IDM_COPY, false), MenuBitmapHandle(kBmpCopia));
        EXPECT_EQ(bitmapOf(calculator, IDM_CALC_CLOSE, false), nullptr);
        lepd.Close();
        gui::WaitGone(lepd);
    });
}

TEST_F(Framework, PrintCommentDialog)
{
    SetPrintComment("");
    INT_PTR results[3] = {-1, -1, -1};
    char printed[3][kPrintCommentSize];
    gui::RunScript([&] {
        gui::Perform([&] { results[0] = PrintCommentDialog(gui::MainWindow(), printed[0]); });
        Window comment = gui::WaitWindow("Un commento per la stampa?");
        EXPECT_EQ(comment.Text(IDC_NOTES), "");
        comment.SetText(IDC_NOTES, "Reparto presse");
        comment.Click(IDOK);
        gui::WaitGone(comment);

        gui::Perform([&] { results[1] = PrintCommentDialog(gui::MainWindow(), printed[1]); });
        comment = gui::WaitWindow("Un commento per la stampa?");
        EXPECT_EQ(comment.Text(IDC_NOTES), "Reparto presse");
        comment.SetText(IDC_NOTES, "scartato");
        comment.Click(IDC_NO_COMMENT);
        gui::WaitGone(comment);

        gui::Perform([&] { results[2] = PrintCommentDialog(gui::MainWindow(), printed[2]); });
        comment = gui::WaitWindow("Un commento per la stampa?");
        comment.Click(IDCANCEL);
        gui::WaitGone(comment);
    });
    EXPECT_EQ(results[0], 1);
    EXPECT_EQ(results[1], 1);
    EXPECT_EQ(results[2], 0);
    // "No &Comment" prints none; the stored comment stays for the next time.
    EXPECT_STREQ(printed[0], "Reparto presse");
    EXPECT_STREQ(printed[1], "");
    EXPECT_STREQ(PrintComment(), "Reparto presse");
}

void PaintMarker(HDC dc, const RECT* area)
{
    TextOutA(dc, area->right / 10, area->bottom / 10, "GRAFICO DI PROVA", 16);
}

TEST_F(Framework, ChartCommentInTheBottomBandOrOnItsOwnPage)
{
    gui::ForgetPrintJob();
    ASSERT_TRUE(PrintChart("Grafico", PaintMarker, "Commento breve"));
    std::string text = gui::PrintedText();
    EXPECT_EQ(gui::PrintedPages(), 1);
    size_t chart = text.find("GRAFICO DI PROVA");
    size_t comment = text.find("Commento breve");
    ASSERT_NE(chart, std::string::npos);
    ASSERT_NE(comment, std::string::npos);
    EXPECT_LT(chart, comment);

    std::string longComment;
    for (int i = 1; i <= 40; ++i)
        longComment += "Riga " + std::to_string(i) + " del commento\r\n";
    gui::ForgetPrintJob();
    ASSERT_TRUE(PrintChart("Grafico", PaintMarker, longComment.c_str()));
    text = gui::PrintedText();
    EXPECT_EQ(gui::PrintedPages(), 2);
    size_t pageBreak = text.find('\f');
    EXPECT_LT(text.find("GRAFICO DI PROVA"), pageBreak);
    EXPECT_GT(text.find("Riga 1 del commento"), pageBreak);
}

TEST_F(Framework, NoPrinterNoChart)
{
    gui::ForgetPrintJob();
    gui::NoDefaultPrinter noPrinter;
    EXPECT_FALSE(PrintChart("Grafico", PaintMarker, ""));
    // A chart's print command and the wizard's say so, and ask nothing else.
    gui::RunScript([] {
        gui::Perform([] { EnterChartView(gui::MainWindow(), kViewShifts); });
        gui::MainCommand(IDM_PRINT);
        gui::WaitMessageBox().Answer(IDOK);
        gui::MainCommand(IDM_VIEW_DOCUMENT);
        Window sheet = selection_steps::OpenWizard();
        selection_steps::Page(sheet).Click(IDC_DPI_PRINT);
        gui::WaitMessageBox().Answer(IDOK);
        selection_steps::Cancel(sheet);
    });
    for (const gui::BoxRecord& box : gui::MessageBoxes())
        EXPECT_EQ(box.text, "Nessuna stampante predefinita: impossibile stampare.");
    EXPECT_EQ(gui::MessageBoxes().size(), 2u);
    EXPECT_FALSE(gui::PrintJobExists());
}

}  // namespace
