// The report document's formatting: toolbar 14, its accelerators, the
// "FORMATO" and "COLORI" popups and the font dialog, checked through what
// the rich-edit control reports.

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/gui/document_steps.h"

using gui::Window;
using namespace docsteps;

namespace {

// "Livello " then "85" then " dB(A)"; the second line "Lavoratore".
const char kText[] = "Livello 85 dB(A)\r\nLavoratore";

// A key with its modifiers through the program's own accelerator table.
void PressAccelerator(std::vector<int> modifiers, UINT key)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE saved[256];
    memcpy(saved, keys, sizeof keys);
    for (int modifier : modifiers)
        keys[modifier] = 0x80;
    SetKeyboardState(keys);
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_MAIN));
    MSG msg = {Document(), WM_KEYDOWN, key, 1};
    EXPECT_TRUE(TranslateAcceleratorA(gui::MainWindow(), table, &msg)) << key;
    SetKeyboardState(saved);
}

// The popup menu on screen (Wine shows it as a "#32768" window).
HMENU TrackedMenu()
{
    HWND popup = nullptr;
    for (int i = 0; i < 200 && !popup; ++i) {
        popup = FindWindowA("#32768", nullptr);
        if (!popup || !IsWindowVisible(popup)) {
            popup = nullptr;
            gui::Settle();
        }
    }
    return popup ? (HMENU)SendMessageA(popup, MN_GETHMENU, 0, 0) : nullptr;
}

std::string ItemText(HMENU menu, int position)
{
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

void CloseMenu()
{
    gui::Perform([] { EndMenu(); });
}

TEST(ReportDocument, EffectsToggleFromTheFirstCharacterAndCheckTheirButtons)
{
    Reset(kText);
    struct Case {
        int command;
        DWORD mask;
        DWORD effect;
        UINT key;  // with Ctrl
    } cases[] = {
        {IDM_FMT_BOLD, CFM_BOLD, CFE_BOLD, 'G'},
        {IDM_FMT_ITALIC, CFM_ITALIC, CFE_ITALIC, 'I'},
        {IDM_FMT_UNDERLINE, CFM_UNDERLINE, CFE_UNDERLINE, 'S'},
    };
    for (const Case& c : cases) {
        Select(8, 10);
        Command(c.command);
        EXPECT_TRUE(CharFormatAt(8, 10).dwEffects & c.effect) << c.command;
        EXPECT_TRUE(Checked(c.command)) << c.command;
        // Only the selection changed.
        EXPECT_FALSE(CharFormatAt(0, 7).dwEffects & c.effect) << c.command;
        // A selection that starts without the effect sets it over the whole.
        Select(6, 10);
        Command(c.command);
        CHARFORMATA whole = CharFormatAt(6, 10);
        EXPECT_TRUE((whole.dwEffects & c.effect) && (whole.dwMask & c.mask)) << c.command;
        // The accelerator takes it off again.
        Select(6, 10);
        PressAccelerator({VK_CONTROL}, c.key);
        EXPECT_FALSE(CharFormatAt(6, 10).dwEffects & c.effect) << c.command;
        EXPECT_FALSE(Checked(c.command)) << c.command;
    }
}

TEST(ReportDocument, SuperscriptAndSubscriptHaveFixedHeights)
{
    Reset(kText);
    // 14-point text
    Select(8, 10);
    CHARFORMATA large = {};
    large.cbSize = sizeof large;
    large.dwMask = CFM_SIZE;
    large.yHeight = 280;
    SendMessageA(Document(), EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&large);

    struct Step {
        int command;
        bool accelerator;
        LONG height;  // twips
        LONG offset;
        bool superChecked, subChecked;
    } steps[] = {
        {IDM_FMT_SUPERSCRIPT, false, 150, 50, true, false},   // 7.5 points raised by 50 twips
        {IDM_FMT_SUPERSCRIPT, false, 200, 0, false, false},   // back to 10 points, not 14
        {IDM_FMT_SUBSCRIPT, false, 150, -50, false, true},
        {IDM_FMT_SUPERSCRIPT, false, 150, 50, true, false},   // from lowered straight to raised
        {IDM_FMT_SUBSCRIPT, true, 150, -50, false, true},     // Ctrl+Alt+D
        {IDM_FMT_SUBSCRIPT, true, 200, 0, false, false},
        {IDM_FMT_SUPERSCRIPT, true, 150, 50, true, false},    // Ctrl+Alt+U
    };
    for (const Step& step : steps) {
        Select(8, 10);
        if (step.accelerator)
            PressAccelerator({VK_CONTROL, VK_MENU}, step.command == IDM_FMT_SUBSCRIPT ? 'D' : 'U');
        else
            Command(step.command);
        CHARFORMATA format = CharFormatAt(8, 10);
        EXPECT_EQ(format.yHeight, step.height);
        EXPECT_EQ(format.yOffset, step.offset);
        EXPECT_EQ(Checked(IDM_FMT_SUPERSCRIPT), step.superChecked);
        EXPECT_EQ(Checked(IDM_FMT_SUBSCRIPT), step.subChecked);
    }
    EXPECT_EQ(CharFormatAt(0, 7).yHeight, 200);
    EXPECT_EQ(CharFormatAt(0, 7).yOffset, 0);
}

TEST(ReportDocument, ColoursAndAutomatic)
{
    Reset(kText);
    const COLORREF expected[] = {
        RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 255, 0),   RGB(128, 128, 0), RGB(0, 0, 128),
        RGB(64, 0, 128),    RGB(64, 128, 128), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 0, 0),
        RGB(128, 255, 0),   RGB(255, 255, 0), RGB(0, 0, 255),   RGB(255, 0, 128), RGB(0, 128, 255),
        RGB(255, 255, 255),
    };
    for (int i = 0; i < 16; ++i) {
        Select(0, 7);
        Command(IDM_FMT_COLOR_FIRST + i);
        CHARFORMATA format = CharFormatAt(0, 7);
        EXPECT_EQ(format.crTextColor, expected[i]) << i;
        EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR) << i;
    }
    EXPECT_TRUE(CharFormatAt(8, 10).dwEffects & CFE_AUTOCOLOR);
    Select(0, 7);
    Command(IDM_FMT_COLOR_AUTO);
    EXPECT_TRUE(CharFormatAt(0, 7).dwEffects & CFE_AUTOCOLOR);
}

