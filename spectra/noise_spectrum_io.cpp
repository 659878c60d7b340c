#include "spectra/noise_spectrum_io.h"

#include <cstdio>

#include "framework/calculator_frame.h"
#include "framework/data_file.h"
#include "framework/report_controls.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/band_table.h"
#include "spectra/noise_spectrum_dialog.h"
#include "spectra/octave_chart.h"

namespace {

const char kType[] = "SPR";
const char kSpectrumSection[] = "SPECTRUM";

const CalculatorFiles kFiles = {IDS_FILTER_SPR, ".spr", g_noiseSpectrum.currentFile,
                                SaveNoiseSpectrumFile, LoadNoiseSpectrumFile,
                                BuildNoiseSpectrumReport, PrintNoiseSpectrum};

int BandField(int band)
{
    return IDC_BAND_FIRST + band;
}

// One report line: label, two separators, a value shown in a control.

}  // namespace

bool SaveNoiseSpectrumFile(HWND dialog, const char* path)
{
    char text[16];
    WriteFileType(path, kType);
    ItemText(dialog, IDC_SPECTRUM_LAEQ, text, sizeof text);
    WriteKey(path, kFrameSection, "LAEQ", text);
    ItemText(dialog, IDC_SPECTRUM_LCEQ, text, sizeof text);
    WriteKey(path, kFrameSection, "LCEQ", text);
    for (int k = 0; k < kOctaveBands; ++k) {
        ItemText(dialog, BandField(k), text, sizeof text);
        WriteKey(path, kSpectrumSection, OctaveBandTable[k].key, text);
    }
    ItemText(dialog, IDC_NOTES, g_noiseSpectrum.notes, sizeof g_noiseSpectrum.notes);
    char notes[sizeof g_noiseSpectrum.notes];
    snprintf(notes, sizeof notes, "%s", g_noiseSpectrum.notes);
    WriteNotes(notes, path);
    snprintf(g_noiseSpectrum.currentFile, sizeof g_noiseSpectrum.currentFile, "%s", path);
    return true;
}

bool LoadNoiseSpectrumFile(HWND dialog, const char* path)
{
    if (!IsFileOfType(path, kType))
        return false;
    char text[16];
    if (ReadKey(path, kFrameSection, "LAEQ", "", text, sizeof text) > 0)
        SetDlgItemTextA(dialog, IDC_SPECTRUM_LAEQ, text);
    if (ReadKey(path, kFrameSection, "LCEQ", "", text, sizeof text) > 0)
        SetDlgItemTextA(dialog, IDC_SPECTRUM_LCEQ, text);
    // Each band set is a change: checked, and the levels recomputed.
    for (int k = 0; k < kOctaveBands; ++k) {
        ReadKey(path, kSpectrumSection, OctaveBandTable[k].key, "0", text, sizeof text);
        SetDlgItemTextA(dialog, BandField(k), text);
    }
    ReadNotes(g_noiseSpectrum.notes, sizeof g_noiseSpectrum.notes, path);
    SetDlgItemTextA(dialog, IDC_NOTES, g_noiseSpectrum.notes);
    snprintf(g_noiseSpectrum.currentFile, sizeof g_noiseSpectrum.currentFile, "%s", path);
    return true;
}

void BuildNoiseSpectrumReport(HWND dialog, ReportText* report)
{
    ReportAppend(report, "Spettro del rumore");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Frequenza (Hz):");
    ReportSeparators(report, 2);
    ReportAppend(report, "Livello (dB):");
    ReportEndLine(report);
    for (int k = 0; k < kOctaveBands; ++k)
        ReportValueLine(report, OctaveBandTable[k].key, dialog, BandField(k));
    ReportValueLine(report, "Livello equivalente pesato A (dBA):", dialog, IDC_SPECTRUM_LAEQ);
    ReportValueLine(report, "Livello equivalente pesato C (dBC):", dialog, IDC_SPECTRUM_LCEQ);
    ReportNotes(report, dialog);
}

void PrintNoiseSpectrum(HWND dialog)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Spettro rumore", 500))
        return;
    int second = print.pageWidth / 2;
    int third = print.pageWidth * 2 / 3;
    char text[16];

    PrintAt(&print, 0, "Spettro del rumore");
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Frequenze (Hz):");
    PrintAt(&print, second, "Livelli sonori non pesati (dBlin):");
    if (!NextPrintLine(&print))
        return;
    for (int k = 0; k < kOctaveBands; ++k) {
        PrintAt(&print, 0, OctaveBandTable[k].key);
        ItemText(dialog, BandField(k), text, sizeof text);
        PrintAt(&print, second, text[0] ? text : "0.0");
        if (!NextPrintLine(&print))
            return;
    }
    PrintAt(&print, 0, "Livello equivalente pesato A (dBA): ");
    ItemText(dialog, IDC_SPECTRUM_LAEQ, text, sizeof text);
    PrintAt(&print, third, text);
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Livello equivalente pesato C (dBC): ");
    ItemText(dialog, IDC_SPECTRUM_LCEQ, text, sizeof text);
    PrintAt(&print, third, text);

    // The chart from line 16 to two thirds of the page, its band labels
    // under it and the notes further down.
    RECT chart = {0, (print.line + 4) * print.lineHeight, print.pageWidth, print.pageHeight * 2 / 3};
    int below = print.line * print.lineHeight;
    if (chart.top < chart.bottom) {
        double levels[kOctaveBands];
        for (int k = 0; k < kOctaveBands; ++k) {
            ItemText(dialog, BandField(k), text, sizeof text);
            levels[k] = LeadingNumber(text);
        }
        DrawOctaveChart(print.dc, chart, levels, 140.0, 14);
        PrintBandLabels(print.dc, chart, 14, print.lineHeight);
        below = chart.bottom;
    }
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    PrintNotesFrom(&print, below + 6 * print.lineHeight, notes);
    EndTextPrintout(&print, "");
}

void NoiseSpectrumFileCommand(HWND dialog, int command)
{
    CalculatorFileCommand(dialog, command, kFiles);
}

void DropNoiseSpectrumFile(HWND dialog, HDROP drop)
{
    char path[MAX_PATH];
    if (TakeDroppedFile(drop, ".spr", path, sizeof path) && LoadCalculatorFile(dialog, path, kFiles))
        RecomputeNoiseSpectrum(dialog, nullptr);
}
