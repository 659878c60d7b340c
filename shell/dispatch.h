#pragma once
// The main window's command dispatcher.

#include <windows.h>

// Handles one command of the menus, toolbars, accelerators or of the
// open-by-extension routine. lParam is 0 for menus and accelerators, the
// toolbar for its buttons, or the main window's open-path buffer when the
// command carries a file.
void DispatchCommand(HWND mainWindow, int command, LPARAM lParam, int notification);

// Opens a calculator dialog modally over the main window; returns its result.
INT_PTR ShowCalculator(const char* dialogTemplate, DLGPROC procedure, LPARAM parameter);

// Opens a data file in its calculator over owner, as "&Apri..." does, and
// returns once the calculator has closed (the folder summary's rows). A
// report document or another file does nothing.
void OpenDataFileOver(HWND owner, const char* path);

// Opens the file by its extension: posts the command of the matching
// calculator or of the report document with the path. Other extensions and
// an empty path do nothing.
void OpenByExtension(HWND mainWindow, const char* path);

// Asks to save a modified report document ("Il documento è stato
// modificato. Salvare le modifiche?"). False when the user cancelled, or
// when the document is still modified after the save.
bool ConfirmDocumentSaved(HWND mainWindow);

// The file carried by a command (the open-path buffer), or nullptr.
const char* CommandFile(LPARAM lParam);
