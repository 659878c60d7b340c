#pragma once
// Predictions calculator: NIPTS at one frequency and fractile against the
// years of exposure (2 .. 40) and the level (the starting level Ls + 0 .. 12).

#include <cstddef>

#include "iso1999/model.h"

enum {
    kPredictionTimes = 20,      // t = 2, 4, ... 40 years: table rows, loss-time points
    kPredictionLevels = 7,      // Ls + 0, 2, ... 12: table columns, loss-time curves
    kPredictionLevelSteps = 13, // Ls + 0, 1, ... 12: loss-level points
    kPredictionDurations = 7    // t = 5, 10, ... 35 years: loss-level curves
};

// The predictions calculator's remembered inputs. record.level is the
// starting level Ls; frequency and fractile are the user's choice.
struct PredictionState {
    Iso1999Input record;
    int fractileChoice;   // position in the fractile list "5" .. "95"
    int frequencyChoice;  // position in the frequency list "500" .. "6000"
};

// Ls 88, 4000 Hz, fractile 0.10 (positions 1 and 4).
PredictionState InitialPredictionState();

// The inputs confirmed by the last successful "&Ok": what the views show,
// copy, export and print.
extern PredictionState g_predictionState;

// What the dialog shows when it opens: the confirmed inputs with the choices
// made since in a dialog that ended without a successful "&Ok".
extern PredictionState g_predictionChoices;

// NIPTS after the given years at Ls + levelStep.
double PredictionNipts(const PredictionState& state, double years, double levelStep);

// The table and the loss-versus-time chart: values[i][j] at t = 2 (i + 1)
// years and Ls + 2 j.
void ComputePredictionTable(const PredictionState& state,
                            double values[kPredictionTimes][kPredictionLevels]);

// The loss-versus-level chart: values[k][i] at t = 5 (k + 1) years and Ls + i.
void ComputeLossVersusLevel(const PredictionState& state,
                            double values[kPredictionDurations][kPredictionLevelSteps]);

// Appends " q(%): 10  Frequenza: 4000 Hz  Livelli da   88 dBA" to text.
void FormatPredictionParameters(const PredictionState& state, char* text, size_t capacity);

// The table text producer of the predictions views (4096-byte block, list
// separator), from g_predictionState.
void BuildPredictionReport(char* buffer, const char* separator);

// The same text from the given state into a block of the given capacity.
void BuildPredictionReportOf(const PredictionState& state, char* buffer, size_t capacity,
                             const char* separator);
