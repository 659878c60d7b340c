// The spectra: ".spr" (noise, LAeq and LCeq) and ".spi" (protector, SNR and
// H, M, L), read as their calculators load them and computed as they compute.

#include <vector>

#include "spectra/attenuation.h"
#include "spectra/band_table.h"
#include "spectra/weighting.h"
#include "summary/file_reading.h"

namespace {

// The seven bands as the band fields take them: a missing key shows "0", a
// level above the calculator's full scale is refused. False when one is.
bool ReadBands(const ProfileText& file, double fullScale, double bands[kOctaveBands])
{
    for (int k = 0; k < kOctaveBands; ++k) {
        bands[k] = FieldNumber(FieldText(file, "SPECTRUM", OctaveBandTable[k].key));
        if (bands[k] > fullScale)
            return false;  // "Valore troppo elevato."
    }
    return true;
}

}  // namespace

void SummariseNoiseSpectrum(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    double bands[kOctaveBands];
    if (!ReadBands(file, kNoiseFullScale, bands)) {
        summary->status = kSummaryInvalidValues;
        return;
    }
    std::string laeq = ShownNumber("%5.1f", AWeightedLevel(bands));
    std::string lceq = ShownNumber("%5.1f", CWeightedLevel(bands));
    summary->quantity = "LAeq (dBA)";
    summary->value = laeq;
    summary->details = "LCeq " + lceq + " dBC";
    AddResult(results, "FONEXA", "LAEQ", laeq);
    AddResult(results, "FONEXA", "LCEQ", lceq);
}

void SummariseAttenuation(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    double bands[kOctaveBands];
    if (!ReadBands(file, kAttenuationFullScale, bands)) {
        summary->status = kSummaryInvalidValues;
        return;
    }
    summary->quantity = "SNR (dB)";
    double snr = 0.0;
    // The calculator leaves a value it computes as 0 (or an SNR it cannot
    // compute) as it was: that value is not a result of the bands.
    if (ComputeSnr(bands, &snr) && snr != 0.0) {
        summary->value = ShownNumber("%4.1f", snr);
        AddResult(results, "FONEXA", "SNR", summary->value);
    }
    HmlValues hml = ComputeHml(bands);
    const struct {
        const char* key;
        double value;
    } kValues[] = {{"H", hml.h}, {"M", hml.m}, {"L", hml.l}};
    for (const auto& v : kValues) {
        std::string shown = ShownNumber("%4.1f", v.value);
        summary->details += std::string(summary->details.empty() ? "" : " / ") + v.key + " " + shown;
        if (v.value != 0.0)
            AddResult(results, "FONEXA", v.key, shown);
    }
}
