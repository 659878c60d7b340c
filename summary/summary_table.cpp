#include "summary/summary_table.h"

#include <algorithm>
#include <cstring>

#include "framework/number_text.h"

namespace {

const char* const kTitles[kSummaryColumns] = {
    "File", "Tipo", "Grandezza", "Valore", "Altri risultati", "Classe D.Lgs. 81/2008", "Note", "Stato",
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A folder's contents stay together: "\" orders before any other character.
int Weight(char c)
{
    if (c == '\\')
        return 1;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    return (unsigned char)c;
}

// Every "." between two digits turned into ",".
std::string DecimalCommas(const std::string& text)
{
    std::string out = text;
    for (size_t i = 1; i + 1 < out.size(); ++i)
        if (out[i] == '.' && IsDigit(out[i - 1]) && IsDigit(out[i + 1]))
            out[i] = ',';
    return out;
}

std::string CsvCell(const std::string& text, const char* separator)
{
    bool quote = text.find('"') != std::string::npos || text.find_first_of("\r\n") != std::string::npos ||
                 (*separator && text.find(separator) != std::string::npos);
    if (!quote)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

int ClassRank(const SummaryRow& row)
{
    return row.summary.exposureClass;
}

}  // namespace

const char* SummaryColumnTitle(int column)
{
    return column >= 0 && column < kSummaryColumns ? kTitles[column] : "";
}

std::string SummaryCell(const SummaryRow& row, int column)
{
    const FileSummary& s = row.summary;
    switch (column) {
    case kColumnFile:
        return row.file;
    case kColumnType:
        return s.status == kSummaryUnknownType || !row.type ? "" : row.type->name;
    case kColumnQuantity:
        return s.status == kSummaryComputed ? s.quantity : "";
    case kColumnValue:
        return s.value;
    case kColumnDetails:
        return s.details;
    case kColumnClass:
        return ClassRangeText(s.exposureClass, false);
    case kColumnNotes:
        return s.notes;
    case kColumnState:
        if (!s.stored.empty())
            return "risultato salvato diverso (" + s.stored + ")";
        return SummaryStatusText(s.status);
    }
    return "";
}

int CompareNatural(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            size_t di = i, dj = j;
            while (di < a.size() && IsDigit(a[di]))
                ++di;
            while (dj < b.size() && IsDigit(b[dj]))
                ++dj;
            if (di - i != dj - j)
                return di - i < dj - j ? -1 : 1;
            int digits = a.compare(i, di - i, b, j, dj - j);
            if (digits != 0)
                return digits;
            i = di;
            j = dj;
            continue;
        }
        int difference = Weight(a[i]) - Weight(b[j]);
        if (difference != 0)
            return difference;
        ++i;
        ++j;
    }
    return (int)(a.size() - i) - (int)(b.size() - j);
}

void SortSummaryRows(std::vector<SummaryRow>* rows, int column, bool ascending)
{
    // -1, 0 or 1 for the column alone; rows without a value or a class are
    // "missing" and go last whatever the direction.
    auto compare = [column](const SummaryRow& a, const SummaryRow& b, bool* missing) -> int {
        *missing = false;
        if (column == kColumnValue || column == kColumnClass) {
            bool hasA = column == kColumnValue ? !a.summary.value.empty() : ClassRank(a) != kClassNone;
            bool hasB = column == kColumnValue ? !b.summary.value.empty() : ClassRank(b) != kClassNone;
            if (!hasA || !hasB) {
                *missing = hasA != hasB;
                return hasA == hasB ? 0 : hasA ? -1 : 1;
            }
            double x = column == kColumnValue ? LeadingNumber(a.summary.value.c_str()) : ClassRank(a);
            double y = column == kColumnValue ? LeadingNumber(b.summary.value.c_str()) : ClassRank(b);
            return x < y ? -1 : x > y ? 1 : 0;
        }
        return CompareNatural(SummaryCell(a, column), SummaryCell(b, column));
    };
    std::stable_sort(rows->begin(), rows->end(), [&](const SummaryRow& a, const SummaryRow& b) {
        bool missing;
        int order = compare(a, b, &missing);
        if (order != 0)
            return missing || ascending ? order < 0 : order > 0;
        return CompareNatural(a.file, b.file) < 0;
    });
}

std::string SummaryCsv(const std::vector<SummaryRow>& rows, const char* separator)
{
    std::string text;
    text.reserve(64 + rows.size() * 96);
    for (int column = 0; column < kSummaryColumns; ++column) {
        if (column > 0)
            text += separator;
        text += CsvCell(kTitles[column], separator);
    }
    text += "\r\n";
    for (const SummaryRow& row : rows) {
        for (int column = 0; column < kSummaryColumns; ++column) {
            if (column > 0)
                text += separator;
            std::string cell = SummaryCell(row, column);
            if (column == kColumnValue || column == kColumnDetails || column == kColumnState)
                cell = DecimalCommas(cell);
            text += CsvCell(cell, separator);
        }
        text += "\r\n";
    }
    return text;
}
