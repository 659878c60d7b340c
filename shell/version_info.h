#pragma once
// Texts of the program's own version resource.

#include <windows.h>

enum VersionField {
    kVersionDescription = 1,
    kVersionFileVersion = 2,
    kVersionCopyright = 3,
    kVersionProductName = 4,
    kVersionCompany = 5
};

// Copies field 1..5 into out when it exists, is not empty and fits. Without a
// version resource in the program file it shows "Informazioni sulla versione
// non presenti!" captioned with the program path. modulePath nullptr means the
// running program.
bool VersionField(HWND owner, int field, char* out, size_t capacity, const char* modulePath = nullptr);

// "&Info...": the program's description, version, copyright and maker from
// its version resource, in an information box.
void ShowProgramInfo(HWND owner);
