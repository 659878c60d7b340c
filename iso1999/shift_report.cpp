#include "framework/report_text.h"
#include "iso1999/shift.h"
#include "iso1999/view_text.h"

static const char* const kFrequencyHeaders[kEarFrequencies] = {
    "500 Hz", "1000 Hz", "2000 Hz", "3000 Hz", "4000 Hz", "6000 Hz",
};

// A label in the first column, its value in the fourth, then count empty
// columns.
static void LabelLine(ReportText* report, const char* label, const char* format, double value,
                      int trailing)
{
    ReportAppend(report, label);
    ReportSeparators(report, 3);
    ReportNumber(report, format, value);
    ReportSeparators(report, trailing);
    ReportEndLine(report);
}

void BuildShiftReportOf(const ShiftState& state, char* buffer, size_t capacity,
                        const char* separator)
{
    ReportText report;
    ReportBegin(&report, buffer, capacity, separator);
    bool nipts = state.quantity == kQuantityNipts;
    bool htla = state.quantity == kQuantityHtla;

    ReportAppend(&report, ShiftQuantityTitle(state.quantity) + 1);  // without its leading blank
    ReportSeparators(&report, 7);
    ReportEndLine(&report);

    if (!htla) {
        LabelLine(&report, "Anni di esposizione:", "%3.0f", state.record.years, 4);
        ReportAppend(&report, "Leq:");
        ReportSeparators(&report, 3);
        ReportNumber(&report, "%4.1f", state.record.level);
        ReportSeparators(&report, 1);
        ReportAppend(&report, " dBA");
        ReportSeparators(&report, 4);
        ReportEndLine(&report);
    }
    if (!nipts) {
        LabelLine(&report, "Età:", "%3.0f", state.record.age, 4);
        ReportAppend(&report, "Sesso:");
        ReportSeparators(&report, 3);
        ReportAppend(&report, SexLetter(state.record.sex));
        ReportSeparators(&report, 4);
        ReportEndLine(&report);
        ReportAppend(&report, "Tabella: ");
        ReportAppend(&report, DamageTableName((DamageTableId)state.damageTable));
        ReportSeparators(&report, 7);
        ReportEndLine(&report);
    }

    ReportAppend(&report, "q (%)");
    for (int f = 0; f < kEarFrequencies; ++f) {
        ReportSeparators(&report, 1);
        ReportAppend(&report, kFrequencyHeaders[f]);
    }
    ReportSeparators(&report, 1);
    if (!nipts)
        ReportAppend(&report, "Danno (%)");
    ReportEndLine(&report);

    ShiftTable table;
    ComputeShiftTable(state, &table);
    for (int i = 0; i < kShiftFractiles; ++i) {
        const ShiftRow& row = table.rows[i];
        ReportNumber(&report, "%2.0f", row.fractile * 100.0);
        for (int f = 0; f < kEarFrequencies; ++f) {
            ReportSeparators(&report, 1);
            ReportNumber(&report, "%4.1f", row.values[f]);
        }
        ReportSeparators(&report, 1);
        if (table.withDamage) {
            ReportNumber(&report, "%4.1f", row.damage);
            if (row.marked) {
                ReportSeparators(&report, 1);
                ReportAppend(&report, " *");
            }
        }
        if (!ReportEndLine(&report))
            break;
    }
}

void BuildShiftReport(char* buffer, const char* separator)
{
    BuildShiftReportOf(g_shiftState, buffer, kReportTextSize, separator);
}
