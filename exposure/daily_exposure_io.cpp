#include "exposure/daily_exposure_io.h"

#include <commctrl.h>

#include <cstdio>

#include "exposure/daily_exposure.h"
#include "exposure/daily_exposure_dialog.h"
#include "exposure/daily_exposure_state.h"
#include "framework/data_file.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

int DialogUnit(HWND dialog)
{
    LRESULT unit = SendDlgItemMessageA(dialog, IDC_TIME_UNIT, CB_GETCURSEL, 0, 0);
    return unit == CB_ERR ? g_dailyMemory.timeUnit : (int)unit;
}

void ShowUnit(HWND dialog, int unit)
{
    SendDlgItemMessageA(dialog, IDC_TIME_UNIT, CB_SETCURSEL, unit, 0);
    char label[64];
    snprintf(label, sizeof label, "Tempo esposizione %s", TimeUnitOf(unit).labelSuffix);
    SetDlgItemTextA(dialog, IDC_LEPD_TIME_LABEL, label);
}

}  // namespace

void SaveDailyExposureKeys(HWND dialog, const char* path)
{
    char text[16];
    ItemText(dialog, IDC_LEPD_LAEQ, text, sizeof text);
    WriteKey(path, kFrameSection, "LAEQ", text);
    ItemText(dialog, IDC_LEPD_TOTAL, text, sizeof text);
    WriteKey(path, kFrameSection, "TOTTIME", text);
    ItemText(dialog, IDC_LEPD_LEPD, text, sizeof text);
    WriteKey(path, kFrameSection, "LEPD", text);
    WriteIntKey(path, kFrameSection, "TFORM", DialogUnit(dialog));
    int rows = DailyRowCount(dialog);
    WriteIntKey(path, kFrameSection, "ITEMS", rows);
    for (int i = 0; i < rows; ++i) {
        char key[16], level[16], duration[16];
        snprintf(key, sizeof key, "%d", i + 1);
        GetDailyRow(dialog, i, level, duration);
        WriteKey(path, "LEQ", key, level);
        WriteKey(path, "TIME", key, duration);
    }
}

void LoadDailyExposureKeys(HWND dialog, const char* path)
{
    static const struct {
        const char* key;
        int control;
    } kOutputs[] = {{"LAEQ", IDC_LEPD_LAEQ}, {"TOTTIME", IDC_LEPD_TOTAL}, {"LEPD", IDC_LEPD_LEPD}};
    char text[16];
    for (const auto& output : kOutputs)
        if (ReadKey(path, kFrameSection, output.key, "", text, sizeof text) > 0)
            SetDlgItemTextA(dialog, output.control, text);

    int unit = ReadIntKey(path, kFrameSection, "TFORM", 0);
    if (unit < 0 || unit > 2)
        unit = kTimeMinutes;
    g_dailyMemory.timeUnit = unit;
    ShowUnit(dialog, unit);

    SendDlgItemMessageA(dialog, IDC_LEPD_LIST, LVM_DELETEALLITEMS, 0, 0);
    int items = ReadIntKey(path, kFrameSection, "ITEMS", 0);
    NumberedKeys levels = ReadNumberedKeys(path, "LEQ", items);
    NumberedKeys durations = ReadNumberedKeys(path, "TIME", items);
    for (const auto& row : levels.keys) {
        char level[16], duration[16];
        CopyValue(level, sizeof level, row.second.c_str());
        if (!level[0])
            continue;
        CopyValue(duration, sizeof duration, NumberedValue(durations, row.first));
        SetDailyRow(dialog, DailyRowCount(dialog), level, duration, true);
    }
}

void BuildDailyExposureReport(HWND dialog, ReportText* report)
{
    const TimeUnitInfo& unit = TimeUnitOf(DialogUnit(dialog));
    char text[256];

    ReportAppend(report, "Calcolo del livello di esposizione personale giornaliero al rumore (Lep,d)");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Livelli equivalenti (dBA):");
    ReportSeparators(report, 2);
    ReportAppend(report, "Tempi di esposizione ");
    ReportAppend(report, unit.reportWord);
    ReportAppend(report, ":");
    ReportEndLine(report);

    int rows = DailyRowCount(dialog);
    for (int i = 0; i < rows; ++i) {
        char level[16], duration[16];
        GetDailyRow(dialog, i, level, duration);
        ReportAppendNumber(report, level);
        ReportSeparators(report, 2);
        ReportAppendNumber(report, duration);
        ReportEndLine(report);
    }

    ReportAppend(report, "Livello equivalente (dBA):");
    ReportSeparators(report, 2);
    ItemText(dialog, IDC_LEPD_LAEQ, text, sizeof text);
    ReportAppendNumber(report, text);
    ReportEndLine(report);

    ReportAppend(report, "Tempo di esposizione ");
    ReportAppend(report, unit.reportWord);
    ReportAppend(report, ":");
    ReportSeparators(report, 2);
    ItemText(dialog, IDC_LEPD_TOTAL, text, sizeof text);
    ReportAppendNumber(report, text);
    ReportEndLine(report);

    ReportAppend(report, "Lep,d (dBA):");
    ReportSeparators(report, 2);
    ItemText(dialog, IDC_LEPD_LEPD, text, sizeof text);
    ReportAppendNumber(report, text);
    ReportEndLine(report);

    ReportNotes(report, dialog);
}

void PrintDailyExposure(HWND dialog)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Livello di esposizione personale quotidiano (Lep,d)", 500))
        return;
    const TimeUnitInfo& unit = TimeUnitOf(DialogUnit(dialog));
    int second = print.pageWidth / 2;
    char text[64];

    PrintAt(&print, 0, "Livello di esposizione personale quotidiano (Lep,d)");
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Livelli sonori equivalenti (dBA):");
    snprintf(text, sizeof text, "Tempi di esposizione %s", unit.labelSuffix);
    PrintAt(&print, second, text);
    if (!NextPrintLine(&print))
        return;
    int rows = DailyRowCount(dialog);
    for (int i = 0; i < rows; ++i) {
        char level[16], duration[16];
        GetDailyRow(dialog, i, level, duration);
        PrintAt(&print, 0, level);
        PrintAt(&print, second, duration);
        if (!NextPrintLine(&print))
            return;
    }
    static const struct {
        const char* label;
        int control;
    } kOutputs[] = {{"Livello equivalente (dBA): ", IDC_LEPD_LAEQ},
                    {nullptr, IDC_LEPD_TOTAL},
                    {"Lep,d (dBA): ", IDC_LEPD_LEPD}};
    for (const auto& output : kOutputs) {
        if (output.label) {
            PrintAt(&print, 0, output.label);
        } else {
            snprintf(text, sizeof text, "Tempo d'esposizione totale %s", unit.labelSuffix);
            PrintAt(&print, 0, text);
        }
        ItemText(dialog, output.control, text, sizeof text);
        PrintAt(&print, second, text);
        if (!NextPrintLine(&print))
            return;
    }
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    EndTextPrintout(&print, notes);
}

