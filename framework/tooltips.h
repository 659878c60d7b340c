#pragma once
// One tooltip window for every dialog. A dialog registers its children when
// it opens (and again after each of its sub-dialogs closes) and answers the
// tooltip's text requests from its own table.

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

struct TooltipText {
    int control;
    const char* text;
};

// Creates the tooltip window and the hook that relays mouse moves to it.
void CreateTooltips(HWND mainWindow);

// Gives every non-static child of the dialog a tooltip; returns the dialog
// registered before.
HWND RegisterTooltipDialog(HWND dialog);

void DestroyTooltips();

HWND TooltipWindow();

// Answers a need-text notification from a table; true when it was one.
// A control missing from the table gets no tooltip.
bool AnswerTooltip(const NMHDR* header, const TooltipText* table, size_t count);

// The control id a need-text notification asks about.
int TooltipControl(const NMHDR* header);

// Same, for a text already chosen by the caller (the toolbars).
void SetTooltipAnswer(const NMHDR* header, const char* text);

inline bool IsTooltipRequest(const NMHDR* header)
{
    return header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW;
}
