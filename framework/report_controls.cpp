#include "framework/report_controls.h"

#include "framework/ui_text.h"
#include "resources/resource.h"

void ReportValueLine(ReportText* report, const char* label, HWND dialog, int control)
{
    char text[256];
    ItemText(dialog, control, text, sizeof text);
    ReportAppend(report, label);
    ReportSeparators(report, 2);
    ReportAppendNumber(report, text);
    ReportEndLine(report);
}

void ReportNotes(ReportText* report, HWND dialog, size_t length)
{
    ReportAppend(report, "Note:");
    ReportEndLine(report);
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, length < sizeof notes ? length + 1 : sizeof notes);
    ReportAppend(report, notes);
    ReportEndLine(report);
}
