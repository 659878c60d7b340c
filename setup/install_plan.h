#pragma once
// What the installer puts where: its fixed tables, and every text it builds
// from the installation folder (paths, registry values, commands, the log's
// first line). Each builder writes into a caller's buffer and returns false,
// leaving an empty string, when the result would not fit.

#include <cstddef>

enum {
    kPathCapacity = 260,        // MAX_PATH, terminating zero included
    kProgramFileCount = 16,
    kDeletedFileCount = 16,
    kDataExtensionCount = 9,
    kStartMenuLinkCount = 2,
    kCommandCapacity = 512
};

// Copied, in this order, from the folder of setup into the installation folder.
extern const char* const kProgramFiles[kProgramFileCount];
// Deleted at uninstall, in this order (setup.exe and the INF are left to the INF).
extern const char* const kDeletedFiles[kDeletedFileCount];
// The data-file types, with their dot: ".lep" ... ".fnx", ".lin".
extern const char* const kDataExtensions[kDataExtensionCount];

struct StartMenuLink {
    const char* name;    // the link file's name without ".lnk", and its description
    const char* target;  // a file of the installation folder
};
extern const StartMenuLink kStartMenuLinks[kStartMenuLinkCount];

extern const char kDefaultFolder[];       // "C:\OTREM\Fonexa"
extern const char kStartMenuFolderName[]; // "Software OTREM"
extern const char kSetupWindowClass[];
extern const char kSetupWindowTitle[];

// The folder as typed, without blanks around it and without trailing
// backslashes. False when it is not a full path below a drive or share root
// ("C:\a", "\\server\share\a"), or when the longest path the installer
// builds from it would not fit in kPathCapacity.
bool NormaliseInstallFolder(const char* typed, char* folder, size_t capacity);

// folder "\" name, without doubling a backslash that ends the folder.
bool JoinPath(char* out, size_t capacity, const char* folder, const char* name);

// The path without its last component ("C:\a\Fonexa.exe" gives "C:\a").
bool FolderOfPath(char* out, size_t capacity, const char* path);

// The folders to make, from the outermost, so that folder exists: every prefix
// ending before a backslash, the drive root or UNC share left out, then the
// folder itself. Returns how many were written (at most maxLevels), each
// into levels[i] of kPathCapacity bytes.
int FolderLevels(const char* folder, char (*levels)[kPathCapacity], int maxLevels);

// True when name's real extension (after its last dot) is ext, letter case
// ignored: "relazione.fnxold" is not a ".fnx" file, whatever its 8.3 name.
bool HasExtension(const char* name, const char* ext);

// Registry texts: "Fonexa.File.lep"; "\"F\Fonexa.exe\",0"; "\"F\Fonexa.exe\" \"%1\"";
// "F\Fonexa.exe"; "S\setup.exe /remove".
bool FileTypeId(char* out, size_t capacity, const char* ext);
bool IconValue(char* out, size_t capacity, const char* folder);
bool OpenCommandValue(char* out, size_t capacity, const char* folder);
bool ProgramPathValue(char* out, size_t capacity, const char* folder);
bool UninstallStringValue(char* out, size_t capacity, const char* shortFolder);

// The Windows family as the version query gives it.
enum WindowsPlatform { kPlatformWin32s = 0, kPlatformWindows9x = 1, kPlatformNt = 2 };

// The folder dialog's Windows text ("Windows XP ", ...); returns true on the
// 9x result, which chooses the uninstall command. queried is false when the
// version query failed: no text and the 9x result.
bool WindowsVersionText(bool queried, int platform, unsigned major, unsigned minor, const char* service,
                        char* text, size_t capacity);

// The command that runs the INF's DefaultUninstall at the next start.
bool InfUninstallCommand(char* out, size_t capacity, bool windows9x, const char* folder);

// "File creato il d-m-y alle ore h.m.s\r\n".
bool LogHeader(char* out, size_t capacity, int day, int month, int year, int hour, int minute, int second);
