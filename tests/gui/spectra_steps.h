#pragma once
// Steps shared by the tests of the noise and attenuation spectrum
// calculators.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/dispatch.h"
#include "tests/gui/harness.h"

namespace spectra_steps {

inline std::vector<std::string> NonEmpty(const std::vector<std::string>& lines)
{
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (line.find_first_not_of(" \f") != std::string::npos)
            kept.push_back(line);
    return kept;
}

// The lines of a printed text, form feeds kept at the start of a page's
// first line.
inline std::vector<std::string> TextLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// The texts of a printed line, split where two blanks or more stand.
inline std::vector<std::string> Columns(const std::string& line)
{
    std::vector<std::string> parts;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\f'))
            ++i;
        size_t end = line.find("  ", i);
        if (end == std::string::npos)
            end = line.size();
        if (end > i)
            parts.push_back(line.substr(i, end - i));
        i = end;
    }
    return parts;
}

// Saves through "Sa&lva con nome..." and the save dialog.
inline void SaveDataFileAs(const gui::Window& calculator, const std::string& path)
{
    calculator.Command(IDM_CALC_SAVE_AS);
    gui::Window dialog = gui::WaitWindow("Salvataggio file di dati");
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

// Opens through "&Apri..." and the open dialog.
inline void OpenDataFile(const gui::Window& calculator, const std::string& path)
{
    calculator.Command(IDM_CALC_OPEN);
    gui::Window dialog = gui::WaitWindow("Caricamento file di dati");
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

// Opens a data file as the main window does with a file of its type.
inline gui::Window OpenFromMainWindow(const std::string& path, const std::string& title)
{
    gui::Perform([path] { OpenByExtension(gui::MainWindow(), path.c_str()); });
    return gui::WaitWindow(title);
}

// Texts replaced one field after the other, from the field firstId on.
inline void SetFields(const gui::Window& window, int firstId, const std::vector<std::string>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        window.SetText(firstId + (int)i, texts[i]);
}

// What the dialog answers when the tooltip asks for a control's text.
inline std::string TooltipOf(const gui::Window& window, int id)
{
    std::string answer;
    HWND dialog = window.hwnd();
    HWND control = window.Item(id);
    gui::Perform([&answer, dialog, control] {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = nullptr;
        info.hdr.idFrom = (UINT_PTR)control;
        info.hdr.code = TTN_GETDISPINFOA;
        info.uFlags = TTF_IDISHWND;
        SendMessageA(dialog, WM_NOTIFY, 0, (LPARAM)&info);
        if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA)
            answer = info.lpszText;
        else
            answer = info.szText;
    });
    return answer;
}

// The help topic the dialog asks for when F1 is pressed on a control.
inline DWORD HelpTopicOf(const gui::Window& window, int id)
{
    gui::ClearHelpCalls();
    HWND dialog = window.hwnd();
    HWND control = window.Item(id);
    gui::Perform([dialog, control, id] {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = id;
        info.hItemHandle = control;
        SendMessageA(dialog, WM_HELP, 0, (LPARAM)&info);
    });
    const std::vector<gui::HelpCall>& calls = gui::HelpCalls();
    if (calls.size() != 1 || calls[0].command != HELP_WM_HELP || calls[0].control != id)
        return 0;
    return (DWORD)calls[0].data;
}

// The text and background colours the dialog gives a control of its kind
// (WM_CTLCOLOREDIT or WM_CTLCOLORSTATIC).
struct ControlColours {
    bool answered;
    COLORREF text;
    COLORREF background;
    int backgroundMode;
};

inline ControlColours ColoursOf(const gui::Window& window, int id, UINT message)
{
    ControlColours colours = {};
    HWND dialog = window.hwnd();
    HWND control = window.Item(id);
    gui::Perform([&colours, dialog, control, message] {
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        SetBkMode(dc, OPAQUE);
        colours.answered = SendMessageA(dialog, message, (WPARAM)dc, (LPARAM)control) != 0;
        colours.text = GetTextColor(dc);
        colours.background = GetBkColor(dc);
        colours.backgroundMode = GetBkMode(dc);
        DeleteDC(dc);
    });
    return colours;
}

}  // namespace spectra_steps
