#include "tests/gui/harness.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <sstream>

#include "framework/help.h"
#include "shell/app.h"
#include "tests/support/window_text.h"

namespace gui {

namespace {

const UINT kRunAction = WM_APP + 1;
const UINT_PTR kTick = 1;
const char kHarnessClass[] = "FonexaTestHarness";

struct ScriptAbort {};

struct Harness {
    HWND window = nullptr;        // message-only window that runs the actions
    HHOOK cbtHook = nullptr;
    LPVOID mainFiber = nullptr;
    LPVOID scriptFiber = nullptr;
    const std::function<void()>* script = nullptr;
    bool running = false;         // a script is under way
    bool done = false;
    std::deque<std::function<void()>> actions;
    int actionDepth = 0;          // actions under way (nested in modal loops)
    std::vector<HWND> answered;   // message boxes already answered
    std::vector<HWND> recorded;   // live message boxes already recorded
    std::vector<BoxRecord> boxes;
    std::vector<HelpCall> helpCalls;
    HWND main = nullptr;
};

Harness h;

bool IsMessageBox(HWND window)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return strcmp(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

using testsupport::MessageBoxText;
using testsupport::WindowText;

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    for (HWND seen : windows)
        if (seen == window)
            return true;
    return false;
}

void Forget(std::vector<HWND>& windows, HWND window)
{
    for (size_t i = 0; i < windows.size(); ++i)
        if (windows[i] == window) {
            windows.erase(windows.begin() + i);
            return;
        }
}

// Records a message box once, when it is first seen.
void RecordBox(HWND window)
{
    if (Contains(h.recorded, window))
        return;
    h.recorded.push_back(window);
    BoxRecord record;
    record.caption = WindowText(window);
    record.text = MessageBoxText(window);
    static const int kButtons[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
    for (int id : kButtons)
        if (GetDlgItem(window, id))
            record.buttons.push_back(id);
    h.boxes.push_back(record);
}

LRESULT CALLBACK RecordBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    if (code == HCBT_ACTIVATE && IsMessageBox(window))
        RecordBox(window);
    else if (code == HCBT_DESTROYWND) {
        Forget(h.recorded, window);
        Forget(h.answered, window);
    }
    return CallNextHookEx(h.cbtHook, code, wParam, lParam);
}

BOOL RecordHelp(HWND window, const char* file, UINT command, ULONG_PTR data)
{
    HelpCall call = {file ? file : "", command, data, 0};
    if (command == HELP_WM_HELP || command == HELP_CONTEXTMENU) {
        call.control = GetDlgCtrlID(window);
        call.data = 0;
        for (const DWORD* pair = (const DWORD*)data; pair && pair[0]; pair += 2)
            if ((int)pair[0] == call.control)
                call.data = pair[1];
    }
    h.helpCalls.push_back(call);
    return TRUE;
}

void YieldToLoop()
{
    if (GetCurrentFiber() != h.scriptFiber) {
        ADD_FAILURE() << "a harness wait was called outside RunScript";
        throw ScriptAbort();
    }
    SwitchToFiber(h.mainFiber);
}

[[noreturn]] void Abort(const std::string& why)
{
    ADD_FAILURE() << why;
    throw ScriptAbort();
}

// Top-level windows of this thread, visible, other than the main window.
std::vector<HWND> OpenWindows()
{
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            if (IsWindowVisible(window) && window != h.main)
                ((std::vector<HWND>*)param)->push_back(window);
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

HWND PendingMessageBox()
{
    for (HWND window : OpenWindows())
        if (IsMessageBox(window) && !Contains(h.answered, window)) {
            RecordBox(window);
            return window;
        }
    return nullptr;
}

void FailOnUnexpectedBox(const std::string& waitingFor)
{
    HWND box = PendingMessageBox();
    if (box)
        Abort("while waiting for " + waitingFor + " a message box appeared: [" + WindowText(box) +
              "] " + MessageBoxText(box));
}

void CloseLeftovers()
{
    for (int round = 0; round < 20; ++round) {
        std::vector<HWND> open = OpenWindows();
        bool closed = false;
        for (HWND window : open) {
            char className[16] = "";
            GetClassNameA(window, className, sizeof className);
            if (strcmp(className, "#32770") == 0) {
                EndDialog(window, IDCANCEL);
                closed = true;
            }
        }
        if (!closed)
            return;
        // Let the modal loops see that they have ended.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void ResumeScript()
{
    if (h.running && !h.done && GetCurrentFiber() == h.mainFiber)
        SwitchToFiber(h.scriptFiber);
    if (h.done) {
        // The script has ended: end every modal loop it left open, so that
        // the stack unwinds back to RunScript.
        std::vector<HWND> open = OpenWindows();
        for (HWND window : open) {
            char className[16] = "";
            GetClassNameA(window, className, sizeof className);
            if (strcmp(className, "#32770") == 0)
                EndDialog(window, IDCANCEL);
        }
    }
}

LRESULT CALLBACK HarnessProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kRunAction:
        if (!h.actions.empty()) {
            std::function<void()> action = std::move(h.actions.front());
            h.actions.pop_front();
            ++h.actionDepth;
            action();
            --h.actionDepth;
            ResumeScript();
        }
        return 0;
    case WM_TIMER:
        ResumeScript();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void WINAPI ScriptEntry(LPVOID)
{
    for (;;) {
        try {
            (*h.script)();
        } catch (const ScriptAbort&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << "script threw: " << e.what();
        }
        std::vector<HWND> open = OpenWindows();
        for (HWND window : open)
            ADD_FAILURE() << "the script left a window open: [" << WindowText(window) << "]";
        h.done = true;
        SwitchToFiber(h.mainFiber);
    }
}

void EnsureHarness()
{
    if (h.window)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HarnessProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kHarnessClass;
    RegisterClassA(&wc);
    h.window = CreateWindowExA(0, kHarnessClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    h.cbtHook = SetWindowsHookExA(WH_CBT, RecordBoxes, nullptr, GetCurrentThreadId());
    SetHelpFunction(RecordHelp);
    h.mainFiber = ConvertThreadToFiber(nullptr);
    h.scriptFiber = CreateFiber(256 * 1024, ScriptEntry, nullptr);
}

void Post(std::function<void()> action)
{
    h.actions.push_back(std::move(action));
    PostMessageA(h.window, kRunAction, 0, 0);
}

Window WaitFor(const std::string& what, DWORD timeoutMs, const std::function<HWND()>& find,
               bool boxesAllowed)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND found = find();
        if (found)
            return Window(found);
        if (!boxesAllowed)
            FailOnUnexpectedBox(what);
        if (GetTickCount() - start > timeoutMs)
            Abort("timed out waiting for " + what);
        YieldToLoop();
    }
}

}  // namespace

// ---- Program ----------------------------------------------------------------

HWND MainWindow()
{
    EnsureHarness();
    if (!h.main) {
        int exitCode = 0;
        h.main = StartMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL, false, &exitCode);
    }
    return h.main;
}

void MainCommand(int command)
{
    HWND main = MainWindow();
    Post([main, command] { SendMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0); });
    Settle();
}

// ---- Scripts ----------------------------------------------------------------

void RunScript(const std::function<void()>& script)
{
    MainWindow();
    h.script = &script;
    h.running = true;
    h.done = false;
    h.answered.clear();
    SetTimer(h.window, kTick, 5, nullptr);
    SwitchToFiber(h.scriptFiber);
    MSG msg;
    while (!h.done && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    CloseLeftovers();
    // Run what the script posted and never waited for.
    while (!h.actions.empty()) {
        std::function<void()> action = std::move(h.actions.front());
        h.actions.pop_front();
        action();
    }
    KillTimer(h.window, kTick);
    h.running = false;
    h.script = nullptr;
}

// Actions run in order, so once this marker has run every earlier action
// has either finished or opened the modal loop the marker ran in.
void Settle()
{
    auto ran = std::make_shared<bool>(false);
    Post([ran] { *ran = true; });
    DWORD start = GetTickCount();
    while (!*ran) {
        if (GetTickCount() - start > 10000)
            Abort("an action did not finish");
        YieldToLoop();
    }
}

void WaitUntil(const std::string& what, const std::function<bool()>& done, DWORD timeoutMs)
{
    WaitFor(what, timeoutMs, [&done] { return done() ? h.window : nullptr; }, false);
}

void Perform(const std::function<void()>& action)
{
    Post(action);
    Settle();
}

Window WaitWindow(const std::string& title, DWORD timeoutMs)
{
    return WaitFor(
        "window [" + title + "]", timeoutMs,
        [&title]() -> HWND {
            for (HWND window : OpenWindows())
                if (WindowText(window) == title && IsWindowEnabled(window) && !IsMessageBox(window))
                    return window;
            return nullptr;
        },
        false);
}

Window WaitMessageBox(DWORD timeoutMs)
{
    return WaitFor("a message box", timeoutMs, PendingMessageBox, true);
}

void WaitGone(const Window& window, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(window.hwnd())) {
        if (GetTickCount() - start > timeoutMs)
            Abort("timed out waiting for [" + WindowText(window.hwnd()) + "] to close");
        YieldToLoop();
    }
}

// ---- Window -----------------------------------------------------------------

HWND Window::Item(int id) const
{
    return GetDlgItem(hwnd_, id);
}

bool Window::Exists() const
{
    return IsWindow(hwnd_) != FALSE;
}

std::string Window::Title() const
{
    return WindowText(hwnd_);
}

std::string Window::Text(int id) const
{
    HWND item = Item(id);
    if (!item)
        Abort("no control " + std::to_string(id) + " in [" + Title() + "]");
    return WindowText(item);
}

bool Window::Enabled(int id) const
{
    return IsWindowEnabled(Item(id)) != FALSE;
}

bool Window::Visible(int id) const
{
    return IsWindowVisible(Item(id)) != FALSE;
}

void Window::Click(int id) const
{
    HWND item = Item(id);
    if (!item || !IsWindowVisible(item) || !IsWindowEnabled(item))
        Abort("button " + std::to_string(id) + " of [" + Title() + "] cannot be pressed");
    HWND dialog = hwnd_;
    // A click gives the button the focus, which comes back to it after any
    // window the click opens.
    Post([dialog, id, item] {
        SetFocus(item);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)item);
    });
    Settle();
}

