#include "spectra/attenuation_io.h"

#include <cstdio>

#include "framework/calculator_frame.h"
#include "framework/data_file.h"
#include "framework/report_controls.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/attenuation_dialog.h"
#include "spectra/band_table.h"
#include "spectra/octave_chart.h"

namespace {

const char kType[] = "SPI";
const char kSpectrumSection[] = "SPECTRUM";

const CalculatorFiles kFiles = {IDS_FILTER_SPI, ".spi", g_attenuation.currentFile,
                                SaveAttenuationFile, LoadAttenuationFile,
                                BuildAttenuationReport, PrintAttenuation};

// The keys of H, M, L and SNR with their fields, in the order of the file.
const struct {
    const char* key;
    int field;
} kValueKeys[] = {{"H", IDC_SPI_H}, {"M", IDC_SPI_M}, {"L", IDC_SPI_L}, {"SNR", IDC_SPI_SNR}};

int BandField(int band)
{
    return IDC_BAND_FIRST + band;
}


}  // namespace

bool SaveAttenuationFile(HWND dialog, const char* path)
{
    char text[16];
    WriteFileType(path, kType);
    for (const auto& value : kValueKeys) {
        ItemText(dialog, value.field, text, sizeof text);
        WriteKey(path, kFrameSection, value.key, text);
    }
    for (int k = 0; k < kOctaveBands; ++k) {
        ItemText(dialog, BandField(k), text, sizeof text);
        WriteKey(path, kSpectrumSection, OctaveBandTable[k].key, text);
    }
    ItemText(dialog, IDC_NOTES, g_attenuation.notes, sizeof g_attenuation.notes);
    char notes[sizeof g_attenuation.notes];
    snprintf(notes, sizeof notes, "%s", g_attenuation.notes);
    WriteNotes(notes, path);
    snprintf(g_attenuation.currentFile, sizeof g_attenuation.currentFile, "%s", path);
    return true;
}

bool LoadAttenuationFile(HWND dialog, const char* path)
{
    if (!IsFileOfType(path, kType))
        return false;
    char text[16];
    for (const auto& value : kValueKeys)
        if (ReadKey(path, kFrameSection, value.key, "", text, sizeof text) > 0)
            SetDlgItemTextA(dialog, value.field, text);
    // Each band set is a change: checked, drawn and, once all seven hold
    // text, computed.
    for (int k = 0; k < kOctaveBands; ++k) {
        ReadKey(path, kSpectrumSection, OctaveBandTable[k].key, "0", text, sizeof text);
        SetDlgItemTextA(dialog, BandField(k), text);
    }
    ReadNotes(g_attenuation.notes, sizeof g_attenuation.notes, path);
    SetDlgItemTextA(dialog, IDC_NOTES, g_attenuation.notes);
    snprintf(g_attenuation.currentFile, sizeof g_attenuation.currentFile, "%s", path);
    return true;
}

void BuildAttenuationReport(HWND dialog, ReportText* report)
{
    ReportAppend(report, "Spettro di attenuazione");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Frequenza (Hz):");
    ReportSeparators(report, 2);
    ReportAppend(report, "Attenuazione (dB):");
    ReportEndLine(report);
    for (int k = 0; k < kOctaveBands; ++k)
        ReportValueLine(report, OctaveBandTable[k].key, dialog, BandField(k));
    ReportValueLine(report, "Attenuazione H (dB):", dialog, IDC_SPI_H);
    ReportValueLine(report, "Attenuazione M (dB):", dialog, IDC_SPI_M);
    ReportValueLine(report, "Attenuazione L (dB):", dialog, IDC_SPI_L);
    ReportValueLine(report, "Attenuazione SNR (dB):", dialog, IDC_SPI_SNR);
    ReportNotes(report, dialog);
}

void PrintAttenuation(HWND dialog)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Spettro DPI", 500))
        return;
    int second = print.pageWidth / 2;
    int third = print.pageWidth * 2 / 3;
    char text[16];

    PrintAt(&print, 0, "Spettro del DPI");
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Frequenze (Hz):");
    PrintAt(&print, second, "Attenuazione del DPI (dB):");
    if (!NextPrintLine(&print))
        return;
    double levels[kOctaveBands];
    for (int k = 0; k < kOctaveBands; ++k) {
        PrintAt(&print, 0, OctaveBandTable[k].key);
        ItemText(dialog, BandField(k), text, sizeof text);
        levels[k] = LeadingNumber(text);
        PrintAt(&print, second, text[0] ? text : "0.0");
        if (!NextPrintLine(&print))
            return;
    }
    static const struct {
        const char* label;
        int field;
    } kValues[] = {{"Valore di attenuazione H (dB): ", IDC_SPI_H},
                   {"Valore di attenuazione M (dB): ", IDC_SPI_M},
                   {"Valore di attenuazione L (dB): ", IDC_SPI_L},
                   {"Valore di attenuazione SNR (dB): ", IDC_SPI_SNR}};
    for (size_t i = 0; i < sizeof kValues / sizeof kValues[0]; ++i) {
        if (i > 0 && !NextPrintLine(&print))
            return;
        PrintAt(&print, 0, kValues[i].label);
        ItemText(dialog, kValues[i].field, text, sizeof text);
        PrintAt(&print, third, text);
    }

    // The chart from line 18 to two thirds of the page, its band labels
    // under it and the notes further down.
    RECT chart = {0, (print.line + 4) * print.lineHeight, print.pageWidth, print.pageHeight * 2 / 3};
    int below = print.line * print.lineHeight;
    if (chart.top < chart.bottom) {
        DrawOctaveChart(print.dc, chart, levels, 60.0, 6);
        PrintBandLabels(print.dc, chart, 6, print.lineHeight);
        below = chart.bottom;
    }
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    PrintNotesFrom(&print, below + 6 * print.lineHeight, notes);
    EndTextPrintout(&print, "");
}

void AttenuationFileCommand(HWND dialog, int command)
{
    CalculatorFileCommand(dialog, command, kFiles);
}

void DropAttenuationFile(HWND dialog, HDROP drop)
{
    char path[MAX_PATH];
    if (TakeDroppedFile(drop, ".spi", path, sizeof path) && LoadCalculatorFile(dialog, path, kFiles))
        DrawAttenuationChart(dialog, nullptr);
}
