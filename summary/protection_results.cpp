// The protector selection ".dpi": the record as the wizard loads it, the
// effective level as the chosen method's page computes it when "Avanti" is
// pressed on it, from the page's fields, and the level judged on the
// results page (corrected for real use when the file names a correction).

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <strings.h>
#include <vector>

#include "framework/number_text.h"
#include "protectors/correction.h"
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

// The effective level of the record's method as its page computes it; the
// page's values go into the record as "Avanti" puts them there. False when
// the page refuses its fields. assessed is false for an HML check that
// cannot judge.
bool MethodLevel(ProtectorSelection& s, double* le, bool* assessed)
{
    *assessed = true;
    switch (s.method) {
    case kMethodSnr:
        if (!PageValue(s.lceq, "%5.1f", &s.lceq) || !PageValue(s.snr, "%4.1f", &s.snr) || !NoZero({s.snr, s.lceq}))
            return false;
        *le = SnrMethod(s.lceq, s.snr);
        return true;
    case kMethodCorrectedSnr:
        if (!PageValue(s.laeq, "%.1f", &s.laeq) || !PageValue(s.snr, "%4.1f", &s.snr) || !NoZero({s.snr, s.laeq}))
            return false;
        *le = CorrectedSnrMethod(s.laeq, s.snr);
        return true;
    case kMethodOctaveBand:
        for (int k = 0; k < kOctaveBands; ++k)
            if (!PageValue(s.noise[k], "%4.1f", &s.noise[k]) ||
                !PageValue(s.attenuation[k], "%4.1f", &s.attenuation[k]))
                return false;
        for (int k = 0; k < kOctaveBands; ++k)
            if (!NoZero({s.attenuation[k], s.noise[k]}))
                return false;
        *le = OctaveBandMethod(s.noise, s.attenuation);
        return true;
    case kMethodHml:
        if (!PageValue(s.laeq, "%5.1f", &s.laeq) || !PageValue(s.lceq, "%5.1f", &s.lceq) ||
            !PageValue(s.h, "%4.1f", &s.h) || !PageValue(s.m, "%4.1f", &s.m) || !PageValue(s.l, "%4.1f", &s.l) ||
            !NoZero({s.h, s.m, s.l, s.laeq, s.lceq}))
            return false;
        *le = HmlMethod(s.laeq, s.lceq, s.h, s.m, s.l);
        return true;
    case kMethodHmlCheck: {
        if (!PageValue(s.laeq, "%5.1f", &s.laeq) || !PageValue(s.h, "%4.1f", &s.h) ||
            !PageValue(s.m, "%4.1f", &s.m) || !PageValue(s.l, "%4.1f", &s.l) || !NoZero({s.h, s.m, s.l, s.laeq}))
            return false;
        HmlCheckResult result = HmlCheckMethod(s.laeq, s.classL != 0, s.h, s.m, s.l);
        *le = result.le;
        *assessed = result.assessed;
        return true;
    }
    }
    return false;
}

// "METODO" as the loader takes it: the whole text a number of int range,
// else 0.
int MethodNumber(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    long number = strtol(text.c_str(), &end, 10);
    bool whole = end != text.c_str() && *end == '\0' && errno == 0;
    return whole && number >= INT_MIN && number <= INT_MAX ? (int)number : 0;
}

int KeyIndex(const std::string& text, const char* (*key)(int), int count)
{
    for (int i = 1; i < count; ++i)
        if (strcasecmp(text.c_str(), key(i)) == 0)
            return i;
    return -1;
}

// The correction as the loader takes it: one it does not know, or a type
// its source does not list, is none.
void ReadCorrection(const ProfileText& file, ProtectorSelection* s)
{
    std::string name = file.Value("SETTINGS", "CORREZIONE", 32);
    if (name.empty())
        return;
    std::string kind = file.Value("SETTINGS", "TIPODPI", 32);
    int correction = KeyIndex(name, CorrectionKey, kCorrectionCount);
    int protectorKind = kind.empty() ? kKindNone : KeyIndex(kind, ProtectorKindKey, kKindCount);
    Derating derating;
    if (correction >= 0 && protectorKind >= 0 && FindDerating(correction, protectorKind, &derating)) {
        s->correction = correction;
        s->protectorKind = protectorKind;
    }
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
    s.method = MethodNumber(file.Value("SETTINGS", "METODO", 16));
    ReadCorrection(file, &s);

    summary->quantity = "Livello protetto (dBA)";
    const ProtectionMethodInfo* info = ProtectionMethodInfoOf(s.method);
    if (!info) {
        summary->details = "Nessun metodo scelto";
    } else {
        bool assessed = true;
        ProtectorSelection page = s;
        if (!MethodLevel(page, &page.effectiveLevel, &assessed)) {
            summary->status = kSummaryInvalidValues;
            return;
        }
        // The verdict is given on the corrected level when a correction
        // applies, as on the results page.
        JudgedLevel judged = JudgedLevelOf(page);
        summary->value = ShownNumber("%4.1f", judged.level);
        summary->details = info->pageTitle;
        if (judged.corrected)
            summary->details += ", " + CorrectionLabel(page);
        summary->details +=
            std::string(", ") + (assessed ? ProtectionVerdict(judged.level, s.actionLevel) : "protezione non valutabile");
        AddResult(results, "SETTINGS", "LIVEFF", ShownNumber("%5.1f", page.effectiveLevel));
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
