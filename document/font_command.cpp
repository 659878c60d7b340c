// "C&arattere..." (32806): the system font dialog over the selection.

#include "document/format_commands.h"

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>

namespace {

const DWORD kFontMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;

// The dialog's starting font: what the selection has in common.
void InitialFont(const CHARFORMATA& format, LOGFONTA* font)
{
    *font = LOGFONTA{};
    HDC screen = GetDC(nullptr);
    font->lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(screen, LOGPIXELSY), 1440);
    ReleaseDC(nullptr, screen);
    font->lfWeight = (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font->lfItalic = (format.dwEffects & CFE_ITALIC) != 0;
    font->lfUnderline = (format.dwEffects & CFE_UNDERLINE) != 0;
    font->lfStrikeOut = (format.dwEffects & CFE_STRIKEOUT) != 0;
    font->lfCharSet = format.bCharSet;
    font->lfPitchAndFamily = format.bPitchAndFamily;
    if (format.dwMask & CFM_FACE)
        snprintf(font->lfFaceName, sizeof font->lfFaceName, "%s", format.szFaceName);
}

// Whether the selection has one definite colour (not mixed, not automatic).
bool DefiniteColour(const CHARFORMATA& format)
{
    return (format.dwMask & CFM_COLOR) && !(format.dwEffects & CFE_AUTOCOLOR);
}

// What the dialog offered and what the user chose in its three lists.
struct FontChoice {
    const CHARFORMATA* format;
    bool face, style;  // a value chosen in the list when confirmed
    LONG sizeTwips;    // the size in the size box, 0 for none
};

const char kChoiceProperty[] = "FonexaFontChoice";

bool Offered(HWND dialog, int list)
{
    return SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0) != CB_ERR;
}

// The size the box shows, picked from its list or typed (13, 15, 30 are not
// in the list, and the dialog itself reads only the list), in twips; 0 when
// the box holds no size.
LONG SizeInBox(HWND dialog)
{
    char text[16] = "";
    GetDlgItemTextA(dialog, cmb3, text, sizeof text);
    for (char& c : text)
        if (c == ',')
            c = '.';
    double points = atof(text);
    return points > 0.0 && points <= 1638.0 ? (LONG)(points * 20.0 + 0.5) : 0;
}

// A list without a starting choice shows nothing.
void Clear(HWND dialog, int list)
{
    SendDlgItemMessageA(dialog, list, CB_SETCURSEL, (WPARAM)-1, 0);
    SetDlgItemTextA(dialog, list, "");
}

// Some dialogs show a first entry where the selection has no single value,
// or where its face or size is not in the lists: they are cleared, so that
// confirming keeps the selection's own values.
void OnFontDialogInit(HWND dialog, const CHOOSEFONTA* choose)
{
    FontChoice* choice = (FontChoice*)choose->lCustData;
    SetPropA(dialog, kChoiceProperty, (HANDLE)choice);
    const CHARFORMATA& format = *choice->format;
    bool faceShown = (format.dwMask & CFM_FACE) &&
                     SendDlgItemMessageA(dialog, cmb1, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                         (LPARAM)format.szFaceName) != CB_ERR;
    if (!faceShown) {
        Clear(dialog, cmb1);
        Clear(dialog, cmb2);
    }
    if ((format.dwMask & (CFM_BOLD | CFM_ITALIC)) != (CFM_BOLD | CFM_ITALIC))
        Clear(dialog, cmb2);
    char points[16];
    snprintf(points, sizeof points, "%ld", format.yHeight / 20);
    int size = (int)SendDlgItemMessageA(dialog, cmb3, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)points);
    if (!(format.dwMask & CFM_SIZE) || format.yHeight % 20 != 0 || size == CB_ERR)
        Clear(dialog, cmb3);
    else if (SendDlgItemMessageA(dialog, cmb3, CB_GETCURSEL, 0, 0) != size) {
        SendDlgItemMessageA(dialog, cmb3, CB_SETCURSEL, size, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), (LPARAM)GetDlgItem(dialog, cmb3));
    }
}

UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnFontDialogInit(dialog, (const CHOOSEFONTA*)lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            FontChoice* choice = (FontChoice*)GetPropA(dialog, kChoiceProperty);
            if (choice) {
                choice->face = Offered(dialog, cmb1);
                choice->style = Offered(dialog, cmb2);
                choice->sizeTwips = SizeInBox(dialog);
            }
        }
        return FALSE;
    case WM_DESTROY:
        RemovePropA(dialog, kChoiceProperty);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void ChooseSelectionFont(HWND mainWindow, HWND document)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = kFontMask;
    SendMessageA(document, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);

    LOGFONTA font;
    InitialFont(format, &font);
    FontChoice choice = {&format, false, false, 0};
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = mainWindow;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS | CF_NOSCRIPTSEL |
                   CF_FORCEFONTEXIST | CF_ENABLEHOOK;
    choose.lpfnHook = FontDialogHook;
    choose.lCustData = (LPARAM)&choice;
    // A value that differs over the selection leaves its list without a
    // starting choice.
    if (!(format.dwMask & CFM_FACE))
        choose.Flags |= CF_NOFACESEL;
    if (!(format.dwMask & CFM_SIZE))
        choose.Flags |= CF_NOSIZESEL;
    if ((format.dwMask & (CFM_BOLD | CFM_ITALIC)) != (CFM_BOLD | CFM_ITALIC))
        choose.Flags |= CF_NOSTYLESEL;
    COLORREF initial = DefiniteColour(format) ? format.crTextColor : GetSysColor(COLOR_WINDOWTEXT);
    choose.rgbColors = initial;
    if (!ChooseFontA(&choose))
        return;

    // What the user left without a choice keeps the selection's own values.
    CHARFORMATA change = {};
    change.cbSize = sizeof change;
    change.dwMask = CFM_UNDERLINE | CFM_STRIKEOUT;
    change.dwEffects = (font.lfUnderline ? CFE_UNDERLINE : 0) | (font.lfStrikeOut ? CFE_STRIKEOUT : 0);
    if (choice.face && font.lfFaceName[0]) {
        change.dwMask |= CFM_FACE | CFM_CHARSET;
        snprintf(change.szFaceName, sizeof change.szFaceName, "%s", font.lfFaceName);
        change.bCharSet = font.lfCharSet;
        change.bPitchAndFamily = font.lfPitchAndFamily;
    }
    if (choice.sizeTwips > 0) {
        change.dwMask |= CFM_SIZE;
        change.yHeight = choice.sizeTwips;
    }
    if (choice.style) {
        change.dwMask |= CFM_BOLD | CFM_ITALIC;
        change.dwEffects |= (font.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (font.lfItalic ? CFE_ITALIC : 0);
    }
    if (DefiniteColour(format) || choose.rgbColors != initial) {
        change.dwMask |= CFM_COLOR;
        change.crTextColor = choose.rgbColors;
    }
    SendMessageA(document, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&change);
}
