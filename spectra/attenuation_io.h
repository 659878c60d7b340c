#pragma once
// The attenuation spectrum calculator's ".spi" data file keys, its text
// report and its printout. The protector selection reads the same file: type
// "SPI", "H", "M", "L" and "SNR" in section "FONEXA", the seven band
// attenuations in section "SPECTRUM".

#include <windows.h>

#include "framework/report_text.h"

void SaveAttenuationKeys(HWND dialog, const char* path);

// Loads a ".spi" file's keys into the open dialog; each band so set is
// checked and drawn as typing does.
void LoadAttenuationKeys(HWND dialog, const char* path);

void BuildAttenuationReport(HWND dialog, ReportText* report);

void PrintAttenuation(HWND dialog);
