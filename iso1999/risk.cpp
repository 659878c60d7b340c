#include "iso1999/risk.h"

#include "damage/damage_tables.h"
#include "framework/report_text.h"
#include "iso1999/view_text.h"

static const RiskCriterionTexts kCriterionTexts[kRiskCriteria] = {
    {"ISO 1999/90", "ISO 1999/90: ((1kHz + 2kHz + 4kHz) / 3) > 27", "ISO 1999/90", "ISO 1999/90"},
    {"ISO 1999/75", "ISO 1999/75: ((0.5kHz + 1kHz + 2kHz) / 3) > 25", "ISO 1999/75", "ISO 1999/75"},
    {"OTREM Nuova Tabella", "OTREM Nuova Tabella: Danno > 11%", "OTREM Nuova Tabella",
     "OTREM N. Tab."},
    {"OTREM Vecchia Tabella", "OTREM Vecchia Tabella: Danno > 11%", "OTREM Vecchia Tabella",
     "OTREM V. Tab."},
    {"Danno biologico indennizzabile", "Danno biologico >= 6%", "Danno biologico indennizzabile",
     "Danno biologico indennizzabile"},
    {"Danno biologico minimo", "Danno biologico >= 1%", "Danno biologico minimo",
     "Danno biologico minimo"},
    {"Danno biologico zero", "Danno biologico > 0%", "Danno biologico maggiore di zero",
     "Danno biologico maggiore di zero"},
    {"Danno biologico medio", "Danno biologico medio > 25 dB", "Danno biologico medio > 25 dB",
     "Danno biologico medio > 25 dB"},
};

const char* const kRiskShareLabels[3] = {
    "% della popolazione non esposta che supera la soglia di rischio:",
    "% della popolazione esposta che supera la soglia di rischio:",
    "% di popolazione a rischio causato all'esposizione a rumore:",
};

const RiskCriterionTexts& RiskCriterionTextsOf(int criterion)
{
    int index = criterion - kCriterionIso1999_90;
    if (index < 0 || index >= kRiskCriteria)
        index = 0;
    return kCriterionTexts[index];
}

static double Damage(const double thresholds[6], DamageTableId table)
{
    EarLosses ear;
    for (int i = 0; i < kEarFrequencies; ++i)
        ear.db[i] = thresholds[i];
    return ComputeEarDamage(ear, table);
}

// thresholds: [0] 500, [1] 1000, [2] 2000, [3] 3000, [4] 4000, [5] 6000 Hz.
static bool CriterionMet(int criterion, const double t[6])
{
    switch (criterion) {
    case kCriterionIso1999_90: return (t[1] + t[4] + t[2]) * 0.3333333333333333 > 27.0;
    case kCriterionIso1999_75: return (t[1] + t[2] + t[0]) * 0.3333333333333333 > 25.0;
    case kCriterionOtremNew: return Damage(t, kDamageTableNew) >= 11.0;
    case kCriterionOtremOld: return Damage(t, kDamageTableOld) >= 11.0;
    case kCriterionBiological6: return Damage(t, kDamageTableBiological) >= 6.0;
    case kCriterionBiological1: return Damage(t, kDamageTableBiological) >= 1.0;
    case kCriterionBiologicalAny: return Damage(t, kDamageTableBiological) > 0.0;
    case kCriterionBiologicalMean:
        return (t[3] + t[1] + t[4] + t[2] + t[0]) * 0.2 > 25.0;
    default: return false;
    }
}

double TestCriterion(double fractile, int criterion, const double thresholds[6])
{
    return CriterionMet(criterion, thresholds) ? fractile : 0.0;
}

// The fractile-free parts of both groups at the six frequencies, so that a
// scan of 91 fractiles takes no logarithm.
struct GroupTerms {
    NiptsTerms nipts[kEarFrequencies];
    HtlaTerms htla[kEarFrequencies];
};

