#pragma once
// The attenuation spectrum calculator "SPETTRODPI": a hearing protector's
// seven octave-band attenuations, their bar chart, and its H, M, L and SNR.

#include <windows.h>

#include "spectra/band_table.h"

// What the calculator remembers between two openings in one run. H, M, L and
// SNR change only with computed values that are not 0, never with typed ones.
struct AttenuationMemory {
    double bands[kOctaveBands];  // dB, from the band fields at every drawing of the chart
    double h, m, l, snr;         // dB
    char notes[513];             // the notes box holds 512 characters
    char currentFile[MAX_PATH];  // emptied at every opening
};

extern AttenuationMemory g_attenuation;

// Dialog procedure of "SPETTRODPI"; the parameter is nothing or a ".spi" path.
INT_PTR CALLBACK AttenuationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads the band fields into the remembered attenuation and draws the chart
// (on dc, or on the dialog when dc is nullptr).
void DrawAttenuationChart(HWND dialog, HDC dc);