void Window::Command(int id) const
{
    HWND window = hwnd_;
    Post([window, id] { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); });
    Settle();
}

void Window::SetText(int id, const std::string& text) const
{
    HWND item = Item(id);
    if (!item)
        Abort("no control " + std::to_string(id) + " in [" + Title() + "]");
    Post([item, text] { SetWindowTextA(item, text.c_str()); });
    Settle();
}

void Window::Type(int id, const std::string& text) const
{
    HWND item = Item(id);
    if (!item)
        Abort("no control " + std::to_string(id) + " in [" + Title() + "]");
    for (unsigned char c : text)
        PostMessageA(item, WM_CHAR, c, 1);
    Settle();
}

void Window::Select(int id, int index) const
{
    HWND item = Item(id);
    HWND dialog = hwnd_;
    Post([dialog, item, id, index] {
        SendMessageA(item, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)item);
    });
    Settle();
}

void Window::Close() const
{
    HWND window = hwnd_;
    Post([window] { SendMessageA(window, WM_CLOSE, 0, 0); });
    Settle();
}

void Window::Key(UINT key) const
{
    HWND window = hwnd_;
    HWND focus = GetFocus();
    HWND target = focus && (focus == window || IsChild(window, focus)) ? focus : window;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Settle();
}

void Window::Focus(int id) const
{
    HWND item = Item(id);
    Post([item] { SetFocus(item); });
    Settle();
}

