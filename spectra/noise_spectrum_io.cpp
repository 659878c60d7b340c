#include "spectra/noise_spectrum_io.h"

#include "framework/data_file.h"
#include "framework/field_keys.h"
#include "framework/report_controls.h"
#include "resources/resource.h"
#include "spectra/band_fields.h"

namespace {

const FieldKey kLevelKeys[] = {
    {kFrameSection, "LAEQ", IDC_SPECTRUM_LAEQ},
    {kFrameSection, "LCEQ", IDC_SPECTRUM_LCEQ},
};

}  // namespace

void SaveNoiseSpectrumKeys(HWND dialog, const char* path)
{
    SaveFieldKeys(dialog, path, kLevelKeys, 2);
    SaveBandKeys(dialog, path);
}

void LoadNoiseSpectrumKeys(HWND dialog, const char* path)
{
    LoadFieldKeys(dialog, path, kLevelKeys, 2);
    LoadBandKeys(dialog, path);
}

void BuildNoiseSpectrumReport(HWND dialog, ReportText* report)
{
    ReportBands(report, dialog, "Spettro del rumore", "Livello (dB):");
    ReportValueLine(report, "Livello equivalente pesato A (dBA):", dialog, IDC_SPECTRUM_LAEQ);
    ReportValueLine(report, "Livello equivalente pesato C (dBC):", dialog, IDC_SPECTRUM_LCEQ);
    ReportNotes(report, dialog);
}

void PrintNoiseSpectrum(HWND dialog)
{
    static const PrintedField kLevels[] = {
        {"Livello equivalente pesato A (dBA): ", IDC_SPECTRUM_LAEQ},
        {"Livello equivalente pesato C (dBC): ", IDC_SPECTRUM_LCEQ},
    };
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Spettro rumore", 500))
        return;
    double levels[kOctaveBands];
    if (!PrintBands(&print, dialog, "Spettro del rumore", "Livelli sonori non pesati (dBlin):", levels) ||
        !PrintFields(&print, dialog, kLevels, 2, print.pageWidth * 2 / 3))
        return;
    EndBandPrintout(&print, dialog, levels, 140.0, 14);
}
