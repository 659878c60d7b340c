#include "spectra/band_fields.h"

#include <cstdio>

#include "framework/data_file.h"
#include "framework/number_text.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/octave_chart.h"

static const char kSpectrumSection[] = "SPECTRUM";

bool IsBandField(int id)
{
    return id >= IDC_BAND_FIRST && id < IDC_BAND_FIRST + kOctaveBands;
}

int BandField(int band)
{
    return IDC_BAND_FIRST + band;
}

void ShowBands(HWND dialog, const double levels[kOctaveBands], const char* format)
{
    // Each field set is a change that may read all seven back: show a copy.
    double shown[kOctaveBands];
    for (int k = 0; k < kOctaveBands; ++k)
        shown[k] = levels[k];
    for (int k = 0; k < kOctaveBands; ++k) {
        SendDlgItemMessageA(dialog, BandField(k), EM_LIMITTEXT, 8, 0);
        char text[32];
        FormatNumber(text, sizeof text, format, shown[k]);
        SetDlgItemTextA(dialog, BandField(k), text);
    }
}

void ReadBands(HWND dialog, double levels[kOctaveBands])
{
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        ItemText(dialog, BandField(k), text, sizeof text);
        levels[k] = LeadingNumber(text);
    }
}

void FillBandHelpTopics(HelpTopic* table, const int* others, size_t count, DWORD page)
{
    int controls[kOctaveBands + 16];
    size_t n = 0;
    for (int k = 0; k < kOctaveBands; ++k)
        controls[n++] = BandField(k);
    for (size_t i = 0; i < count && n < sizeof controls / sizeof controls[0]; ++i)
        controls[n++] = others[i];
    FillHelpTopics(table, controls, n, page);
}

const char* BandTooltip(int control, const char* quantity)
{
    static char text[96];
    if (!IsBandField(control))
        return nullptr;
    snprintf(text, sizeof text, "Inserire il valore del livello di %s a %s Hz", quantity,
             OctaveBandTable[control - IDC_BAND_FIRST].key);
    return text;
}

void SaveBandKeys(HWND dialog, const char* path)
{
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        ItemText(dialog, BandField(k), text, sizeof text);
        WriteKey(path, kSpectrumSection, OctaveBandTable[k].key, text);
    }
}

void LoadBandKeys(HWND dialog, const char* path)
{
    // Each band set is a change: checked and recomputed as typing is.
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        if (ReadKey(path, kSpectrumSection, OctaveBandTable[k].key, "", text, sizeof text) == 0)
            snprintf(text, sizeof text, "0");
        SetDlgItemTextA(dialog, BandField(k), text);
    }
}

void ReportBands(ReportText* report, HWND dialog, const char* title, const char* column)
{
    ReportAppend(report, title);
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Frequenza (Hz):");
    ReportSeparators(report, 2);
    ReportAppend(report, column);
    ReportEndLine(report);
    for (int k = 0; k < kOctaveBands; ++k)
        ReportValueLine(report, OctaveBandTable[k].key, dialog, BandField(k));
}

bool PrintBands(TextPrintout* print, HWND dialog, const char* title, const char* column,
                double levels[kOctaveBands])
{
    int second = print->pageWidth / 2;
    PrintAt(print, 0, title);
    if (!NextPrintLine(print))
        return false;
    PrintAt(print, 0, "Frequenze (Hz):");
    PrintAt(print, second, column);
    if (!NextPrintLine(print))
        return false;
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        PrintAt(print, 0, OctaveBandTable[k].key);
        ItemText(dialog, BandField(k), text, sizeof text);
        levels[k] = LeadingNumber(text);
        PrintAt(print, second, text[0] ? text : "0.0");
        if (!NextPrintLine(print))
            return false;
    }
    return true;
}

void EndBandPrintout(TextPrintout* print, HWND dialog, const double levels[kOctaveBands],
                     double fullScale, int rows)
{
    RECT chart = {0, (print->line + 4) * print->lineHeight, print->pageWidth,
                  print->pageHeight * 2 / 3};
    int below = print->line * print->lineHeight;
    if (chart.top < chart.bottom) {
        DrawOctaveChart(print->dc, chart, levels, fullScale, rows);
        PrintBandLabels(print->dc, chart, rows, print->lineHeight);
        below = chart.bottom;
    }
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    PrintNotesFrom(print, below + 6 * print->lineHeight, notes);
    EndTextPrintout(print, "");
}
