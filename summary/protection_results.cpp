// The protector selection ".dpi": the record as the wizard loads it, and the
// effective level as the chosen method's page computes it when "Avanti" is
// pressed on it, from the page's fields.

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "framework/number_text.h"
#include "protectors/methods.h"
#include "protectors/selection.h"
#include "protectors/verdict.h"
#include "spectra/attenuation.h"
#include "spectra/weighting.h"
#include "summary/file_reading.h"

namespace {

double Level(const ProfileText& file, const char* section, const char* key)
{
    return FileLevel(FieldNumber(FieldText(file, section, key)));
}

// A record value shown in a method page's field by its format and read back
// as the page's check reads it (7 characters: digits, "." and blanks only);
// false when the check refuses it.
bool PageValue(double value, const char* format, double* out)
{
    char text[16];
    FormatNumber(text, sizeof text, format, value);
    text[7] = '\0';
    if (!text[0])
        return false;
    for (const char* c = text; *c; ++c)
        if (!((*c >= '0' && *c <= '9') || *c == '.' || *c == ' '))
            return false;
    *out = LeadingNumber(text);
    return true;
}

bool NoZero(std::initializer_list<double> values)
{
    for (double value : values)
        if (value == 0.0)
            return false;  // "Inserire valori numerici!"
    return true;
}

// The effective level of the record's method; false when the page refuses
// its fields. assessed is false for an HML check that cannot judge.
bool MethodLevel(const ProtectorSelection& s, double* le, bool* assessed)
{
    *assessed = true;
    double laeq, lceq, snr, h, m, l;
    switch (s.method) {
    case kMethodSnr:
        if (!PageValue(s.lceq, "%5.1f", &lceq) || !PageValue(s.snr, "%4.1f", &snr) || !NoZero({snr, lceq}))
            return false;
        *le = SnrMethod(lceq, snr);
        return true;
    case kMethodCorrectedSnr:
        if (!PageValue(s.laeq, "%.1f", &laeq) || !PageValue(s.snr, "%4.1f", &snr) || !NoZero({snr, laeq}))
            return false;
        *le = CorrectedSnrMethod(laeq, snr);
        return true;
    case kMethodOctaveBand: {
        double noise[kOctaveBands], attenuation[kOctaveBands];
        for (int k = 0; k < kOctaveBands; ++k)
            if (!PageValue(s.noise[k], "%4.1f", &noise[k]) || !PageValue(s.attenuation[k], "%4.1f", &attenuation[k]))
                return false;
        for (int k = 0; k < kOctaveBands; ++k)
            if (!NoZero({attenuation[k], noise[k]}))
                return false;
        *le = OctaveBandMethod(noise, attenuation);
        return true;
    }
    case kMethodHml:
        if (!PageValue(s.laeq, "%5.1f", &laeq) || !PageValue(s.lceq, "%5.1f", &lceq) ||
            !PageValue(s.h, "%4.1f", &h) || !PageValue(s.m, "%4.1f", &m) || !PageValue(s.l, "%4.1f", &l) ||
            !NoZero({h, m, l, laeq, lceq}))
            return false;
        *le = HmlMethod(laeq, lceq, h, m, l);
        return true;
    case kMethodHmlCheck: {
        if (!PageValue(s.laeq, "%5.1f", &laeq) || !PageValue(s.h, "%4.1f", &h) || !PageValue(s.m, "%4.1f", &m) ||
            !PageValue(s.l, "%4.1f", &l) || !NoZero({h, m, l, laeq}))
            return false;
        HmlCheckResult result = HmlCheckMethod(laeq, s.classL != 0, h, m, l);
        *le = result.le;
        *assessed = result.assessed;
        return true;
    }
    }
    return false;
}

}  // namespace

void SummariseSelection(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    ProtectorSelection s = StartSelection();
    s.actionLevel = ActionLevelChoice(Level(file, "SETTINGS", "LACT"));
    for (int k = 0; k < kOctaveBands; ++k) {
        s.noise[k] = Level(file, "NOISE", OctaveBandTable[k].key);
        s.attenuation[k] = Level(file, "ATT", OctaveBandTable[k].key);
    }
    s.h = Level(file, "ATT", "H");
    s.m = Level(file, "ATT", "M");
    s.l = Level(file, "ATT", "L");
    s.snr = Level(file, "ATT", "SNR");
    s.laeq = Level(file, "NOISE", "A");
    s.lceq = Level(file, "NOISE", "C");
    s.classL = file.Int("NOISE", "CLASSE", 0) != 0 ? 1 : 0;
    int method = file.Int("SETTINGS", "METODO", 0);
    s.method = IsNamedMethod(method) ? method : kMethodNone;

    summary->quantity = "Livello protetto (dBA)";
    const ProtectionMethodInfo* info = ProtectionMethodInfoOf(s.method);
    if (!info) {
        summary->details = "Nessun metodo scelto";
    } else {
        double le = 0.0;
        bool assessed = true;
        if (!MethodLevel(s, &le, &assessed)) {
            summary->status = kSummaryInvalidValues;
            return;
        }
        summary->value = ShownNumber("%4.1f", le);
        summary->details = std::string(info->pageTitle) + ", " +
                           (assessed ? ProtectionVerdict(le, s.actionLevel) : "protezione non valutabile");
        AddResult(results, "SETTINGS", "LIVEFF", ShownNumber("%5.1f", le));
    }

    // What the wizard takes from the ".spr" and ".spi" files of the same
    // noise and protector: inputs here, made from the bands for the samples.
    double snr = 0.0;
    ComputeSnr(s.attenuation, &snr);
    HmlValues hml = ComputeHml(s.attenuation);
    AddResult(results, "NOISE", "A", ShownNumber("%5.1f", AWeightedLevel(s.noise)), false);
    AddResult(results, "NOISE", "C", ShownNumber("%5.1f", CWeightedLevel(s.noise)), false);
    AddResult(results, "ATT", "H", ShownNumber("%4.1f", hml.h), false);
    AddResult(results, "ATT", "M", ShownNumber("%4.1f", hml.m), false);
    AddResult(results, "ATT", "L", ShownNumber("%4.1f", hml.l), false);
    AddResult(results, "ATT", "SNR", ShownNumber("%4.1f", snr), false);
}
