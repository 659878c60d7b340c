// setup.exe installing and uninstalling for real, in the tests' own prefix:
// it is started as a process, its dialogs and message boxes are answered from
// this one, and what it leaves is read back through the Windows API.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/process.h"
#include "tests/setup/setup_checks.h"

using namespace setuptest;

namespace {

std::string g_setupExe, g_fonexaExe, g_infFile;

const char kKit[] = "C:\\KitFonexa";  // the folder setup.exe is started from
const char kNested[] = "C:\\Prove Fonexa\\livello uno\\Fonexa";
const char kDefault[] = "C:\\OTREM\\Fonexa";

// The sixteen program files, as the installer's table names them.
const char* const kProgramFiles[] = {
    "Fonexa.exe",    "Fonexa.hlp",      "Fonexa.cnt",    "Leggimi.txt",     "Installazione.pdf", "Documento.pdf",
    "Esposizione.pdf", "Spettri.pdf",   "SceltaDPI.pdf", "Danno.pdf",       "NIPTS.pdf",         "Rischio.pdf",
    "Previsioni.pdf", "Evoluzione.pdf", "Fonexa.inf",    "Setup.exe",
};
const char* const kExtensions[] = {".lep", ".lew", ".leg", ".ilg", ".spr", ".spi", ".dpi", ".fnx", ".lin"};
const char kLep[] = "[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=480\r\n";

std::string Sample(const char* ext)
{
    return std::string("esempio") + ext;
}

// The kit as it lies on a CD: read-only program files, one sample of each
// type, and two files that are not samples.
void MakeKit()
{
    RemoveTree(kKit);
    CreateDirectoryA(kKit, nullptr);
    for (const char* name : kProgramFiles) {
        std::string path = Join(kKit, name);
        if (std::string(name) == "Setup.exe")
            CopyFileA(g_setupExe.c_str(), path.c_str(), FALSE);
        else if (std::string(name) == "Fonexa.exe")
            CopyFileA(g_fonexaExe.c_str(), path.c_str(), FALSE);
        else if (std::string(name) == "Fonexa.inf")
            CopyFileA(g_infFile.c_str(), path.c_str(), FALSE);
        else
            WriteText(path, std::string("contenuto di ") + name);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    for (const char* ext : kExtensions)
        WriteText(Join(kKit, Sample(ext)), std::string(ext) == ".lep" ? kLep : std::string("dati ") + ext);
    WriteText(Join(kKit, "relazione.fnxold"), "vecchia");
    WriteText(Join(kKit, "appunti.txt"), "appunti");
}

void Press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(window, id));
}

// The captions and texts of the process's dialogs, to tell what it shows
// instead of the box a test waits for.
std::string ShownDialogs(DWORD process)
{
    struct Found {
        DWORD process;
        std::string text;
    } found = {process, ""};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            Found* f = (Found*)data;
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[16] = "", caption[300] = "";
            GetClassNameA(window, name, sizeof name);
            if (owner == f->process && IsWindowVisible(window) && std::string(name) == "#32770") {
                GetWindowTextA(window, caption, sizeof caption);
                f->text += std::string(" [") + caption + ": " + e2e::MessageBoxText(window) + "]";
            }
            return TRUE;
        },
        (LPARAM)&found);
    return found.text.empty() ? " nessuno" : found.text;
}

// A message box of the process with this caption and text, answered.
void Answer(const e2e::Fonexa& process, const std::string& caption, const std::string& text, int button)
{
    HWND box = process.WaitWindow("#32770", caption.c_str());
    ASSERT_NE(box, nullptr) << "nessun riquadro \"" << caption << "\" (" << text << "); mostrati:"
                            << ShownDialogs(process.Id());
    std::string shown = e2e::MessageBoxText(box);
    if (!shown.empty())
        EXPECT_EQ(shown, text) << caption;
    Press(box, button);
    // Gone before the next box, which may carry the same caption, is looked for.
    for (DWORD start = GetTickCount(); IsWindow(box) && GetTickCount() - start < 5000;)
        Sleep(10);
    EXPECT_FALSE(IsWindow(box)) << caption;
}

