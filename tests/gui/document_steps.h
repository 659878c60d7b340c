#pragma once
// What the report-document tests share: the control, its formats as the
// control reports them, and the formatting toolbar's state.

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "resources/resource.h"
#include "tests/gui/harness.h"

namespace docsteps {

inline HWND Document()
{
    return GetDlgItem(gui::MainWindow(), IDC_REPORT_DOCUMENT);
}

inline HWND FormatToolbar()
{
    return GetDlgItem(gui::MainWindow(), IDC_FORMAT_TOOLBAR);
}

// The document replaced by plain text in the default format, unmodified.
inline void Reset(const std::string& text)
{
    HWND document = Document();
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
    SendMessageA(gui::MainWindow(), WM_COMMAND, IDM_DOCUMENT, 0);
    SetWindowTextA(document, text.c_str());
    SendMessageA(document, EM_SETMODIFY, FALSE, 0);
}

inline void Select(LONG from, LONG to)
{
    CHARRANGE range = {from, to};
    SendMessageA(Document(), EM_EXSETSEL, 0, (LPARAM)&range);
}

// A command as the menu, the toolbar or an accelerator sends it.
inline void Command(int command)
{
    SendMessageA(gui::MainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

inline CHARFORMATA CharFormat()
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(Document(), EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
    return format;
}

inline CHARFORMATA CharFormatAt(LONG from, LONG to)
{
    Select(from, to);
    return CharFormat();
}

inline PARAFORMAT ParaFormat()
{
    PARAFORMAT paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    SendMessageA(Document(), EM_GETPARAFORMAT, 0, (LPARAM)&paragraph);
    return paragraph;
}

inline bool Checked(int command)
{
    return SendMessageA(FormatToolbar(), TB_ISBUTTONCHECKED, command, 0) != 0;
}

inline bool ToolEnabled(int command)
{
    return SendMessageA(FormatToolbar(), TB_ISBUTTONENABLED, command, 0) != 0;
}

inline std::string Text()
{
    HWND document = Document();
    std::string text(GetWindowTextLengthA(document) + 1, '\0');
    GetWindowTextA(document, &text[0], (int)text.size());
    text.resize(strlen(text.c_str()));
    return text;
}

inline bool Modified()
{
    return SendMessageA(Document(), EM_GETMODIFY, 0, 0) != 0;
}

inline std::string StatusText()
{
    char text[MAX_PATH] = "";
    GetWindowTextA(GetDlgItem(gui::MainWindow(), IDC_STATUS_BAR), text, sizeof text);
    return text;
}

}  // namespace docsteps
