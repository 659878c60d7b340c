#pragma once
// The audiogram of both ears, drawn into any device context (the dialog, a
// printer page, a bitmap): ten rows of 10 dB from 0 dB at the top, the six
// audiometric frequencies on a logarithmic axis, the left ear in blue with
// "o", the right ear in red with "x".

#include <windows.h>

#include "damage/damage_tables.h"

const COLORREF kLeftEarColour = RGB(0, 0, 255);
const COLORREF kRightEarColour = RGB(255, 0, 0);

// Draws the audiogram in area with "Courier New" at the height of the font
// selected in dc. The right ear is drawn only when not symmetric. Every
// point stays inside the plot, whatever the losses.
void DrawAudiogram(HDC dc, const RECT& area, const EarLosses& left, const EarLosses& right,
                   bool symmetric);

// The rectangle of the dialog's hidden placeholder 9000 in client
// coordinates, 10 pixels in from each side and moved 5 pixels right.
bool DialogAudiogramRect(HWND dialog, RECT* area);

// Draws in the placeholder's rectangle with the dialog's font, on dc or,
// when dc is nullptr, on the dialog's own.
void DrawDialogAudiogram(HWND dialog, HDC dc, const EarLosses& left, const EarLosses& right,
                         bool symmetric);