int Window::ListCount(int id) const
{
    return (int)SendMessageA(Item(id), LVM_GETITEMCOUNT, 0, 0);
}

std::string Window::ListCell(int id, int row, int column) const
{
    char text[261] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Item(id), LVM_GETITEMTEXTA, row, (LPARAM)&item);
    return text;
}

int Window::ListSelection(int id) const
{
    return (int)SendMessageA(Item(id), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

void Window::ListSelect(int id, int row) const
{
    HWND list = Item(id);
    Post([list, row] {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)&state);
    });
    Settle();
}

void Window::ListDoubleClick(int id) const
{
    HWND dialog = hwnd_;
    HWND list = Item(id);
    Post([dialog, list, id] {
        NMITEMACTIVATE activate = {};
        activate.hdr.hwndFrom = list;
        activate.hdr.idFrom = id;
        activate.hdr.code = NM_DBLCLK;
        activate.iItem = (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
        SendMessageA(dialog, WM_NOTIFY, id, (LPARAM)&activate);
    });
    Settle();
}

std::string Window::BoxText() const
{
    return MessageBoxText(hwnd_);
}

bool Window::HasButton(int id) const
{
    return Item(id) != nullptr;
}

void Window::Answer(int button) const
{
    HWND item = Item(button);
    if (!item)
        Abort("the message box [" + Title() + "] has no button " + std::to_string(button));
    h.answered.push_back(hwnd_);
    PostMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)item);
    WaitGone(*this);
}

