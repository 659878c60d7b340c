#pragma once
// Keeps non-numeric characters out of the numeric fields of every dialog
// (a thread hook on the messages of modal dialogs).

#include <windows.h>

void InstallMessageFilter();
void RemoveMessageFilter();

// True when the character may be typed into control id whose text (its first
// 15 characters) is currentText. Digits and backspace always pass; "." passes
// once in the numeric fields and any number of times in field 1567; other
// controls take everything.
bool NumericCharAllowed(int id, unsigned char ch, const char* currentText);

// The check of a numeric text when the user confirms a page: digits, "." and
// blanks only. At the first other character it shows "Inserire solo numeri,
// utilizzando il punto come separatore decimale.", cuts the text before that
// character, selects it and returns false; an empty text also gives false.
bool CheckNumericText(HWND control);
