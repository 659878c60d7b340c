#pragma once
// The splash window: the "FONEXA" picture for a while, closing with a
// shrinking effect when its time is up or when it is clicked.

#include <windows.h>

// It stays top-most unless onTop is false: a calculator named on the command
// line, opened right after it, must come in front of it.
void ShowSplash(HINSTANCE instance, HWND owner, UINT milliseconds, bool onTop = true);
