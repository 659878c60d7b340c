#include "setup/install_plan.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

const char* const kProgramFiles[kProgramFileCount] = {
    "Fonexa.exe",      "Fonexa.hlp",    "Fonexa.cnt",      "Leggimi.txt",   "Installazione.pdf",
    "Documento.pdf",   "Esposizione.pdf", "Spettri.pdf",   "SceltaDPI.pdf", "Danno.pdf",
    "NIPTS.pdf",       "Rischio.pdf",   "Previsioni.pdf",  "Evoluzione.pdf", "Fonexa.inf",
    "Setup.exe",
};

const char* const kDeletedFiles[kDeletedFileCount] = {
    "Setup.log",       "Fonexa.exe",    "Fonexa.hlp",      "Fonexa.cnt",    "Leggimi.txt",
    "Installazione.pdf", "Documento.pdf", "Esposizione.pdf", "Spettri.pdf", "SceltaDPI.pdf",
    "Danno.pdf",       "NIPTS.pdf",     "Rischio.pdf",     "Previsioni.pdf", "Evoluzione.pdf",
    "Fonexa.gid",
};

const char* const kDataExtensions[kDataExtensionCount] = {".lep", ".lew", ".leg", ".ilg", ".spr",
                                                          ".spi", ".dpi", ".fnx", ".lin"};

const StartMenuLink kStartMenuLinks[kStartMenuLinkCount] = {
    {"Fonexa", "Fonexa.exe"},
    {"Guida di Fonexa", "Fonexa.hlp"},
};

const char kDefaultFolder[] = "C:\\OTREM\\Fonexa";
const char kStartMenuFolderName[] = "Software OTREM";
const char kSetupWindowClass[] = "Class_Fonexa_Setup";
const char kSetupWindowTitle[] = "Installazione di Fonexa";

namespace {

// snprintf that reports a cut as a failure and then leaves an empty string.
bool Format(char* out, size_t capacity, const char* format, ...)
{
    if (capacity == 0)
        return false;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(out, capacity, format, args);
    va_end(args);
    if (n < 0 || (size_t)n >= capacity) {
        out[0] = '\0';
        return false;
    }
    return true;
}

// The longest name the installer appends to its folder.
size_t LongestName()
{
    static const char* const kOthers[] = {"setup.log", "fonexa.inf", "Fonexa.gid"};
    size_t longest = 0;
    for (const char* name : kProgramFiles)
        longest = strlen(name) > longest ? strlen(name) : longest;
    for (const char* name : kDeletedFiles)
        longest = strlen(name) > longest ? strlen(name) : longest;
    for (const char* name : kOthers)
        longest = strlen(name) > longest ? strlen(name) : longest;
    return longest;
}

// Index just past the root that is never created: "C:\" or "\\server\share\".
size_t RootLength(const char* path)
{
    if (isalpha((unsigned char)path[0]) && path[1] == ':' && path[2] == '\\')
        return 3;
    if (path[0] == '\\' && path[1] == '\\') {
        const char* server = strchr(path + 2, '\\');
        if (!server || server == path + 2)
            return 0;
        const char* share = server + 1;
        if (*share == '\0' || *share == '\\')
            return 0;
        const char* end = strchr(share, '\\');
        return end ? (size_t)(end - path) + 1 : strlen(path);
    }
    return 0;
}

}  // namespace

bool NormaliseInstallFolder(const char* typed, char* folder, size_t capacity)
{
    if (capacity == 0)
        return false;
    folder[0] = '\0';
    if (!typed)
        return false;
    const char* begin = typed;
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    size_t length = strlen(begin);
    while (length > 0 && (begin[length - 1] == ' ' || begin[length - 1] == '\t'))
        --length;
    while (length > 0 && begin[length - 1] == '\\')
        --length;
    if (length == 0 || length + 1 + LongestName() + 1 > kPathCapacity || length + 1 > capacity)
        return false;
    memcpy(folder, begin, length);
    folder[length] = '\0';
    // A full path below a root: a drive or share root would have every data
    // file of the whole drive deleted at uninstall.
    size_t root = RootLength(folder);
    if (root == 0 || root >= length) {
        folder[0] = '\0';
        return false;
    }
    return true;
}

