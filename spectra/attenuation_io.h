#pragma once
// The attenuation spectrum calculator's ".spi" data file, its text report,
// its printout and the commands of its File menu. The protector selection
// reads the same file: type "SPI", "H", "M", "L" and "SNR" in section
// "FONEXA", the seven band attenuations in section "SPECTRUM".

#include <windows.h>
#include <shellapi.h>

#include "framework/report_text.h"

bool SaveAttenuationFile(HWND dialog, const char* path);

// Loads a ".spi" file into the open dialog: H, M, L and SNR as stored, then
// the bands, each checked and computed as typing does, so that computed
// values replace the stored ones. A file of another type is refused silently.
bool LoadAttenuationFile(HWND dialog, const char* path);

void BuildAttenuationReport(HWND dialog, ReportText* report);

void PrintAttenuation(HWND dialog);

// The File-menu commands 4123, 40005, 4122, 1028 and 4121.
void AttenuationFileCommand(HWND dialog, int command);

// A ".spi" file dropped on the dialog: loaded, shown and drawn.
void DropAttenuationFile(HWND dialog, HDROP drop);
