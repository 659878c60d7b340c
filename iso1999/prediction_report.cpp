#include "framework/report_text.h"
#include "iso1999/predictions.h"
#include "iso1999/view_text.h"

void BuildPredictionReportOf(const PredictionState& state, char* buffer, size_t capacity,
                             const char* separator)
{
    ReportText report;
    ReportBegin(&report, buffer, capacity, separator);
    const double ls = state.record.level;

    ReportAppend(&report, " NIPTS - Noise Induced Permanent Threshold Shift");
    ReportSeparators(&report, 7);
    ReportEndLine(&report);

    ReportAppend(&report, " q(%): ");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%2.0f", state.record.fractile * 100.0);
    ReportSeparators(&report, 4);
    ReportEndLine(&report);

    ReportAppend(&report, "  Frequenza: ");
    ReportSeparators(&report, 3);
    char frequency[32] = "";
    AppendInteger(frequency, sizeof frequency, state.record.frequency);
    AppendText(frequency, sizeof frequency, " Hz");
    ReportAppend(&report, frequency);
    ReportSeparators(&report, 4);
    ReportEndLine(&report);

    ReportAppend(&report, "  Livelli da ");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%4.0f", ls);
    ReportSeparators(&report, 1);
    ReportAppend(&report, " dBA");
    ReportSeparators(&report, 3);
    ReportEndLine(&report);

    ReportAppend(&report, "Anni");
    for (int j = 0; j < kPredictionLevels; ++j) {
        ReportSeparators(&report, 1);
        ReportNumber(&report, "%4.0f", ls + 2.0 * j);
    }
    ReportEndLine(&report);

    double values[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(state, values);
    for (int i = 0; i < kPredictionTimes; ++i) {
        ReportNumber(&report, "%2.0f", 2.0 * (i + 1));
        for (int j = 0; j < kPredictionLevels; ++j) {
            ReportSeparators(&report, 1);
            ReportNumber(&report, "%4.1f", values[i][j]);
        }
        if (!ReportEndLine(&report))
            break;
    }
}

void BuildPredictionReport(char* buffer, const char* separator)
{
    BuildPredictionReportOf(g_predictionState, buffer, kReportTextSize, separator);
}
