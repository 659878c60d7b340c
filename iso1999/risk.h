#pragma once
// Risk of hearing damage: the largest population fractile whose hearing
// threshold meets a damage criterion, without noise (HTLA) and with it
// (HTLAN), scanned from 5 % to 95 % in steps of 1 %.

#include <cstddef>

#include "iso1999/model.h"

// The damage criterion: 4750 + its position in the dialog's combo box.
enum RiskCriterion {
    kCriterionIso1999_90 = 4750,      // mean of 1, 2, 4 kHz > 27 dB
    kCriterionIso1999_75 = 4751,      // mean of 0.5, 1, 2 kHz > 25 dB
    kCriterionOtremNew = 4752,        // new-table damage >= 11 %
    kCriterionOtremOld = 4753,        // old-table damage >= 11 %
    kCriterionBiological6 = 4754,     // biological damage >= 6 %
    kCriterionBiological1 = 4755,     // biological damage >= 1 %
    kCriterionBiologicalAny = 4756,   // biological damage > 0 %
    kCriterionBiologicalMean = 4757   // mean of 0.5 .. 4 kHz > 25 dB
};

enum {
    kRiskCriteria = 8,
    kRiskScanPoints = 91  // 5 % .. 95 %
};

// The texts of a criterion: combo box, status bar, long name (table view and
// report), short name (chart title).
struct RiskCriterionTexts {
    const char* comboText;
    const char* statusText;
    const char* longName;
    const char* shortName;
};

// An unknown criterion gives the texts of 4750.
const RiskCriterionTexts& RiskCriterionTextsOf(int criterion);

// The fractile when the six thresholds (dB at 500, 1000, 2000, 3000, 4000,
// 6000 Hz) meet the criterion, else 0. An unknown criterion is never met.
double TestCriterion(double fractile, int criterion, const double thresholds[6]);

// The largest scanned fractile (0.05001 .. 0.95001) at which each group meets
// the criterion, 0 when it never does.
struct RiskShares {
    double nonExposed;  // HTLA
    double exposed;     // HTLAN
};
RiskShares ScanRisk(const Iso1999Input& record, int criterion);

// The three percentages shown: non-exposed, exposed and the difference due
// to the noise, each share times 100.
struct RiskPercentages {
    double nonExposed;
    double exposed;
    double noise;
};
RiskPercentages RiskPercentagesOf(const RiskShares& shares);

// True for the criteria drawn on the dB chart (4750, 4751, 4757); the others
// are drawn on the damage chart.
bool RiskCriterionInDecibels(int criterion);

// The quantity a criterion looks at, as the chart draws it: the mean of its
// frequencies in dB, or the damage percentage with its table.
double RiskCriterionQuantity(int criterion, const double thresholds[6]);

// The value of the chart's criterion line: 27 or 25 dB, 11, 6, 1 or 0 %.
double RiskCriterionLine(int criterion);

// The curves of the chart: at each scanned fractile, the criterion quantity
// of the non-exposed (HTLA) and the exposed (HTLAN) group.
struct RiskCurves {
    double fractile[kRiskScanPoints];
    double nonExposed[kRiskScanPoints];
    double exposed[kRiskScanPoints];
};
void ComputeRiskCurves(const Iso1999Input& record, int criterion, RiskCurves* curves);

// The "rischio" segment: shown when the exposed share is above 0, from the
// non-exposed to the exposed percentage (whole percents, truncated), at the
// exposed group's criterion quantity at the exposed share.
struct RiskSegment {
    bool shown;
    int fromPercent;
    int toPercent;
    double value;
};
RiskSegment ComputeRiskSegment(const Iso1999Input& record, int criterion);

// The risk calculator's remembered inputs.
struct RiskState {
    Iso1999Input record;  // years, level, age, sex
    int criterion;        // RiskCriterion
    int sexButton;        // 4500 male, 4501 female
};

// Years 35, level 90, age 60, male, criterion 4750.
RiskState InitialRiskState();

// The inputs confirmed by the last successful "&Ok": what the views show,
// copy, export and print.
extern RiskState g_riskState;

// What the dialog shows when it opens: the confirmed inputs with the choices
// made since in a dialog that ended without a successful "&Ok".
extern RiskState g_riskChoices;

// " Esposizione: 90.0 dBA per  35 anni   Età:  60  Sesso: M   Criterio: "
// followed by the long name (table view) or the short name (chart title).
void FormatRiskParameters(const RiskState& state, bool shortName, char* out, size_t capacity);

// The chart title: "Perdite (dB) - ", "Danno OTREM (%) - " or
// "Danno biologico (%) - " followed by the parameters with the short name.
void FormatRiskChartTitle(const RiskState& state, char* out, size_t capacity);

// The three lines of the table view and the report, in order.
extern const char* const kRiskShareLabels[3];

// The table text producer of the risk views (4096-byte block, list
// separator), from g_riskState.
void BuildRiskReport(char* buffer, const char* separator);

// The same text from the given state into a block of the given capacity.
void BuildRiskReportOf(const RiskState& state, char* buffer, size_t capacity,
                       const char* separator);
