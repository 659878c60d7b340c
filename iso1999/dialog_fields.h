#pragma once
// The number fields, drop-down lists and refusals that the dialogs of the
// risk, predictions and damage-evolution calculators share.

#include <windows.h>

#include "iso1999/curve_selection.h"

// A number shown in a field as "%3.0f" (so 85.5 shows as " 86").
void ShowFieldNumber(HWND dialog, int id, double value);

// The first seven characters of a field as a decimal number; a text that
// is not a number reads 0.
double ReadFieldNumber(HWND dialog, int id);

// The refusal of "&Ok": a message box with the text and the caption, then
// the field focused with its text selected. Returns false.
bool RefuseField(HWND dialog, const char* text, const char* caption, int field);

// A drop-down list filled with the numbers, the one at position selected
// chosen.
void FillNumberList(HWND dialog, int id, const int* numbers, int count, int selected);

// The chosen position of a drop-down list (-1 for none) and its item read
// as a whole number (0 for none).
int ChosenPosition(HWND dialog, int id);
int ChosenNumber(HWND dialog, int id);

// The end of a successful "&Ok": the dialog's choices become the inputs the
// views show, every curve is shown again, and the dialog ends with 1. Only
// this reaches the views: a dialog closed otherwise leaves them as they were.
template <typename State>
void EndConfirmed(HWND dialog, State* confirmed, const State& choices)
{
    *confirmed = choices;
    SelectCurve(kAllCurves);
    EndDialog(dialog, 1);
}

// The calculator's status bar (id 15) with its text.
void CreateDialogStatusBar(HWND dialog, const char* text);
