#include "tests/gui/lepd_steps.h"

#include <cstdio>

#include "exposure/daily_exposure_state.h"
#include "resources/resource.h"

void ForgetDailyExposure()
{
    ResetDailyExposureMemory();
    g_dailyMemory.timeUnit = 1;
    g_dailyMemory.notes[0] = '\0';
    snprintf(g_dailyMemory.levelEntry, sizeof g_dailyMemory.levelEntry, "90");
    snprintf(g_dailyMemory.durationEntry, sizeof g_dailyMemory.durationEntry, "1");
}

gui::Window OpenLepd()
{
    gui::MainCommand(IDM_LEPD);
    return gui::WaitWindow("Calcolo Lep,d");
}

void AddRow(const gui::Window& lepd, const std::string& level, const std::string& duration)
{
    lepd.Click(IDC_LEPD_ADD);
    gui::Window entry = gui::WaitWindow("Aggiungi");
    entry.SetText(IDC_ENTRY_LEVEL, level);
    entry.SetText(IDC_ENTRY_DURATION, duration);
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

void CopyTwoRowReport(const std::string& notes)
{
    gui::Window lepd = OpenLepd();
    lepd.Select(IDC_TIME_UNIT, 2);
    AddRow(lepd, "90", "4");
    AddRow(lepd, "80.5", "4");
    lepd.SetText(IDC_NOTES, notes);
    lepd.Command(IDM_COPY);
    lepd.Close();
    gui::WaitGone(lepd);
}