// An edit control's text: another process reads it only through WM_GETTEXT.
std::string EditText(HWND dialog, int id)
{
    char text[512] = "";
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

HWND FolderDialog(const e2e::Fonexa& setup)
{
    return setup.WaitWindow("#32770", "Installazione di Fonexa");
}

// Installs from the kit into folder; create: the folder is new and its
// creation is confirmed.
void Install(const std::string& folder, bool create)
{
    e2e::Fonexa setup(Join(kKit, "Setup.exe"), "");
    HWND dialog = FolderDialog(setup);
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IDC_SETUP_FOLDER), WM_SETTEXT, 0, (LPARAM)folder.c_str());
    Press(dialog, IDOK);
    if (create)
        Answer(setup, folder, "La directory specificata non esiste. Creare la directory?", IDYES);
    Answer(setup, "Installazione completata con successo", "Missione compiuta, capitano Kirk!", IDOK);
    EXPECT_EQ(setup.WaitExit(), 0);
}

std::vector<std::string> ExpectedLog(const std::string& f, bool samplesCopied)
{
    std::vector<std::string> lines = {""};
    for (const char* name : kProgramFiles)
        lines.push_back("Copiato il file: " + Join(f, name));
    lines.push_back("Creata la chiave: Software\\Microsoft\\Windows\\CurrentVersion\\App Paths");
    lines.push_back("Creata la chiave: " + f + "\\Fonexa.exe");
    for (const char* ext : kExtensions)
        lines.push_back(std::string("Creata la chiave: Fonexa.File") + ext);
    for (size_t i = 0; i < sizeof kExtensions / sizeof kExtensions[0]; ++i)
        lines.push_back("Creata la chiave: Shell\\Open\\Command");
    lines.push_back("Creato il link: " + f + "\\Fonexa.exe");
    lines.push_back("Creato il link: " + f + "\\Fonexa.hlp");
    lines.push_back("Creato il link sul desktop: " + f + "\\Fonexa.exe");
    if (samplesCopied)
        for (const char* ext : kExtensions)
            lines.push_back("Copiato il file: " + Join(f, Sample(ext)));
    lines.push_back("Creata la chiave: UninstallString");
    lines.push_back("Modificato il file: " + f + "\\fonexa.inf");
    return lines;
}

void ExpectLog(const std::string& f, bool samplesCopied)
{
    std::vector<std::string> lines = Lines(Join(f, "setup.log"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind("File creato il ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find(" alle ore "), std::string::npos) << lines[0];
    lines.erase(lines.begin());
    EXPECT_EQ(lines, ExpectedLog(f, samplesCopied));
}

// The names that a wildcard pattern finds.
std::vector<std::string> Matches(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The tools of the process's tooltip windows.
int ToolCount(DWORD process)
{
    int count = 0;
    for (HWND tip = nullptr; (tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner == process)
            count += (int)SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
    }
    return count;
}

std::string StartMenu()
{
    return Join(SpecialFolder(CSIDL_PROGRAMS), "Software OTREM");
}

std::string DesktopLink()
{
    return Join(SpecialFolder(CSIDL_DESKTOPDIRECTORY), "Fonexa.lnk");
}

void ExpectInstalled(const std::string& f)
{
    for (const char* name : kProgramFiles) {
        std::string copy = Join(f, name);
        ASSERT_TRUE(Exists(copy)) << copy;
        EXPECT_FALSE(GetFileAttributesA(copy.c_str()) & FILE_ATTRIBUTE_READONLY) << copy;
        if (std::string(name) != "Fonexa.inf")
            EXPECT_EQ(ReadText(copy), ReadText(Join(kKit, name))) << copy;
    }
    for (const char* ext : kExtensions)
        EXPECT_TRUE(Exists(Join(f, Sample(ext)))) << ext;
    EXPECT_FALSE(Exists(Join(f, "relazione.fnxold")));
    EXPECT_FALSE(Exists(Join(f, "appunti.txt")));

    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, kAppPathsKey), f + "\\Fonexa.exe");
    for (const char* ext : kExtensions) {
        std::string type = std::string("Fonexa.File") + ext;
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext), type);
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, type), "File di Fonexa");
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon"), "\"" + f + "\\Fonexa.exe\",0");
        EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, type + "\\Shell\\Open\\Command"), "\"" + f + "\\Fonexa.exe\" \"%1\"");
    }
    std::string shortFolder = ShortPath(f);
    EXPECT_EQ(shortFolder.find(' '), std::string::npos) << shortFolder;
    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"),
              "Fonexa - Rischio, danno e protezione dal rumore");
    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), shortFolder + "\\setup.exe /remove");

    std::string inf = Join(f, "Fonexa.inf");
    char value[MAX_PATH];
    GetPrivateProfileStringA("DestinationDirs", "InfFile", "", value, sizeof value, inf.c_str());
    EXPECT_EQ(std::string(value), "0," + shortFolder);
    GetPrivateProfileStringA("DestinationDirs", "DefaultDestDir", "", value, sizeof value, inf.c_str());
    EXPECT_EQ(std::string(value), "0," + shortFolder);

    EXPECT_EQ(LinkTarget(Join(StartMenu(), "Fonexa.lnk")), f + "\\Fonexa.exe");
    EXPECT_EQ(LinkDescription(Join(StartMenu(), "Fonexa.lnk")), "Fonexa");
    EXPECT_EQ(LinkTarget(Join(StartMenu(), "Guida di Fonexa.lnk")), f + "\\Fonexa.hlp");
    EXPECT_EQ(LinkDescription(Join(StartMenu(), "Guida di Fonexa.lnk")), "Guida di Fonexa");
    EXPECT_EQ(LinkTarget(DesktopLink()), f + "\\Fonexa.exe");
}

