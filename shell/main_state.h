#pragma once
// State of the main window, kept for the life of the process.

#include <windows.h>

enum ViewState {
    kViewShifts = 0,
    kViewPredictions = 3,
    kViewEvolution = 6,
    kViewRisk = 9,
    kViewDocument = 100
};

enum ClipboardFormatIndex { kFormatCsv, kFormatRtf, kFormatRichEditObjects, kFormatEmbedded, kFormatCount };

struct MainState {
    HWND window;
    HINSTANCE instance;
    int viewState;
    char documentFile[MAX_PATH];
    char programFolder[MAX_PATH];
    char helpFile[MAX_PATH];
    UINT clipboardFormats[kFormatCount];
    HMODULE richEditLibrary;
    HRESULT oleResult;
    // Path handed to a command posted by the open-by-extension routine.
    char openPath[MAX_PATH];
};

extern MainState g_main;

// The main window's child by its fixed id (12, 13, 14, 15).
HWND MainChild(int id);