// ---- Records ------------------------------------------------------------------

const std::vector<BoxRecord>& MessageBoxes()
{
    return h.boxes;
}

void ClearMessageBoxes()
{
    h.boxes.clear();
}

const std::vector<HelpCall>& HelpCalls()
{
    return h.helpCalls;
}

void ClearHelpCalls()
{
    h.helpCalls.clear();
}

// ---- Files ----------------------------------------------------------------------

std::string TempFolder()
{
    static int counter = 0;
    char base[MAX_PATH] = "";
    GetTempPathA(sizeof base, base);
    std::string root = std::string(base) + "fonexa-tests";
    CreateDirectoryA(root.c_str(), nullptr);
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "test";
    // Wine gives the next run the same process id: the counter goes on until
    // the folder is a new one, so no test meets another run's files.
    for (;;) {
        std::string folder = root + "\\" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter);
        if (CreateDirectoryA(folder.c_str(), nullptr))
            return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return folder;
    }
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::vector<std::string> FileLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void DropFiles(const Window& window, const std::vector<std::string>& paths)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    DROPFILES* files = (DROPFILES*)GlobalLock(drop);
    files->pFiles = sizeof(DROPFILES);
    char* names = (char*)(files + 1);
    for (const std::string& path : paths) {
        memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    GlobalUnlock(drop);
    HWND target = window.hwnd();
    Post([target, drop] { SendMessageA(target, WM_DROPFILES, (WPARAM)drop, 0); });
    Settle();
}

void AnswerFileDialog(const Window& dialog, const std::string& path)
{
    HWND box = dialog.hwnd();
    // The file-name box of the explorer-style dialogs (cmb13, or edt1).
    HWND name = GetDlgItem(box, cmb13);
    if (!name)
        name = GetDlgItem(box, edt1);
    if (!name)
        Abort("the file dialog [" + dialog.Title() + "] has no file-name box");
    // While the dialog still fills its file list (slow on a loaded machine)
    // a selection in the list can replace the typed name: type it again
    // until the dialog goes or asks something.
    for (int attempt = 0; attempt < 4; ++attempt) {
        Post([box, name, path] {
            SetWindowTextA(name, path.c_str());
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
        });
        Settle();
        DWORD start = GetTickCount();
        while (IsWindow(box) && IsWindowVisible(box) && !PendingMessageBox() && GetTickCount() - start < 2000)
            YieldToLoop();
        if (!IsWindow(box) || !IsWindowVisible(box) || PendingMessageBox())
            return;
    }
}

void ChooseFileFilter(const Window& dialog, int index)
{
    HWND types = dialog.Item(cmb1);
    HWND box = dialog.hwnd();
    Perform([=] {
        SendMessageA(types, CB_SETCURSEL, index - 1, 0);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)types);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)types);
    });
}

std::string ClipboardCsv()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    HANDLE data = GetClipboardData(RegisterClipboardFormatA("Csv"));
    if (data) {
        const char* bytes = (const char*)GlobalLock(data);
        if (bytes) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace gui
