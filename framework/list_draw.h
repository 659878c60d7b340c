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
