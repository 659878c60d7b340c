#include "iso1999/prediction_dialog.h"

#include "framework/calculator_dialog.h"
#include "iso1999/dialog_fields.h"
#include "iso1999/predictions.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_ISO_FRACTILE, "Valore del frattile della popolazione"},
    {IDC_ISO_FREQUENCY, "Frequenza di interesse"},
    {IDC_ISO_LEVEL, "Livello di esposizione di partenza del calcolo"},
    {IDC_STATUS_BAR, "Visualizza il tipo di previsione effettuato"},
    {IDOK, "Conferma i dati ed esegue il calcolo"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDCANCEL, "Chiude la finestra senza eseguire il calcolo"},
};

const DWORD kPage = 696;

const HelpTopic kHelpTopics[] = {
    {IDC_ISO_LEVEL, ControlTopic(IDC_ISO_LEVEL, kPage)},
    {IDM_CALC_HELP, ControlTopic(IDM_CALC_HELP, kPage)},
    {IDC_ISO_FRACTILE, ControlTopic(IDC_ISO_FRACTILE, kPage)},
    {IDC_ISO_FREQUENCY, ControlTopic(IDC_ISO_FREQUENCY, kPage)},
    {IDC_STATUS_BAR, ControlTopic(IDC_ISO_FREQUENCY, 676)},
    {0, 0},
};

const int kFractiles[] = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95};
const int kFrequencies[] = {500, 1000, 2000, 3000, 4000, 6000};

// The checks of "&Ok": the fractile and the frequency, chosen from lists,
// are taken first and kept even when the level then fails.
bool AcceptInputs(HWND dialog)
{
    PredictionState& state = g_predictionChoices;
    int fractile = ChosenPosition(dialog, IDC_ISO_FRACTILE);
    if (fractile >= 0) {
        state.fractileChoice = fractile;
        state.record.fractile = ChosenNumber(dialog, IDC_ISO_FRACTILE) * 0.01;
    }
    int frequency = ChosenPosition(dialog, IDC_ISO_FREQUENCY);
    if (frequency >= 0) {
        state.frequencyChoice = frequency;
        state.record.frequency = ChosenNumber(dialog, IDC_ISO_FREQUENCY);
    }
    double level = ReadFieldNumber(dialog, IDC_ISO_LEVEL);
    // Below 0 (a pasted minus sign) is as wrong as 0.
    if (level <= 0.0 || level > 88.0)
        return RefuseField(dialog, "Errore nell'inserimento dei dati!", "Livello di esposizione",
                           IDC_ISO_LEVEL);
    state.record.level = level;
    return true;
}

void Prepare(HWND dialog)
{
    const PredictionState& state = g_predictionChoices;
    CreateDialogStatusBar(dialog, "Perdite dovute alla sola esposizione professionale");
    FillNumberList(dialog, IDC_ISO_FRACTILE, kFractiles, sizeof kFractiles / sizeof kFractiles[0],
                   state.fractileChoice);
    FillNumberList(dialog, IDC_ISO_FREQUENCY, kFrequencies, sizeof kFrequencies / sizeof kFrequencies[0],
                   state.frequencyChoice);
    ShowFieldNumber(dialog, IDC_ISO_LEVEL, state.record.level);
}

void OnCommand(HWND dialog, int id, int)
{
    if (id == IDOK && AcceptInputs(dialog))
        EndConfirmed(dialog, &g_predictionState, g_predictionChoices);
}

const Calculator kPredictionCalculator = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, 100200, "PREV.HLP",
    nullptr,                                                           // no notes
    nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // no data file
    Prepare, nullptr, nullptr, nullptr, OnCommand, nullptr, nullptr,
};

}  // namespace

INT_PTR CALLBACK PredictionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kPredictionCalculator, dialog, message, wParam, lParam);
}
