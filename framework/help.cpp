#include "framework/help.h"

#include <cstdio>

#include "framework/tooltips.h"
#include "resources/resource.h"

static BOOL RealWinHelp(HWND window, const char* file, UINT command, ULONG_PTR data)
{
    return WinHelpA(window, file, command, data);
}

static HelpFunction s_help = RealWinHelp;
static char s_mainHelpFile[MAX_PATH];

void SetMainHelpFile(const char* path)
{
    snprintf(s_mainHelpFile, sizeof s_mainHelpFile, "%s", path ? path : "");
}

const char* MainHelpFile()
{
    return s_mainHelpFile;
}

void SetHelpFunction(HelpFunction function)
{
    s_help = function ? function : RealWinHelp;
}

BOOL CallHelp(HWND window, const char* file, UINT command, ULONG_PTR data)
{
    return s_help(window, file, command, data);
}

void ShowHelpTopic(HWND window, DWORD topic)
{
    CallHelp(window, s_mainHelpFile, HELP_CONTEXT, topic);
}

void ShowHelpContents(HWND window)
{
    CallHelp(window, s_mainHelpFile, HELP_CONTENTS, 0);
}

void QuitHelp(HWND window, const char* file)
{
    CallHelp(window, file, HELP_QUIT, 0);
}

void ContextHelpForControl(const HELPINFO* info, const HelpTopic* table)
{
    if (info && info->iContextType == HELPINFO_WINDOW)
        CallHelp((HWND)info->hItemHandle, s_mainHelpFile, HELP_WM_HELP, (ULONG_PTR)table);
}

void ContextHelpMenu(HWND control, const HelpTopic* table)
{
    CallHelp(control, s_mainHelpFile, HELP_CONTEXTMENU, (ULONG_PTR)table);
}

void FillHelpTopics(HelpTopic* table, const int* controls, size_t count, DWORD page)
{
    for (size_t i = 0; i < count; ++i)
        table[i] = {(DWORD)controls[i], ControlTopic(controls[i], page)};
    table[count] = {IDC_STATUS_BAR, ControlTopic(IDC_STATUS_HELP_ID, 111)};
    table[count + 1] = {0, 0};
}

bool AnswerDialogHelp(UINT message, WPARAM wParam, LPARAM lParam, const TooltipText* tooltips,
                      size_t tooltipCount, const HelpTopic* topics)
{
    switch (message) {
    case WM_NOTIFY:
        return AnswerTooltip((const NMHDR*)lParam, tooltips, tooltipCount);
    case WM_HELP:
        ContextHelpForControl((const HELPINFO*)lParam, topics);
        return true;
    case WM_CONTEXTMENU:
        ContextHelpMenu((HWND)wParam, topics);
        return true;
    }
    return false;
}
