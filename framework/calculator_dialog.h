#pragma once
// The skeleton of every calculator dialog. A calculator describes itself in a
// Calculator record (its tooltip and help tables, its help file, its data
// file, its report and printout, its own handlers) and its dialog procedure
// hands every message to CalculatorProc, which does what all calculators
// share and passes the rest on:
//
//   INT_PTR CALLBACK DailyExposureProc(HWND d, UINT m, WPARAM w, LPARAM l)
//   {
//       return CalculatorProc(kDailyExposure, d, m, w, l);
//   }
//
// Shared: the notes box (512 characters, filled from and kept in the
// remembered notes), the File menu's bitmaps, the status bar with the current
// data file, centring, tooltips, "&?", F1 and right-click help, the File menu
// commands (4123, 40005, 4122, "C&opia" 1028, "Stam&pa" 4121), a dropped file
// of the calculator's own extension, "&Chiudi" and the close box, the
// owner-drawn list rows, the colour of the result statics, and the
// calculator's own help file told to quit when the dialog is destroyed.

#include <windows.h>

#include <cstddef>

#include "framework/clipboard.h"
#include "framework/help.h"
#include "framework/tooltips.h"

struct Calculator {
    // ---- Tooltips and help
    const TooltipText* tooltips;
    size_t tooltipCount;
    const char* (*tooltip)(int control);  // texts not in the table, or nullptr
    const HelpTopic* helpTopics;          // ended by {0, 0}
    DWORD helpTopic;                      // "&?"
    const char* helpFile;                 // its own help file, or nullptr

    // ---- Remembered notes (513 characters), or nullptr without a notes box
    char* notes;

    // ---- Data file; typeTag nullptr for a calculator without one
    const char* typeTag;    // "LEPD"
    UINT filterId;          // "Lep,d (*.lep)|*.lep|"
    const char* extension;  // ".lep"
    char* currentFile;      // MAX_PATH characters, emptied at every opening
    // Writes the calculator's own keys (after the type, before the notes).
    void (*saveKeys)(HWND dialog, const char* path);
    // Reads them from a file already known to be of the calculator's type.
    void (*loadKeys)(HWND dialog, const char* path);
    ReportBuilder report;         // "C&opia"
    void (*print)(HWND dialog);   // "Stam&pa"

    // ---- The calculator's own handlers (any may be nullptr)
    // Sets up its controls and shows its remembered state, before a file
    // named at opening is loaded.
    void (*prepare)(HWND dialog);
    // Once everything is in place: the first computation.
    void (*opened)(HWND dialog);
    // After a dropped file was loaded.
    void (*dropped)(HWND dialog);
    // Before the dialog ends: its state into the remembered state.
    void (*remember)(HWND dialog);
    // Commands the skeleton does not handle.
    void (*command)(HWND dialog, int id, int notification);
    // Notifications other than tooltip requests; the result goes back to
    // the dialog manager.
    BOOL (*notify)(HWND dialog, const NMHDR* header);
    // Every other message; returns what a dialog procedure returns.
    INT_PTR (*message)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // Draws what the dialog paints itself (a chart, an audiogram) on dc.
    void (*paint)(HWND dialog, HDC dc);
    // Result statics shown blue on the menu colour, ended by 0 (or nullptr).
    const int* results;
    // A dropped file of the calculator's extension runs dropped even when
    // it was refused, so that what shows is computed from what is in the
    // dialog.
    bool droppedEvenIfRefused;
};

INT_PTR CalculatorProc(const Calculator& calculator, HWND dialog, UINT message, WPARAM wParam,
                       LPARAM lParam);

// Loads a data file into the open dialog: refused silently unless of the
// calculator's type; then its keys, the notes, and the status bar.
bool LoadCalculatorFile(HWND dialog, const char* path, const Calculator& calculator);

// Saves the dialog to path: type, own keys, notes. When the file cannot be
// written the user is told and the current file stays as it was.
bool SaveCalculatorFile(HWND dialog, const char* path, const Calculator& calculator);

// Ends the dialog as "&Chiudi" does (remembering its state).
void CloseCalculator(HWND dialog, const Calculator& calculator);
