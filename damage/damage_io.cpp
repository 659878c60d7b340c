#include "damage/damage_io.h"

#include <cstdio>

#include "damage/audiogram.h"
#include "damage/damage_dialog.h"
#include "damage/damage_state.h"
#include "damage/damage_tables.h"
#include "framework/data_file.h"
#include "framework/number_text.h"
#include "framework/printing.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const char kLeftSection[] = "SX";
const char kRightSection[] = "DX";

bool Symmetric()
{
    return g_damageMemory.symmetric != 0;
}

// The formula is told only where it counts.
bool FormulaApplies()
{
    return !Symmetric() && g_damageMemory.table != kDamageTableBiological;
}

int TableNumber(int table)
{
    return table == kDamageTableOld ? 2 : table == kDamageTableBiological ? 3 : 1;
}

const char* FormulaName(int formula)
{
    return formula == kCombineAgricoltura ? "Agricoltura" : "Industria";
}

// A loss read from the file into a cell and the remembered losses; a
// missing key leaves the cell empty.
void LoadLoss(HWND dialog, const char* path, const char* section, int row, int column, EarLosses* ear)
{
    char text[16];
    ReadKey(path, section, kDamageFrequencyLabels[row], "", text, sizeof text);
    SetDamageCell(dialog, row, column, text);
    ear->db[row] = LeadingNumber(text);
}

}  // namespace

void SaveDamageKeys(HWND dialog, const char* path)
{
    char text[16];
    ItemText(dialog, IDC_DAMAGE_RESULT, text, sizeof text);
    // The blanks of "%4.0f" would be dropped by some readers and kept by
    // others: the file holds the number alone.
    const char* shown = text;
    while (*shown == ' ')
        ++shown;
    WriteKey(path, kFrameSection, "ILG", shown);
    WriteIntKey(path, kFrameSection, "SIMM", Symmetric() ? 1 : 0);
    WriteIntKey(path, kFrameSection, "TABELLA", TableNumber(g_damageMemory.table));
    WriteIntKey(path, kFrameSection, "INDUS", g_damageMemory.formula == kCombineAgricoltura ? 2 : 1);
    for (int k = 0; k < kEarFrequencies; ++k) {
        GetDamageCell(dialog, k, kLeftColumn, text);
        WriteKey(path, kLeftSection, kDamageFrequencyLabels[k], text);
        if (!Symmetric()) {
            GetDamageCell(dialog, k, kRightColumn, text);
            WriteKey(path, kRightSection, kDamageFrequencyLabels[k], text);
        }
    }
}

void LoadDamageKeys(HWND dialog, const char* path)
{
    char text[16];
    if (ReadKey(path, kFrameSection, "ILG", "", text, sizeof text) > 0)
        SetDlgItemTextA(dialog, IDC_DAMAGE_RESULT, text);
    int table = ReadIntKey(path, kFrameSection, "TABELLA", 1);
    g_damageMemory.table = table == 1   ? kDamageTableNew
                           : table == 2 ? kDamageTableOld
                                        : kDamageTableBiological;
    g_damageMemory.formula =
        ReadIntKey(path, kFrameSection, "INDUS", 1) == 1 ? kCombineIndustria : kCombineAgricoltura;
    // Any value but 0 is symmetric: the flag stays 0 or 1, as the check box
    // and the next save need it.
    g_damageMemory.symmetric = ReadIntKey(path, kFrameSection, "SIMM", 1) != 0 ? 1 : 0;
    // The columns first: the right ear's cells must exist before they are
    // written, or they would be refilled from the rounded remembered losses.
    ShowDamageChoices(dialog);
    for (int k = 0; k < kEarFrequencies; ++k) {
        LoadLoss(dialog, path, kLeftSection, k, kLeftColumn, &g_damageMemory.left);
        if (!Symmetric())
            LoadLoss(dialog, path, kRightSection, k, kRightColumn, &g_damageMemory.right);
    }
    RecomputeDamage(dialog, nullptr);
}