// Keys, links and deleted files are all gone.
void ExpectRemoved(const std::string& f)
{
    for (const char* ext : kExtensions) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, std::string("Fonexa.File") + ext)) << ext;
        if (std::string(ext) != ".dpi")
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext)) << ext;
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(Exists(DesktopLink()));
    EXPECT_FALSE(Exists(StartMenu()));
    for (const char* name : {"Setup.log", "Fonexa.exe", "Fonexa.hlp", "Leggimi.txt", "Evoluzione.pdf"})
        EXPECT_FALSE(Exists(Join(f, name))) << name;
}

// "setup.exe /remove" from the installed folder, answered up to the data question.
void Uninstall(const std::string& f, bool deleteData)
{
    e2e::Fonexa setup(Join(f, "Setup.exe"), "/remove");
    Answer(setup, "Disinstallazione di Fonexa", "Siete sicuri di voler rimuovere questo programma dal vostro computer?",
           IDYES);
    Answer(setup, f, "Cancellare anche i file con i dati contenuti nella cartella?", deleteData ? IDYES : IDNO);
    Answer(setup, "Disinstallazione di Fonexa",
           "La disinstallazione sarà completata al prossimo riavvio di Windows. Riavviare Windows adesso?", IDNO);
    EXPECT_EQ(setup.WaitExit(), 0);
}

std::string RunOnce(const char* value)
{
    return RegText(HKEY_LOCAL_MACHINE, kRunOnceKey, value);
}

// What Windows does at its next start: the INF's uninstall section, then the
// folder removal that it queues.
void RunQueuedCommands(const std::string& f)
{
    std::string command = RunOnce("Fonexa");
    EXPECT_EQ(command, "rundll32.exe setupapi.dll,InstallHinfSection DefaultUninstall 132 " + f + "\\Fonexa.inf");
    EXPECT_EQ(RunCommand(command), 0u);
    EXPECT_FALSE(Exists(Join(f, "Setup.exe")));
    EXPECT_FALSE(Exists(Join(f, "Fonexa.inf")));
    std::string removal = RunOnce("FonexaCartella");
    EXPECT_EQ(removal, "cmd /c rd " + ShortPath(f));
    RunCommand(removal);
    CleanSlate({});  // the queued values must not run at the next Wine session
}

class Setup : public testing::Test {
protected:
    void SetUp() override
    {
        CleanSlate({"C:\\OTREM", "C:\\Prove Fonexa"});
        MakeKit();
    }
    void TearDown() override
    {
        CleanSlate({"C:\\OTREM", "C:\\Prove Fonexa", kKit});
    }
};

