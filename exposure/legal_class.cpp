#include "exposure/legal_class.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Art. 189, c. 1: lower action, upper action, limit.
const double kExposureThresholds[3] = {80.0, 85.0, 87.0};
const double kPeakThresholds[3] = {135.0, 137.0, 140.0};

// The level as a "%.1f" field shows it, so that the class agrees with the
// number on screen and on paper.
double AsShown(double level)
{
    char text[64];
    snprintf(text, sizeof text, "%.1f", level);
    return strtod(text, nullptr);
}

ExposureClass ClassOf(double level, const double* thresholds)
{
    if (!std::isfinite(level))
        return kClassNone;
    const double shown = AsShown(level);
    int c = kClassBelowAction;
    for (int i = 0; i < 3; ++i)
        if (shown >= thresholds[i])
            c = i + 1;
    return static_cast<ExposureClass>(c);
}

struct ObligationRule {
    ClassObligation line;
    int threshold;    // 0 always, 1 lower action, 2 upper action, 3 limit
    bool above;       // the decree says "above" the value, not "equal or above"
    int replacedBy;   // the rule that supersedes this one, or -1
};

// D.Lgs. 81/2008, Titolo VIII, Capo II (artt. 181, 190, 192-196).
const ObligationRule kRules[] = {
    {{"art. 181, c. 2; art. 190",
      "Valutazione del rischio rumore, ripetuta almeno ogni quattro anni"},
     0, false, -1},
    {{"art. 192, c. 1", "Eliminazione dei rischi alla fonte o riduzione al minimo"}, 0, false, -1},
    {{"art. 195", "Informazione e formazione dei lavoratori sui rischi del rumore"},
     1, false, -1},
    {{"art. 193, c. 1, lett. a)",
      "Dispositivi di protezione dell'udito messi a disposizione dei lavoratori"},
     1, true, 4},
    {{"art. 193, c. 1, lett. b)",
      "Uso dei dispositivi di protezione dell'udito, che il datore di lavoro esige"},
     2, false, -1},
    {{"art. 196, c. 2",
      "Sorveglianza sanitaria su richiesta del lavoratore, se il medico competente "
      "ne conferma l'opportunità"},
     1, true, 6},
    {{"art. 196, c. 1", "Sorveglianza sanitaria obbligatoria"}, 2, true, -1},
    {{"art. 192, c. 2",
      "Programma di misure tecniche e organizzative per ridurre l'esposizione"},
     2, true, -1},
    {{"art. 192, c. 3", "Segnaletica, delimitazione e accesso limitato delle aree"},
     2, true, -1},
    // The limit value is judged with the attenuation of the protectors worn
    // (art. 193, c. 2): above it unprotected, the duty is conditional.
    {{"art. 194, c. 1",
      "Se anche con i DPI indossati (art. 193, c. 2) il valore limite è superato: misure "
      "immediate per riportare l'esposizione sotto il valore limite, individuandone le cause"},
     3, true, -1},
};
const int kRuleCount = static_cast<int>(sizeof kRules / sizeof kRules[0]);

bool Applies(int rule, double shown, const double* thresholds)
{
    const ObligationRule& r = kRules[rule];
    if (r.threshold == 0)
        return true;
    const double value = thresholds[r.threshold - 1];
    return r.above ? shown > value : shown >= value;
}

}  // namespace

ExposureClass ClassOfExposure(double lex8h) { return ClassOf(lex8h, kExposureThresholds); }

ExposureClass ClassOfPeak(double peakC) { return ClassOf(peakC, kPeakThresholds); }

ExposureClass HigherClass(ExposureClass a, ExposureClass b) { return a > b ? a : b; }

const char* ClassName(ExposureClass c)
{
    switch (c) {
    case kClassBelowAction: return "Inferiore ai valori di azione";
    case kClassLowerAction: return "Valore inferiore di azione";
    case kClassUpperAction: return "Valore superiore di azione";
    case kClassLimit: return "Valore limite di esposizione";
    default: return "Non classificabile";
    }
}

const char* ClassRangeText(ExposureClass c, bool peak)
{
    static const char* const kExposure[4] = {"< 80", "80-85", "85-87", ">= 87"};
    static const char* const kPeak[4] = {"< 135", "135-137", "137-140", ">= 140"};
    if (c < kClassBelowAction || c > kClassLimit)
        return "";
    return peak ? kPeak[c] : kExposure[c];
}

size_t ExposureObligations(double level, bool peak, const ClassObligation** lines,
                           size_t capacity)
{
    if (!std::isfinite(level))
        return 0;
    const double* thresholds = peak ? kPeakThresholds : kExposureThresholds;
    const double shown = AsShown(level);
    size_t count = 0;
    for (int i = 0; i < kRuleCount && count < capacity; ++i) {
        if (!Applies(i, shown, thresholds))
            continue;
        if (kRules[i].replacedBy >= 0 && Applies(kRules[i].replacedBy, shown, thresholds))
            continue;
        lines[count++] = &kRules[i].line;
    }
    return count;
}
