#pragma once
// What the noise and the attenuation spectrum dialogs share: the seven band
// fields 8591..8597, their tooltips, file keys, report lines and printout
// with the bar chart.

#include <windows.h>

#include "framework/help.h"
#include "framework/printing.h"
#include "framework/report_text.h"
#include "spectra/band_table.h"

bool IsBandField(int id);
int BandField(int band);

// Limits the fields to 8 characters and shows the levels in format.
void ShowBands(HWND dialog, const double levels[kOctaveBands], const char* format);
void ReadBands(HWND dialog, double levels[kOctaveBands]);

// The help topics of the seven band fields and of the dialog's other
// controls on a page (see FillHelpTopics); table holds count + 9 entries.
void FillBandHelpTopics(HelpTopic* table, const int* others, size_t count, DWORD page);

// "Inserire il valore del livello di <quantity> a <hz> Hz" for a band field,
// nullptr for any other control.
const char* BandTooltip(int control, const char* quantity);

// Section "SPECTRUM", keys "125" .. "8000"; a missing band loads as "0".
void SaveBandKeys(HWND dialog, const char* path);
void LoadBandKeys(HWND dialog, const char* path);

// The title line, the column titles and one line a band.
void ReportBands(ReportText* report, HWND dialog, const char* title, const char* column);

// Printout: the title, the column titles and one line a band (an empty field
// printed as "0.0"); fills levels. False when the printout ended.
bool PrintBands(TextPrintout* print, HWND dialog, const char* title, const char* column,
                double levels[kOctaveBands]);

// Ends the printout: the bar chart four lines below the last one down to two
// thirds of the page, its band labels, the notes further down.
void EndBandPrintout(TextPrintout* print, HWND dialog, const double levels[kOctaveBands],
                     double fullScale, int rows);
