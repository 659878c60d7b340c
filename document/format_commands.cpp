#include "document/format_commands.h"

#include <commctrl.h>
#include <richedit.h>

#include "document/report_document.h"
#include "resources/resource.h"

namespace {

// "Nero" .. "Bianco", in command order from 32782.
const COLORREF kColours[IDM_FMT_COLOR_LAST - IDM_FMT_COLOR_FIRST + 1] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 255, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(64, 0, 128),    RGB(64, 128, 128),  RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0),     RGB(128, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 128),   RGB(0, 128, 255),   RGB(255, 255, 255),
};

// The commands whose popup-menu check copies the toolbar's.
const int kCheckedCommands[] = {IDM_FMT_BOLD,        IDM_FMT_ITALIC,     IDM_FMT_UNDERLINE,
                                IDM_FMT_SUPERSCRIPT, IDM_FMT_SUBSCRIPT,  IDM_FMT_BULLETS,
                                IDM_FMT_ALIGN_LEFT,  IDM_FMT_ALIGN_CENTER, IDM_FMT_ALIGN_RIGHT};

// Position of "Paragra&fo" in the first popup of "FORMATO".
const int kParagraphPosition = 10;

HWND FormatToolbar(HWND mainWindow)
{
    return GetDlgItem(mainWindow, IDC_FORMAT_TOOLBAR);
}

void CheckTool(HWND mainWindow, int command, bool checked)
{
    SendMessageA(FormatToolbar(mainWindow), TB_CHECKBUTTON, command, MAKELONG(checked, 0));
}

bool ToolChecked(HWND mainWindow, int command)
{
    return SendMessageA(FormatToolbar(mainWindow), TB_ISBUTTONCHECKED, command, 0) != 0;
}

CHARFORMATA SelectionFormat(HWND document)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(document, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
    return format;
}

// The format of the selection's first character (of the insertion point
// when nothing is selected). Over a mixed selection the control reports the
// effects of one of its runs, not necessarily the first.
CHARFORMATA FirstCharacterFormat(HWND document)
{
    CHARRANGE selection = {0, 0};
    SendMessageA(document, EM_EXGETSEL, 0, (LPARAM)&selection);
    if (selection.cpMax <= selection.cpMin + 1)
        return SelectionFormat(document);
    CHARRANGE first = {selection.cpMin, selection.cpMin + 1};
    SendMessageA(document, EM_EXSETSEL, 0, (LPARAM)&first);
    CHARFORMATA format = SelectionFormat(document);
    SendMessageA(document, EM_EXSETSEL, 0, (LPARAM)&selection);
    return format;
}

PARAFORMAT SelectionParagraph(HWND document)
{
    PARAFORMAT paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    SendMessageA(document, EM_GETPARAFORMAT, 0, (LPARAM)&paragraph);
    return paragraph;
}

void ApplyFormat(HWND document, DWORD mask, const CHARFORMATA& values)
{
    CHARFORMATA format = values;
    format.cbSize = sizeof format;
    format.dwMask = mask;
    SendMessageA(document, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
}

void ApplyParagraph(HWND document, DWORD mask, const PARAFORMAT& values)
{
    PARAFORMAT paragraph = values;
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = mask;
    SendMessageA(document, EM_SETPARAFORMAT, 0, (LPARAM)&paragraph);
}

// Bold, italic, underline: the selection's first character decides.
void ToggleEffect(HWND mainWindow, HWND document, int command, DWORD mask, DWORD effect)
{
    bool on = !(FirstCharacterFormat(document).dwEffects & effect);
    CheckTool(mainWindow, command, on);
    CHARFORMATA change = {};
    change.dwEffects = on ? effect : 0;
    ApplyFormat(document, mask, change);
}

// Superscript and subscript have fixed heights whatever the text's size:
// 7.5 points raised or lowered by 50 twips, or back to 10 points.
void Shift(HWND mainWindow, HWND document, bool up)
{
    LONG offset = FirstCharacterFormat(document).yOffset;
    if (up)
        offset = offset > 0 ? 0 : 50;
    else
        offset = offset < 0 ? 0 : -50;
    CheckTool(mainWindow, IDM_FMT_SUPERSCRIPT, offset > 0);
    CheckTool(mainWindow, IDM_FMT_SUBSCRIPT, offset < 0);
    CHARFORMATA change = {};
    change.yOffset = offset;
    change.yHeight = offset == 0 ? 200 : 150;
    ApplyFormat(document, CFM_OFFSET | CFM_SIZE, change);
}

void SetColour(HWND document, int command)
{
    CHARFORMATA change = {};
    if (command == IDM_FMT_COLOR_AUTO)
        change.dwEffects = CFE_AUTOCOLOR;
    else
        change.crTextColor = kColours[command - IDM_FMT_COLOR_FIRST];
    ApplyFormat(document, CFM_COLOR, change);
}

void Align(HWND mainWindow, HWND document, int command)
{
    PARAFORMAT change = {};
    change.wAlignment = command == IDM_FMT_ALIGN_CENTER ? PFA_CENTER
                        : command == IDM_FMT_ALIGN_RIGHT ? PFA_RIGHT
                                                         : PFA_LEFT;
    ApplyParagraph(document, PFM_ALIGNMENT, change);
    CheckTool(mainWindow, command, true);
}

void ToggleBullets(HWND mainWindow, HWND document)
{
    bool on = SelectionParagraph(document).wNumbering != PFN_BULLET;
    PARAFORMAT change = {};
    change.wNumbering = on ? PFN_BULLET : 0;
    ApplyParagraph(document, PFM_NUMBERING, change);
    CheckTool(mainWindow, IDM_FMT_BULLETS, on);
}

// Shows the first popup of a menu resource at the pointer; its commands
// reach the main window.
void TrackMenuAtPointer(HWND mainWindow, HMENU menu, HMENU popup)
{
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, mainWindow, nullptr);
    DestroyMenu(menu);
}

