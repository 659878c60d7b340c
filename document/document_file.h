#pragma once
// The report document's ".fnx" file: the rich text format the control
// writes, saved and loaded through its streams.

#include <windows.h>

// Writes the whole document to path. The file is replaced only once the
// document has been written completely; on any failure it is left as it
// was, "File bloccato da un'altra applicazione. Impossibile salvare!" is
// shown (the path as caption) and false is returned. On success the path is
// remembered with the OLE state. The modified flag is the caller's.
bool SaveReportDocument(HWND document, const char* path);

enum DocumentLoad {
    kDocumentLoaded,
    kDocumentUntouched,  // the file could not be read: the document is as it was
    kDocumentEmptied,    // the file was read but not taken in: the document is empty
};

// Reads path into the document (after resetting its OLE state). A failure
// shows "File bloccato da un'altra applicazione. Impossibile aprire!" with
// the path as caption. The modified flag is the caller's.
DocumentLoad LoadReportDocument(HWND document, const char* path);
