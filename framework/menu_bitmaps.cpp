#include "framework/menu_bitmaps.h"

#include "resources/resource.h"

static const char* const kNames[kMenuBitmapCount] = {
    "APRI", "SALVA", "STAMPA", "NUOVO", "COPIA", "GRAFICO", "TABELLA", "AUDIOGRAMMA",
    "HELP", "CUR_FILE", "CUFFIA", "LEPD", "ERRORE", "ILG", "RISCHIO", "PREVISIONI",
    "EVOLUZIONE", "NIPTS", "HTLA", "HTLAN", "SPETTRORUM", "SCELTADPI", "CALCOLODPI",
    "SPETTRODPI", "LEQGRUPPI", "LEPW", "INCOLLA", "TAGLIA", "DOCUMENTO", "INCERTEZZA",
};

static HBITMAP s_bitmaps[kMenuBitmapCount];

void LoadMenuBitmaps(HINSTANCE instance, bool load)
{
    int cx = GetSystemMetrics(SM_CXMENUCHECK);
    int cy = GetSystemMetrics(SM_CYMENUCHECK);
    for (int i = 0; i < kMenuBitmapCount; ++i) {
        if (s_bitmaps[i])
            DeleteObject(s_bitmaps[i]);
        s_bitmaps[i] = nullptr;
        if (load)
            s_bitmaps[i] = (HBITMAP)LoadImageA(instance, kNames[i], IMAGE_BITMAP, cx, cy,
                                               LR_LOADTRANSPARENT);
    }
}

HBITMAP MenuBitmapHandle(int index)
{
    return index >= 0 && index < kMenuBitmapCount ? s_bitmaps[index] : nullptr;
}

static void ByCommand(HMENU menu, UINT command, int bitmap)
{
    SetMenuItemBitmaps(menu, command, MF_BYCOMMAND, s_bitmaps[bitmap], s_bitmaps[bitmap]);
}

static void ByPosition(HMENU menu, UINT position, int bitmap)
{
    SetMenuItemBitmaps(menu, position, MF_BYPOSITION, s_bitmaps[bitmap], s_bitmaps[bitmap]);
}

void AttachMainMenuBitmaps(HMENU menu)
{
    if (!menu)
        return;
    static const struct {
        UINT command;
        int bitmap;
    } kCommands[] = {
        {IDM_OPEN, kBmpApri},          {IDM_CUT, kBmpTaglia},          {IDM_COPY, kBmpCopia},
        {IDM_PASTE, kBmpIncolla},      {IDM_VIEW_TABLE, kBmpTabella},  {IDM_PRINT, kBmpStampa},
        {IDM_VIEW_GRAPH, kBmpGrafico}, {IDM_HELP, kBmpHelp},           {IDM_SAVE, kBmpSalva},
        {IDM_VIEW_DOCUMENT, kBmpDocumento},
        {IDM_NOISE_SPECTRUM, kBmpSpettroRum}, {IDM_ATTENUATION_SPECTRUM, kBmpSpettroDpi},
        {IDM_NIPTS, kBmpNipts},        {IDM_HTLA, kBmpHtla},           {IDM_HTLAN, kBmpHtlan},
    };
    for (const auto& item : kCommands)
        ByCommand(menu, item.command, item.bitmap);
    AttachAudiogramBitmap(menu);

    HMENU file = GetSubMenu(menu, 0);
    ByPosition(file, 0, kBmpNuovo);
    // The "&Nuovo" submenu by position; position 11 is its separator.
    static const int kNew[] = {kBmpLepd,      kBmpLepw,    kBmpLeqGruppi,   kBmpIncertezza,
                               kBmpSpettroRum, kBmpSceltaDpi, kBmpIlg,      kBmpAudiogramma,
                               kBmpPrevisioni, kBmpEvoluzione, kBmpRischio, -1,
                               kBmpDocumento};
    HMENU fresh = GetSubMenu(file, 0);
    for (UINT i = 0; i < sizeof kNew / sizeof kNew[0]; ++i)
        if (kNew[i] >= 0)
            ByPosition(fresh, i, kNew[i]);
}

void AttachAudiogramBitmap(HMENU menu)
{
    ByCommand(menu, IDM_VIEW_AUDIOGRAM, kBmpAudiogramma);
}

void AttachCalculatorMenuBitmaps(HMENU menu)
{
    if (!menu)
        return;
    ByCommand(menu, IDM_CALC_OPEN, kBmpApri);
    ByCommand(menu, IDM_CALC_SAVE, kBmpSalva);
    ByCommand(menu, IDM_CALC_PRINT, kBmpStampa);
    ByCommand(menu, IDM_COPY, kBmpCopia);
}
