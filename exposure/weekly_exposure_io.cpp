#include "exposure/weekly_exposure_io.h"

#include "exposure/weekly_exposure.h"
#include "exposure/weekly_exposure_dialog.h"
#include "exposure/weekly_exposure_state.h"
#include "framework/data_file.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const char kDaySection[] = "GIORNI";

}  // namespace

void SaveWeeklyExposureKeys(HWND dialog, const char* path)
{
    char text[16];
    ItemText(dialog, IDC_LEPW_OUTPUT, text, sizeof text);
    WriteKey(path, kFrameSection, "LEPW", text);
    for (int day = 0; day < kWeekDays; ++day) {
        GetWeekDayLevel(dialog, day, text);
        WriteKey(path, kDaySection, kWeekDayNames[day], text);
    }
}

void LoadWeeklyExposureKeys(HWND dialog, const char* path)
{
    char text[16];
    for (int day = 0; day < kWeekDays; ++day) {
        if (ReadKey(path, kDaySection, kWeekDayNames[day], "", text, sizeof text) == 0)
            CopyValue(text, sizeof text, "0.0");
        SetWeekDayLevel(dialog, day, text);
        g_weeklyMemory.levels[day] = LeadingNumber(text);
    }
    // Without a stored Lep,w the one of the previous week would stay beside
    // the new days (and be saved and printed with them).
    if (ReadKey(path, kFrameSection, "LEPW", "", text, sizeof text) > 0)
        SetDlgItemTextA(dialog, IDC_LEPW_OUTPUT, text);
    else
        ComputeWeeklyExposureDialog(dialog);
}

void BuildWeeklyExposureReport(HWND dialog, ReportText* report)
{
    ReportAppend(report,
                 "Calcolo del livello di esposizione personale settimanale al rumore (Lep,w)");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Giorno della settimana:");
    ReportSeparators(report, 2);
    ReportAppend(report, "Lep,d (dBA):");
    ReportEndLine(report);
    for (int day = 0; day < kWeekDays; ++day) {
        char level[16];
        GetWeekDayLevel(dialog, day, level);
        ReportAppend(report, kWeekDayNames[day]);
        ReportSeparators(report, 2);
        ReportAppendNumber(report, level);
        ReportEndLine(report);
    }
    ReportValueLine(report, "Lep,w (dBA):", dialog, IDC_LEPW_OUTPUT);
    ReportNotes(report, dialog);
}

void PrintWeeklyExposure(HWND dialog)
{
    const char kTitle[] = "Livello di esposizione personale settimanale (Lep,w)";
    TextPrintout print;
    if (!BeginTextPrintout(&print, kTitle, 500))
        return;
    int second = print.pageWidth / 2;
    PrintAt(&print, 0, kTitle);
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Giorni della settimana:");
    PrintAt(&print, second, "Lep,d corrispondenti (dBA):");
    for (int day = 0; day < kWeekDays; ++day) {
        if (!NextPrintLine(&print))
            return;
        char level[16];
        GetWeekDayLevel(dialog, day, level);
        PrintAt(&print, 0, kWeekDayNames[day]);
        PrintAt(&print, second, level);
    }
    if (!NextPrintLine(&print))
        return;
    char text[16];
    PrintAt(&print, 0, "Lep,w (dBA): ");
    ItemText(dialog, IDC_LEPW_OUTPUT, text, sizeof text);
    PrintAt(&print, second, text);
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    EndTextPrintout(&print, notes);
}