TEST(ReportDocument, AlignmentBulletsAndWordWrap)
{
    Reset(kText);
    struct Case {
        int command;
        WORD alignment;
    } cases[] = {{IDM_FMT_ALIGN_CENTER, PFA_CENTER}, {IDM_FMT_ALIGN_RIGHT, PFA_RIGHT}, {IDM_FMT_ALIGN_LEFT, PFA_LEFT}};
    for (const Case& c : cases) {
        Select(2, 2);
        Command(c.command);
        EXPECT_EQ(ParaFormat().wAlignment, c.alignment) << c.command;
        for (int other : {IDM_FMT_ALIGN_LEFT, IDM_FMT_ALIGN_CENTER, IDM_FMT_ALIGN_RIGHT})
            EXPECT_EQ(Checked(other), other == c.command) << c.command << " " << other;
    }
    // Centre the first paragraph only.
    Select(2, 2);
    Command(IDM_FMT_ALIGN_CENTER);
    Select(20, 20);
    EXPECT_EQ(ParaFormat().wAlignment, PFA_LEFT);

    Command(IDM_FMT_BULLETS);
    EXPECT_EQ(ParaFormat().wNumbering, PFN_BULLET);
    EXPECT_TRUE(Checked(IDM_FMT_BULLETS));
    Command(IDM_FMT_BULLETS);
    EXPECT_EQ(ParaFormat().wNumbering, 0);
    EXPECT_FALSE(Checked(IDM_FMT_BULLETS));

    ASSERT_TRUE(Checked(IDM_FMT_WRAP));
    Command(IDM_FMT_WRAP);
    EXPECT_FALSE(Checked(IDM_FMT_WRAP));
    for (int command : {IDM_FMT_ALIGN_LEFT, IDM_FMT_ALIGN_CENTER, IDM_FMT_ALIGN_RIGHT})
        EXPECT_FALSE(ToolEnabled(command)) << command;
    // Without wrapping a long line stays one line.
    SetWindowTextA(Document(), std::string(400, 'x').c_str());
    EXPECT_EQ(SendMessageA(Document(), EM_GETLINECOUNT, 0, 0), 1);
    Command(IDM_FMT_WRAP);
    EXPECT_TRUE(Checked(IDM_FMT_WRAP));
    for (int command : {IDM_FMT_ALIGN_LEFT, IDM_FMT_ALIGN_CENTER, IDM_FMT_ALIGN_RIGHT})
        EXPECT_TRUE(ToolEnabled(command)) << command;
    EXPECT_GT(SendMessageA(Document(), EM_GETLINECOUNT, 0, 0), 1);
}