TEST_F(Setup, InstallsTwiceIntoANewNestedFolderThenUninstallsKeepingTheData)
{
    ASSERT_FALSE(Exists("C:\\Prove Fonexa"));
    Install(kNested, true);
    ExpectInstalled(kNested);
    ExpectLog(kNested, true);

    // The user edits a sample; an older, longer log lies in the folder.
    WriteText(Join(kNested, Sample(".lep")), "modificato dall'utente");
    WriteText(Join(kNested, "Fonexa.hlp"), "guasto");
    WriteText(Join(kNested, "setup.log"), ReadText(Join(kNested, "setup.log")) + std::string(4000, 'x'));
    Install(kNested, false);
    ExpectInstalled(kNested);
    ExpectLog(kNested, false);
    EXPECT_EQ(ReadText(Join(kNested, Sample(".lep"))), "modificato dall'utente");
    EXPECT_EQ(ReadText(Join(kNested, "Fonexa.hlp")), "contenuto di Fonexa.hlp");

    // Another program has taken ".dpi" since: its key stays.
    SetRegText(HKEY_CLASSES_ROOT, ".dpi", "", "AltroProgramma.dpi");
    Uninstall(kNested, false);
    ExpectRemoved(kNested);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ".dpi"), "AltroProgramma.dpi");
    DeleteRegTree(HKEY_CLASSES_ROOT, ".dpi");
    for (const char* ext : kExtensions)
        EXPECT_TRUE(Exists(Join(kNested, Sample(ext)))) << ext;
    EXPECT_TRUE(Exists(Join(kNested, "Setup.exe")));
    EXPECT_TRUE(Exists(Join(kNested, "Fonexa.inf")));
    RunQueuedCommands(kNested);
    EXPECT_TRUE(IsFolder(kNested));  // the data files are still in it
}

TEST_F(Setup, UninstallWithYesDeletesOnlyTheEightTypesAndTheNextStartRemovesTheFolder)
{
    Install(kDefault, true);
    ExpectInstalled(kDefault);
    // Through this file's 8.3 name "*.fnx" matches it too.
    WriteText(Join(kDefault, "relazione.fnxold"), "da tenere");
    EXPECT_EQ(Matches(Join(kDefault, "*.fnx")).size(), 2u);
    Uninstall(kDefault, true);
    ExpectRemoved(kDefault);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".dpi"));
    for (const char* ext : kExtensions)
        EXPECT_FALSE(Exists(Join(kDefault, Sample(ext)))) << ext;
    EXPECT_EQ(ReadText(Join(kDefault, "relazione.fnxold")), "da tenere");
    DeleteFileA(Join(kDefault, "relazione.fnxold").c_str());
    RunQueuedCommands(kDefault);
    EXPECT_FALSE(Exists(kDefault));
}

TEST_F(Setup, UninstallWithoutTheProgramPathRemovesKeysAndLinksButNoFileAndQueuesNothing)
{
    Install(kDefault, true);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kAppPathsKey);
    e2e::Fonexa setup(Join(kDefault, "Setup.exe"), "/remove");
    Answer(setup, "Disinstallazione di Fonexa",
           "Siete sicuri di voler rimuovere questo programma dal vostro computer?", IDYES);
    Answer(setup, kAppPathsKey, "Impossibile aprire la chiave", IDOK);
    Answer(setup, kAppPathsKey, "Impossibile cancellare la chiave", IDOK);
    EXPECT_EQ(setup.WaitExit(), 0);
    ExpectRemoved("C:\\nessuna");
    for (const char* name : kProgramFiles)
        EXPECT_TRUE(Exists(Join(kDefault, name))) << name;
    EXPECT_EQ(RunOnce("Fonexa"), "<assente>");
}

TEST_F(Setup, FolderDialogRefusesATooLongFolderAndCancelsOnlyOnYes)
{
    e2e::Fonexa setup(Join(kKit, "Setup.exe"), "");
    HWND dialog = FolderDialog(setup);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(EditText(dialog, IDC_SETUP_FOLDER), kDefault);
    // Wine passes for a Windows later than XP.
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_SETUP_STATUS)), "Windows versione successiva ad XP ");
    // The edit and the three buttons have tooltips; the statics none.
    EXPECT_EQ(ToolCount(setup.Id()), 4);
    HWND backdrop = setup.WaitWindow("Class_Fonexa_Setup", "Installazione di Fonexa");
    ASSERT_NE(backdrop, nullptr);
    RECT r;
    GetWindowRect(backdrop, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));

    // A second installer gives way to the first.
    e2e::Fonexa second(Join(kKit, "Setup.exe"), "");
    EXPECT_EQ(second.WaitExit(), 0);

    // 3 + 238 characters are the most that leave room for "\Installazione.pdf".
    std::string tooLong = "C:\\" + std::string(239, 'a');
    SendMessageA(GetDlgItem(dialog, IDC_SETUP_FOLDER), WM_SETTEXT, 0, (LPARAM)tooLong.c_str());
    Press(dialog, IDOK);
    Answer(setup, tooLong, "Errore. Impossibile creare la directory!", IDOK);
    Press(dialog, IDCANCEL);
    Answer(setup, "Attenzione", "Interrompere l'installazione di Fonexa?", IDNO);
    Press(dialog, IDCANCEL);
    Answer(setup, "Attenzione", "Interrompere l'installazione di Fonexa?", IDYES);
    Answer(setup, "Installazione fallita o interrotta dall'utente",
           "Maledetti Klingons! Signor Spock, controlli i danni all'Enterprise!", IDOK);
    EXPECT_EQ(setup.WaitExit(), 1);
    EXPECT_FALSE(Exists("C:\\" + std::string(239, 'a')));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

