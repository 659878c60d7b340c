#include "iso1999/shift_dialog.h"

#include <commctrl.h>

#include "framework/calculator_dialog.h"
#include "iso1999/dialog_fields.h"
#include "iso1999/shift.h"
#include "resources/resource.h"

namespace {

const TooltipText kTooltips[] = {
    {IDC_SHIFT_YEARS, "Numero di anni di esposizione al rumore"},
    {IDC_SHIFT_LEVEL, "Livello di esposizione di calcolo"},
    {IDC_SHIFT_AGE, "Età dell'individuo cui si riferisce il calcolo"},
    {IDC_SHIFT_TABLE_NEW, "Seleziona la tabella di calcolo del 1994"},
    {IDC_SHIFT_TABLE_OLD, "Seleziona la tabella di calcolo del 1991"},
    {IDC_SHIFT_TABLE_BIO, "Seleziona la tabella di calcolo del 2000 (danno biologico)"},
    {IDC_SHIFT_SEX_MALE, "Selezionare per riferire il calcolo agli uomini"},
    {IDC_SHIFT_SEX_FEMALE, "Selezionare per riferire il calcolo alle donne"},
    {IDC_SHIFT_NIPTS, "Calcola le perdite dovute alla sola esposizione professionale"},
    {IDC_SHIFT_HTLA, "Calcola le perdite dovute a fattori non professionali"},
    {IDC_SHIFT_HTLAN, "Calcola le perdite totali dovute a fattori professionali e non"},
    {IDOK, "Conferma i dati ed esegue il calcolo"},
    {IDM_CALC_HELP, "Richiama la Guida in linea"},
    {IDC_STATUS_BAR, "Esplicita il contenuto della scelta fatta nelle Opzioni"},
    {IDCANCEL, "Chiude la finestra senza eseguire il calcolo"},
};

// Each control's topic is its id x 65536 + 398; a label takes its field's.
constexpr DWORD Topic(DWORD control)
{
    return control << 16 | 398;
}

const HelpTopic kHelpTopics[] = {
    {IDC_SHIFT_YEARS, Topic(IDC_SHIFT_YEARS)},
    {IDC_SHIFT_LEVEL, Topic(IDC_SHIFT_LEVEL)},
    {IDC_SHIFT_AGE, Topic(IDC_SHIFT_AGE)},
    {IDC_SHIFT_YEARS_LABEL, Topic(IDC_SHIFT_YEARS)},
    {IDC_SHIFT_LEVEL_LABEL, Topic(IDC_SHIFT_LEVEL)},
    {IDC_SHIFT_AGE_LABEL, Topic(IDC_SHIFT_AGE)},
    {IDC_SHIFT_SEX_MALE, Topic(IDC_SHIFT_SEX_MALE)},
    {IDC_SHIFT_SEX_FEMALE, Topic(IDC_SHIFT_SEX_FEMALE)},
    {IDC_SHIFT_NIPTS, Topic(IDC_SHIFT_NIPTS)},
    {IDC_SHIFT_HTLA, Topic(IDC_SHIFT_HTLA)},
    {IDC_SHIFT_HTLAN, Topic(IDC_SHIFT_HTLAN)},
    {IDC_SHIFT_TABLE_NEW, Topic(IDC_SHIFT_TABLE_NEW)},
    {IDC_SHIFT_TABLE_OLD, Topic(IDC_SHIFT_TABLE_OLD)},
    {IDC_SHIFT_TABLE_BIO, Topic(IDC_SHIFT_TABLE_BIO)},
    {IDM_CALC_HELP, Topic(IDM_CALC_HELP)},
    {IDC_STATUS_BAR, (DWORD)IDC_SHIFT_YEARS << 16 | 418},
    {0, 0},
};

const char kOwnHelpFile[] = "PERDITE.HLP";

DWORD DialogHelpTopic(int quantity)
{
    switch (quantity) {
    case kQuantityNipts: return 100185;
    case kQuantityHtla: return 100190;
    default: return 100195;
    }
}

// The age and sex and the damage table matter unless the quantity is NIPTS;
// the years and the level unless it is HTLA.
void EnableInputs(HWND dialog, int quantity)
{
    static const int kAgeControls[] = {IDC_SHIFT_AGE_LABEL,  IDC_SHIFT_AGE,        IDC_SHIFT_SEX_GROUP,
                                       IDC_SHIFT_SEX_MALE,   IDC_SHIFT_SEX_FEMALE, IDC_SHIFT_TABLE_GROUP,
                                       IDC_SHIFT_TABLE_NEW,  IDC_SHIFT_TABLE_OLD,  IDC_SHIFT_TABLE_BIO};
    static const int kExposureControls[] = {IDC_SHIFT_YEARS_LABEL, IDC_SHIFT_YEARS, IDC_SHIFT_LEVEL_LABEL,
                                            IDC_SHIFT_LEVEL};
    for (int id : kAgeControls)
        EnableWindow(GetDlgItem(dialog, id), quantity != kQuantityNipts);
    for (int id : kExposureControls)
        EnableWindow(GetDlgItem(dialog, id), quantity != kQuantityHtla);
}

const char kInvalid[] = "Errore! Dati non validi";

// The checks of "&Ok". The years and the level are stored once both pass,
// even when the age then fails.
bool AcceptInputs(HWND dialog)
{
    ShiftState& state = g_shiftChoices;
    double years = 0.0;
    if (state.quantity != kQuantityHtla) {
        years = ReadFieldNumber(dialog, IDC_SHIFT_YEARS);
        double level = ReadFieldNumber(dialog, IDC_SHIFT_LEVEL);
        // A pasted minus sign passes the character filter: below 0 is as
        // wrong as 0.
        if (years <= 0.0 || years > 40.0)
            return RefuseField(dialog, kInvalid, "Anni di esposizione.", IDC_SHIFT_YEARS);
        if (level <= 0.0 || level > 100.0)
            return RefuseField(dialog, kInvalid, "Livello di esposizione.", IDC_SHIFT_LEVEL);
        state.record.years = years;
        state.record.level = level;
    }
    if (state.quantity == kQuantityNipts)
        return true;
    double age = ReadFieldNumber(dialog, IDC_SHIFT_AGE);
    if (age <= 0.0 || age - years < 18.0)
        return RefuseField(dialog, kInvalid, "Età individuo.", IDC_SHIFT_AGE);
    state.record.age = age;
    state.record.sex = state.sexButton == IDC_SHIFT_SEX_MALE ? 1 : 2;
    return true;
}

// The command that opened the dialog (1050, 1055, 1060), its parameter.
int s_command;

void SetQuantity(HWND dialog, int quantity);

void Prepare(HWND dialog)
{
    ShiftState& state = g_shiftChoices;
    state.quantity = ShiftQuantityForCommand(s_command);
    CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", dialog, IDC_STATUS_BAR);
    CheckRadioButton(dialog, IDC_SHIFT_TABLE_NEW, IDC_SHIFT_TABLE_BIO, state.damageTable);
    CheckRadioButton(dialog, IDC_SHIFT_SEX_MALE, IDC_SHIFT_SEX_FEMALE, state.sexButton);
    CheckRadioButton(dialog, IDC_SHIFT_NIPTS, IDC_SHIFT_HTLAN, state.quantity);
    SetQuantity(dialog, state.quantity);
    ShowFieldNumber(dialog, IDC_SHIFT_YEARS, state.record.years);
    ShowFieldNumber(dialog, IDC_SHIFT_LEVEL, state.record.level);
    ShowFieldNumber(dialog, IDC_SHIFT_AGE, state.record.age);
}

void Opened(HWND dialog)
{
    // HTLA reads no years: its first field is the age.
    bool htla = g_shiftChoices.quantity == kQuantityHtla;
    SetFocus(GetDlgItem(dialog, htla ? IDC_SHIFT_AGE : IDC_SHIFT_YEARS));
}

void OnCommand(HWND dialog, int id, int)
{
    ShiftState& state = g_shiftChoices;
    switch (id) {
    case IDC_SHIFT_NIPTS:
    case IDC_SHIFT_HTLA:
    case IDC_SHIFT_HTLAN:
        SetQuantity(dialog, id);
        break;
    case IDC_SHIFT_SEX_MALE:
    case IDC_SHIFT_SEX_FEMALE:
        state.sexButton = id;
        break;
    case IDC_SHIFT_TABLE_NEW:
    case IDC_SHIFT_TABLE_OLD:
    case IDC_SHIFT_TABLE_BIO:
        state.damageTable = id;
        break;
    case IDOK:
        if (AcceptInputs(dialog))
            EndConfirmed(dialog, &g_shiftState, g_shiftChoices);
        break;
    }
}

// Not const: the topic of "&?" follows the quantity chosen.
Calculator s_calculator = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], nullptr, kHelpTopics, 100195, kOwnHelpFile,
    nullptr,                                                  // no notes
    nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // no data file
    Prepare, Opened, nullptr, nullptr, OnCommand, nullptr, nullptr,
};

void SetQuantity(HWND dialog, int quantity)
{
    g_shiftChoices.quantity = quantity;
    s_calculator.helpTopic = DialogHelpTopic(quantity);
    EnableInputs(dialog, quantity);
    SetDlgItemTextA(dialog, IDC_STATUS_BAR, ShiftQuantityLongName(quantity));
}

}  // namespace

INT_PTR CALLBACK ShiftDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        s_command = (int)lParam;
    return CalculatorProc(s_calculator, dialog, message, wParam, lParam);
}
