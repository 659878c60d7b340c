#pragma once
// "Stam&pa" (1010) of the report document: the selection, or the whole
// document, on the default printer with one-inch margins.

#include <windows.h>

// documentName is the print job's name ("Senza titolo" when empty). False
// when there is no default printer, the job is refused, or the document did
// not print whole.
bool PrintReportDocument(HWND document, const char* documentName);
