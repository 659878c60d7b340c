#include "framework/message_filter.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "resources/resource.h"

static HHOOK s_hook;
static HHOOK s_creationHook;

static bool IsNumericField(int id)
{
    static const int kSingle[] = {362,  368,  1555, 4020, 4021, 4030, 4060,
                                  4090, 4510, 4515, 4520, 4807, 4821, 4822};
    for (int single : kSingle)
        if (id == single)
            return true;
    return (id >= 1005 && id <= 1007) || (id >= 1019 && id <= 1021) || (id >= 8591 && id <= 8604);
}

char NumericCharTyped(int id, char ch, const char* currentText)
{
    bool many = id == IDC_NUMERIC_MANY_POINTS;
    if (!many && !IsNumericField(id))
        return ch;
    if ((ch >= '0' && ch <= '9') || ch == '\b')
        return ch;
    // Copy, cut, paste and undo keys: a paste is filtered as it lands.
    if (ch == 0x03 || ch == 0x16 || ch == 0x18 || ch == 0x1A)
        return ch;
    if (ch != '.' && ch != ',')
        return 0;
    return many || !memchr(currentText, '.', strnlen(currentText, 15)) ? '.' : 0;
}

static LRESULT CALLBACK FilterDialogMessages(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* msg = (MSG*)lParam;
    if (code == MSGF_DIALOGBOX && msg->message == WM_CHAR && msg->hwnd) {
        char text[16] = "";
        GetWindowTextA(msg->hwnd, text, sizeof text);
        char typed = NumericCharTyped(GetDlgCtrlID(msg->hwnd), (char)msg->wParam, text);
        if (typed != (char)msg->wParam) {
            if (typed)
                SendMessageA(msg->hwnd, WM_CHAR, (unsigned char)typed, msg->lParam);
            return 1;
        }
    }
    return CallNextHookEx(s_hook, code, wParam, lParam);
}

// Pasted text goes in as if it were typed: what typing would swallow (a
// blank, "dB", a second point, a line break) is left out.
static void PasteNumbers(HWND edit)
{
    if ((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) || !OpenClipboard(edit))
        return;
    std::string pasted;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = (const char*)GlobalLock(data)) {
            pasted.assign(text, strnlen(text, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    char text[256] = "";
    GetWindowTextA(edit, text, sizeof text);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    size_t length = strlen(text);
    std::string rest = std::string(text, start < length ? start : length) + (end < length ? text + end : "");
    std::string accepted;
    int id = GetDlgCtrlID(edit);
    for (char ch : pasted) {
        char typed = NumericCharTyped(id, ch, (rest + accepted).c_str());
        if ((typed >= '0' && typed <= '9') || typed == '.')
            accepted += typed;
    }
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)accepted.c_str());
}

static LRESULT CALLBACK NumericFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR)
{
    if (message == WM_PASTE) {
        PasteNumbers(edit);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, NumericFieldProc, 0);
    return DefSubclassProc(edit, message, wParam, lParam);
}

// Every numeric edit is watched from its creation, so that a paste from the
// context menu, which sends no character, is filtered too.
static LRESULT CALLBACK WatchNumericFields(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND window = (HWND)wParam;
        const CREATESTRUCTA* create = ((const CBT_CREATEWNDA*)lParam)->lpcs;
        char name[8] = "";
        int id = (int)(INT_PTR)create->hMenu;
        if ((create->style & WS_CHILD) && (IsNumericField(id) || id == IDC_NUMERIC_MANY_POINTS) &&
            GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, "Edit") == 0)
            SetWindowSubclass(window, NumericFieldProc, 0, 0);
    }
    return CallNextHookEx(s_creationHook, code, wParam, lParam);
}

void InstallMessageFilter()
{
    if (!s_hook)
        s_hook = SetWindowsHookExA(WH_MSGFILTER, FilterDialogMessages, nullptr, GetCurrentThreadId());
    if (!s_creationHook)
        s_creationHook = SetWindowsHookExA(WH_CBT, WatchNumericFields, nullptr, GetCurrentThreadId());
}

void RemoveMessageFilter()
{
    if (s_hook)
        UnhookWindowsHookEx(s_hook);
    if (s_creationHook)
        UnhookWindowsHookEx(s_creationHook);
    s_hook = nullptr;
    s_creationHook = nullptr;
}

bool CheckNumericText(HWND control)
{
    char text[8] = "";
    if (GetWindowTextA(control, text, sizeof text) <= 0)
        return false;
    for (size_t i = 0; text[i]; ++i) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || c == '.' || c == ' ')
            continue;
        MessageBoxA(GetParent(control), "Inserire solo numeri, utilizzando il punto come separatore decimale.",
                    "Errore nell'inserimento dei dati!", MB_OK | MB_ICONEXCLAMATION);
        text[i] = '\0';
        SetWindowTextA(control, text);
        SetFocus(control);
        SendMessageA(control, EM_SETSEL, 0, -1);
        return false;
    }
    return true;
}
