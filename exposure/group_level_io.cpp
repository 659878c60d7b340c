#include "exposure/group_level_io.h"

#include <cstdio>

#include "exposure/group_level.h"
#include "exposure/group_level_dialog.h"
#include "exposure/group_level_state.h"
#include "framework/data_file.h"
#include "framework/field_keys.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const FieldKey kOutputKeys[] = {
    {kFrameSection, "SAMPLES", IDC_GROUP_COUNT},
    {kFrameSection, "LEQGROUP", IDC_GROUP_LEVEL},
    {kFrameSection, "DEVST", IDC_GROUP_DEVIATION},
    {kFrameSection, "TOTLAV", IDC_GROUP_WORKERS},
};
const size_t kOutputCount = 3;  // TOTLAV is read on its own

const char kSampleSection[] = "LEQ";

// A list position read from a file; one out of range keeps the remembered.
int ReadIndexKey(const char* path, const char* key, int remembered, int choices)
{
    int index = ReadIntKey(path, kFrameSection, key, remembered);
    return index >= 0 && index < choices ? index : remembered;
}

}  // namespace

void SaveGroupLevelKeys(HWND dialog, const char* path)
{
    SaveFieldKeys(dialog, path, kOutputKeys, sizeof kOutputKeys / sizeof kOutputKeys[0]);
    WriteIntKey(path, kFrameSection, "FIDUCIA", GroupConfidenceIndex(dialog));
    WriteIntKey(path, kFrameSection, "CONFIDENZA", GroupIntervalIndex(dialog));
    int count = GroupSampleCount(dialog);
    WriteIntKey(path, kFrameSection, "ITEMS", count);
    for (int i = 0; i < count; ++i) {
        char key[16], text[16];
        snprintf(key, sizeof key, "%d", i + 1);
        GetGroupSample(dialog, i, text);
        WriteKey(path, kSampleSection, key, text);
    }
}

void LoadGroupLevelKeys(HWND dialog, const char* path)
{
    LoadFieldKeys(dialog, path, kOutputKeys, kOutputCount);

    g_groupMemory.confidenceIndex =
        ReadIndexKey(path, "FIDUCIA", g_groupMemory.confidenceIndex, kConfidenceChoices);
    g_groupMemory.intervalIndex =
        ReadIndexKey(path, "CONFIDENZA", g_groupMemory.intervalIndex, kIntervalChoices);
    SendDlgItemMessageA(dialog, IDC_GROUP_CONFIDENCE, CB_SETCURSEL, g_groupMemory.confidenceIndex, 0);
    SendDlgItemMessageA(dialog, IDC_GROUP_INTERVAL, CB_SETCURSEL, g_groupMemory.intervalIndex, 0);

    SendDlgItemMessageA(dialog, IDC_GROUP_LIST, LB_RESETCONTENT, 0, 0);
    NumberedKeys samples =
        ReadNumberedKeys(path, kSampleSection, ReadIntKey(path, kFrameSection, "ITEMS", 0));
    for (const auto& sample : samples.keys) {
        char text[16];
        CopyValue(text, sizeof text, sample.second.c_str());
        if (text[0])
            AddGroupSample(dialog, text);
    }
    // A negative count would read as billions of workers: ShowTotalWorkers
    // keeps N within the field's seven digits.
    ShowTotalWorkers(dialog, ReadIntKey(path, kFrameSection, "TOTLAV", g_groupMemory.totalWorkers));
}

