#pragma once
// The folder summary's table: its rows, their cells, their order and the
// table as a report text ("Csv" on the clipboard and the ".csv" file).

#include <cstddef>
#include <string>
#include <vector>

#include "summary/file_summary.h"

struct SummaryRow {
    std::string file;          // the path relative to the chosen folder
    const DataFileType* type;  // by the file's extension
    FileSummary summary;
};

enum SummaryColumn {
    kColumnFile = 0,
    kColumnType,
    kColumnQuantity,
    kColumnValue,
    kColumnDetails,
    kColumnClass,
    kColumnNotes,
    kColumnState,
    kSummaryColumns
};

// "File", "Tipo", "Grandezza", "Valore", "Altri risultati",
// "Classe D.Lgs. 81/2008", "Note", "Stato".
const char* SummaryColumnTitle(int column);

// A cell as the list and the printout show it (numbers with ".").
std::string SummaryCell(const SummaryRow& row, int column);

// Orders the rows by a column: the value and the class by their number and
// rank (rows without one last), texts without regard to letter case and with
// the numbers in them as numbers ("turno 2" before "turno 10"); rows alike
// by their file.
void SortSummaryRows(std::vector<SummaryRow>* rows, int column, bool ascending);

// The table as the calculators' reports are made: a line of titles, then one
// line a row, each ended by "\r\n", the cells separated by the list
// separator (a cell holding it, a quote or a line break between quotes) and
// the "." of the numbers of the results turned into ",".
std::string SummaryCsv(const std::vector<SummaryRow>& rows, const char* separator);

// Natural order of two texts, as above: negative, 0 or positive.
int CompareNatural(const std::string& a, const std::string& b);