static void TermsOf(const Iso1999Input& record, GroupTerms* terms)
{
    Iso1999Input copy = record;
    for (int i = 0; i < kEarFrequencies; ++i) {
        copy.frequency = kEarFrequencyHz[i];
        terms->nipts[i] = NiptsTermsOf(copy);
        terms->htla[i] = HtlaTermsOf(copy);
    }
}

// HTLA and HTLAN at one fractile, as EvaluateQuantity gives them.
static void ThresholdsAt(const GroupTerms& terms, double fractile, double htla[6], double htlan[6])
{
    for (int i = 0; i < kEarFrequencies; ++i) {
        htla[i] = HtlaAt(terms.htla[i], fractile);
        htlan[i] = CombineHtlan(NiptsAt(terms.nipts[i], fractile), htla[i]);
    }
}

RiskShares ScanRisk(const Iso1999Input& record, int criterion)
{
    GroupTerms terms;
    TermsOf(record, &terms);
    RiskShares shares = {0.0, 0.0};
    double htla[6], htlan[6];
    int points = 0;
    for (double q = 0.05001; q < 0.959 && points < kRiskScanPoints; q += 0.01, ++points) {
        ThresholdsAt(terms, q, htla, htlan);
        double met = TestCriterion(q, criterion, htla);
        if (met > shares.nonExposed)
            shares.nonExposed = met;
        met = TestCriterion(q, criterion, htlan);
        if (met > shares.exposed)
            shares.exposed = met;
    }
    return shares;
}

RiskPercentages RiskPercentagesOf(const RiskShares& shares)
{
    RiskPercentages p;
    p.nonExposed = shares.nonExposed * 100.0;
    p.exposed = shares.exposed * 100.0;
    p.noise = (shares.exposed - shares.nonExposed) * 100.0;
    return p;
}

bool RiskCriterionInDecibels(int criterion)
{
    return criterion == kCriterionIso1999_90 || criterion == kCriterionIso1999_75 ||
           criterion == kCriterionBiologicalMean;
}

double RiskCriterionQuantity(int criterion, const double t[6])
{
    switch (criterion) {
    case kCriterionIso1999_90: return (t[1] + t[4] + t[2]) / 3.0;
    case kCriterionIso1999_75: return (t[1] + t[2] + t[0]) / 3.0;
    case kCriterionBiologicalMean: return (t[3] + t[1] + t[4] + t[2] + t[0]) / 5.0;
    case kCriterionOtremNew: return Damage(t, kDamageTableNew);
    case kCriterionOtremOld: return Damage(t, kDamageTableOld);
    case kCriterionBiological6:
    case kCriterionBiological1:
    case kCriterionBiologicalAny: return Damage(t, kDamageTableBiological);
    default: return 0.0;
    }
}

double RiskCriterionLine(int criterion)
{
    switch (criterion) {
    case kCriterionIso1999_90: return 27.0;
    case kCriterionIso1999_75: return 25.0;
    case kCriterionOtremNew:
    case kCriterionOtremOld: return 11.0;
    case kCriterionBiological6: return 6.0;
    case kCriterionBiological1: return 1.0;
    case kCriterionBiologicalMean: return 25.0;
    default: return 0.0;
    }
}

void ComputeRiskCurves(const Iso1999Input& record, int criterion, RiskCurves* curves)
{
    GroupTerms terms;
    TermsOf(record, &terms);
    double htla[6], htlan[6];
    double q = 0.05001;
    for (int i = 0; i < kRiskScanPoints; ++i, q += 0.01) {
        ThresholdsAt(terms, q, htla, htlan);
        curves->fractile[i] = q;
        curves->nonExposed[i] = RiskCriterionQuantity(criterion, htla);
        curves->exposed[i] = RiskCriterionQuantity(criterion, htlan);
    }
}

