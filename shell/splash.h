#pragma once
// The splash window: the "FONEXA" picture for a while, closing with a
// shrinking effect when its time is up or when it is clicked.

#include <windows.h>

void ShowSplash(HINSTANCE instance, HWND owner, UINT milliseconds);
