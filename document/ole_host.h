#pragma once
// The host side of the report document's embedded objects: the callback the
// rich-edit control asks for object storage and for an in-place frame, and
// the temporary compound file that holds the objects' storages.

#include <windows.h>
#include <richole.h>

// Empties the document and gives it fresh OLE state: a new root storage and
// a new callback registered with the control. The previous state is
// released first. On failure the control (and its formatting toolbar) is
// destroyed and false is returned: the program goes on without a report
// document.
bool ResetDocumentObjects(HWND document, HWND mainWindow);

// Releases everything the last reset made; the document keeps no callback.
void ReleaseDocumentObjects();

// Remembers the document's path and its file title (after a save).
void RememberDocumentPath(const char* path);

// Resets, then remembers path (before a document is streamed in).
bool ResetForDocumentPath(const char* path);

// "Nessun file selezionato" when no path is remembered.
const char* DocumentTitle();
const char* DocumentPath();

// The callback registered with the control (nullptr when there is none);
// no reference is added.
IRichEditOleCallback* DocumentCallback();
