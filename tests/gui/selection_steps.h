#pragma once
// Steps of the protector selection wizard's tests: the sheet, its current
// page, its buttons pressed as the user presses them.

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "protectors/selection.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"

namespace selection_steps {

// The wizard's own buttons (comctl32's ids).
const int kBackButton = 0x3023;
const int kNextButton = 0x3024;
const int kFinishButton = 0x3025;

// The sheet's title is the current page's.
inline gui::Window OpenWizard()
{
    gui::MainCommand(IDM_PROTECTOR_SELECTION);
    return gui::WaitWindow("Rispondere alle domande");
}

inline gui::Window Page(const gui::Window& sheet)
{
    return gui::Window((HWND)SendMessageA(sheet.hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A wizard button pressed; returns once it is done or has opened a box.
inline void Press(const gui::Window& sheet, int button)
{
    HWND window = sheet.hwnd();
    gui::Perform([window, button] { PostMessageA(window, PSM_PRESSBUTTON, button, 0); });
    gui::Settle();
}

// The pages set the wizard's buttons by a posted message: let it arrive.
inline bool ButtonEnabled(const gui::Window& sheet, int id)
{
    gui::Settle();
    HWND button = GetDlgItem(sheet.hwnd(), id);
    return button && IsWindowVisible(button) && IsWindowEnabled(button);
}

// A check box or radio button clicked: its state changes, then it notifies.
inline void Toggle(const gui::Window& page, int id)
{
    HWND item = page.Item(id);
    gui::Perform([item] { SendMessageA(item, BM_CLICK, 0, 0); });
}

// Field texts replaced, as pasting over them does.
inline void FillFields(const gui::Window& page, const std::vector<std::pair<int, std::string>>& fields)
{
    for (const auto& field : fields)
        page.SetText(field.first, field.second);
}

inline bool Checked(const gui::Window& page, int id)
{
    return SendMessageA(page.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline void Cancel(const gui::Window& sheet)
{
    Press(sheet, PSBTN_CANCEL);
    gui::WaitGone(sheet);
}

// From the questions to the method choice with the information given, the
// method chosen and Next pressed: the method's page is current.
inline void ChooseMethod(const gui::Window& sheet, bool spectrum, bool lceq, bool laeq, int methodButton)
{
    Press(sheet, PSBTN_NEXT);
    gui::Window choice = Page(sheet);
    if (Checked(choice, IDC_DPI_HAS_SPECTRUM) != spectrum)
        Toggle(choice, IDC_DPI_HAS_SPECTRUM);
    if (Checked(choice, IDC_DPI_HAS_LCEQ) != lceq)
        Toggle(choice, IDC_DPI_HAS_LCEQ);
    if (Checked(choice, IDC_DPI_HAS_LAEQ) != laeq)
        Toggle(choice, IDC_DPI_HAS_LAEQ);
    Toggle(choice, methodButton);
    Press(sheet, PSBTN_NEXT);
}

// A page's file dialog answered with a path.
inline void AnswerDialogOf(const gui::Window& page, int button, const std::string& title,
                           const std::string& path)
{
    page.Click(button);
    gui::Window dialog = gui::WaitWindow(title);
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

inline void OpenOnPage(const gui::Window& page, const std::string& path)
{
    AnswerDialogOf(page, IDM_CALC_OPEN, "Caricamento file di dati", path);
}

// The temporary folder may hold a file of an earlier run (its name has the
// process id, which Wine reuses): saving over it would ask to overwrite.
inline void SaveAsOnPage(const gui::Window& page, const std::string& path)
{
    DeleteFileA(path.c_str());
    AnswerDialogOf(page, IDM_CALC_SAVE_AS, "Salvataggio file di dati", path);
}

// A data-file line without the blanks that may stand after its "=" (the
// system's profile functions may keep or drop them).
inline std::string Unpadded(const std::string& line)
{
    size_t equals = line.find('=');
    if (equals == std::string::npos)
        return line;
    size_t value = line.find_first_not_of(' ', equals + 1);
    return line.substr(0, equals + 1) + (value == std::string::npos ? "" : line.substr(value));
}

inline std::vector<std::string> UnpaddedLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> result;
    for (const std::string& line : lines)
        if (line.find_first_not_of(" \t") != std::string::npos)
            result.push_back(Unpadded(line));
    return result;
}

}  // namespace selection_steps
