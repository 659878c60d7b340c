#include "protectors/selection.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "protectors/correction.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"

ProtectorSelection g_protectorSelection = StartSelection();

ProtectorSelection StartSelection()
{
    ProtectorSelection selection = {};
    selection.answer1 = 1;
    selection.answer2 = 1;
    selection.method = kMethodNone;
    selection.actionLevel = 85.0;
    return selection;
}

bool IsNamedMethod(int method)
{
    return ProtectionMethodInfoOf(method) != nullptr;
}

double ActionLevelChoice(double level)
{
    return level == 80.0 || level == 90.0 ? level : 85.0;
}

double FileLevel(double value)
{
    // "%5.1f" of 99999.95 and above no longer fits the fields' 7 characters.
    return std::isfinite(value) && std::fabs(value) < 99999.9 ? value : 0.0;
}

RecommendedTypes RecommendedProtectors(int answer1, int answer2)
{
    RecommendedTypes types;
    types.earmuffs = answer1 == 0;
    types.coveredCushions = answer1 != 0;
    types.bandedPlugs = answer1 == 0;
    types.disposablePlugs = answer2 == 0;
    return types;
}

unsigned EnabledMethods(bool hasLaeq, bool hasLceq, bool hasSpectrum)
{
    const unsigned all = 1u << kMethodCorrectedSnr | 1u << kMethodSnr | 1u << kMethodHmlCheck |
                         1u << kMethodHml | 1u << kMethodOctaveBand;
    unsigned enabled = hasSpectrum ? all : 0;
    if (hasLaeq)
        enabled |= 1u << kMethodCorrectedSnr | 1u << kMethodHmlCheck;
    if (hasLceq)
        enabled |= 1u << kMethodSnr;
    if (hasLaeq && hasLceq)
        enabled |= 1u << kMethodHml;
    return enabled;
}

namespace {

double Shown(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// A printout text of a format and its numbers (never "inf" or "nan").
template <typename... Numbers>
std::string Format(const char* format, Numbers... values)
{
    char text[160];
    snprintf(text, sizeof text, format, Shown(values)...);
    return text;
}

const char kBandHeader[] = "    125 Hz   250 Hz   500 Hz   1 kHz    2 kHz    4 kHz    8 kHz";

std::string BandLine(const double levels[kOctaveBands])
{
    std::string line = "   ";
    for (int k = 0; k < kOctaveBands; ++k)
        line += Format(k == 0 ? " %4.1f dB" : "  %4.1f dB", levels[k]);
    return line;
}

std::string HmlLine(const ProtectorSelection& s)
{
    return Format("    H = %4.1f dB   M = %4.1f dB   L = %4.1f dB", s.h, s.m, s.l);
}

// The rows of a list whose items are printed only when they hold.
void AddWhen(std::vector<std::string>* lines, std::initializer_list<std::pair<bool, const char*>> items)
{
    for (const auto& item : items)
        if (item.first)
            lines->push_back(item.second);
}

}  // namespace

std::vector<std::string> SelectionPrintLines(const ProtectorSelection& s)
{
    std::vector<std::string> lines;
    lines.push_back("Scelta dell'otoprotettore (DPI)");
    lines.push_back(std::string("Il lavoro si svolge in condizioni ambientali sfavorevoli? ") +
                    (s.answer1 == 1 ? "SI" : "NO"));
    lines.push_back(
        std::string("Il lavoro si svolge con esposizione ripetitiva a rumori di breve durata? ") +
        (s.answer2 == 1 ? "SI" : "NO"));
    lines.push_back("Tipologie consigliate di otoprotettore:");
    RecommendedTypes types = RecommendedProtectors(s.answer1, s.answer2);
    AddWhen(&lines, {{types.coveredCushions, "    Cuffie con cuscinetti ricoperti o imbottiti"},
                     {types.earmuffs, "    Cuffie"},
                     {types.bandedPlugs, "    Inserti con archetto"},
                     {types.disposablePlugs, "    Inserti monouso"}});
    lines.push_back("Informazioni disponibili sul rumore:");
    AddWhen(&lines, {{s.hasLaeq != 0, "    Livello equivalente pesato A."},
                     {s.hasLceq != 0, "    Livello equivalente pesato C."},
                     {s.hasSpectrum != 0, "    Spettro di frequenza in banda d'ottava."}});
    const ProtectionMethodInfo* info = ProtectionMethodInfoOf(s.method);
    lines.push_back(std::string("Metodo di calcolo utilizzato: ") + (info ? info->printedName : ""));
    lines.push_back("Caratteristiche del rumore:");
    switch (s.method) {
    case kMethodCorrectedSnr:
        lines.push_back(Format("    Laeq = %4.1f dBA", s.laeq));
        break;
    case kMethodSnr:
        lines.push_back(Format("    Lceq = %4.1f dBC", s.lceq));
        break;
    case kMethodHmlCheck:
        lines.push_back(Format("    Laeq = %4.1f dBA  Classe di rumore ", s.laeq) +
                        (s.classL ? "L" : "HM"));
        break;
    case kMethodHml:
        lines.push_back(Format("    Laeq = %4.1f dBA  Lceq = %4.1f dBC", s.laeq, s.lceq));
        break;
    case kMethodOctaveBand:
        lines.push_back(kBandHeader);
        lines.push_back(BandLine(s.noise));
        break;
    }
    lines.push_back("Caratteristiche del DPI:");
    switch (s.method) {
    case kMethodCorrectedSnr:
    case kMethodSnr:
        lines.push_back(Format("    SNR = %4.1f dB", s.snr));
        break;
    case kMethodHmlCheck:
    case kMethodHml:
        lines.push_back(HmlLine(s));
        break;
    case kMethodOctaveBand:
        lines.push_back(kBandHeader);
        lines.push_back(BandLine(s.attenuation));
        break;
    }
    lines.push_back("Il livello di pressione sonora equivalente ");
    lines.push_back("risultante all'orecchio del lavoratore è pari a:");
    lines.push_back(Format("%4.1f dBA", s.effectiveLevel));
    for (const std::string& line : CorrectionPrintLines(s))
        lines.push_back(line);
    lines.push_back(Format("Il livello d'azione è: %4.1f dBA", s.actionLevel));
    lines.push_back(std::string("La protezione offerta dal DPI è da ritenersi ") +
                    ProtectionVerdict(JudgedLevelOf(s).level, s.actionLevel));
    return lines;
}