bool JoinPath(char* out, size_t capacity, const char* folder, const char* name)
{
    size_t length = strlen(folder);
    bool hasSlash = length > 0 && folder[length - 1] == '\\';
    return Format(out, capacity, hasSlash ? "%s%s" : "%s\\%s", folder, name);
}

bool FolderOfPath(char* out, size_t capacity, const char* path)
{
    const char* slash = strrchr(path, '\\');
    if (!slash || (size_t)(slash - path) + 1 > capacity) {
        if (capacity)
            out[0] = '\0';
        return false;
    }
    size_t length = (size_t)(slash - path);
    memcpy(out, path, length);
    out[length] = '\0';
    return length > 0;
}

int FolderLevels(const char* folder, char (*levels)[kPathCapacity], int maxLevels)
{
    size_t length = strlen(folder);
    if (length == 0 || length >= kPathCapacity)
        return 0;
    size_t root = RootLength(folder);
    int count = 0;
    for (size_t i = root; i <= length && count < maxLevels; ++i) {
        bool end = i == length || folder[i] == '\\';
        if (!end || i == root || folder[i - 1] == '\\')
            continue;
        memcpy(levels[count], folder, i);
        levels[count][i] = '\0';
        ++count;
    }
    return count;
}

bool HasExtension(const char* name, const char* ext)
{
    const char* dot = strrchr(name, '.');
    return dot && dot != name && strcasecmp(dot, ext) == 0;
}

bool FileTypeId(char* out, size_t capacity, const char* ext)
{
    return Format(out, capacity, "Fonexa.File%s", ext);
}

bool IconValue(char* out, size_t capacity, const char* folder)
{
    return Format(out, capacity, "\"%s\\Fonexa.exe\",0", folder);
}

bool OpenCommandValue(char* out, size_t capacity, const char* folder)
{
    return Format(out, capacity, "\"%s\\Fonexa.exe\" %s", folder, "\"%1\"");
}

bool ProgramPathValue(char* out, size_t capacity, const char* folder)
{
    return Format(out, capacity, "%s\\Fonexa.exe", folder);
}

bool UninstallStringValue(char* out, size_t capacity, const char* shortFolder)
{
    return Format(out, capacity, "%s\\setup.exe %s", shortFolder, "/remove");
}

bool WindowsVersionText(bool queried, int platform, unsigned major, unsigned minor, const char* service,
                        char* text, size_t capacity)
{
    if (capacity)
        text[0] = '\0';
    if (!queried)
        return true;
    char mark = service && service[0] ? service[1] : '\0';
    if (platform == kPlatformWindows9x) {
        if (major == 4 && minor == 0) {
            Format(text, capacity, "Windows 95 %s", mark == 'C' ? "OSR2 " : "");
            return true;
        }
        if (major == 4 && minor == 10) {
            Format(text, capacity, "Windows 98 %s", mark == 'A' ? "SE " : "");
            return true;
        }
        Format(text, capacity, "%s",
               major == 4 && minor == 90 ? "Windows Me " : "Windows versione successiva a Me ");
        return false;
    }
    if (platform == kPlatformNt) {
        const char* name = "Windows versione successiva ad XP ";
        if (major <= 4)
            name = "Windows NT ";
        else if (major == 5 && minor == 0)
            name = "Windows 2000 ";
        else if (major == 5 && minor == 1)
            name = "Windows XP ";
        Format(text, capacity, "%s", name);
    }
    return false;
}

bool InfUninstallCommand(char* out, size_t capacity, bool windows9x, const char* folder)
{
    return Format(out, capacity,
                  windows9x ? "rundll.exe setupx.dll,InstallHinfSection DefaultUninstall 132 %s\\Fonexa.inf"
                            : "rundll32.exe setupapi.dll,InstallHinfSection DefaultUninstall 132 %s\\Fonexa.inf",
                  folder);
}

bool LogHeader(char* out, size_t capacity, int day, int month, int year, int hour, int minute, int second)
{
    return Format(out, capacity, "File creato il %d-%d-%d alle ore %d.%d.%d\r\n", day, month, year, hour,
                  minute, second);
}
