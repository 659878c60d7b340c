#include "setup/install_steps.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>

#include "setup/data_files.h"
#include "setup/folder_dialog.h"
#include "setup/install_log.h"
#include "setup/progress_dialog.h"
#include "setup/setup_state.h"
#include "setup/shell_links.h"

namespace {

const char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kTypeDescription[] = "File di Fonexa";
const char kCommandKey[] = "Shell\\Open\\Command";

HKEY CreateKey(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool SetText(HKEY key, const char* name, const char* text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)text, (DWORD)strlen(text) + 1) == ERROR_SUCCESS;
}

// Closes the key and reports the failure.
bool Fail(HKEY key, const char* text, const char* caption)
{
    if (key)
        RegCloseKey(key);
    ErrorBox(text, caption);
    return false;
}

// Logs and shows one handled item; false once the progress dialog is gone.
bool Done(const char* kind, const char* item)
{
    LogEntry(kind, item);
    return ShowStep(item);
}

bool CopyProgramFiles()
{
    const char* folder = g_setup.folder;
    if (!SetCurrentDirectoryA(folder)) {
        if (!CreateDirectoryA(folder, nullptr)) {
            ErrorBox("Impossibile creare la directory", folder);
            return false;
        }
        LogEntry(kLogFolder, folder);
    }
    for (int i = 0; i < kProgramFileCount && ProgressOpen(); ++i) {
        char source[kPathCapacity], target[kPathCapacity];
        JoinPath(source, sizeof source, g_setup.setupFolder, kProgramFiles[i]);
        JoinPath(target, sizeof target, folder, kProgramFiles[i]);
        // Installing again from the installed folder: the file is already
        // there, or it is missing and nothing can bring it back.
        bool same = lstrcmpiA(source, target) == 0;
        bool copied = same ? GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES
                           : CopyFileA(source, target, FALSE) != FALSE;
        if (!copied) {
            ErrorBox("Impossibile copiare il file", source);
            return false;
        }
        // A read-only source (a CD) must not give a read-only copy.
        SetFileAttributesA(target, FILE_ATTRIBUTE_NORMAL);
        Done(kLogFile, target);
    }
    return ProgressOpen();
}

bool RegisterProgramPath()
{
    HKEY appPaths = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_ALL_ACCESS, &appPaths) != ERROR_SUCCESS)
        return Fail(nullptr, "Impossibile aprire la chiave", kAppPathsKey);
    Done(kLogKey, kAppPathsKey);
    HKEY program = CreateKey(appPaths, "Fonexa.exe");
    RegCloseKey(appPaths);
    if (!program)
        return Fail(nullptr, "Impossibile creare la chiave per Fonexa", "Fonexa.exe");
    char path[kPathCapacity];
    if (!ProgramPathValue(path, sizeof path, g_setup.folder) || !SetText(program, nullptr, path))
        return Fail(program, "Impossibile inserire il percorso nella chiave", "Fonexa.exe");
    RegCloseKey(program);
    return Done(kLogKey, path);
}

bool RegisterExtensions()
{
    for (int i = 0; i < kDataExtensionCount && ProgressOpen(); ++i) {
        const char* ext = kDataExtensions[i];
        HKEY key = CreateKey(HKEY_CLASSES_ROOT, ext);
        if (!key)
            return Fail(nullptr, "Impossibile creare la chiave per l'estensione", ext);
        char typeId[32];
        FileTypeId(typeId, sizeof typeId, ext);
        if (!SetText(key, nullptr, typeId))
            return Fail(key, "Impossibile inserire l'identificatore dell'estensione", typeId);
        RegCloseKey(key);
        Done(kLogKey, typeId);
    }
    return ProgressOpen();
}

bool RegisterFileTypes()
{
    char icon[kCommandCapacity], command[kCommandCapacity];
    IconValue(icon, sizeof icon, g_setup.folder);
    OpenCommandValue(command, sizeof command, g_setup.folder);
    for (int i = 0; i < kDataExtensionCount && ProgressOpen(); ++i) {
        char typeId[32];
        FileTypeId(typeId, sizeof typeId, kDataExtensions[i]);
        HKEY type = CreateKey(HKEY_CLASSES_ROOT, typeId);
        if (!type)
            return Fail(nullptr, "Impossibile creare la chiave per l'identificativo", typeId);
        if (!SetText(type, nullptr, kTypeDescription))
            return Fail(type, "Impossibile inserire la descrizione dell'identificativo", kTypeDescription);
        HKEY defaultIcon = CreateKey(type, "DefaultIcon");
        if (defaultIcon) {
            SetText(defaultIcon, nullptr, icon);
            RegCloseKey(defaultIcon);
        } else {
            ErrorBox("Impossibile inserire la descrizione dell'icona", kTypeDescription);
        }
        HKEY open = CreateKey(type, kCommandKey);
        RegCloseKey(type);
        if (!open || !SetText(open, nullptr, command))
            return Fail(open, "Impossibile inserire il comando di apertura", "Open");
        RegCloseKey(open);
        Done(kLogKey, kCommandKey);
    }
    return ProgressOpen();
}