TEST(ReportDocument, ToolbarChecksFollowTheSelection)
{
    Reset(kText);
    Select(8, 10);
    Command(IDM_FMT_BOLD);
    Command(IDM_FMT_SUPERSCRIPT);
    Select(18, 18);
    Command(IDM_FMT_ALIGN_RIGHT);
    Command(IDM_FMT_BULLETS);

    struct Where {
        LONG from, to;
        bool bold, raised, right, bullets;
    } places[] = {
        {9, 9, true, true, false, false},     // inside "85"
        {2, 4, false, false, false, false},   // "Livello"
        {20, 22, false, false, true, true},   // "Lavoratore"
        {8, 10, true, true, false, false},
    };
    for (const Where& where : places) {
        Select(where.from, where.to);  // the control notifies the selection change
        EXPECT_EQ(Checked(IDM_FMT_BOLD), where.bold) << where.from;
        EXPECT_EQ(Checked(IDM_FMT_SUPERSCRIPT), where.raised) << where.from;
        EXPECT_FALSE(Checked(IDM_FMT_SUBSCRIPT)) << where.from;
        EXPECT_EQ(Checked(IDM_FMT_ALIGN_RIGHT), where.right) << where.from;
        EXPECT_EQ(Checked(IDM_FMT_ALIGN_LEFT), !where.right) << where.from;
        EXPECT_EQ(Checked(IDM_FMT_BULLETS), where.bullets) << where.from;
    }
}

