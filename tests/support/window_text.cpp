#include "tests/support/window_text.h"

namespace testsupport {

std::string WindowText(HWND window)
{
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string MessageBoxText(HWND box)
{
    std::string text = WindowText(GetDlgItem(box, 0xFFFF));
    if (!text.empty())
        return text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        std::string candidate = WindowText(child);
        if (_stricmp(className, "Static") == 0 && candidate.size() > text.size())
            text = candidate;
    }
    return text;
}

}  // namespace testsupport
