#include "tests/setup/setup_checks.h"

#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace setuptest {

const char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Fonexa.exe";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fonexa";
const char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

static const char* const kExtensions[] = {".lep", ".lew", ".leg", ".ilg", ".spr", ".spi", ".dpi", ".fnx", ".lin"};

std::string Join(const std::string& folder, const std::string& name)
{
    return folder + "\\" + name;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::string text = ReadText(path);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Join(path, "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = Join(path, name);
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string ShortPath(const std::string& path)
{
    char out[MAX_PATH] = "";
    GetShortPathNameA(path.c_str(), out, sizeof out);
    return out;
}

std::string RegText(HKEY root, const std::string& key, const char* value)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return "<assente>";
    char data[1024] = "";
    DWORD size = sizeof data - 1, type = 0;
    LONG read = RegQueryValueExA(opened, value[0] ? value : nullptr, nullptr, &type, (BYTE*)data, &size);
    RegCloseKey(opened);
    if (read != ERROR_SUCCESS)
        return "<assente>";
    if (type != REG_SZ)
        return "<non REG_SZ>";
    return data;
}

bool KeyExists(HKEY root, const std::string& key)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void SetRegText(HKEY root, const std::string& key, const char* value, const std::string& text)
{
    HKEY opened;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, value[0] ? value : nullptr, 0, REG_SZ, (const BYTE*)text.c_str(),
                   (DWORD)text.size() + 1);
    RegCloseKey(opened);
}

void DeleteRegTree(HKEY root, const std::string& key)
{
    RegDeleteTreeA(root, key.c_str());
    RegDeleteKeyA(root, key.c_str());
}

static std::string LinkField(const std::string& link, bool description)
{
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                (void**)&shellLink)))
        return "<assente>";
    std::string result = "<assente>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, (void**)&file))) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        char text[MAX_PATH] = "";
        if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
            SUCCEEDED(description ? shellLink->GetDescription(text, MAX_PATH)
                                  : shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
            result = text;
        file->Release();
    }
    shellLink->Release();
    return result;
}

std::string LinkTarget(const std::string& link)
{
    return LinkField(link, false);
}

std::string LinkDescription(const std::string& link)
{
    return LinkField(link, true);
}

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void CleanSlate(const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders)
        RemoveTree(folder);
    for (const char* ext : kExtensions) {
        DeleteRegTree(HKEY_CLASSES_ROOT, ext);
        DeleteRegTree(HKEY_CLASSES_ROOT, std::string("Fonexa.File") + ext);
    }
    DeleteRegTree(HKEY_LOCAL_MACHINE, kAppPathsKey);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    HKEY runOnce;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunOnceKey, 0, KEY_ALL_ACCESS, &runOnce) == ERROR_SUCCESS) {
        RegDeleteValueA(runOnce, "Fonexa");
        RegDeleteValueA(runOnce, "FonexaCartella");
        RegCloseKey(runOnce);
    }
    RemoveTree(Join(SpecialFolder(CSIDL_PROGRAMS), "Software OTREM"));
    DeleteFileA(Join(SpecialFolder(CSIDL_DESKTOPDIRECTORY), "Fonexa.lnk").c_str());
}

DWORD RunCommand(const std::string& commandLine)
{
    std::string line = commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return (DWORD)-1;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = (DWORD)-1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

}  // namespace setuptest
