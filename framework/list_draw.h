#pragma once
// Owner-drawn rows of report-view list views: one text per column, cut with
// "..." when it does not fit its cell.

#include <windows.h>

// WM_MEASUREITEM of an owner-drawn list view: the list font's character
// height plus 1, at least 17 pixels. Returns false for other controls.
bool MeasureListItem(HWND dialog, MEASUREITEMSTRUCT* measure);

// WM_DRAWITEM of an owner-drawn list view. Returns false for other controls.
bool DrawListItem(HWND dialog, const DRAWITEMSTRUCT* draw);

// Cuts text (in place) so that it fits width pixels less 4, ending it with
// "..."; a text that fits, or a cell too narrow even for "...", stays whole.
void ShortenToWidth(HDC dc, char* text, size_t capacity, int width);

// After the user resized a column (a header notification, passed on by the
// list to its dialog) the whole list is drawn again, so that no cell keeps
// the text cut for its old width. Returns true when it was one.
bool RepaintAfterColumnResize(const NMHDR* header);

// When a list view gets the focus: its selected row, or the first one, is
// made selected and focused (nothing for an empty list).
void SelectRowOnFocus(HWND list);

// WM_CTLCOLORSTATIC of a calculator's result: blue text on a transparent
// background over the system menu colour; returns the brush.
INT_PTR ColourResult(HDC dc);

// The owner-drawn list views of a dialog: WM_MEASUREITEM and WM_DRAWITEM
// answered, anything else not (0).
INT_PTR ListDrawMessage(HWND dialog, UINT message, LPARAM lParam);

// The list of a calculator whose rows are edited in an entry dialog: a double
// click on a selected row edits it, and the list taking the focus selects a
// row. True when the notification was one of these.
bool ListRowNotify(HWND dialog, const NMHDR* header, int listId, void (*editRow)(HWND dialog));

// The selected row of a list view, -1 when none.
int SelectedListRow(HWND dialog, int listId);

// Inserts a row at row with text in its first column; returns its index.
int InsertListRow(HWND list, int row, const char* text);
