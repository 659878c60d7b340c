#include "iso1999/risk_dialog.h"

#include <initializer_list>

#include "framework/calculator_dialog.h"
#include "iso1999/dialog_fields.h"
#include "iso1999/risk.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_ISO_YEARS, "Numero di anni di esposizione al rumore"},
    {IDC_ISO_LEVEL, "Livello di esposizione di calcolo"},
    {IDC_ISO_AGE, "Età dell'individuo cui si riferisce il calcolo"},
    {IDC_ISO_SEX_MALE, "Selezionare per riferire il calcolo agli uomini"},
    {IDC_ISO_SEX_FEMALE, "Selezionare per riferire il calcolo alle donne"},
    {IDC_RISK_CRITERION, "Sceglie il criterio di danno da utilizzare per il calcolo"},
    {IDC_STATUS_BAR, "Visualizza il criterio di danno selezionato"},
    {IDOK, "Conferma i dati ed esegue il calcolo"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDCANCEL, "Chiude la finestra senza eseguire il calcolo"},
};

const DWORD kPage = 313;

const HelpTopic kHelpTopics[] = {
    {IDC_ISO_YEARS, ControlTopic(IDC_ISO_YEARS, kPage)},
    {IDC_ISO_LEVEL, ControlTopic(IDC_ISO_LEVEL, kPage)},
    {IDC_ISO_AGE, ControlTopic(IDC_ISO_AGE, kPage)},
    {IDC_ISO_SEX_MALE, ControlTopic(IDC_ISO_SEX_MALE, kPage)},
    {IDC_ISO_SEX_FEMALE, ControlTopic(IDC_ISO_SEX_FEMALE, kPage)},
    {IDC_RISK_CRITERION, ControlTopic(IDC_RISK_CRITERION, kPage)},
    {IDM_CALC_HELP, ControlTopic(IDM_CALC_HELP, kPage)},
    {IDC_STATUS_BAR, ControlTopic(IDC_ISO_YEARS, 333)},
    {0, 0},
};

const char kInvalid[] = "Errore! Dati non validi";

void ShowCriterionStatus(HWND dialog, int criterion)
{
    SetDlgItemTextA(dialog, IDC_STATUS_BAR, RiskCriterionTextsOf(criterion).statusText);
}

// The checks of "&Ok". The criterion is taken first and kept even when a
// later check fails; the rest only when every check passes.
bool AcceptInputs(HWND dialog)
{
    RiskState& state = g_riskChoices;
    int position = ChosenPosition(dialog, IDC_RISK_CRITERION);
    if (position < 0)
        return RefuseField(dialog, kInvalid, "Criterio di danno.", IDC_RISK_CRITERION);
    state.criterion = kCriterionIso1999_90 + position;
    double years = ReadFieldNumber(dialog, IDC_ISO_YEARS);
    double level = ReadFieldNumber(dialog, IDC_ISO_LEVEL);
    double age = ReadFieldNumber(dialog, IDC_ISO_AGE);
    // A pasted minus sign passes the character filter: below 0 is as wrong
    // as 0.
    if (years <= 0.0 || years > 40.0)
        return RefuseField(dialog, kInvalid, "Anni di esposizione.", IDC_ISO_YEARS);
    if (level <= 0.0 || level > 100.0)
        return RefuseField(dialog, kInvalid, "Livello di esposizione.", IDC_ISO_LEVEL);
    if (age <= 0.0 || age - years < 18.0)
        return RefuseField(dialog, kInvalid, "Età individuo.", IDC_ISO_AGE);
    state.record.years = years;
    state.record.level = level;
    state.record.age = age;
    state.record.sex = state.sexButton == IDC_ISO_SEX_MALE ? 1 : 2;
    return true;
}

void Prepare(HWND dialog)
{
    const RiskState& state = g_riskChoices;
    CreateDialogStatusBar(dialog, RiskCriterionTextsOf(state.criterion).statusText);
    CheckRadioButton(dialog, IDC_ISO_SEX_MALE, IDC_ISO_SEX_FEMALE, state.sexButton);
    for (int i = 0; i < kRiskCriteria; ++i)
        SendDlgItemMessageA(dialog, IDC_RISK_CRITERION, CB_ADDSTRING, 0,
                            (LPARAM)RiskCriterionTextsOf(kCriterionIso1999_90 + i).comboText);
    SendDlgItemMessageA(dialog, IDC_RISK_CRITERION, CB_SETCURSEL,
                        (WPARAM)(state.criterion - kCriterionIso1999_90), 0);
    ShowFieldNumber(dialog, IDC_ISO_YEARS, state.record.years);
    ShowFieldNumber(dialog, IDC_ISO_LEVEL, state.record.level);
    ShowFieldNumber(dialog, IDC_ISO_AGE, state.record.age);
    for (int id : {IDC_RISK_FIXED_AGE, IDC_RISK_FIXED_LEVEL, IDC_RISK_FIXED_VALUE})
        ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

void Opened(HWND dialog)
{
    SetFocus(GetDlgItem(dialog, IDC_ISO_YEARS));
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_RISK_CRITERION:
        if (notification == CBN_SELCHANGE) {
            int position = ChosenPosition(dialog, IDC_RISK_CRITERION);
            if (position >= 0)
                ShowCriterionStatus(dialog, kCriterionIso1999_90 + position);
        }
        break;
    case IDC_ISO_SEX_MALE:
    case IDC_ISO_SEX_FEMALE:
        g_riskChoices.sexButton = id;
        break;
    case IDOK:
        if (AcceptInputs(dialog))
            EndConfirmed(dialog, &g_riskState, g_riskChoices);
        break;
    }
}

const Calculator kRiskCalculator = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, 100215, "RISK.HLP",
    nullptr,                                                           // no notes
    nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // no data file
    Prepare, Opened, nullptr, nullptr, OnCommand, nullptr, nullptr,
};

}  // namespace

INT_PTR CALLBACK RiskDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kRiskCalculator, dialog, message, wParam, lParam);
}
