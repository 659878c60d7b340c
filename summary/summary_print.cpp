#include "summary/summary_print.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/list_draw.h"
#include "framework/printing.h"

namespace {

// Where each column starts, in hundredths of the page width.
const int kColumnStart[kSummaryColumns + 1] = {0, 18, 29, 43, 50, 70, 76, 88, 100};

// A cell cut with "..." to its column.
void PrintCell(TextPrintout* print, int column, const std::string& text)
{
    int left = print->pageWidth * kColumnStart[column] / 100;
    int right = print->pageWidth * kColumnStart[column + 1] / 100;
    char cell[512];
    snprintf(cell, sizeof cell, "%s", text.c_str());
    ShortenToWidth(print->dc, cell, sizeof cell, right - left);
    RECT clip = {left, print->line * print->lineHeight, right, (print->line + 1) * print->lineHeight};
    ExtTextOutA(print->dc, left, clip.top, ETO_CLIPPED, &clip, cell, (UINT)strlen(cell), nullptr);
}

void PrintTitles(TextPrintout* print)
{
    for (int column = 0; column < kSummaryColumns; ++column)
        PrintCell(print, column, SummaryColumnTitle(column));
}

}  // namespace

void PrintFolderSummary(const std::string& folder, bool subfolders, const std::vector<SummaryRow>& rows)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Riepilogo cartella", 500))
        return;
    std::string title = "Riepilogo della cartella " + folder + (subfolders ? " e delle sue sottocartelle" : "");
    PrintAt(&print, 0, title.c_str());
    if (!NextPrintLine(&print) || !NextPrintLine(&print))
        return;
    PrintTitles(&print);
    for (const SummaryRow& row : rows) {
        if (!NextPrintLine(&print))
            return;
        // A new page starts at its first line: the titles again.
        if (print.line == 1) {
            PrintTitles(&print);
            if (!NextPrintLine(&print))
                return;
        }
        for (int column = 0; column < kSummaryColumns; ++column)
            PrintCell(&print, column, SummaryCell(row, column));
    }
    EndTextPrintout(&print, "");
}
