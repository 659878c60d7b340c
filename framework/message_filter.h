#pragma once
// Keeps non-numeric characters out of the numeric fields of every dialog
// (a thread hook on the messages of modal dialogs), typed or pasted.

#include <windows.h>

void InstallMessageFilter();
void RemoveMessageFilter();

// What goes into control id, whose text (its first 15 characters) is
// currentText, when the character is typed: the character itself, "." for a
// "," (the decimal key of an Italian keypad), or 0 when it is swallowed.
// Digits, backspace and the copy, cut, paste and undo keys always pass; "."
// passes once in the numeric fields and any number of times in field 1567;
// other controls take everything.
char NumericCharTyped(int id, char ch, const char* currentText);

// The check of a numeric text when the user confirms a page: digits, "." and
// blanks only. At the first other character it shows "Inserire solo numeri,
// utilizzando il punto come separatore decimale.", cuts the text before that
// character, selects it and returns false; an empty text also gives false.
bool CheckNumericText(HWND control);
