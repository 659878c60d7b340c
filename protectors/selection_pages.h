#pragma once
// The eight pages of the protector selection wizard, each described by a
// WizardPage record; one page procedure (selection_wizard.cpp) serves them
// all: tooltips, help, the file buttons, drops and the wizard's buttons.

#include <windows.h>

#include <cstddef>

#include "framework/help.h"
#include "framework/tooltips.h"
#include "protectors/selection.h"

// A number field of a method page and the record value it shows.
struct PageField {
    int control;
    int value;           // SelectionValue
    const char* format;  // how the page shows the value
};

enum SelectionValue {
    kValueLaeq,
    kValueLceq,
    kValueSnr,
    kValueH,
    kValueM,
    kValueL,
    kValueNoise,                               // + band
    kValueAttenuation = kValueNoise + kOctaveBands,  // + band
    kValueCount = kValueAttenuation + kOctaveBands
};

double& SelectionValueOf(ProtectorSelection& selection, int value);

// Values that a noise spectrum (".spr") supplies; the others come from a
// protector's (".spi").
bool IsNoiseValue(int value);

struct WizardPage {
    int templateId;
    DWORD helpTopic;      // the page's Help button
    int method;           // the method computed on the page, 0 for the others
    const PageField* fields;
    size_t fieldCount;
    const TooltipText* tooltips;
    size_t tooltipCount;
    const char* (*tooltip)(int control);  // texts made per control, or nullptr
    const int* helpControls;
    size_t helpControlCount;
    HelpTopic* helpTopics;  // helpControlCount + 2 entries, filled at creation

    // Shows the record and sets the wizard's buttons (on becoming active and
    // after a file was opened).
    void (*show)(HWND page);
    // The page's fields into the record, without checks (the file buttons,
    // Cancel and Finish).
    void (*take)(HWND page);
    // Next and Back: the template to go to, 0 for the next or previous one,
    // -1 to stay. Each takes the fields it keeps (Next of a method page only
    // what passed its checks).
    LRESULT (*next)(HWND page);
    LRESULT (*back)(HWND page);
    // The page's own controls.
    void (*command)(HWND page, int id, int notification);
};

extern const WizardPage kSelectionPages[8];

// The description of a page, kept in its DWLP_USER from its creation on.
const WizardPage& DescribedPage(HWND page);

// The page of a method, 0 for no method.
int MethodPageTemplate(int method);

// Shows and takes the number fields of a method page.
void ShowPageFields(HWND page, const WizardPage& description);
void TakePageFields(HWND page, const WizardPage& description);

// Sets the wizard's buttons (PSWIZB_*) from a page.
void SetWizardButtons(HWND page, DWORD buttons);

// The current file's name in field 1577, after the notice of an unknown
// correction when the file named one (kept until the next load or save).
void ShowFileName(HWND page);
void NoteUnknownCorrection(bool unknown);
const char kUnknownCorrectionNotice[] = "Correzione sconosciuta, letta come Nessuna correzione: ";
