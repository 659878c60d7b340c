#include "iso1999/evolution.h"

#include "iso1999/view_text.h"

EvolutionState InitialEvolutionState()
{
    EvolutionState state;
    state.record.years = 0.0;
    state.record.level = 90.0;
    state.record.age = 18.0;
    state.record.sex = 1;
    state.record.frequency = 0;
    state.record.fractile = 0.15;
    state.fractileChoice = 1;
    state.damageTable = kDamageTableNew;
    state.sexButton = 4500;
    return state;
}

EvolutionState g_evolutionState = InitialEvolutionState();
EvolutionState g_evolutionChoices = g_evolutionState;

double EvolutionCurveFractile(const EvolutionState& state, int curve)
{
    switch (curve) {
    case 0: return 0.05;
    case 1: return 0.50;
    case 2: return 0.95;
    default: return state.record.fractile;
    }
}

double EvolutionDamage(const EvolutionState& state, double years, double fractile)
{
    Iso1999Input record = state.record;
    record.years = years;
    record.age = state.record.age + years;
    record.fractile = fractile;
    EarLosses ear;
    for (int f = 0; f < kEarFrequencies; ++f) {
        record.frequency = kEarFrequencyHz[f];
        ear.db[f] = ComputeHtlan(record);
    }
    return ComputeEarDamage(ear, (DamageTableId)state.damageTable);
}

int EvolutionRowCount(const EvolutionState& state)
{
    int rows = 0;
    while (rows < kEvolutionTimes && state.record.age + 2.0 * (rows + 1) <= kEvolutionLastAge)
        ++rows;
    return rows;
}

int ComputeEvolutionTable(const EvolutionState& state,
                          double values[kEvolutionTimes][kEvolutionCurves])
{
    int rows = EvolutionRowCount(state);
    for (int i = 0; i < rows; ++i)
        for (int c = 0; c < kEvolutionCurves; ++c)
            values[i][c] = EvolutionDamage(state, 2.0 * (i + 1), EvolutionCurveFractile(state, c));
    return rows;
}

void FormatEvolutionTitle(const EvolutionState& state, char* text, size_t capacity)
{
    if (!text || capacity == 0)
        return;
    text[0] = '\0';
    AppendText(text, capacity, " Danno (%) -  Frattile: ");
    AppendNumber(text, capacity, "%3.0f", state.record.fractile * 100.0);
    AppendText(text, capacity, " %   Leq: ");
    AppendNumber(text, capacity, "%4.1f", state.record.level);
    AppendText(text, capacity, " dBA   Età di inizio: ");
    AppendNumber(text, capacity, "%3.0f", state.record.age);
    AppendText(text, capacity, "  Sesso: ");
    AppendText(text, capacity, SexLetter(state.record.sex));
    AppendText(text, capacity, "   Tabella: ");
    AppendText(text, capacity, DamageTableName((DamageTableId)state.damageTable));
}
