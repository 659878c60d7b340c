#include "iso1999/predictions.h"

#include "iso1999/view_text.h"

PredictionState InitialPredictionState()
{
    PredictionState state;
    state.record.years = 0.0;
    state.record.level = 88.0;
    state.record.age = 0.0;
    state.record.sex = 1;
    state.record.frequency = 4000;
    state.record.fractile = 0.10;
    state.fractileChoice = 1;
    state.frequencyChoice = 4;
    return state;
}

PredictionState g_predictionState = InitialPredictionState();
PredictionState g_predictionChoices = g_predictionState;

double PredictionNipts(const PredictionState& state, double years, double levelStep)
{
    Iso1999Input record = state.record;
    record.years = years;
    record.level = state.record.level + levelStep;
    return ComputeNipts(record);
}

void ComputePredictionTable(const PredictionState& state,
                            double values[kPredictionTimes][kPredictionLevels])
{
    for (int i = 0; i < kPredictionTimes; ++i)
        for (int j = 0; j < kPredictionLevels; ++j)
            values[i][j] = PredictionNipts(state, 2.0 * (i + 1), 2.0 * j);
}

void ComputeLossVersusLevel(const PredictionState& state,
                            double values[kPredictionDurations][kPredictionLevelSteps])
{
    for (int k = 0; k < kPredictionDurations; ++k)
        for (int i = 0; i < kPredictionLevelSteps; ++i)
            values[k][i] = PredictionNipts(state, 5.0 * (k + 1), (double)i);
}

void FormatPredictionParameters(const PredictionState& state, char* text, size_t capacity)
{
    AppendText(text, capacity, " q(%): ");
    AppendNumber(text, capacity, "%2.0f", state.record.fractile * 100.0);
    AppendText(text, capacity, "  Frequenza: ");
    AppendInteger(text, capacity, state.record.frequency);
    AppendText(text, capacity, " Hz  Livelli da ");
    AppendNumber(text, capacity, "%4.0f", state.record.level);
    AppendText(text, capacity, " dBA");
}
