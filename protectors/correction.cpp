#include "protectors/correction.h"

#include <cstdio>
#include <cstring>

#include "framework/number_text.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"

namespace {

struct CorrectionText {
    const char* name;
    const char* key;
};
const CorrectionText kCorrections[kCorrectionCount] = {
    {"Nessuna correzione", ""},
    {"Fattore beta UNI 9432", "UNI9432"},
    {"4 dB HSE (Regno Unito)", "HSE"},
    {"Praxisabschlag KS DGUV", "DGUV"},
};

const CorrectionText kKinds[kKindCount] = {
    {"", ""},
    {"Cuffie", "CUFFIE"},
    {"Inserti espandibili", "ESPANDIBILI"},
    {"Inserti preformati", "PREFORMATI"},
    {"Inserti con archetto", "ARCHETTO"},
    {"Otoplastiche con verifica", "OTOPLASTICHE"},
};

// One row a correction and type, in the order of each source.
struct DeratingRow {
    int correction;
    int kind;
    Derating derating;
};
const DeratingRow kDeratings[] = {
    {kCorrectionNone, kKindNone, {1.0, 0.0}},
    {kCorrectionUniBeta, kKindEarmuffs, {0.75, 0.0}},
    {kCorrectionUniBeta, kKindFoamPlugs, {0.5, 0.0}},
    {kCorrectionUniBeta, kKindPremouldedPlugs, {0.3, 0.0}},
    {kCorrectionHse, kKindNone, {1.0, 4.0}},
    {kCorrectionDguv, kKindFoamPlugs, {1.0, 9.0}},
    {kCorrectionDguv, kKindPremouldedPlugs, {1.0, 5.0}},
    {kCorrectionDguv, kKindBandedPlugs, {1.0, 5.0}},
    {kCorrectionDguv, kKindEarmuffs, {1.0, 5.0}},
    {kCorrectionDguv, kKindCustomMoulded, {1.0, 3.0}},
};

double Derated(const Derating& d, double attenuation)
{
    return d.factor * attenuation - d.decibels;
}

std::string Level(const char* format, double value)
{
    char text[64];
    FormatNumber(text, sizeof text, format, value);
    return text;
}

}  // namespace

const char* CorrectionName(int correction)
{
    return correction >= 0 && correction < kCorrectionCount ? kCorrections[correction].name : nullptr;
}

const char* CorrectionKey(int correction)
{
    return correction >= 0 && correction < kCorrectionCount ? kCorrections[correction].key : nullptr;
}

const char* ProtectorKindName(int kind)
{
    return kind >= 0 && kind < kKindCount ? kKinds[kind].name : nullptr;
}

const char* ProtectorKindKey(int kind)
{
    return kind >= 0 && kind < kKindCount ? kKinds[kind].key : nullptr;
}

std::vector<int> CorrectionKinds(int correction)
{
    std::vector<int> kinds;
    for (const DeratingRow& row : kDeratings)
        if (row.correction == correction && row.kind != kKindNone)
            kinds.push_back(row.kind);
    return kinds;
}

bool FindDerating(int correction, int kind, Derating* derating)
{
    for (const DeratingRow& row : kDeratings)
        if (row.correction == correction && row.kind == kind) {
            *derating = row.derating;
            return true;
        }
    return false;
}

bool CorrectedLevel(const ProtectorSelection& s, const Derating& d, double* level)
{
    switch (s.method) {
    case kMethodSnr:
        *level = SnrMethod(s.lceq, Derated(d, s.snr));
        return true;
    case kMethodCorrectedSnr:
        *level = CorrectedSnrMethod(s.laeq, Derated(d, s.snr));
        return true;
    case kMethodOctaveBand: {
        double attenuation[kOctaveBands];
        for (int k = 0; k < kOctaveBands; ++k)
            attenuation[k] = Derated(d, s.attenuation[k]);
        *level = OctaveBandMethod(s.noise, attenuation);
        return true;
    }
    case kMethodHml:
        *level = HmlMethod(s.laeq, s.lceq, Derated(d, s.h), Derated(d, s.m), Derated(d, s.l));
        return true;
    case kMethodHmlCheck: {
        // The laboratory check chose the value (L, M or H) the level is
        // taken with; the derating does not choose again.
        double chosen = HmlCheckAttenuation(s.laeq, s.classL != 0, s.h, s.m, s.l);
        *level = RoundLevel(s.laeq - Derated(d, chosen));
        return true;
    }
    }
    return false;
}

JudgedLevel JudgedLevelOf(const ProtectorSelection& s)
{
    JudgedLevel judged = {s.effectiveLevel, s.effectiveLevel, false, false};
    Derating derating;
    if (s.correction == kCorrectionNone || !FindDerating(s.correction, s.protectorKind, &derating))
        return judged;
    judged.corrected = CorrectedLevel(s, derating, &judged.level);
    judged.notApplied = !judged.corrected;
    return judged;
}

std::string CorrectionLabel(const ProtectorSelection& s)
{
    const char* name = CorrectionName(s.correction);
    std::string label = name ? name : "";
    const char* kind = ProtectorKindName(s.protectorKind);
    if (kind && kind[0])
        label += std::string(", ") + kind;
    return label;
}

void BuildResultsText(const ProtectorSelection& s, char* out, size_t capacity)
{
    JudgedLevel judged = JudgedLevelOf(s);
    if (!judged.corrected) {
        BuildVerdictText(s.effectiveLevel, s.actionLevel, out, capacity);
        if (judged.notApplied) {
            size_t used = strnlen(out, capacity);
            snprintf(out + used, capacity - used, "\r\nCorrezione non applicata: nessun metodo di calcolo.");
        }
        return;
    }
    std::string text =
        "Con l'otoprotettore scelto, il livello di pressione sonora equivalente risultante all'orecchio del "
        "lavoratore è pari a " + Level("%4.1f", judged.laboratory) + " dBA con l'attenuazione di laboratorio."
        "\r\nCon la correzione " + CorrectionLabel(s) + " è pari a " + Level("%4.1f", judged.level) +
        " dBA.\r\nIl livello d'azione è " + Level("%4.1f", s.actionLevel) +
        " dBA.\r\nLa protezione offerta dal DPI è da ritenersi " + ProtectionVerdict(judged.level, s.actionLevel);
    if (capacity)
        snprintf(out, capacity, "%s", text.c_str());
}

std::vector<std::string> CorrectionPrintLines(const ProtectorSelection& s)
{
    JudgedLevel judged = JudgedLevelOf(s);
    if (judged.notApplied)
        return {"Correzione non applicata: nessun metodo di calcolo."};
    if (!judged.corrected)
        return {};
    return {"Correzione per l'uso reale: " + CorrectionLabel(s),
            "Livello corretto: " + Level("%4.1f", judged.level) + " dBA"};
}