void BuildDamageReport(HWND dialog, ReportText* report)
{
    ReportAppend(report, "Calcolo del danno uditivo ");
    ReportSeparators(report, 5);
    ReportEndLine(report);
    ReportAppend(report, "Frequenza (Hz):");
    ReportSeparators(report, 1);
    ReportAppend(report, "Orecchio Sx (dB):");
    ReportSeparators(report, 1);
    if (!Symmetric())
        ReportAppend(report, "Orecchio Dx (dB):");
    ReportSeparators(report, 1);
    ReportEndLine(report);
    for (int k = 0; k < kEarFrequencies; ++k) {
        char text[16];
        ReportAppend(report, kDamageFrequencyLabels[k]);
        ReportSeparators(report, 1);
        GetDamageCell(dialog, k, kLeftColumn, text);
        ReportAppendNumber(report, text);
        ReportSeparators(report, 1);
        if (!Symmetric()) {
            GetDamageCell(dialog, k, kRightColumn, text);
            ReportAppendNumber(report, text);
        }
        ReportSeparators(report, 1);
        ReportEndLine(report);
    }
    if (Symmetric()) {
        ReportAppend(report, "Ipoacusia simmetrica");
        ReportSeparators(report, 5);
        ReportEndLine(report);
    }
    ReportAppend(report, "Tabella Danno:");
    ReportSeparators(report, 2);
    ReportAppend(report, DamageTableName((DamageTableId)g_damageMemory.table));
    ReportSeparators(report, 2);
    ReportEndLine(report);
    if (FormulaApplies()) {
        ReportAppend(report, "Formula:");
        ReportSeparators(report, 2);
        ReportAppend(report, FormulaName(g_damageMemory.formula));
        ReportSeparators(report, 2);
        ReportEndLine(report);
    }
    char damage[256];
    ItemText(dialog, IDC_DAMAGE_RESULT, damage, sizeof damage);
    ReportAppend(report, "Danno (%):");
    ReportSeparators(report, 2);
    ReportAppendNumber(report, damage);
    ReportSeparators(report, 2);
    ReportEndLine(report);
    ReportNotes(report, dialog, 256);
}

void PrintDamage(HWND dialog)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Danno", FW_NORMAL))
        return;
    int second = print.pageWidth / 3;
    int third = print.pageWidth * 2 / 3;
    char text[96];

    PrintAt(&print, 0, "Valutazione del danno  ");
    if (!NextPrintLine(&print))
        return;
    const char* table = g_damageMemory.table == kDamageTableOld        ? "Vecchia tabella valutativa  "
                        : g_damageMemory.table == kDamageTableBiological ? "Tabella danno biologico"
                                                                         : "Nuova tabella valutativa  ";
    snprintf(text, sizeof text, "%s%s%s%s", table, FormulaApplies() ? "(" : "",
             FormulaApplies() ? FormulaName(g_damageMemory.formula) : "", FormulaApplies() ? ")" : "");
    PrintAt(&print, 0, text);
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, Symmetric() ? "Danno simmetrico" : "Danno non simmetrico");
    if (!NextPrintLine(&print))
        return;
    PrintAt(&print, 0, "Frequenza (Hz)");
    PrintAt(&print, second, "Perdita or. sx. (dB)");
    if (!Symmetric())
        PrintAt(&print, third, "Perdita or. dx. (dB)");
    if (!NextPrintLine(&print))
        return;
    for (int k = 0; k < kEarFrequencies; ++k) {
        char cell[16];
        PrintAt(&print, 0, kDamageFrequencyLabels[k]);
        GetDamageCell(dialog, k, kLeftColumn, cell);
        PrintAt(&print, second, cell);
        if (!Symmetric()) {
            GetDamageCell(dialog, k, kRightColumn, cell);
            PrintAt(&print, third, cell);
        }
        if (!NextPrintLine(&print))
            return;
    }
    PrintAt(&print, 0, "Danno totale (%): ");
    ItemText(dialog, IDC_DAMAGE_RESULT, text, sizeof text);
    PrintAt(&print, second, text);

    ReadDamageLosses(dialog);
    // A third of the page from its first third down, but never over the
    // lines above: where the printer's lines are tall the damage line
    // reaches the first third.
    int top = print.pageHeight / 3;
    if (top < (print.line + 2) * print.lineHeight)
        top = (print.line + 2) * print.lineHeight;
    RECT chart = {print.pageWidth / 10, top, print.pageWidth * 9 / 10, top + print.pageHeight / 3};
    DrawAudiogram(print.dc, chart, g_damageMemory.left, g_damageMemory.right, Symmetric());
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    PrintNotesFrom(&print, chart.bottom + 3 * print.lineHeight, notes);
    EndTextPrintout(&print, "");
}
