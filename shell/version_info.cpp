#include "shell/version_info.h"

#include <cstdio>
#include <cstring>
#include <vector>

bool VersionField(HWND owner, int field, char* out, size_t capacity, const char* modulePath)
{
    static const char* const kKeys[] = {"FileDescription", "FileVersion", "LegalCopyright",
                                        "ProductName", "CompanyName"};
    if (field < 1 || field > 5 || !out || capacity == 0)
        return false;

    char path[MAX_PATH] = "";
    if (modulePath)
        snprintf(path, sizeof path, "%s", modulePath);
    else
        GetModuleFileNameA(nullptr, path, sizeof path);

    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, data.data())) {
        MessageBoxA(owner, "Informazioni sulla versione non presenti!", path, MB_OK);
        return false;
    }
    char query[80];
    snprintf(query, sizeof query, "\\StringFileInfo\\041004B0\\%s", kKeys[field - 1]);
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), query, (void**)&value, &length) || !value || length == 0 ||
        value[0] == '\0' || length > capacity)
        return false;
    size_t n = strnlen(value, capacity - 1);
    memcpy(out, value, n);
    out[n] = '\0';
    return true;
}

void ShowProgramInfo(HWND owner)
{
    char description[128] = "Fonexa", version[32] = "", copyright[128] = "", company[128] = "";
    if (!VersionField(owner, kVersionDescription, description, sizeof description))
        return;
    VersionField(owner, kVersionFileVersion, version, sizeof version);
    VersionField(owner, kVersionCopyright, copyright, sizeof copyright);
    VersionField(owner, kVersionCompany, company, sizeof company);
    char text[512];
    snprintf(text, sizeof text, "%s\r\n\r\nVersione %s\r\n%s\r\n%s", description, version, copyright,
             company);
    MessageBoxA(owner, text, "Informazioni su Fonexa", MB_OK | MB_ICONINFORMATION);
}
