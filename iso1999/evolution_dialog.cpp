#include "iso1999/evolution_dialog.h"

#include "framework/calculator_dialog.h"
#include "iso1999/dialog_fields.h"
#include "iso1999/evolution.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_ISO_FRACTILE, "Valore del frattile della popolazione"},
    {IDC_ISO_LEVEL, "Livello di esposizione di calcolo"},
    {IDC_ISO_AGE, "Età in cui inizia l'esposizione a rumore"},
    {IDC_ISO_TABLE_NEW, "Seleziona la tabella di calcolo del 1994"},
    {IDC_ISO_TABLE_OLD, "Seleziona la tabella di calcolo del 1991"},
    {IDC_ISO_TABLE_BIO, "Seleziona la tabella di calcolo del 2000 (danno biologico)"},
    {IDC_ISO_SEX_MALE, "Selezionare per riferire il calcolo agli uomini"},
    {IDC_ISO_SEX_FEMALE, "Selezionare per riferire il calcolo alle donne"},
    {IDC_STATUS_BAR, "Visualizza il tipo di previsione effettuato"},
    {IDOK, "Conferma i dati ed esegue il calcolo"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDCANCEL, "Chiude la finestra senza eseguire il calcolo"},
};

const DWORD kPage = 612;

const HelpTopic kHelpTopics[] = {
    {IDC_ISO_LEVEL, ControlTopic(IDC_ISO_LEVEL, kPage)},
    {IDC_ISO_AGE, ControlTopic(IDC_ISO_AGE, kPage)},
    {IDC_ISO_SEX_MALE, ControlTopic(IDC_ISO_SEX_MALE, kPage)},
    {IDC_ISO_SEX_FEMALE, ControlTopic(IDC_ISO_SEX_FEMALE, kPage)},
    {IDM_CALC_HELP, ControlTopic(IDM_CALC_HELP, kPage)},
    {IDC_ISO_TABLE_NEW, ControlTopic(IDC_ISO_TABLE_NEW, kPage)},
    {IDC_ISO_TABLE_OLD, ControlTopic(IDC_ISO_TABLE_OLD, kPage)},
    {IDC_ISO_TABLE_BIO, ControlTopic(IDC_ISO_TABLE_BIO, kPage)},
    {IDC_ISO_FRACTILE, ControlTopic(IDC_ISO_FRACTILE, kPage)},
    {IDC_STATUS_BAR, ControlTopic(IDC_ISO_FRACTILE, 615)},
    {0, 0},
};

const int kFractiles[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90};

const char kInvalid[] = "Errore! Dati non validi";

// The checks of "&Ok": the list position is kept even when a later check
// fails; the level, the starting age, the fractile and the sex only when
// all pass.
bool AcceptInputs(HWND dialog)
{
    EvolutionState& state = g_evolutionChoices;
    int position = ChosenPosition(dialog, IDC_ISO_FRACTILE);
    if (position >= 0)
        state.fractileChoice = position;
    int percent = position >= 0 ? ChosenNumber(dialog, IDC_ISO_FRACTILE)
                                : (int)(state.record.fractile * 100.0 + 0.5);
    double level = ReadFieldNumber(dialog, IDC_ISO_LEVEL);
    // Below 0 (a pasted minus sign) is as wrong as 0.
    if (level <= 0.0 || level > 100.0)
        return RefuseField(dialog, kInvalid, "Livello di esposizione.", IDC_ISO_LEVEL);
    double startAge = ReadFieldNumber(dialog, IDC_ISO_AGE);
    if (startAge < 18.0 || startAge > 68.0)
        return RefuseField(dialog, kInvalid, "Età di inizio esposizione.", IDC_ISO_AGE);
    state.record.level = level;
    state.record.age = startAge;
    state.record.fractile = percent * 0.01;
    state.record.sex = state.sexButton == IDC_ISO_SEX_MALE ? 1 : 2;
    return true;
}

void Prepare(HWND dialog)
{
    const EvolutionState& state = g_evolutionChoices;
    CreateDialogStatusBar(dialog, "Evoluzione del danno causato dall'età e dal rumore");
    CheckRadioButton(dialog, IDC_ISO_TABLE_NEW, IDC_ISO_TABLE_BIO, state.damageTable);
    CheckRadioButton(dialog, IDC_ISO_SEX_MALE, IDC_ISO_SEX_FEMALE, state.sexButton);
    FillNumberList(dialog, IDC_ISO_FRACTILE, kFractiles, sizeof kFractiles / sizeof kFractiles[0],
                   state.fractileChoice);
    ShowFieldNumber(dialog, IDC_ISO_LEVEL, state.record.level);
    ShowFieldNumber(dialog, IDC_ISO_AGE, state.record.age);
}

void OnCommand(HWND dialog, int id, int)
{
    EvolutionState& state = g_evolutionChoices;
    switch (id) {
    case IDC_ISO_TABLE_NEW:
    case IDC_ISO_TABLE_OLD:
    case IDC_ISO_TABLE_BIO:
        state.damageTable = id;
        break;
    case IDC_ISO_SEX_MALE:
    case IDC_ISO_SEX_FEMALE:
        state.sexButton = id;
        break;
    case IDOK:
        if (AcceptInputs(dialog))
            EndConfirmed(dialog, &g_evolutionState, g_evolutionChoices);
        break;
    }
}

const Calculator kEvolutionCalculator = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, 100205, "EVOL.HLP",
    nullptr,                                                           // no notes
    nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // no data file
    Prepare, nullptr, nullptr, nullptr, OnCommand, nullptr, nullptr,
};

}  // namespace

INT_PTR CALLBACK EvolutionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kEvolutionCalculator, dialog, message, wParam, lParam);
}
