// "C&arattere..." (32806): the system font dialog over the selection.

#include "document/format_commands.h"

#include <commdlg.h>
#include <richedit.h>

#include <cstdio>

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

}  // namespace

void ChooseSelectionFont(HWND mainWindow, HWND document)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = kFontMask;
    SendMessageA(document, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);

    LOGFONTA font;
    InitialFont(format, &font);
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = mainWindow;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS | CF_NOSCRIPTSEL |
                   CF_FORCEFONTEXIST;
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
    if (font.lfFaceName[0]) {
        change.dwMask |= CFM_FACE | CFM_CHARSET;
        snprintf(change.szFaceName, sizeof change.szFaceName, "%s", font.lfFaceName);
        change.bCharSet = font.lfCharSet;
        change.bPitchAndFamily = font.lfPitchAndFamily;
    }
    if (choose.iPointSize > 0) {
        change.dwMask |= CFM_SIZE;
        change.yHeight = choose.iPointSize * 2;  // tenths of a point to twips
    }
    if (!(choose.Flags & CF_NOSTYLESEL)) {
        change.dwMask |= CFM_BOLD | CFM_ITALIC;
        change.dwEffects |= (font.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (font.lfItalic ? CFE_ITALIC : 0);
    }
    if (DefiniteColour(format) || choose.rgbColors != initial) {
        change.dwMask |= CFM_COLOR;
        change.crTextColor = choose.rgbColors;
    }
    SendMessageA(document, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&change);
}
