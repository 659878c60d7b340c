#pragma once
// The small pictures beside the menu items of the main window and of the
// calculators' File menus.

#include <windows.h>

enum MenuBitmap {
    kBmpApri, kBmpSalva, kBmpStampa, kBmpNuovo, kBmpCopia, kBmpGrafico, kBmpTabella,
    kBmpAudiogramma, kBmpHelp, kBmpCurFile, kBmpCuffia, kBmpLepd, kBmpErrore, kBmpIlg,
    kBmpRischio, kBmpPrevisioni, kBmpEvoluzione, kBmpNipts, kBmpHtla, kBmpHtlan,
    kBmpSpettroRum, kBmpSceltaDpi, kBmpCalcoloDpi, kBmpSpettroDpi, kBmpLeqGruppi, kBmpLepw,
    kBmpIncolla, kBmpTaglia, kBmpDocumento, kBmpIncertezza, kMenuBitmapCount
};

// Loads (load true) or frees (false) the 30 bitmaps, sized like the menu
// check mark and with their background made transparent.
void LoadMenuBitmaps(HINSTANCE instance, bool load);

HBITMAP MenuBitmapHandle(int index);

void AttachMainMenuBitmaps(HMENU menu);
void AttachCalculatorMenuBitmaps(HMENU menu);

// "&Audiogramma" is removed and inserted again by the chart views.
void AttachAudiogramBitmap(HMENU menu);
