#pragma once
// The noise spectrum calculator "SPETTRORUM": seven octave-band levels, their
// bar chart and the A- and C-weighted levels.

#include <windows.h>

#include "spectra/band_table.h"

// What the calculator remembers between two openings in one run.
struct NoiseSpectrumMemory {
    double bands[kOctaveBands];  // dB, from the band fields at every recomputation
    char notes[513];             // the notes box holds 512 characters
    char currentFile[MAX_PATH];  // emptied at every opening
};

extern NoiseSpectrumMemory g_noiseSpectrum;

// Dialog procedure of "SPETTRORUM"; the parameter is nothing or a ".spr" path.
INT_PTR CALLBACK NoiseSpectrumProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads the band fields into the remembered spectrum, draws the chart (on dc,
// or on the dialog when dc is nullptr) and shows the weighted levels.
void RecomputeNoiseSpectrum(HWND dialog, HDC dc);
