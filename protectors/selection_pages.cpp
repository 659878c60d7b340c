#include "protectors/selection_pages.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "framework/message_filter.h"
#include "framework/number_text.h"
#include "framework/ui_text.h"
#include "protectors/correction.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"
#include "resources/resource.h"
#include "spectra/band_fields.h"

namespace {

ProtectorSelection& Record()
{
    return g_protectorSelection;
}

#define COUNT(table) (sizeof table / sizeof table[0])

// ---- Fields, checks and the methods' computation ---------------------------------

// Text of a method page's field as the checks read it: 7 characters.
double FieldNumber(HWND page, int control)
{
    char text[8];
    ItemText(page, control, text, sizeof text);
    return LeadingNumber(text);
}

// The common check of a method page: every field numeric, then read in the
// page's order. Every field is checked, each with a wrong character showing
// its own message, so that one Next tells all that is wrong; then the page's
// message once.
bool ReadCheckedFields(HWND page, const WizardPage& description, double* values)
{
    bool numeric = true;
    for (size_t i = 0; i < description.fieldCount; ++i)
        if (!CheckNumericText(GetDlgItem(page, description.fields[i].control)))
            numeric = false;
    if (!numeric) {
        MessageBoxA(page, "Attenzione: non tutte le caselle di testo contengono un valore numerico.",
                    "Errore nell'inserimento dei dati!", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    for (size_t i = 0; i < description.fieldCount; ++i)
        values[i] = FieldNumber(page, description.fields[i].control);
    return true;
}

// A zero is no measured level and no attenuation.
bool RefuseZeros(HWND page, std::initializer_list<double> values)
{
    for (double value : values)
        if (value == 0.0) {
            MessageBoxA(page, "Inserire valori numerici!", "Errore", MB_OK);
            return true;
        }
    return false;
}

const PageField kSnrFields[] = {
    {IDC_DPI_LCEQ, kValueLceq, "%5.1f"},
    {IDC_DPI_SNR_VALUE, kValueSnr, "%4.1f"},
};
const PageField kCorrectedSnrFields[] = {
    {IDC_DPI_LAEQ, kValueLaeq, "%.1f"},
    {IDC_DPI_SNR_VALUE, kValueSnr, "%4.1f"},
};
const PageField kOctaveBandFields[] = {
    {IDC_DPI_NOISE_FIRST + 0, kValueNoise + 0, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 1, kValueNoise + 1, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 2, kValueNoise + 2, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 3, kValueNoise + 3, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 4, kValueNoise + 4, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 5, kValueNoise + 5, "%4.1f"},
    {IDC_DPI_NOISE_FIRST + 6, kValueNoise + 6, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 0, kValueAttenuation + 0, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 1, kValueAttenuation + 1, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 2, kValueAttenuation + 2, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 3, kValueAttenuation + 3, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 4, kValueAttenuation + 4, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 5, kValueAttenuation + 5, "%4.1f"},
    {IDC_DPI_ATTENUATION_FIRST + 6, kValueAttenuation + 6, "%4.1f"},
};
const PageField kHmlCheckFields[] = {
    {IDC_DPI_LAEQ, kValueLaeq, "%5.1f"},
    {IDC_DPI_H, kValueH, "%4.1f"},
    {IDC_DPI_M, kValueM, "%4.1f"},
    {IDC_DPI_L, kValueL, "%4.1f"},
};
const PageField kHmlFields[] = {
    {IDC_DPI_LAEQ, kValueLaeq, "%5.1f"}, {IDC_DPI_LCEQ, kValueLceq, "%5.1f"},
    {IDC_DPI_H, kValueH, "%4.1f"},       {IDC_DPI_M, kValueM, "%4.1f"},
    {IDC_DPI_L, kValueL, "%4.1f"},
};

// The SNR methods: a level (the page's first field) and the SNR.
bool RunSnrMethod(HWND page, double& level, double (*method)(double level, double snr))
{
    double v[2];
    if (!ReadCheckedFields(page, DescribedPage(page), v) || RefuseZeros(page, {v[1], v[0]}))
        return false;
    level = v[0];
    Record().snr = v[1];
    Record().effectiveLevel = method(v[0], v[1]);
    return true;
}

bool RunOctaveBand(HWND page)
{
    double v[2 * kOctaveBands];
    if (!ReadCheckedFields(page, DescribedPage(page), v))
        return false;
    // Band by band: the bands before a refused one stay in the record.
    for (int k = 0; k < kOctaveBands; ++k) {
        if (RefuseZeros(page, {v[kOctaveBands + k], v[k]}))
            return false;
        Record().attenuation[k] = v[kOctaveBands + k];
        Record().noise[k] = v[k];
    }
    Record().effectiveLevel = OctaveBandMethod(Record().noise, Record().attenuation);
    return true;
}

bool RunHml(HWND page)
{
    double v[5];
    if (!ReadCheckedFields(page, DescribedPage(page), v) || RefuseZeros(page, {v[2], v[3], v[4], v[0], v[1]}))
        return false;
    ProtectorSelection& s = Record();
    s.laeq = v[0];
    s.lceq = v[1];
    s.h = v[2];
    s.m = v[3];
    s.l = v[4];
    s.effectiveLevel = HmlMethod(s.laeq, s.lceq, s.h, s.m, s.l);
    return true;
}

bool RunHmlCheck(HWND page)
{
    double v[4];
    if (!ReadCheckedFields(page, DescribedPage(page), v) || RefuseZeros(page, {v[1], v[2], v[3], v[0]}))
        return false;
    ProtectorSelection& s = Record();
    s.laeq = v[0];
    s.classL = IsDlgButtonChecked(page, IDC_DPI_CLASS_L) == BST_CHECKED;
    s.h = v[1];
    s.m = v[2];
    s.l = v[3];
    HmlCheckResult result = HmlCheckMethod(s.laeq, s.classL != 0, s.h, s.m, s.l);
    s.effectiveLevel = result.le;
    if (!result.assessed)
        MessageBoxA(page, "Ottenere maggiori informazioni sul rumore ed usare uno degli altri metodi proposti",
                    "Attenzione: non è possibile valutare la protezione offerta!", MB_OK);
    return result.assessed;
}

// ---- Method pages ----------------------------------------------------------------

void ShowMethodPage(HWND page)
{
    ShowPageFields(page, DescribedPage(page));
    SetWizardButtons(page, PSWIZB_BACK | PSWIZB_NEXT);
}

void TakeMethodPage(HWND page)
{
    TakePageFields(page, DescribedPage(page));
}

void ShowHmlCheckPage(HWND page)
{
    ShowMethodPage(page);
    CheckRadioButton(page, IDC_DPI_CLASS_HM, IDC_DPI_CLASS_L,
                     Record().classL ? IDC_DPI_CLASS_L : IDC_DPI_CLASS_HM);
}

void TakeHmlCheckPage(HWND page)
{
    TakeMethodPage(page);
    Record().classL = IsDlgButtonChecked(page, IDC_DPI_CLASS_L) == BST_CHECKED;
}

LRESULT MethodNext(HWND page)
{
    bool done = false;
    switch (DescribedPage(page).method) {
    case kMethodSnr: done = RunSnrMethod(page, Record().lceq, SnrMethod); break;
    case kMethodCorrectedSnr: done = RunSnrMethod(page, Record().laeq, CorrectedSnrMethod); break;
    case kMethodOctaveBand: done = RunOctaveBand(page); break;
    case kMethodHml: done = RunHml(page); break;
    case kMethodHmlCheck: done = RunHmlCheck(page); break;
    }
    if (!done)
        return -1;
    // The results are this page's: a file loaded here without a method of
    // its own must not leave them nameless.
    Record().method = DescribedPage(page).method;
    return IDD_DPI_RESULTS;
}

LRESULT MethodBack(HWND page)
{
    DescribedPage(page).take(page);
    return IDD_DPI_METHOD_CHOICE;
}

// ---- Page 111: the two questions ---------------------------------------------------

void ShowRecommended(HWND page)
{
    RecommendedTypes types = RecommendedProtectors(Record().answer1, Record().answer2);
    CheckDlgButton(page, IDC_DPI_EARMUFFS, types.earmuffs ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_DPI_COVERED_CUSHIONS, types.coveredCushions ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_DPI_BANDED_PLUGS, types.bandedPlugs ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_DPI_DISPOSABLE_PLUGS, types.disposablePlugs ? BST_CHECKED : BST_UNCHECKED);
}

void ShowQuestions(HWND page)
{
    CheckRadioButton(page, IDC_DPI_Q1_YES, IDC_DPI_Q1_NO, Record().answer1 == 1 ? IDC_DPI_Q1_YES : IDC_DPI_Q1_NO);
    CheckRadioButton(page, IDC_DPI_Q2_YES, IDC_DPI_Q2_NO, Record().answer2 == 1 ? IDC_DPI_Q2_YES : IDC_DPI_Q2_NO);
    ShowRecommended(page);
    SetWizardButtons(page, PSWIZB_NEXT);
}

void TakeQuestions(HWND page)
{
    Record().answer1 = IsDlgButtonChecked(page, IDC_DPI_Q1_YES) == BST_CHECKED;
    Record().answer2 = IsDlgButtonChecked(page, IDC_DPI_Q2_YES) == BST_CHECKED;
}

LRESULT QuestionsNext(HWND page)
{
    TakeQuestions(page);
    return IDD_DPI_METHOD_CHOICE;
}

void QuestionCommand(HWND page, int id, int notification)
{
    if (notification != BN_CLICKED || id < IDC_DPI_Q1_YES || id > IDC_DPI_Q2_NO)
        return;
    TakeQuestions(page);
    ShowRecommended(page);
}

// ---- Page 114: information, method and action level --------------------------------

struct MethodButton {
    int control;
    int method;
};
const MethodButton kMethodButtons[] = {
    {IDC_DPI_USE_OCTAVE_BAND, kMethodOctaveBand}, {IDC_DPI_USE_HML, kMethodHml},
    {IDC_DPI_USE_HML_CHECK, kMethodHmlCheck},     {IDC_DPI_USE_SNR, kMethodSnr},
    {IDC_DPI_USE_CORRECTED_SNR, kMethodCorrectedSnr},
};

bool Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

// The methods the checked information allows; the record's method checked
// again when it is one of them. Next only with a method checked.
void ShowMethods(HWND page)
{
    unsigned enabled = EnabledMethods(Checked(page, IDC_DPI_HAS_LAEQ), Checked(page, IDC_DPI_HAS_LCEQ),
                                      Checked(page, IDC_DPI_HAS_SPECTRUM));
    bool chosen = false;
    for (const MethodButton& button : kMethodButtons) {
        bool on = (enabled >> button.method) & 1;
        EnableWindow(GetDlgItem(page, button.control), on);
        bool check = on && Record().method == button.method;
        CheckDlgButton(page, button.control, check ? BST_CHECKED : BST_UNCHECKED);
        chosen = chosen || check;
    }
    SetWizardButtons(page, PSWIZB_BACK | (chosen ? PSWIZB_NEXT : 0));
}

void ShowMethodChoice(HWND page)
{
    double la = Record().actionLevel;
    CheckRadioButton(page, IDC_DPI_LA_80, IDC_DPI_LA_90,
                     la == 90.0 ? IDC_DPI_LA_90 : la == 80.0 ? IDC_DPI_LA_80 : IDC_DPI_LA_85);
    CheckDlgButton(page, IDC_DPI_HAS_SPECTRUM, Record().hasSpectrum ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_DPI_HAS_LCEQ, Record().hasLceq ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_DPI_HAS_LAEQ, Record().hasLaeq ? BST_CHECKED : BST_UNCHECKED);
    ShowMethods(page);
}

// The page's choice; a method the page no longer shows checked is dropped
// (a number read from a file that names none stays as read).
void TakeMethodChoice(HWND page)
{
    Record().hasSpectrum = Checked(page, IDC_DPI_HAS_SPECTRUM);
    Record().hasLceq = Checked(page, IDC_DPI_HAS_LCEQ);
    Record().hasLaeq = Checked(page, IDC_DPI_HAS_LAEQ);
    int method = IsNamedMethod(Record().method) ? kMethodNone : Record().method;
    for (const MethodButton& button : kMethodButtons)
        if (Checked(page, button.control))
            method = button.method;
    Record().method = method;
}

void MethodChoiceCommand(HWND page, int id, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDC_DPI_HAS_SPECTRUM:
    case IDC_DPI_HAS_LCEQ:
    case IDC_DPI_HAS_LAEQ:
        ShowMethods(page);
        return;
    case IDC_DPI_LA_80: Record().actionLevel = 80.0; return;
    case IDC_DPI_LA_85: Record().actionLevel = 85.0; return;
    case IDC_DPI_LA_90: Record().actionLevel = 90.0; return;
    }
    for (const MethodButton& button : kMethodButtons)
        if (button.control == id && Checked(page, id)) {
            Record().method = button.method;
            SetWizardButtons(page, PSWIZB_BACK | PSWIZB_NEXT);
        }
}

LRESULT MethodChoiceNext(HWND page)
{
    TakeMethodChoice(page);
    int target = MethodPageTemplate(Record().method);
    return target ? target : -1;
}

LRESULT MethodChoiceBack(HWND page)
{
    TakeMethodChoice(page);
    return IDD_DPI_QUESTIONS;
}

// ---- Page 107: results and notes -------------------------------------------------------

// The correction and, where its source lists types, the protector type;
// the type list is empty and off for a correction that needs none.
void ShowCorrection(HWND page)
{
    HWND correction = GetDlgItem(page, IDC_DPI_CORRECTION);
    SendMessageA(correction, CB_RESETCONTENT, 0, 0);
    for (int c = 0; c < kCorrectionCount; ++c)
        SendMessageA(correction, CB_ADDSTRING, 0, (LPARAM)CorrectionName(c));
    SendMessageA(correction, CB_SETCURSEL, Record().correction, 0);
    HWND kind = GetDlgItem(page, IDC_DPI_PROTECTOR_KIND);
    SendMessageA(kind, CB_RESETCONTENT, 0, 0);
    std::vector<int> kinds = CorrectionKinds(Record().correction);
    for (size_t i = 0; i < kinds.size(); ++i) {
        SendMessageA(kind, CB_ADDSTRING, 0, (LPARAM)ProtectorKindName(kinds[i]));
        if (kinds[i] == Record().protectorKind)
            SendMessageA(kind, CB_SETCURSEL, i, 0);
    }
    EnableWindow(kind, !kinds.empty());
}

void ShowResultsText(HWND page)
{
    char text[kVerdictTextSize];
    BuildResultsText(Record(), text, sizeof text);
    SetDlgItemTextA(page, IDC_DPI_REPORT, text);
}

void ShowResults(HWND page)
{
    ShowCorrection(page);
    ShowResultsText(page);
    SetDlgItemTextA(page, IDC_NOTES, Record().notes);
    SetWizardButtons(page, PSWIZB_BACK | PSWIZB_FINISH);
}

// A correction or type chosen: the record takes it at once, as the action
// level, and the results follow. A correction by type starts from the
// type already chosen when its source lists it, else from its first.
void ResultsCommand(HWND page, int id, int notification)
{
    if (notification != CBN_SELCHANGE)
        return;
    int chosen = (int)SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0);
    if (chosen < 0)
        return;
    if (id == IDC_DPI_CORRECTION) {
        std::vector<int> kinds = CorrectionKinds(chosen);
        bool listed = std::find(kinds.begin(), kinds.end(), Record().protectorKind) != kinds.end();
        Record().correction = chosen;
        Record().protectorKind = kinds.empty() ? kKindNone : listed ? Record().protectorKind : kinds[0];
        ShowCorrection(page);
    } else if (id == IDC_DPI_PROTECTOR_KIND) {
        std::vector<int> kinds = CorrectionKinds(Record().correction);
        if ((size_t)chosen < kinds.size())
            Record().protectorKind = kinds[chosen];
    } else {
        return;
    }
    ShowResultsText(page);
}

void TakeResults(HWND page)
{
    ItemText(page, IDC_NOTES, Record().notes, sizeof Record().notes);
}

// Back to the page the results came from; without a method, to the choice.
LRESULT ResultsBack(HWND page)
{
    TakeResults(page);
    int target = MethodPageTemplate(Record().method);
    return target ? target : IDD_DPI_METHOD_CHOICE;
}

LRESULT NoNext(HWND)
{
    return 0;
}

// ---- Tooltips ------------------------------------------------------------------------

const TooltipText kQuestionTips[] = {
    {IDC_DPI_Q1_YES, "Seleziona la risposta Si"},
    {IDC_DPI_Q2_YES, "Seleziona la risposta Si"},
    {IDC_DPI_Q1_NO, "Seleziona la risposta No"},
    {IDC_DPI_Q2_NO, "Seleziona la risposta No"},
    {IDC_DPI_EARMUFFS, "Se selezionato, indica che la tipologia è idonea"},
    {IDC_DPI_COVERED_CUSHIONS, "Se selezionato, indica che la tipologia è idonea"},
    {IDC_DPI_BANDED_PLUGS, "Se selezionato, indica che la tipologia è idonea"},
    {IDC_DPI_DISPOSABLE_PLUGS, "Se selezionato, indica che la tipologia è idonea"},
};
const TooltipText kChoiceTips[] = {
    {IDC_DPI_HAS_SPECTRUM, "Selezionare se si dispone dell'analisi in banda d'ottava"},
    {IDC_DPI_HAS_LCEQ, "Selezionare se si dispone del livello equivalente pesato C"},
    {IDC_DPI_HAS_LAEQ, "Selezionare se si dispone del livello equivalente pesato A"},
    {IDC_DPI_LA_80, "Selezionare per utilizzare 80 dBA come valore del livello d'azione"},
    {IDC_DPI_LA_85, "Selezionare per utilizzare 85 dBA come valore del livello d'azione"},
    {IDC_DPI_LA_90, "Selezionare per utilizzare 90 dBA come valore del livello d'azione"},
    {IDC_DPI_USE_OCTAVE_BAND, "Selezionare per utilizzare il metodo banda d'ottava"},
    {IDC_DPI_USE_HML, "Selezionare per utilizzare il metodo HML"},
    {IDC_DPI_USE_HML_CHECK, "Selezionare per utilizzare il controllo HML"},
    {IDC_DPI_USE_SNR, "Selezionare per utilizzare il metodo SNR"},
    {IDC_DPI_USE_CORRECTED_SNR, "Selezionare per utilizzare il metodo SNR corretto"},
};
#define FILE_BUTTON_TIPS                                                       \
    {IDC_DPI_NOISE_FILE, "Selezionare per caricare i dati del rumore da un file"}, \
    {IDC_DPI_PROTECTOR_FILE, "Selezionare per caricare i dati del DPI da un file"}
#define SNR_TIP {IDC_DPI_SNR_VALUE, "Inserire il valore dell'attenuazione SNR fornita dal DPI"}
#define HML_TIPS                                                              \
    {IDC_DPI_H, "Inserire il valore dell'attenuazione H fornita dal DPI"},       \
    {IDC_DPI_M, "Inserire il valore dell'attenuazione M fornita dal DPI"},       \
    {IDC_DPI_L, "Inserire il valore dell'attenuazione L fornita dal DPI"}
const TooltipText kSnrTips[] = {
    FILE_BUTTON_TIPS,
    {IDC_DPI_LCEQ, "Inserire il valore del livello di rumore pesato C da attenuare"},
    SNR_TIP,
};
const TooltipText kCorrectedSnrTips[] = {
    FILE_BUTTON_TIPS,
    {IDC_DPI_LAEQ, "Inserire il valore del livello di rumore pesato A da attenuare"},
    SNR_TIP,
};
const TooltipText kOctaveBandTips[] = {FILE_BUTTON_TIPS};
const TooltipText kHmlCheckTips[] = {
    FILE_BUTTON_TIPS,
    {IDC_DPI_LAEQ, "Inserire il valore del livello di rumore da attenuare"},
    {IDC_DPI_CLASS_HM, "Selezionare se il rumore ha lo spettro spostato verso le frequenze medie/alte"},
    {IDC_DPI_CLASS_L, "Selezionare se il rumore ha lo spettro spostato verso le frequenze basse"},
    HML_TIPS,
};
const TooltipText kHmlTips[] = {
    FILE_BUTTON_TIPS,
    {IDC_DPI_LAEQ, "Inserire il valore del livello di rumore pesato A"},
    {IDC_DPI_LCEQ, "Inserire il valore del livello di rumore pesato C"},
    HML_TIPS,
};
const TooltipText kResultsTips[] = {
    {IDC_DPI_CORRECTION, "Selezionare la correzione dell'attenuazione di laboratorio per l'uso reale"},
    {IDC_DPI_PROTECTOR_KIND, "Selezionare il tipo di otoprotettore a cui si applica la correzione"},
    {IDC_DPI_REPORT, "Visualizza un breve riepilogo dei dati inseriti ed i risultati del calcolo"},
    {IDC_NOTES, "Visualizza le note salvate insieme ai dati"},
};

const char* OctaveBandTip(int control)
{
    if (IsBandField(control))
        return BandTooltip(control, "rumore");
    int band = control - IDC_DPI_ATTENUATION_FIRST;
    if (band < 0 || band >= kOctaveBands)
        return nullptr;
    static char text[96];
    snprintf(text, sizeof text, "Inserire il valore dell'attenuazione fornita dal DPI a %s Hz",
             OctaveBandTable[band].key);
    return text;
}

// ---- Help: every control of a page, the file buttons and field included ---------------

#define FOOT_CONTROLS IDM_CALC_OPEN, IDM_CALC_SAVE, IDM_CALC_SAVE_AS, IDC_DPI_PRINT, IDC_DPI_FILE
const int kQuestionHelp[] = {IDC_DPI_Q1_YES, IDC_DPI_Q1_NO, IDC_DPI_Q2_YES, IDC_DPI_Q2_NO,
                             IDC_DPI_EARMUFFS, IDC_DPI_COVERED_CUSHIONS, IDC_DPI_BANDED_PLUGS,
                             IDC_DPI_DISPOSABLE_PLUGS, FOOT_CONTROLS};
const int kChoiceHelp[] = {IDC_DPI_HAS_SPECTRUM, IDC_DPI_HAS_LCEQ, IDC_DPI_HAS_LAEQ,
                           IDC_DPI_USE_OCTAVE_BAND, IDC_DPI_USE_HML, IDC_DPI_USE_HML_CHECK,
                           IDC_DPI_USE_SNR, IDC_DPI_USE_CORRECTED_SNR, IDC_DPI_LA_80,
                           IDC_DPI_LA_85, IDC_DPI_LA_90, FOOT_CONTROLS};
const int kSnrHelp[] = {IDC_DPI_LCEQ, IDC_DPI_SNR_VALUE, IDC_DPI_NOISE_FILE, IDC_DPI_PROTECTOR_FILE,
                        FOOT_CONTROLS};
const int kCorrectedSnrHelp[] = {IDC_DPI_LAEQ, IDC_DPI_SNR_VALUE, IDC_DPI_NOISE_FILE,
                                 IDC_DPI_PROTECTOR_FILE, FOOT_CONTROLS};
const int kOctaveBandHelp[] = {8591, 8592, 8593, 8594, 8595, 8596, 8597, 8598, 8599, 8600, 8601,
                               8602, 8603, 8604, IDC_DPI_NOISE_FILE, IDC_DPI_PROTECTOR_FILE,
                               FOOT_CONTROLS};
const int kHmlCheckHelp[] = {IDC_DPI_LAEQ, IDC_DPI_CLASS_HM, IDC_DPI_CLASS_L, IDC_DPI_H, IDC_DPI_M,
                             IDC_DPI_L, IDC_DPI_NOISE_FILE, IDC_DPI_PROTECTOR_FILE, FOOT_CONTROLS};
const int kHmlHelp[] = {IDC_DPI_LAEQ, IDC_DPI_LCEQ, IDC_DPI_H, IDC_DPI_M, IDC_DPI_L,
                        IDC_DPI_NOISE_FILE, IDC_DPI_PROTECTOR_FILE, FOOT_CONTROLS};
const int kResultsHelp[] = {IDC_DPI_CORRECTION, IDC_DPI_PROTECTOR_KIND, IDC_DPI_REPORT, IDC_NOTES,
                            FOOT_CONTROLS};

HelpTopic s_questionTopics[COUNT(kQuestionHelp) + 2];
HelpTopic s_choiceTopics[COUNT(kChoiceHelp) + 2];
HelpTopic s_snrTopics[COUNT(kSnrHelp) + 2];
HelpTopic s_correctedSnrTopics[COUNT(kCorrectedSnrHelp) + 2];
HelpTopic s_octaveBandTopics[COUNT(kOctaveBandHelp) + 2];
HelpTopic s_hmlCheckTopics[COUNT(kHmlCheckHelp) + 2];
HelpTopic s_hmlTopics[COUNT(kHmlHelp) + 2];
HelpTopic s_resultsTopics[COUNT(kResultsHelp) + 2];

#define TABLE(t) t, COUNT(t)

}  // namespace

