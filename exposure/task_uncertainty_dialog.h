#pragma once
// The calculator "Incertezza e classe" ("INCERTEZZA"): Lex,8h with its
// uncertainty by the task-based strategy of ISO 9612 and its class under
// D.Lgs. 81/2008, and its task dialog "ADD_COMPITO".

#include <windows.h>

#include "exposure/task_uncertainty.h"

// Dialog procedure of "INCERTEZZA"; the parameter is nothing or a ".lin" path.
INT_PTR CALLBACK UncertaintyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The inputs of the open dialog (its instrument class and peak taken from
// their controls), kept in the remembered state.
const UncertaintyTexts& UncertaintyInputs(HWND dialog);

// Shows the remembered inputs in the dialog (the task list, the class, the
// peak), then computes unless the dialog is still being prepared.
void ShowUncertaintyInputs(HWND dialog);

// Computes from the inputs and shows the task results, Lex,8h, u, U, the
// classes and their duties; inputs that cannot be computed are told in a
// message naming the task, and the results are emptied.
void ComputeUncertaintyDialog(HWND dialog);

enum TaskEntryMode { kTaskAdd = 1, kTaskModify = 2, kTaskDelete = 3 };

// Dialog procedure of "ADD_COMPITO"; the parameter is a TaskEntryMode. It
// edits the remembered entry (g_uncertaintyMemory.entry).
INT_PTR CALLBACK TaskEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