bool CreateStartMenu(char* menu, size_t capacity)
{
    char programs[kPathCapacity];
    if (!ProgramsFolder(programs, sizeof programs)) {
        ErrorBox("Impossibile trovare il folder nel menu Start", "Programmi");
        return false;
    }
    if (!JoinPath(menu, capacity, programs, kStartMenuFolderName)) {
        ErrorBox("Impossibile creare la directory", programs);
        return false;
    }
    DWORD attributes = GetFileAttributesA(menu);
    if ((attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) &&
        !CreateDirectoryA(menu, nullptr)) {
        ErrorBox("Impossibile creare la directory", menu);
        return false;
    }
    return true;
}

bool CreateLinks(const char* menu)
{
    for (int i = 0; i < kStartMenuLinkCount && ProgressOpen(); ++i) {
        char name[96], link[kPathCapacity], target[kPathCapacity];
        snprintf(name, sizeof name, "%s.lnk", kStartMenuLinks[i].name);
        JoinPath(target, sizeof target, g_setup.folder, kStartMenuLinks[i].target);
        if (JoinPath(link, sizeof link, menu, name) && CreateShellLink(link, target, kStartMenuLinks[i].name))
            LogEntry(kLogLink, target);
        ShowStep(target);
    }
    char desktop[kPathCapacity];
    if (!DesktopFolder(desktop, sizeof desktop)) {
        ErrorBox("Impossibile trovare il folder Desktop", "");
        return false;
    }
    char link[kPathCapacity], target[kPathCapacity];
    JoinPath(target, sizeof target, g_setup.folder, "Fonexa.exe");
    if (JoinPath(link, sizeof link, desktop, "Fonexa.lnk") && CreateShellLink(link, target, "Fonexa"))
        LogEntry(kLogDesktopLink, target);
    return ShowStep(target);
}

bool CreateShortcuts()
{
    char menu[kPathCapacity];
    if (!CreateStartMenu(menu, sizeof menu))
        return false;
    HRESULT com = CoInitialize(nullptr);
    if (FAILED(com)) {
        ErrorBox("Impossibile inizializzare COM", "Creazione collegamenti");
        return false;
    }
    bool ok = CreateLinks(menu);
    CoUninitialize();
    return ok;
}

// Sample data files lying beside setup. A file of that name already in the
// folder is the user's own (perhaps an edited sample) and is kept.
void CopySampleDataFiles()
{
    for (int i = 0; i < kDataExtensionCount && ProgressOpen(); ++i) {
        ForEachDataFile(g_setup.setupFolder, kDataExtensions[i], [](const char* name) {
            char source[kPathCapacity], target[kPathCapacity];
            if (!JoinPath(source, sizeof source, g_setup.setupFolder, name) ||
                !JoinPath(target, sizeof target, g_setup.folder, name))
                return true;
            if (CopyFileA(source, target, TRUE)) {
                SetFileAttributesA(target, FILE_ATTRIBUTE_NORMAL);
                LogEntry(kLogFile, target);
            }
            return ShowStep(target);
        });
    }
}

bool WriteUninstallEntry()
{
    if (!ProgressOpen())
        return false;
    HKEY uninstall = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_WRITE, &uninstall) != ERROR_SUCCESS)
        return false;
    HKEY entry = CreateKey(uninstall, "Fonexa");
    RegCloseKey(uninstall);
    if (!entry)
        return false;
    char shortFolder[kPathCapacity];
    DWORD n = GetShortPathNameA(g_setup.folder, shortFolder, sizeof shortFolder);
    if (n == 0 || n >= sizeof shortFolder)
        snprintf(shortFolder, sizeof shortFolder, "%s", g_setup.folder);
    char value[kCommandCapacity];
    SetText(entry, "DisplayName", "Fonexa - Rischio, danno e protezione dal rumore");
    bool ok = UninstallStringValue(value, sizeof value, shortFolder) && SetText(entry, "UninstallString", value);
    RegCloseKey(entry);
    if (!ok)
        return false;
    Done(kLogKey, "UninstallString");

    // The INF's uninstall section finds the folder through these keys.
    char inf[kPathCapacity], dir[kPathCapacity + 8];
    JoinPath(inf, sizeof inf, g_setup.folder, "fonexa.inf");
    snprintf(dir, sizeof dir, "0,%s", shortFolder);
    if (!WritePrivateProfileStringA("DestinationDirs", "InfFile", dir, inf) ||
        !WritePrivateProfileStringA("DestinationDirs", "DefaultDestDir", dir, inf) ||
        !WritePrivateProfileStringA("Strings", "CartellaFonexa", shortFolder, inf)) {
        // Without these keys the uninstall at the next start would not find
        // the folder.
        ErrorBox("Impossibile modificare il file", inf);
        return false;
    }
    Done(kLogModified, inf);
    return true;
}

}  // namespace

bool RunInstallation(HWND backdrop)
{
    if (!AskInstallFolder(backdrop, g_setup.folder, sizeof g_setup.folder))
        return false;
    if (!OpenInstallLog(g_setup.folder))
        return false;
    if (!OpenProgressDialog(backdrop))
        return false;
    EnableWindow(backdrop, FALSE);
    SetWindowTextA(backdrop, "Tiraci su, Scotty!");
    // Kept against every WM_SETCURSOR until the installation returns.
    g_setup.busy = true;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    if (!CopyProgramFiles() || !RegisterProgramPath() || !RegisterExtensions() || !RegisterFileTypes() ||
        !CreateShortcuts())
        return false;
    CopySampleDataFiles();
    return WriteUninstallEntry();
}