void ShowColourPopup(HWND mainWindow)
{
    HMENU menu = LoadMenuA((HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE), "COLORI");
    if (menu)
        TrackMenuAtPointer(mainWindow, menu, GetSubMenu(menu, 0));
}

void ShowFormatPopup(HWND mainWindow)
{
    HMENU menu = LoadMenuA((HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE), "FORMATO");
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    bool wrap = WordWrapOn();
    CheckMenuItem(popup, IDM_FMT_WRAP, MF_BYCOMMAND | (wrap ? MF_CHECKED : MF_UNCHECKED));
    for (int command : kCheckedCommands)
        CheckMenuItem(popup, command,
                      MF_BYCOMMAND | (ToolChecked(mainWindow, command) ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(popup, kParagraphPosition, MF_BYPOSITION | (wrap ? MF_ENABLED : MF_GRAYED));
    TrackMenuAtPointer(mainWindow, menu, popup);
}

}  // namespace

bool IsFormatCommand(int command)
{
    return command == IDM_FMT_BULLETS || (command >= IDM_FMT_COLOR_FIRST && command <= IDM_FMT_FONT) ||
           (command >= IDM_FMT_SUPERSCRIPT && command <= IDM_FMT_WRAP);
}

void FormatCommand(HWND mainWindow, HWND document, int command)
{
    switch (command) {
    case IDM_FMT_BOLD:
        ToggleEffect(mainWindow, document, command, CFM_BOLD, CFE_BOLD);
        break;
    case IDM_FMT_ITALIC:
        ToggleEffect(mainWindow, document, command, CFM_ITALIC, CFE_ITALIC);
        break;
    case IDM_FMT_UNDERLINE:
        ToggleEffect(mainWindow, document, command, CFM_UNDERLINE, CFE_UNDERLINE);
        break;
    case IDM_FMT_SUPERSCRIPT:
        Shift(mainWindow, document, true);
        break;
    case IDM_FMT_SUBSCRIPT:
        Shift(mainWindow, document, false);
        break;
    case IDM_FMT_COLOR_POPUP:
        ShowColourPopup(mainWindow);
        break;
    case IDM_FMT_ALIGN_LEFT:
    case IDM_FMT_ALIGN_CENTER:
    case IDM_FMT_ALIGN_RIGHT:
        Align(mainWindow, document, command);
        break;
    case IDM_FMT_BULLETS:
        ToggleBullets(mainWindow, document);
        break;
    case IDM_FMT_WRAP:
        ToggleWordWrap(mainWindow, document);
        break;
    case IDM_FMT_FONT:
        ChooseSelectionFont(mainWindow, document);
        break;
    default:
        if (command >= IDM_FMT_COLOR_FIRST && command <= IDM_FMT_COLOR_AUTO)
            SetColour(document, command);
        break;
    }
}

void ShowSelectionFormat(HWND mainWindow, HWND document)
{
    CHARFORMATA format = SelectionFormat(document);
    PARAFORMAT paragraph = SelectionParagraph(document);
    CheckTool(mainWindow, IDM_FMT_BOLD, (format.dwEffects & CFE_BOLD) != 0);
    CheckTool(mainWindow, IDM_FMT_ITALIC, (format.dwEffects & CFE_ITALIC) != 0);
    CheckTool(mainWindow, IDM_FMT_UNDERLINE, (format.dwEffects & CFE_UNDERLINE) != 0);
    CheckTool(mainWindow, IDM_FMT_SUPERSCRIPT, format.yOffset > 0);
    CheckTool(mainWindow, IDM_FMT_SUBSCRIPT, format.yOffset < 0);
    int alignment = paragraph.wAlignment == PFA_LEFT     ? IDM_FMT_ALIGN_LEFT
                    : paragraph.wAlignment == PFA_CENTER ? IDM_FMT_ALIGN_CENTER
                                                         : IDM_FMT_ALIGN_RIGHT;
    CheckTool(mainWindow, alignment, true);
    CheckTool(mainWindow, IDM_FMT_BULLETS, paragraph.wNumbering == PFN_BULLET);
}

LRESULT OnReportDocumentNotify(HWND mainWindow, const NMHDR* header)
{
    switch (header->code) {
    case EN_SELCHANGE:
        ShowSelectionFormat(mainWindow, header->hwndFrom);
        return 0;
    case EN_MSGFILTER: {
        const MSGFILTER* filter = (const MSGFILTER*)header;
        if (filter->msg == WM_RBUTTONUP || (filter->msg == WM_KEYDOWN && filter->wParam == VK_F8)) {
            ShowFormatPopup(mainWindow);
            return 1;
        }
        return 0;
    }
    }
    return 0;
}
