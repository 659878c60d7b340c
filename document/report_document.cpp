#include "document/report_document.h"

#include <commctrl.h>
#include <richedit.h>

#include "document/ole_host.h"
#include "resources/resource.h"

static bool s_wrap = true;

bool WordWrapOn()
{
    return s_wrap;
}

void ApplyDocumentDefaults(HWND document)
{
    SendMessageA(document, EM_SETEVENTMASK, 0,
                 ENM_SELCHANGE | ENM_MOUSEEVENTS | ENM_KEYEVENTS | ENM_DROPFILES);

    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                    CFM_STRIKEOUT | CFM_PROTECTED | CFM_OFFSET | CFM_CHARSET;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 200;
    format.yOffset = 0;
    format.bCharSet = ANSI_CHARSET;
    lstrcpynA(format.szFaceName, "Arial", LF_FACESIZE);
    // Wine's control starts in the bold "System" font: set both the default
    // and the current format explicitly.
    SendMessageA(document, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&format);
    SendMessageA(document, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&format);

    PARAFORMAT paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_TABSTOPS | PFM_ALIGNMENT | PFM_NUMBERING;
    paragraph.wAlignment = PFA_LEFT;
    paragraph.cTabCount = 8;
    for (int i = 0; i < 8; ++i)
        paragraph.rgxTabs[i] = i * 1000;
    SendMessageA(document, EM_SETPARAFORMAT, 0, (LPARAM)&paragraph);

    SendMessageA(document, EM_EXLIMITTEXT, 0, 0xFFFFF);
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    SendMessageA(document, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 210));
}

HWND CreateReportDocument(HWND mainWindow)
{
    HWND document = CreateWindowExA(
        WS_EX_CLIENTEDGE, "RichEdit", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
            ES_NOHIDESEL | ES_SAVESEL,
        0, 0, 64, 48, mainWindow, (HMENU)(INT_PTR)IDC_REPORT_DOCUMENT,
        (HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE), nullptr);
    if (!document)
        return nullptr;
    ApplyDocumentDefaults(document);
    if (!ResetDocumentObjects(document, mainWindow))
        return nullptr;
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    return document;
}

HWND CreateFormatToolbar(HWND mainWindow)
{
    static const struct {
        int image;
        int command;
        BYTE style;
    } kEntries[16] = {
        {10, IDM_FMT_FONT, TBSTYLE_BUTTON},         {3, IDM_FMT_COLOR_POPUP, TBSTYLE_BUTTON},
        {0, 0, TBSTYLE_SEP},                        {0, IDM_FMT_BOLD, TBSTYLE_CHECK},
        {1, IDM_FMT_ITALIC, TBSTYLE_CHECK},         {2, IDM_FMT_UNDERLINE, TBSTYLE_CHECK},
        {0, 0, TBSTYLE_SEP},                        {8, IDM_FMT_SUPERSCRIPT, TBSTYLE_CHECK},
        {9, IDM_FMT_SUBSCRIPT, TBSTYLE_CHECK},      {0, 0, TBSTYLE_SEP},
        {4, IDM_FMT_ALIGN_LEFT, TBSTYLE_CHECKGROUP}, {5, IDM_FMT_ALIGN_CENTER, TBSTYLE_CHECKGROUP},
        {6, IDM_FMT_ALIGN_RIGHT, TBSTYLE_CHECKGROUP}, {11, IDM_FMT_WRAP, TBSTYLE_CHECK},
        {0, 0, TBSTYLE_SEP},                        {7, IDM_FMT_BULLETS, TBSTYLE_CHECK},
    };
    TBBUTTON buttons[16] = {};
    for (int i = 0; i < 16; ++i) {
        buttons[i].iBitmap = kEntries[i].image;
        buttons[i].idCommand = kEntries[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = kEntries[i].style;
    }
    HWND toolbar = CreateToolbarEx(mainWindow, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS,
                                   IDC_FORMAT_TOOLBAR, FORMAT_TOOLBAR_IMAGES,
                                   (HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE),
                                   IDB_FORMAT_TOOLBAR, buttons, 16, 16, 15, 16, 15, sizeof(TBBUTTON));
    if (toolbar)
        SendMessageA(toolbar, TB_CHECKBUTTON, IDM_FMT_WRAP, MAKELONG(s_wrap, 0));
    return toolbar;
}

// Wrap at the window (target device null, width 0), or never wrap.
static void SetLineWidth(HWND document)
{
    SendMessageA(document, EM_SETTARGETDEVICE, 0, s_wrap ? 0 : 1);
}

void PlaceReportDocument(HWND document, const RECT& area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    SetWindowPos(document, nullptr, area.left, area.top, width, height, SWP_NOZORDER);
    InvalidateRect(document, nullptr, TRUE);
    RECT format = {0, 0, width, height};
    if (!s_wrap)
        format.right = GetSystemMetrics(SM_CXSCREEN);
    SendMessageA(document, EM_SETRECT, 0, (LPARAM)&format);
    SetLineWidth(document);
}

void ToggleWordWrap(HWND mainWindow, HWND document)
{
    s_wrap = !s_wrap;
    HWND toolbar = GetDlgItem(mainWindow, IDC_FORMAT_TOOLBAR);
    static const int kAlignments[] = {IDM_FMT_ALIGN_LEFT, IDM_FMT_ALIGN_CENTER, IDM_FMT_ALIGN_RIGHT};
    for (int command : kAlignments)
        SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELONG(s_wrap, 0));
    SendMessageA(toolbar, TB_CHECKBUTTON, IDM_FMT_WRAP, MAKELONG(s_wrap, 0));
    // Placed again so that the formatting rectangle follows the flag too.
    RECT area;
    GetWindowRect(document, &area);
    MapWindowPoints(nullptr, mainWindow, (POINT*)&area, 2);
    PlaceReportDocument(document, area);
}

bool IsDocumentModified(HWND document)
{
    return document && SendMessageA(document, EM_GETMODIFY, 0, 0) != 0;
}
