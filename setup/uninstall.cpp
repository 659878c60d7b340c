// The uninstaller: files, registry keys and shortcuts now; setup.exe, the
// INF and the folder at the next start of Windows, by the INF.

#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "setup/data_files.h"
#include "setup/setup_app.h"
#include "setup/setup_state.h"

namespace {

const char kCaption[] = "Disinstallazione di Fonexa";
const char kProgramKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Fonexa.exe";
const char kUninstallEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fonexa";
const char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// The installation folder from the program path of App Paths; shows why not.
bool InstalledFolder(char* folder, size_t capacity)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        ErrorBox("Impossibile aprire la chiave", kProgramKey);
        return false;
    }
    char path[kPathCapacity] = "";
    DWORD size = sizeof path - 1, type = 0;
    LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)path, &size);
    RegCloseKey(key);
    path[size < sizeof path ? size : sizeof path - 1] = '\0';
    char parent[kPathCapacity];
    // A value changed by hand may be anything: it must still name a folder
    // the paths built from it fit with.
    if (read != ERROR_SUCCESS || type != REG_SZ || !FolderOfPath(parent, sizeof parent, path) ||
        !NormaliseInstallFolder(parent, folder, capacity)) {
        ErrorBox("Impossibile recuperare il percorso", kProgramKey);
        return false;
    }
    return true;
}

void DeleteIn(const char* folder, const char* name)
{
    char path[kPathCapacity];
    if (JoinPath(path, sizeof path, folder, name))
        DeleteFileA(path);
}

// The data files of the types Fonexa registers, and no other file.
void DeleteDataFiles(const char* folder)
{
    for (const char* ext : kDataExtensions)
        ForEachDataFile(folder, ext, [folder](const char* name) {
            DeleteIn(folder, name);
            return true;
        });
}

void DeleteFiles(const char* folder)
{
    for (const char* name : kDeletedFiles)
        DeleteIn(folder, name);
    if (MessageBoxA(nullptr, "Cancellare anche i file con i dati contenuti nella cartella?", folder,
                    MB_YESNO | MB_ICONQUESTION) == IDYES)
        DeleteDataFiles(folder);
}

void DeleteKey(HKEY root, const char* key)
{
    if (RegDeleteKeyA(root, key) != ERROR_SUCCESS)
        ErrorBox("Impossibile cancellare la chiave", key);
}

// True while HKCR\ext still names Fonexa's type: another program may have
// taken the extension since.
bool ExtensionStillOurs(const char* ext, const char* typeId)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ext, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return true;  // gone already: deleting it says so
    char value[64] = "";
    DWORD size = sizeof value - 1, type = 0;
    LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)value, &size);
    RegCloseKey(key);
    value[size < sizeof value ? size : sizeof value - 1] = '\0';
    return read == ERROR_SUCCESS && type == REG_SZ && strcmp(value, typeId) == 0;
}

void DeleteKeys()
{
    static const char* const kTypeSubkeys[] = {"\\Shell\\Open\\Command", "\\Shell\\Open", "\\Shell", "\\DefaultIcon",
                                               ""};
    for (const char* ext : kDataExtensions) {
        char typeId[32];
        FileTypeId(typeId, sizeof typeId, ext);
        if (ExtensionStillOurs(ext, typeId))
            DeleteKey(HKEY_CLASSES_ROOT, ext);
        for (const char* sub : kTypeSubkeys) {
            char key[64];
            snprintf(key, sizeof key, "%s%s", typeId, sub);
            DeleteKey(HKEY_CLASSES_ROOT, key);
        }
    }
    DeleteKey(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
    DeleteKey(HKEY_LOCAL_MACHINE, kProgramKey);
}

void DeleteLinks()
{
    char desktop[kPathCapacity];
    if (!DesktopFolder(desktop, sizeof desktop)) {
        MessageBoxA(nullptr, "Impossibile trovare il folder Desktop", "", MB_OK | MB_ICONERROR);
        return;
    }
    DeleteIn(desktop, "Fonexa.lnk");
    char menu[kPathCapacity];
    if (!StartMenuFolder(menu, sizeof menu)) {
        MessageBoxA(nullptr, "Impossibile trovare il folder nel menu Start", "Programmi", MB_OK | MB_ICONERROR);
        return;
    }
    for (const StartMenuLink& link : kStartMenuLinks) {
        char name[96];
        snprintf(name, sizeof name, "%s.lnk", link.name);
        DeleteIn(menu, name);
    }
    RemoveDirectoryA(menu);  // only when empty
}

// The INF's uninstall queued for the next start. When it cannot be, the
// user is told what is left, and no restart is offered for nothing.
bool QueueInfUninstall(const char* folder)
{
    char ignored[64];
    char command[kCommandCapacity];
    bool queued = false;
    HKEY runOnce = nullptr;
    if (InfUninstallCommand(command, sizeof command, QueryWindowsVersion(ignored, sizeof ignored), folder) &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunOnceKey, 0, KEY_WRITE, &runOnce) == ERROR_SUCCESS) {
        queued = RegSetValueExA(runOnce, "Fonexa", 0, REG_SZ, (const BYTE*)command, (DWORD)strlen(command) + 1) ==
                 ERROR_SUCCESS;
        RegCloseKey(runOnce);
    }
    if (!queued) {
        char text[kPathCapacity + 160];
        snprintf(text, sizeof text,
                 "Impossibile pianificare la fine della disinstallazione al prossimo riavvio di Windows: "
                 "eliminare a mano la cartella %s",
                 folder);
        ErrorBox(text, kRunOnceKey);
    }
    return queued;
}

void RestartWindows()
{
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges = {};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        CloseHandle(token);
    }
    ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED);
}

}  // namespace

extern "C" __declspec(dllexport) void CALLBACK Uninstall(HWND, HINSTANCE, LPSTR, int)
{
    if (MessageBoxA(nullptr, "Siete sicuri di voler rimuovere questo programma dal vostro computer?", kCaption,
                    MB_YESNO | MB_ICONERROR) != IDYES)
        return;
    char folder[kPathCapacity];
    bool found = InstalledFolder(folder, sizeof folder);
    if (found)
        DeleteFiles(folder);
    DeleteKeys();
    DeleteLinks();
    if (!found || !QueueInfUninstall(folder))
        return;
    if (MessageBoxA(nullptr,
                    "La disinstallazione sarà completata al prossimo riavvio di Windows. Riavviare Windows adesso?",
                    kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        RestartWindows();
}
