#include "framework/tooltips.h"

#include <strings.h>

static HWND s_tooltip;
static HHOOK s_relayHook;
static HWND s_dialog;

static LRESULT CALLBACK RelayMouseMoves(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* msg = (MSG*)lParam;
    if (code == HC_ACTION && msg->message == WM_MOUSEMOVE && s_tooltip && s_dialog &&
        IsChild(s_dialog, msg->hwnd)) {
        SendMessageA(s_tooltip, TTM_RELAYEVENT, 0, (LPARAM)msg);
        return 0;
    }
    return CallNextHookEx(s_relayHook, code, wParam, lParam);
}

void CreateTooltips(HWND mainWindow)
{
    s_tooltip = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                                TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr,
                                (HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE), nullptr);
    if (s_tooltip)
        s_relayHook = SetWindowsHookExA(WH_GETMESSAGE, RelayMouseMoves, nullptr, GetCurrentThreadId());
}

HWND TooltipWindow()
{
    return s_tooltip;
}

static void RemoveAllTools()
{
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    while (SendMessageA(s_tooltip, TTM_ENUMTOOLSA, 0, (LPARAM)&info))
        SendMessageA(s_tooltip, TTM_DELTOOLA, 0, (LPARAM)&info);
}

HWND RegisterTooltipDialog(HWND dialog)
{
    HWND previous = s_dialog;
    if (!s_tooltip)
        return previous;
    RemoveAllTools();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32];
        GetClassNameA(child, className, sizeof className);
        if (strcasecmp(className, "STATIC") == 0)
            continue;
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.uFlags = TTF_IDISHWND;
        info.hwnd = dialog;
        info.uId = (UINT_PTR)child;
        info.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(s_tooltip, TTM_ADDTOOLA, 0, (LPARAM)&info);
    }
    s_dialog = dialog;
    return previous;
}

void DestroyTooltips()
{
    if (s_relayHook)
        UnhookWindowsHookEx(s_relayHook);
    if (s_tooltip)
        DestroyWindow(s_tooltip);
    s_relayHook = nullptr;
    s_tooltip = nullptr;
    s_dialog = nullptr;
}

void SetTooltipAnswer(const NMHDR* header, const char* text)
{
    if (header->code == TTN_GETDISPINFOW) {
        NMTTDISPINFOW* info = (NMTTDISPINFOW*)header;
        MultiByteToWideChar(CP_ACP, 0, text, -1, info->szText, sizeof info->szText / sizeof(WCHAR));
        info->szText[sizeof info->szText / sizeof(WCHAR) - 1] = 0;
        info->lpszText = info->szText;
    } else {
        NMTTDISPINFOA* info = (NMTTDISPINFOA*)header;
        info->lpszText = (LPSTR)text;
        info->hinst = nullptr;
    }
}

int TooltipControl(const NMHDR* header)
{
    const NMTTDISPINFOA* info = (const NMTTDISPINFOA*)header;
    return (info->uFlags & TTF_IDISHWND) ? GetDlgCtrlID((HWND)header->idFrom) : (int)header->idFrom;
}

bool AnswerTooltip(const NMHDR* header, const TooltipText* table, size_t count)
{
    if (!IsTooltipRequest(header))
        return false;
    int id = TooltipControl(header);
    for (size_t i = 0; i < count; ++i)
        if (table[i].control == id) {
            SetTooltipAnswer(header, table[i].text);
            return true;
        }
    return true;
}
