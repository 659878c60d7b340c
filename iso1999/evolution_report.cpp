#include "framework/report_text.h"
#include "iso1999/evolution.h"
#include "iso1999/view_text.h"

void BuildEvolutionReportOf(const EvolutionState& state, char* buffer, size_t capacity,
                            const char* separator)
{
    ReportText report;
    ReportBegin(&report, buffer, capacity, separator);
    const double percent = state.record.fractile * 100.0;

    ReportAppend(&report, "Danno (%)");
    ReportSeparators(&report, 4);
    ReportEndLine(&report);

    ReportAppend(&report, " Frattile:");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%3.0f", percent);
    ReportAppend(&report, " %");
    ReportSeparators(&report, 1);
    ReportEndLine(&report);

    ReportAppend(&report, "Leq: ");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%4.1f", state.record.level);
    ReportSeparators(&report, 1);
    ReportAppend(&report, " dBA");
    ReportEndLine(&report);

    ReportAppend(&report, "Età di inizio:");
    ReportSeparators(&report, 3);
    ReportNumber(&report, "%3.0f", state.record.age);
    ReportSeparators(&report, 1);
    ReportEndLine(&report);

    ReportAppend(&report, "Sesso:");
    ReportSeparators(&report, 3);
    ReportAppend(&report, SexLetter(state.record.sex));
    ReportSeparators(&report, 1);
    ReportEndLine(&report);

    ReportAppend(&report, "   Tabella: ");
    ReportAppend(&report, DamageTableName((DamageTableId)state.damageTable));
    ReportSeparators(&report, 4);
    ReportEndLine(&report);

    ReportAppend(&report, "Anni");
    ReportSeparators(&report, 1);
    ReportAppend(&report, "5 %");
    ReportSeparators(&report, 1);
    ReportAppend(&report, "50 %");
    ReportSeparators(&report, 1);
    ReportAppend(&report, "95 %");
    ReportSeparators(&report, 1);
    ReportNumber(&report, "%2.0f", percent);
    ReportAppend(&report, " %");
    ReportEndLine(&report);

    double values[kEvolutionTimes][kEvolutionCurves];
    int rows = ComputeEvolutionTable(state, values);
    for (int i = 0; i < rows; ++i) {
        ReportNumber(&report, "%2.0f", 2.0 * (i + 1));
        for (int c = 0; c < kEvolutionCurves; ++c) {
            ReportSeparators(&report, 1);
            ReportNumber(&report, "%4.1f", values[i][c]);
        }
        if (!ReportEndLine(&report))
            break;
    }
}

void BuildEvolutionReport(char* buffer, const char* separator)
{
    BuildEvolutionReportOf(g_evolutionState, buffer, kReportTextSize, separator);
}
