#pragma once
// The protector selection's ".dpi" data file (type "DPI"), and the noise and
// protector spectra (".spr", ".spi") that its method pages read values from.

#include <windows.h>

#include "protectors/selection.h"

// Writes the record; false (nothing more written) when the file cannot be
// written.
bool SaveSelectionFile(const ProtectorSelection& selection, const char* path);

// Reads a ".dpi" file into the record; false, the record untouched, when the
// file is not of the type. An action level other than 80, 85 or 90 reads as
// 85, the flags as 0 or 1; the method number is kept as read (0 when
// missing), only 1..5 naming a method. A correction the file names but this
// program does not know loads as none, and unknownCorrection says so.
bool LoadSelectionFile(ProtectorSelection* selection, const char* path, bool* unknownCorrection = nullptr);

enum SpectrumKind { kNoiseSpectrum, kProtectorSpectrum };

// Reads a ".spr" (LAeq, LCeq and the noise bands) or ".spi" (H, M, L, SNR
// and the attenuations) file into the matching values of a temporary record;
// false when the file is not of the type. Missing keys read 0.
bool ReadSpectrumFile(SpectrumKind kind, const char* path, ProtectorSelection* values);
