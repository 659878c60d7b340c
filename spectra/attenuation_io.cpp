#include "spectra/attenuation_io.h"

#include "framework/data_file.h"
#include "framework/field_keys.h"
#include "framework/report_controls.h"
#include "resources/resource.h"
#include "spectra/band_fields.h"

namespace {

// H, M, L and SNR with their fields, in the order of the file.
const FieldKey kValueKeys[] = {
    {kFrameSection, "H", IDC_SPI_H},
    {kFrameSection, "M", IDC_SPI_M},
    {kFrameSection, "L", IDC_SPI_L},
    {kFrameSection, "SNR", IDC_SPI_SNR},
};
const size_t kValueCount = sizeof kValueKeys / sizeof kValueKeys[0];

}  // namespace

void SaveAttenuationKeys(HWND dialog, const char* path)
{
    SaveFieldKeys(dialog, path, kValueKeys, kValueCount);
    SaveBandKeys(dialog, path);
}

void LoadAttenuationKeys(HWND dialog, const char* path)
{
    LoadFieldKeys(dialog, path, kValueKeys, kValueCount);
    LoadBandKeys(dialog, path);
}

void BuildAttenuationReport(HWND dialog, ReportText* report)
{
    ReportBands(report, dialog, "Spettro di attenuazione", "Attenuazione (dB):");
    ReportValueLine(report, "Attenuazione H (dB):", dialog, IDC_SPI_H);
    ReportValueLine(report, "Attenuazione M (dB):", dialog, IDC_SPI_M);
    ReportValueLine(report, "Attenuazione L (dB):", dialog, IDC_SPI_L);
    ReportValueLine(report, "Attenuazione SNR (dB):", dialog, IDC_SPI_SNR);
    ReportNotes(report, dialog);
}

void PrintAttenuation(HWND dialog)
{
    static const PrintedField kValues[] = {
        {"Valore di attenuazione H (dB): ", IDC_SPI_H},
        {"Valore di attenuazione M (dB): ", IDC_SPI_M},
        {"Valore di attenuazione L (dB): ", IDC_SPI_L},
        {"Valore di attenuazione SNR (dB): ", IDC_SPI_SNR},
    };
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Spettro DPI", 500))
        return;
    double levels[kOctaveBands];
    if (!PrintBands(&print, dialog, "Spettro del DPI", "Attenuazione del DPI (dB):", levels) ||
        !PrintFields(&print, dialog, kValues, 4, print.pageWidth * 2 / 3))
        return;
    EndBandPrintout(&print, dialog, levels, 60.0, 6);
}
