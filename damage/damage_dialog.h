#pragma once
// The audiometric damage calculator "CALCOLOILG" (the damage percentage of
// an audiogram by the OTREM tables, and the audiogram itself) and its entry
// dialog "EDIT_ILG".

#include <windows.h>

// Dialog procedure of "CALCOLOILG"; the parameter is nothing or a ".ilg" path.
INT_PTR CALLBACK DamageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog procedure of "EDIT_ILG"; the parameter is the row edited.
INT_PTR CALLBACK DamageEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The columns of the list 4040: the frequency, the left ear, and the right
// ear, which exists only when the input is not symmetric.
enum { kFrequencyColumn = 0, kLeftColumn = 1, kRightColumn = 2 };

// Cells of the list (at most 15 characters).
void GetDamageCell(HWND dialog, int row, int column, char text[16]);
void SetDamageCell(HWND dialog, int row, int column, const char* text);

// Reads the losses of the list (whole decibels) into the remembered state.
void ReadDamageLosses(HWND dialog);

// The symmetric box, the table and formula buttons, the formula group and
// the right-ear column as the remembered state has them. The column comes
// back filled with the remembered right losses.
void ShowDamageChoices(HWND dialog);

// Reads the list, draws the audiogram (on dc, or on the dialog's own when
// nullptr) and shows the damage in 361.
void RecomputeDamage(HWND dialog, HDC dc);