TEST(ReportDocument, RightButtonAndF8ShowTheFormatMenu)
{
    Reset(kText);
    Select(8, 10);
    Command(IDM_FMT_BOLD);
    gui::RunScript([] {
        HWND document = Document();
        gui::Perform([document] { PostMessageA(document, WM_RBUTTONUP, 0, MAKELPARAM(5, 5)); });
        HMENU menu = TrackedMenu();
        ASSERT_NE(menu, nullptr);
        const char* texts[] = {"C&arattere...", "Co&lore", "", "&Grassetto \tCTRL+G", "&Corsivo \tCTRL+I",
                               "&Sottolineato \tCTRL+S", "", "Ap&ice \tCTRL+U", "Pe&dice \tCTRL+D", "",
                               "Paragra&fo", "A capo a&utomatico", "", "&Elenco puntato"};
        ASSERT_EQ(GetMenuItemCount(menu), 14);
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(ItemText(menu, i), texts[i]) << i;
        HMENU colours = GetSubMenu(menu, 1);
        ASSERT_EQ(GetMenuItemCount(colours), 17);
        EXPECT_EQ(ItemText(colours, 0), "Nero");
        EXPECT_EQ(GetMenuItemID(colours, 9), (UINT)IDM_FMT_COLOR_FIRST + 9);
        EXPECT_EQ(ItemText(colours, 16), "Automatico");
        EXPECT_TRUE(GetMenuState(menu, IDM_FMT_BOLD, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(GetMenuState(menu, IDM_FMT_ITALIC, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_TRUE(GetMenuState(menu, IDM_FMT_ALIGN_LEFT, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_TRUE(GetMenuState(menu, IDM_FMT_WRAP, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(GetMenuState(menu, 10, MF_BYPOSITION) & MF_GRAYED);
        CloseMenu();
    });
    // The right button did not reach the control: the selection stays.
    CHARRANGE range = {};
    SendMessageA(Document(), EM_EXGETSEL, 0, (LPARAM)&range);
    EXPECT_EQ(range.cpMin, 8);
    EXPECT_EQ(range.cpMax, 10);

    Command(IDM_FMT_WRAP);
    gui::RunScript([] {
        HWND document = Document();
        gui::Perform([document] {
            SetFocus(document);
            PostMessageA(document, WM_KEYDOWN, VK_F8, 1);
        });
        HMENU menu = TrackedMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(GetMenuState(menu, 10, MF_BYPOSITION) & MF_GRAYED);
        EXPECT_FALSE(GetMenuState(menu, IDM_FMT_WRAP, MF_BYCOMMAND) & MF_CHECKED);
        CloseMenu();
    });
    Command(IDM_FMT_WRAP);
}

TEST(ReportDocument, ColourButtonShowsTheColourMenu)
{
    Reset(kText);
    Select(0, 7);
    gui::RunScript([] {
        gui::MainCommand(IDM_FMT_COLOR_POPUP);
        HMENU menu = TrackedMenu();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), 17);
        EXPECT_EQ(ItemText(menu, 9), "Rosso");
        EXPECT_EQ(GetMenuItemID(menu, 16), (UINT)IDM_FMT_COLOR_AUTO);
        for (int i = 0; i < 17; ++i)
            EXPECT_EQ(GetMenuItemID(menu, i), (UINT)IDM_FMT_COLOR_FIRST + i) << i;
        CloseMenu();
    });
}

void SetFace(LONG from, LONG to, const char* face)
{
    Select(from, to);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE;
    lstrcpynA(format.szFaceName, face, LF_FACESIZE);
    SendMessageA(Document(), EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
}

// Chooses an entry of one of the font dialog's lists, as a click does.
void ChooseInList(const Window& dialog, int list, const char* text)
{
    gui::Perform([dialog, list, text] {
        HWND box = dialog.Item(list);
        SetFocus(box);
        SendMessageA(box, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)text);
        SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), (LPARAM)box);
    });
}

// The fonts of the test machine: "Arial" is not among them.
const char kSans[] = "DejaVu Sans";
const char kMono[] = "Nimbus Mono PS";

TEST(ReportDocument, FontDialogStartsFromTheSelectionAndApplies)
{
    Reset(kText);
    SetFace(0, 26, kSans);
    Select(0, 7);
    Command(IDM_FMT_BOLD);
    gui::RunScript([] {
        gui::MainCommand(IDM_FMT_FONT);
        Window dialog = gui::WaitWindow("Carattere");
        EXPECT_EQ(dialog.Text(cmb1), kSans);
        EXPECT_EQ(dialog.Text(cmb3), "10");
        ChooseInList(dialog, cmb1, kMono);
        ChooseInList(dialog, cmb3, "14");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    CHARFORMATA format = CharFormatAt(0, 7);
    EXPECT_STREQ(format.szFaceName, kMono);
    EXPECT_EQ(format.yHeight, 280);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR);
    EXPECT_STREQ(CharFormatAt(8, 10).szFaceName, kSans);

    // Over two faces and two sizes the dialog offers no face and no size;
    // confirming changes neither, while the effects still apply.
    Select(4, 10);
    gui::RunScript([] {
        gui::MainCommand(IDM_FMT_FONT);
        Window dialog = gui::WaitWindow("Carattere");
        EXPECT_EQ(dialog.Text(cmb1), "");
        EXPECT_EQ(dialog.Text(cmb3), "");
        gui::Perform([dialog] { CheckDlgButton(dialog.hwnd(), chx2, BST_CHECKED); });
        dialog.Click(chx2);  // underline
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    EXPECT_STREQ(CharFormatAt(4, 7).szFaceName, kMono);
    EXPECT_EQ(CharFormatAt(4, 7).yHeight, 280);
    EXPECT_STREQ(CharFormatAt(8, 10).szFaceName, kSans);
    EXPECT_EQ(CharFormatAt(8, 10).yHeight, 200);
    EXPECT_TRUE(CharFormatAt(4, 10).dwEffects & CFE_UNDERLINE);
    EXPECT_TRUE(CharFormatAt(4, 7).dwEffects & CFE_BOLD);
    EXPECT_FALSE(CharFormatAt(8, 10).dwEffects & CFE_BOLD);

    // A face the dialog cannot show is kept; the size still shows.
    Reset(kText);
    Select(8, 10);
    Command(IDM_FMT_COLOR_FIRST + 9);
    gui::RunScript([] {
        gui::MainCommand(IDM_FMT_FONT);
        Window dialog = gui::WaitWindow("Carattere");
        EXPECT_EQ(dialog.Text(cmb1), "");
        EXPECT_EQ(dialog.Text(cmb3), "10");
        dialog.Click(IDOK);
        gui::WaitGone(dialog);
    });
    format = CharFormatAt(8, 10);
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 200);
    EXPECT_EQ(format.crTextColor, RGB(255, 0, 0));
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR);

    // Cancelled, nothing changes.
    gui::RunScript([] {
        gui::MainCommand(IDM_FMT_FONT);
        Window dialog = gui::WaitWindow("Carattere");
        ChooseInList(dialog, cmb1, kMono);
        dialog.Click(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_STREQ(CharFormatAt(8, 10).szFaceName, "Arial");

    // Sizes typed into the box, not in its list, apply as well.
    for (const char* size : {"13", "15", "30"}) {
        gui::RunScript([size] {
            gui::MainCommand(IDM_FMT_FONT);
            Window dialog = gui::WaitWindow("Carattere");
            dialog.SetText(cmb3, size);
            dialog.Click(IDOK);
            gui::WaitGone(dialog);
        });
        EXPECT_EQ(CharFormatAt(8, 10).yHeight, atoi(size) * 20) << size;
    }
}

TEST(ReportDocument, NewDocumentStartsFromTheDefaults)
{
    Reset(kText);
    Select(2, 2);
    Command(IDM_FMT_ALIGN_CENTER);
    Command(IDM_FMT_BULLETS);
    SendMessageA(Document(), EM_SETMODIFY, FALSE, 0);
    Command(IDM_DOCUMENT);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(ParaFormat().wAlignment, PFA_LEFT);
    EXPECT_EQ(ParaFormat().wNumbering, 0);
    EXPECT_TRUE(Checked(IDM_FMT_ALIGN_LEFT));
    EXPECT_FALSE(Checked(IDM_FMT_BULLETS));
    CHARFORMATA format = CharFormat();
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 200);
    EXPECT_FALSE(Modified());
}

}  // namespace
