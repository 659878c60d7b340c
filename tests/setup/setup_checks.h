#pragma once
// What the installer tests read back: files, registry values, shell links,
// and the clean slate each test starts from.

#include <windows.h>

#include <string>
#include <vector>

namespace setuptest {

extern const char kAppPathsKey[];   // ...\App Paths\Fonexa.exe
extern const char kUninstallKey[];  // ...\Uninstall\Fonexa
extern const char kRunOnceKey[];

std::string Join(const std::string& folder, const std::string& name);
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
// Whole lines of a file, split at "\r\n".
std::vector<std::string> Lines(const std::string& path);
// Deletes a folder and everything in it, read-only files too.
void RemoveTree(const std::string& path);
std::string ShortPath(const std::string& path);

// A REG_SZ value ("" for the default), or "<assente>" when the key or value is missing.
std::string RegText(HKEY root, const std::string& key, const char* value = "");
bool KeyExists(HKEY root, const std::string& key);
void SetRegText(HKEY root, const std::string& key, const char* value, const std::string& text);
void DeleteRegTree(HKEY root, const std::string& key);

// The target of a shell link, or "<assente>".
std::string LinkTarget(const std::string& link);
std::string LinkDescription(const std::string& link);

std::string SpecialFolder(int csidl);

// Removes whatever an earlier installation left: folders, keys, links and
// queued commands.
void CleanSlate(const std::vector<std::string>& folders);

// Runs a command line as given (no quoting added) and waits for it.
DWORD RunCommand(const std::string& commandLine);

}  // namespace setuptest