TEST_F(Setup, AMissingFileStopsTheInstallationWithTheProgressDialogShowingWhatWasCopied)
{
    std::string missing = Join(kKit, "Evoluzione.pdf");
    SetFileAttributesA(missing.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(missing.c_str());
    e2e::Fonexa setup(Join(kKit, "Setup.exe"), "");
    HWND dialog = FolderDialog(setup);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDOK);
    Answer(setup, kDefault, "La directory specificata non esiste. Creare la directory?", IDYES);

    // The copy error stands over the progress dialog, which shows the
    // thirteen files copied before it.
    HWND error = setup.WaitWindow("#32770", missing.c_str());
    ASSERT_NE(error, nullptr);
    HWND progress = setup.WaitWindow("#32770", "Installazione di Fonexa in corso");
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(progress, IDC_SETUP_PROGRESS_BAR, PBM_GETPOS, 0, 0), 13);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(progress, IDC_SETUP_STATUS)), Join(kDefault, "Previsioni.pdf"));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(progress, IDCANCEL)));
    HWND backdrop = setup.WaitWindow("Class_Fonexa_Setup", "Tiraci su, Scotty!");
    ASSERT_NE(backdrop, nullptr);
    EXPECT_FALSE(IsWindowEnabled(backdrop));
    Answer(setup, missing, "Impossibile copiare il file", IDOK);
    Answer(setup, "Installazione fallita o interrotta dall'utente",
           "Maledetti Klingons! Signor Spock, controlli i danni all'Enterprise!", IDOK);
    EXPECT_EQ(setup.WaitExit(), 1);

    // What was copied stays, and the log says so and no more.
    std::vector<std::string> lines = Lines(Join(kDefault, "setup.log"));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[14], "Copiato il file: " + Join(kDefault, "Previsioni.pdf"));
    EXPECT_TRUE(Exists(Join(kDefault, "Previsioni.pdf")));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