const WizardPage kSelectionPages[8] = {
    {IDD_DPI_QUESTIONS, 100235, 0, nullptr, 0, TABLE(kQuestionTips), nullptr, TABLE(kQuestionHelp),
     s_questionTopics, ShowQuestions, TakeQuestions, QuestionsNext, NoNext, QuestionCommand},
    {IDD_DPI_METHOD_CHOICE, 100240, 0, nullptr, 0, TABLE(kChoiceTips), nullptr, TABLE(kChoiceHelp),
     s_choiceTopics, ShowMethodChoice, TakeMethodChoice, MethodChoiceNext, MethodChoiceBack,
     MethodChoiceCommand},
    {IDD_DPI_SNR, 100260, kMethodSnr, TABLE(kSnrFields), TABLE(kSnrTips), nullptr, TABLE(kSnrHelp),
     s_snrTopics, ShowMethodPage, TakeMethodPage, MethodNext, MethodBack, nullptr},
    {IDD_DPI_CORRECTED_SNR, 100265, kMethodCorrectedSnr, TABLE(kCorrectedSnrFields),
     TABLE(kCorrectedSnrTips), nullptr, TABLE(kCorrectedSnrHelp), s_correctedSnrTopics,
     ShowMethodPage, TakeMethodPage, MethodNext, MethodBack, nullptr},
    {IDD_DPI_OCTAVE_BAND, 100245, kMethodOctaveBand, TABLE(kOctaveBandFields),
     TABLE(kOctaveBandTips), OctaveBandTip, TABLE(kOctaveBandHelp), s_octaveBandTopics,
     ShowMethodPage, TakeMethodPage, MethodNext, MethodBack, nullptr},
    {IDD_DPI_HML_CHECK, 100255, kMethodHmlCheck, TABLE(kHmlCheckFields), TABLE(kHmlCheckTips),
     nullptr, TABLE(kHmlCheckHelp), s_hmlCheckTopics, ShowHmlCheckPage, TakeHmlCheckPage,
     MethodNext, MethodBack, nullptr},
    {IDD_DPI_HML, 100250, kMethodHml, TABLE(kHmlFields), TABLE(kHmlTips), nullptr, TABLE(kHmlHelp),
     s_hmlTopics, ShowMethodPage, TakeMethodPage, MethodNext, MethodBack, nullptr},
    {IDD_DPI_RESULTS, 100270, 0, nullptr, 0, TABLE(kResultsTips), nullptr, TABLE(kResultsHelp),
     s_resultsTopics, ShowResults, TakeResults, NoNext, ResultsBack, ResultsCommand},
};

