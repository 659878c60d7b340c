#include "shell/command_help.h"

#include "framework/help.h"
#include "resources/resource.h"
#include "shell/main_state.h"

namespace {

// The main window's topics are numbered 200000 + the command id.
constexpr DWORD CommandTopic(DWORD command)
{
    return 200000 + command;
}

const DWORD kMainWindowHelpTopic = CommandTopic(0);
// The curve items of the chart popup (899 .. 906) share one topic, and so do
// the formatting commands of the report document (32777 .. 32810).
const DWORD kCurveHelpTopic = CommandTopic(IDM_CURVE_ALL);
const DWORD kFormatHelpTopic = CommandTopic(IDM_FMT_FONT);

// A calculator's command (and the folder summary's) opens the topic of its
// dialog.
const HelpTopic kCommandTopics[] = {
    {IDM_LEPD, 100110},
    {IDM_LEPW, 100115},
    {IDM_GROUP_LEQ, 100120},
    {IDM_UNCERTAINTY, 100140},
    {IDM_NOISE_SPECTRUM, 100130},
    {IDM_ATTENUATION_SPECTRUM, 100135},
    {IDM_PROTECTOR_SELECTION, 100235},
    {IDM_DAMAGE, 100125},
    {IDM_NIPTS, 100185},
    {IDM_HTLA, 100190},
    {IDM_HTLAN, 100195},
    {IDM_PREDICTIONS, 100200},
    {IDM_EVOLUTION, 100205},
    {IDM_RISK, 100215},
    {IDM_FOLDER_SUMMARY, 100320},
    {IDM_DOCUMENT, CommandTopic(IDM_DOCUMENT)},
    {IDM_OPEN, CommandTopic(IDM_OPEN)},
    {IDM_SAVE, CommandTopic(IDM_SAVE)},
    {IDM_SAVE_AS, CommandTopic(IDM_SAVE_AS)},
    {IDM_PAGE_SETUP, CommandTopic(IDM_PAGE_SETUP)},
    {IDM_PRINT, CommandTopic(IDM_PRINT)},
    {IDM_EXIT, CommandTopic(IDM_EXIT)},
    {IDM_CUT, CommandTopic(IDM_CUT)},
    {IDM_COPY, CommandTopic(IDM_COPY)},
    {IDM_PASTE, CommandTopic(IDM_PASTE)},
    {IDM_VIEW_AUDIOGRAM, CommandTopic(IDM_VIEW_AUDIOGRAM)},
    {IDM_VIEW_GRAPH, CommandTopic(IDM_VIEW_GRAPH)},
    {IDM_VIEW_TABLE, CommandTopic(IDM_VIEW_TABLE)},
    {IDM_VIEW_DOCUMENT, CommandTopic(IDM_VIEW_DOCUMENT)},
    {IDM_HELP, CommandTopic(IDM_HELP)},
    {IDM_INFO, CommandTopic(IDM_INFO)},
    {0, 0},
};

}  // namespace

DWORD CommandHelpTopic(int command)
{
    if (command >= IDM_CURVE_ALL && command <= IDM_CURVE_LAST)
        return kCurveHelpTopic;
    if (command >= IDM_FMT_BULLETS && command <= IDM_FMT_WRAP)
        return kFormatHelpTopic;
    for (const HelpTopic* entry = kCommandTopics; entry->control; ++entry)
        if ((int)entry->control == command)
            return entry->topic;
    return kMainWindowHelpTopic;
}

DWORD ViewHelpTopic(int viewState)
{
    return CommandHelpTopic(viewState == kViewDocument ? IDM_VIEW_DOCUMENT : IDM_VIEW_TABLE);
}

void OnMainWindowHelp(HWND mainWindow, const HELPINFO* info)
{
    if (!info)
        return;
    DWORD topic = info->iContextType == HELPINFO_MENUITEM ? CommandHelpTopic(info->iCtrlId)
                                                           : ViewHelpTopic(g_main.viewState);
    ShowHelpTopic(mainWindow, topic);
}
