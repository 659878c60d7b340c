#pragma once
// Every call of the help engine goes through here, so that tests can put a
// recorder in its place (a missing help file makes the engine block).

#include <windows.h>

#include <cstddef>

typedef BOOL (*HelpFunction)(HWND window, const char* file, UINT command, ULONG_PTR data);

// The main help file ("fonexa.hlp" in the program folder), set at start-up.
void SetMainHelpFile(const char* path);
const char* MainHelpFile();

// Replaces the help engine; nullptr restores the real WinHelp.
void SetHelpFunction(HelpFunction function);

BOOL CallHelp(HWND window, const char* file, UINT command, ULONG_PTR data);

// The main help file at a topic number (the "&?" items).
void ShowHelpTopic(HWND window, DWORD topic);

// The main help file at its contents.
void ShowHelpContents(HWND window);

// Tells the help engine to quit for a calculator's own help file.
void QuitHelp(HWND window, const char* file);

// A pair of a control id and the help topic shown for it; tables end with {0, 0}.
struct HelpTopic {
    DWORD control;
    DWORD topic;
};

// Context help of a dialog: WM_HELP names the control; WM_CONTEXTMENU the
// window under the pointer. Both look the control up in the table.
void ContextHelpForControl(const HELPINFO* info, const HelpTopic* table);
void ContextHelpMenu(HWND control, const HelpTopic* table);

// The topic of a control on a help page: its id x 65536 + the page.
constexpr DWORD ControlTopic(DWORD control, DWORD page)
{
    return control << 16 | page;
}

// Fills table with the topics of controls on a page, then the status bar's
// topic (1577's on page 111) and the closing {0, 0}. The table must hold
// count + 2 entries.
void FillHelpTopics(HelpTopic* table, const int* controls, size_t count, DWORD page);

// What every small dialog (an entry dialog, "ADDNOTES") answers the same
// way: tooltip requests from its table, F1 and right-click help from its
// topics. Returns true when the message was one of these (the dialog
// procedure then returns TRUE).
struct TooltipText;
bool AnswerDialogHelp(UINT message, WPARAM wParam, LPARAM lParam, const TooltipText* tooltips,
                      size_t tooltipCount, const HelpTopic* topics);
