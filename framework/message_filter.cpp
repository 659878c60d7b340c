#include "framework/message_filter.h"

#include <cstring>

#include "resources/resource.h"

static HHOOK s_hook;

static bool IsNumericField(int id)
{
    static const int kSingle[] = {362,  368,  1555, 4020, 4021, 4030, 4060,
                                  4090, 4510, 4515, 4520, 4807, 4821, 4822};
    for (int single : kSingle)
        if (id == single)
            return true;
    return (id >= 1005 && id <= 1007) || (id >= 1019 && id <= 1021) || (id >= 8591 && id <= 8604);
}

bool NumericCharAllowed(int id, unsigned char ch, const char* currentText)
{
    bool many = id == IDC_NUMERIC_MANY_POINTS;
    if (!many && !IsNumericField(id))
        return true;
    if ((ch >= '0' && ch <= '9') || ch == '\b')
        return true;
    if (ch != '.')
        return false;
    return many || !memchr(currentText, '.', strnlen(currentText, 15));
}

static LRESULT CALLBACK FilterDialogMessages(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* msg = (MSG*)lParam;
    if (code == MSGF_DIALOGBOX && msg->message == WM_CHAR && msg->hwnd) {
        char text[16] = "";
        GetWindowTextA(msg->hwnd, text, sizeof text);
        if (!NumericCharAllowed(GetDlgCtrlID(msg->hwnd), (unsigned char)msg->wParam, text))
            return 1;
    }
    return CallNextHookEx(s_hook, code, wParam, lParam);
}

void InstallMessageFilter()
{
    if (!s_hook)
        s_hook = SetWindowsHookExA(WH_MSGFILTER, FilterDialogMessages, nullptr, GetCurrentThreadId());
}

void RemoveMessageFilter()
{
    if (s_hook)
        UnhookWindowsHookEx(s_hook);
    s_hook = nullptr;
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
