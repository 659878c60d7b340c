#pragma once
// Drives the real program in-process, as a user would: a test script runs on
// its own fiber while the thread pumps messages, including every modal loop
// that a click opens, so a script reads like the user's session:
//
//   gui::RunScript([] {
//       gui::MainCommand(IDM_LEPD);
//       gui::Window lepd = gui::WaitWindow("Calcolo Lep,d");
//       lepd.Click(IDC_LEPD_ADD);
//       gui::Window entry = gui::WaitWindow("Aggiungi");
//       ...
//   });
//
// Actions (Click, SetText, Type, Command, ...) are carried out by the message
// loop, never by the script itself; each returns once its action is done or
// has opened a modal window. Waits time out and fail the test; a message box
// that appears while the script waits for something else fails it too, with
// the box's caption and text.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gui {

// ---- The program under test ---------------------------------------------

// The main window, created once per process as start-up creates it (without
// the splash and the message loop).
HWND MainWindow();

// Posts a menu command to the main window (as choosing the menu item does).
void MainCommand(int command);

// ---- Scripts --------------------------------------------------------------

// Runs script while this thread pumps messages; returns when it has ended.
// Windows that the script leaves open are closed and reported as a failure.
void RunScript(const std::function<void()>& script);

class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const;
    bool Exists() const;
    std::string Title() const;
    std::string Text(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;

    // A button pressed (fails the test if it is hidden or disabled).
    void Click(int id) const;
    // A menu item of this window chosen.
    void Command(int id) const;
    // The text of a control replaced, as pasting over it does.
    void SetText(int id, const std::string& text) const;
    // Characters typed into a control, one WM_CHAR each, through the
    // dialog's own modal loop (so its message filter sees them).
    void Type(int id, const std::string& text) const;
    // An item of a drop-down list chosen.
    void Select(int id, int index) const;
    // The close box.
    void Close() const;
    // A key pressed and released, through the dialog's own loop (Esc, Enter).
    void Key(UINT key) const;
    // The focus given to a control (as clicking into it does).
    void Focus(int id) const;

    // List views
    int ListCount(int id) const;
    std::string ListCell(int id, int row, int column) const;
    int ListSelection(int id) const;
    void ListSelect(int id, int row) const;
    void ListDoubleClick(int id) const;

    // Message boxes: the text of the box and whether it has a button.
    std::string BoxText() const;
    bool HasButton(int id) const;
    // Presses a button of a message box and waits until the box is gone.
    void Answer(int button) const;

private:
    HWND hwnd_ = nullptr;
};

// A visible, enabled top-level window of this thread with the title.
Window WaitWindow(const std::string& title, DWORD timeoutMs = 10000);
// The next message box that the script has not answered yet.
Window WaitMessageBox(DWORD timeoutMs = 10000);
// Waits until the window is destroyed.
void WaitGone(const Window& window, DWORD timeoutMs = 10000);
// Waits while the program runs until done() holds (what is told when it
// times out).
void WaitUntil(const std::string& what, const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Lets every action posted so far run (or open its modal window).
void Settle();
// Runs a function from the message loop (as the user's action would).
void Perform(const std::function<void()>& action);

// ---- Records ---------------------------------------------------------------

struct BoxRecord {
    std::string caption;
    std::string text;
    std::vector<int> buttons;
};

// Every message box the process has shown since the last clear.
const std::vector<BoxRecord>& MessageBoxes();
void ClearMessageBoxes();

struct HelpCall {
    std::string file;
    UINT command;
    ULONG_PTR data;   // the topic for context help on a control
    int control;      // the control of a context-help call, else 0
};

// Every call of the help engine since the last clear (the real WinHelp is
// never called by the tests).
const std::vector<HelpCall>& HelpCalls();
void ClearHelpCalls();

// ---- Files ----------------------------------------------------------------

// A fresh empty folder for one test (a Windows path, without the final
// backslash).
std::string TempFolder();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
std::vector<std::string> FileLines(const std::string& path);

// Drops files on a window (WM_DROPFILES with a real HDROP).
void DropFiles(const Window& window, const std::vector<std::string>& paths);

// Answers an open or save dialog with a full path.
void AnswerFileDialog(const Window& dialog, const std::string& path);

// Chooses a filter (1..n) of a file dialog's type box, as the user does.
void ChooseFileFilter(const Window& dialog, int index);

// The "Csv" text on the clipboard ("" when there is none).
std::string ClipboardCsv();

}  // namespace gui