// A reinstallation from the installed folder, and an uninstallation, that
// meet what they cannot do: each is told, logged for what was done, and no
// restart is offered for a removal that was not queued.
TEST_F(Setup, FailuresOfAReinstallationAndOfTheQueuedRemovalAreTold)
{
    Install(kDefault, true);
    std::string help = Join(kDefault, "Fonexa.hlp"), inf = Join(kDefault, "fonexa.inf");
    DeleteFileA(help.c_str());
    auto reinstall = [](const std::string& caption, const std::string& text) {
        e2e::Fonexa setup(Join(kDefault, "Setup.exe"), "");
        HWND dialog = FolderDialog(setup);
        ASSERT_NE(dialog, nullptr);
        Press(dialog, IDOK);
        Answer(setup, caption, text, IDOK);
        Answer(setup, "Installazione fallita o interrotta dall'utente",
               "Maledetti Klingons! Signor Spock, controlli i danni all'Enterprise!", IDOK);
        EXPECT_EQ(setup.WaitExit(), 1);
    };
    reinstall(help, "Impossibile copiare il file");
    std::vector<std::string> lines = Lines(Join(kDefault, "setup.log"));
    ASSERT_EQ(lines.size(), 3u);  // the first line, then "\r\n" before each entry
    EXPECT_EQ(lines[2], "Copiato il file: " + Join(kDefault, "Fonexa.exe"));

    WriteText(help, "contenuto di Fonexa.hlp");
    HANDLE held = CreateFileA(inf.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    reinstall(inf, "Impossibile modificare il file");
    CloseHandle(held);

    DeleteRegTree(HKEY_LOCAL_MACHINE, kRunOnceKey);
    e2e::Fonexa setup(Join(kDefault, "Setup.exe"), "/remove");
    Answer(setup, "Disinstallazione di Fonexa",
           "Siete sicuri di voler rimuovere questo programma dal vostro computer?", IDYES);
    Answer(setup, kDefault, "Cancellare anche i file con i dati contenuti nella cartella?", IDNO);
    Answer(setup, kRunOnceKey,
           "Impossibile pianificare la fine della disinstallazione al prossimo riavvio di Windows: eliminare a "
           "mano la cartella " + std::string(kDefault),
           IDOK);
    EXPECT_EQ(setup.WaitExit(), 0);
    SetRegText(HKEY_LOCAL_MACHINE, kRunOnceKey, "Fonexa", "");
    ExpectRemoved(kDefault);
}

// setup.exe asks for administrator rights, fonexa.exe runs as its user;
// neither asks for the common controls 6 (the classic look).
TEST(SetupProgram, ExportsTheUninstallEntryAndBothProgramsCarryTheirManifests)
{
    HMODULE setup = LoadLibraryExA(g_setupExe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(setup, nullptr);
    EXPECT_NE(GetProcAddress(setup, "Uninstall"), nullptr);
    FreeLibrary(setup);
    for (const auto& program : {std::make_pair(g_setupExe, "requireAdministrator"),
                                std::make_pair(g_fonexaExe, "asInvoker")}) {
        HMODULE module = LoadLibraryExA(program.first.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC found = module ? FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) : nullptr;
        ASSERT_NE(found, nullptr) << program.first;
        std::string manifest((const char*)LockResource(LoadResource(module, found)), SizeofResource(module, found));
        FreeLibrary(module);
        EXPECT_NE(manifest.find(std::string("level=\"") + program.second + "\""), std::string::npos) << manifest;
        EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << manifest;
    }
}

// fonexa.exe started by the shell through what setup registered.
HWND StartThroughShell(const std::string& file, const char* className, const char* title, HANDLE* process)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info) || !info.hProcess)
        return nullptr;
    *process = info.hProcess;
    return e2e::WaitProcessWindow(info.hProcess, GetProcessId(info.hProcess), className, title, 20000);
}

void EndFonexa(HANDLE process, HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, 15000) != WAIT_OBJECT_0)
        TerminateProcess(process, 99);
    CloseHandle(process);
}

TEST_F(Setup, InstalledFonexaStartsFromItsProgramPathAndOpensALepByItsType)
{
    Install(kDefault, true);
    HANDLE process = nullptr;
    HWND main = StartThroughShell("Fonexa.exe", "Fonexa_Class", nullptr, &process);
    ASSERT_NE(main, nullptr);
    char module[MAX_PATH] = "";
    DWORD size = sizeof module;
    QueryFullProcessImageNameA(process, 0, module, &size);
    EXPECT_STRCASEEQ(module, "C:\\OTREM\\Fonexa\\Fonexa.exe");
    EndFonexa(process, main);

    HWND lepd = StartThroughShell(Join(kDefault, Sample(".lep")), "#32770", "Calcolo Lep,d", &process);
    ASSERT_NE(lepd, nullptr);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(lepd, IDC_STATUS_BAR)), Join(kDefault, Sample(".lep")));
    PostMessageA(lepd, WM_COMMAND, IDCANCEL, 0);
    main = e2e::WaitProcessWindow(process, GetProcessId(process), "Fonexa_Class", nullptr, 10000);
    ASSERT_NE(main, nullptr);
    EndFonexa(process, main);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--setup=", 0) == 0)
            g_setupExe = e2e::WindowsPath(arg.substr(8));
        else if (arg.rfind("--fonexa=", 0) == 0)
            g_fonexaExe = e2e::WindowsPath(arg.substr(9));
        else if (arg.rfind("--inf=", 0) == 0)
            g_infFile = e2e::WindowsPath(arg.substr(6));
    }
    if (g_setupExe.empty() || g_fonexaExe.empty() || g_infFile.empty()) {
        fprintf(stderr, "usage: setup_tests --setup=PATH --fonexa=PATH --inf=PATH\n");
        return 2;
    }
    CoInitialize(nullptr);
    int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