double& SelectionValueOf(ProtectorSelection& s, int value)
{
    switch (value) {
    case kValueLaeq: return s.laeq;
    case kValueLceq: return s.lceq;
    case kValueSnr: return s.snr;
    case kValueH: return s.h;
    case kValueM: return s.m;
    case kValueL: return s.l;
    }
    if (value >= kValueNoise && value < kValueNoise + kOctaveBands)
        return s.noise[value - kValueNoise];
    return s.attenuation[value - kValueAttenuation];
}

bool IsNoiseValue(int value)
{
    return value == kValueLaeq || value == kValueLceq ||
           (value >= kValueNoise && value < kValueNoise + kOctaveBands);
}

int MethodPageTemplate(int method)
{
    const ProtectionMethodInfo* info = ProtectionMethodInfoOf(method);
    return info ? info->pageTemplate : 0;
}

void ShowPageFields(HWND page, const WizardPage& description)
{
    for (size_t i = 0; i < description.fieldCount; ++i) {
        const PageField& field = description.fields[i];
        char text[16];
        FormatNumber(text, sizeof text, field.format, SelectionValueOf(Record(), field.value));
        SetDlgItemTextA(page, field.control, text);
    }
}

void TakePageFields(HWND page, const WizardPage& description)
{
    for (size_t i = 0; i < description.fieldCount; ++i)
        SelectionValueOf(Record(), description.fields[i].value) =
            FieldNumber(page, description.fields[i].control);
}

const WizardPage& DescribedPage(HWND page)
{
    return *(const WizardPage*)GetWindowLongPtrA(page, DWLP_USER);
}

void SetWizardButtons(HWND page, DWORD buttons)
{
    PropSheet_SetWizButtons(GetParent(page), buttons);
}

// Said before the name, which a long path would push out of sight.
static bool s_unknownCorrection;

void NoteUnknownCorrection(bool unknown)
{
    s_unknownCorrection = unknown;
}

void ShowFileName(HWND page)
{
    const char* file = Record().currentFile;
    char text[kSelectionPathSize + 80];
    snprintf(text, sizeof text, "%s%s", file[0] && s_unknownCorrection ? kUnknownCorrectionNotice : "",
             file[0] ? file : "Nessun file selezionato");
    SetDlgItemTextA(page, IDC_DPI_FILE, text);
}
