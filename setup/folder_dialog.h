#pragma once
// Dialog 109, "Installazione di Fonexa": asks for the installation folder,
// offers the folder browser and creates the folder, level by level, after
// one confirmation.

#include <windows.h>

#include <cstddef>

// Modal. True with the chosen folder (existing now) in folder; false when
// the user abandons the installation.
bool AskInstallFolder(HWND owner, char* folder, size_t capacity);
