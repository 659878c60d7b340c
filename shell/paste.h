#pragma once
// "&Incolla" (40024, Shift+Ins) into the report document, and the test of
// the clipboard that enables it.

#include <windows.h>

// The first format on the clipboard of those the report document takes, in
// this order: "Csv", text, "Rich Text Format", "RichEdit Text and Objects",
// device-independent bitmap, bitmap; 0 when there is none.
UINT FirstPasteFormat();

// Pastes the first such format in place of the document's selection: "Csv"
// as text with the list separator turned into tabs, in one undoable change;
// texts through the document's own paste; a bitmap embedded if the document
// takes it, else "Il formato dei dati presenti nella Clipboard non è
// supportato da Fonexa". Only in the report document view.
void PasteIntoDocument(HWND mainWindow);