RiskSegment ComputeRiskSegment(const Iso1999Input& record, int criterion)
{
    RiskShares shares = ScanRisk(record, criterion);
    RiskSegment segment = {false, 0, 0, 0.0};
    if (!(shares.exposed > 0.0))
        return segment;
    GroupTerms terms;
    TermsOf(record, &terms);
    double htla[6], htlan[6];
    ThresholdsAt(terms, shares.exposed, htla, htlan);
    segment.shown = true;
    segment.fromPercent = (int)(shares.nonExposed * 100.0);
    segment.toPercent = (int)(shares.exposed * 100.0);
    segment.value = RiskCriterionQuantity(criterion, htlan);
    return segment;
}

RiskState InitialRiskState()
{
    RiskState state;
    state.record.years = 35.0;
    state.record.level = 90.0;
    state.record.age = 60.0;
    state.record.sex = 1;
    state.record.frequency = 0;
    state.record.fractile = 0.0;
    state.criterion = kCriterionIso1999_90;
    state.sexButton = 4500;
    return state;
}

RiskState g_riskState = InitialRiskState();
RiskState g_riskChoices = g_riskState;

void FormatRiskParameters(const RiskState& state, bool shortName, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    out[0] = '\0';
    const RiskCriterionTexts& texts = RiskCriterionTextsOf(state.criterion);
    AppendText(out, capacity, " Esposizione: ");
    AppendNumber(out, capacity, "%4.1f", state.record.level);
    AppendText(out, capacity, " dBA per ");
    AppendNumber(out, capacity, "%3.0f", state.record.years);
    AppendText(out, capacity, " anni   Età: ");
    AppendNumber(out, capacity, "%3.0f", state.record.age);
    AppendText(out, capacity, "  Sesso: ");
    AppendText(out, capacity, SexLetter(state.record.sex));
    AppendText(out, capacity, "   Criterio: ");
    AppendText(out, capacity, shortName ? texts.shortName : texts.longName);
}

void FormatRiskChartTitle(const RiskState& state, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    const char* prefix;
    if (RiskCriterionInDecibels(state.criterion))
        prefix = "Perdite (dB) - ";
    else if (state.criterion == kCriterionOtremNew || state.criterion == kCriterionOtremOld)
        prefix = "Danno OTREM (%) - ";
    else
        prefix = "Danno biologico (%) - ";
    char parameters[256];
    FormatRiskParameters(state, true, parameters, sizeof parameters);
    out[0] = '\0';
    AppendText(out, capacity, prefix);
    AppendText(out, capacity, parameters);
}

void BuildRiskReportOf(const RiskState& state, char* buffer, size_t capacity,
                       const char* separator)
{
    ReportText report;
    ReportBegin(&report, buffer, capacity, separator);

    ReportAppend(&report, "Rischio di danno (in %) dovuto all'esposizione al rumore");
    ReportSeparators(&report, 3);
    ReportEndLine(&report);

    ReportAppend(&report, "Esposizione:");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%4.1f", state.record.level);
    ReportAppend(&report, " dBA per ");
    ReportNumber(&report, "%3.0f", state.record.years);
    ReportAppend(&report, " anni");
    ReportEndLine(&report);

    ReportAppend(&report, "Età:");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%3.0f", state.record.age);
    ReportEndLine(&report);

    ReportAppend(&report, "Sesso:");
    ReportSeparators(&report, 3);
    ReportAppend(&report, SexLetter(state.record.sex));
    ReportEndLine(&report);

    ReportAppend(&report, "Criterio:");
    ReportSeparators(&report, 3);
    ReportAppend(&report, RiskCriterionTextsOf(state.criterion).longName);
    ReportEndLine(&report);

    RiskPercentages p = RiskPercentagesOf(ScanRisk(state.record, state.criterion));
    const double values[3] = {p.nonExposed, p.exposed, p.noise};
    for (int i = 0; i < 3; ++i) {
        ReportAppend(&report, kRiskShareLabels[i]);
        ReportSeparators(&report, 3);
        ReportNumber(&report, "%5.1f", values[i]);
        ReportEndLine(&report);
    }
}

void BuildRiskReport(char* buffer, const char* separator)
{
    BuildRiskReportOf(g_riskState, buffer, kReportTextSize, separator);
}