void BuildGroupLevelReport(HWND dialog, ReportText* report)
{
    ReportAppend(report,
                 "Calcolo del livello equivalente di rumore per gruppi di lavoratori (Leq gruppi)");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportAppend(report, "Livelli equivalenti (dBA):");
    ReportSeparators(report, 3);
    ReportEndLine(report);
    int count = GroupSampleCount(dialog);
    for (int i = 0; i < count; ++i) {
        char text[16];
        GetGroupSample(dialog, i, text);
        ReportAppendNumber(report, text);
        ReportSeparators(report, 3);
        if (!ReportEndLine(report))
            break;
    }
    ReportAppend(report, "Coefficiente di fiducia (%):");
    ReportSeparators(report, 2);
    ReportAppend(report, kConfidenceTexts[GroupConfidenceIndex(dialog)]);
    ReportEndLine(report);
    char text[256];
    snprintf(text, sizeof text, "%d", GroupIntervalIndex(dialog) + 1);
    ReportAppend(report, "Intervallo di confidenza (dB):");
    ReportSeparators(report, 2);
    ReportAppend(report, text);
    ReportEndLine(report);
    static const struct {
        const char* label;
        int control;
        bool comma;
    } kLines[] = {
        {"Numero totale lavoratori del gruppo:", IDC_GROUP_WORKERS, false},
        {"Numero di campioni prelevati:", IDC_GROUP_COUNT, false},
        {"Leq,gruppo (dBA):", IDC_GROUP_LEVEL, true},
        {"Deviazione standard del Leq,gruppo (dBA):", IDC_GROUP_DEVIATION, true},
    };
    for (const auto& line : kLines) {
        if (line.comma) {
            ReportValueLine(report, line.label, dialog, line.control);
            continue;
        }
        ItemText(dialog, line.control, text, sizeof text);
        ReportAppend(report, line.label);
        ReportSeparators(report, 2);
        ReportAppend(report, text);
        ReportEndLine(report);
    }
    ItemText(dialog, IDC_GROUP_RESULT, text, sizeof text);
    ReportAppend(report, text);
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportNotes(report, dialog);
}

void PrintGroupLevel(HWND dialog)
{
    const char kTitle[] = "Livello equivalente per gruppi di lavoratori (Leq,gruppo)";
    TextPrintout print;
    if (!BeginTextPrintout(&print, kTitle, 500))
        return;
    char header[4][128], text[128], workers[16];
    ItemText(dialog, IDC_GROUP_WORKERS, workers, sizeof workers);
    snprintf(header[0], sizeof header[0], "%s", kTitle);
    snprintf(header[1], sizeof header[1], "Numero totale di lavoratori del gruppo in esame: %s",
             workers);
    snprintf(header[2], sizeof header[2], "Coefficiente di fiducia: %s%%",
             kConfidenceTexts[GroupConfidenceIndex(dialog)]);
    snprintf(header[3], sizeof header[3], "Intervallo di confidenza: %d dB",
             GroupIntervalIndex(dialog) + 1);
    for (const char* line : header) {
        PrintAt(&print, 0, line);
        if (!NextPrintLine(&print))
            return;
    }
    PrintAt(&print, 0, "Livelli sonori equivalenti (dBA):");
    int count = GroupSampleCount(dialog);
    for (int i = 0; i < count; ++i) {
        if (!NextPrintLine(&print))
            return;
        GetGroupSample(dialog, i, text);
        PrintAt(&print, 0, text);
    }
    static const PrintedField kFields[] = {
        {"Numero campioni:", IDC_GROUP_COUNT},
        {"Livello equivalente medio del gruppo (dBA): ", IDC_GROUP_LEVEL},
        {"Deviazione standard del livello equivalente (dBA):", IDC_GROUP_DEVIATION},
    };
    if (!NextPrintLine(&print) ||
        !PrintFields(&print, dialog, kFields, sizeof kFields / sizeof kFields[0],
                     print.pageWidth * 2 / 3) ||
        !NextPrintLine(&print) || !NextPrintLine(&print))
        return;

    // The result message, word-wrapped; at the top of a new page when it
    // does not fit the rest of this one. The notes follow three lines below.
    ItemText(dialog, IDC_GROUP_RESULT, text, sizeof text);
    int top = print.line * print.lineHeight;
    RECT measure = {0, top, print.pageWidth, print.pageHeight};
    int height = DrawTextA(print.dc, text, -1, &measure, DT_WORDBREAK | DT_CALCRECT);
    PrintNotesFrom(&print, top, text);
    if (top + height > print.pageHeight)
        print.line = 0;
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    EndTextPrintout(&print, notes);
}
