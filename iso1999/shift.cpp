#include "iso1999/shift.h"

#include "iso1999/view_text.h"

const double kAudiogramFractile[kAudiogramFractiles] = {0.05, 0.20, 0.35, 0.50, 0.65, 0.80, 0.95};

ShiftState InitialShiftState()
{
    ShiftState state;
    state.record.years = 35.0;
    state.record.level = 90.0;
    state.record.age = 60.0;
    state.record.sex = 1;
    state.record.frequency = 0;
    state.record.fractile = 0.0;
    state.quantity = kQuantityHtlan;
    state.damageTable = kDamageTableNew;
    state.sexButton = 4500;
    return state;
}

ShiftState g_shiftState = InitialShiftState();
ShiftState g_shiftChoices = g_shiftState;

int ShiftQuantityForCommand(int command)
{
    switch (command) {
    case 1050: return kQuantityNipts;
    case 1055: return kQuantityHtla;
    default: return kQuantityHtlan;
    }
}

const char* ShiftQuantityLongName(int quantity)
{
    switch (quantity) {
    case kQuantityNipts: return "Noise Induced Permanent Threshold Shift";
    case kQuantityHtla: return "Hearing Threshold Level associated with Age";
    default: return "Hearing Threshold Level associated with Age and Noise";
    }
}

const char* ShiftQuantityTitle(int quantity)
{
    switch (quantity) {
    case kQuantityNipts: return " NIPTS - Noise Induced Permanent Threshold Shift";
    case kQuantityHtla: return " HTLA - Hearing Threshold Level associated with Age";
    default: return " HTLAN - Hearing Threshold Level associated with Age and Noise";
    }
}

double ShiftFractile(int row)
{
    return 0.05 * (row + 1);
}

double DamageThreshold(int damageTable)
{
    return damageTable == kDamageTableBiological ? 6.0 : 11.0;
}

// The six values of one fractile, as EvaluateQuantity gives them.
static void ValuesAt(const ShiftState& state, double fractile, double values[kEarFrequencies])
{
    Iso1999Input record = state.record;
    for (int f = 0; f < kEarFrequencies; ++f)
        values[f] = EvaluateQuantity(state.quantity, &record, fractile, kEarFrequencyHz[f]);
}

void ComputeShiftTable(const ShiftState& state, ShiftTable* table)
{
    table->withDamage = state.quantity != kQuantityNipts;
    double threshold = DamageThreshold(state.damageTable);
    for (int i = 0; i < kShiftFractiles; ++i) {
        ShiftRow& row = table->rows[i];
        row.fractile = ShiftFractile(i);
        ValuesAt(state, row.fractile, row.values);
        row.damage = 0.0;
        row.marked = false;
        if (table->withDamage) {
            EarLosses ear;
            for (int f = 0; f < kEarFrequencies; ++f)
                ear.db[f] = row.values[f];
            row.damage = ComputeEarDamage(ear, (DamageTableId)state.damageTable);
            row.marked = row.damage >= threshold;
        }
    }
}

void ComputeShiftAudiogram(const ShiftState& state,
                           double values[kAudiogramFractiles][kEarFrequencies])
{
    for (int i = 0; i < kAudiogramFractiles; ++i)
        ValuesAt(state, kAudiogramFractile[i], values[i]);
}

// The exposure part of the texts, for every quantity but HTLA.
static void AppendExposure(const ShiftState& state, char* out, size_t capacity)
{
    if (state.quantity != kQuantityHtla) {
        AppendText(out, capacity, " Anni di esposizione: ");
        AppendNumber(out, capacity, "%3.0f", state.record.years);
        AppendText(out, capacity, "   Leq: ");
        AppendNumber(out, capacity, "%4.1f", state.record.level);
        AppendText(out, capacity, " dBA");
    }
}

void FormatShiftParameters(const ShiftState& state, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    out[0] = '\0';
    AppendExposure(state, out, capacity);
    if (state.quantity != kQuantityNipts) {
        AppendText(out, capacity, "   Età: ");
        AppendNumber(out, capacity, "%3.0f", state.record.age);
        AppendText(out, capacity, "  Sesso: ");
        AppendText(out, capacity, SexLetter(state.record.sex));
        AppendText(out, capacity, "   Tabella: ");
        AppendText(out, capacity, DamageTableName((DamageTableId)state.damageTable));
    }
}

void FormatShiftChartTitle(const ShiftState& state, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    out[0] = '\0';
    switch (state.quantity) {
    case kQuantityNipts: AppendText(out, capacity, " NIPTS - "); break;
    case kQuantityHtla: AppendText(out, capacity, " HTLA - "); break;
    default: AppendText(out, capacity, " HTLAN - "); break;
    }
    AppendExposure(state, out, capacity);
    if (state.quantity != kQuantityNipts) {
        AppendText(out, capacity, "   Età: ");
        AppendNumber(out, capacity, "%3.0f", state.record.age);
        AppendText(out, capacity, "   Sesso: ");
        AppendText(out, capacity, SexLetter(state.record.sex));
    }
}
