#pragma once
// The splash window: the "FONEXA" picture for a while, closing with a
// shrinking effect when its time is up or when it is clicked.

#include <windows.h>

void ShowSplash(HINSTANCE instance, HWND owner, UINT milliseconds);

// The splash leaves the top-most band, so that a window opened after it (a
// calculator named on the command line) comes in front of it.
void LowerSplash();
