#pragma once
// One data file as the folder summary shows it: its main results recomputed
// from its inputs by the calculators' own arithmetic (never copied from the
// results the file stores), read from its text key by key as the
// calculator's loader reads it, with the class of the decree for an
// exposure, the first line of its notes, and the stored result that differs
// from the recomputed one. The same reading makes the stored results of the
// shipped sample files at build time.

#include <cstddef>
#include <string>
#include <vector>

#include "exposure/legal_class.h"
#include "framework/profile_text.h"

enum SummaryStatus {
    kSummaryComputed = 0,
    kSummaryDocument,       // a report document, listed by its name only
    kSummaryUnreadable,     // "non leggibile"
    kSummaryUnknownType,    // "tipo sconosciuto"
    kSummaryInvalidValues,  // "valori non validi": refused as the calculator refuses them
};

// A value a calculator writes into its file, as it writes it.
struct StoredResult {
    const char* section;
    const char* key;
    std::string text;  // as shown, without the leading blanks the profile functions drop
    // A result of the file, checked against what the file stores; false for
    // an input that the sample generator derives (a selection's H, M, L).
    bool compared;
};

struct FileSummary {
    SummaryStatus status = kSummaryComputed;
    const char* quantity = "";  // "Lep,d (dBA)"
    std::string value;          // the main result as the calculator shows it, "" when none
    std::string details;        // the other results, in words, numbers with "."
    ExposureClass exposureClass = kClassNone;  // kClassNone unless the result is an exposure
    std::string notes;          // the first line of the notes
    std::string stored;         // a stored result that differs from its recomputation, "" when none
};

typedef void (*SummariseFunction)(const ProfileText& file, FileSummary* summary,
                                  std::vector<StoredResult>* results);

// The data-file types the summary knows; a new type is one row of the table
// in file_summary.cpp.
struct DataFileType {
    const char* extension;  // ".lep"
    const char* tag;        // "LEPD"; nullptr for the report document
    const char* name;       // "Lep,d"
    SummariseFunction summarise;
};

// The type of a path by the extension of its file name, in any letter case;
// nullptr for any other file.
const DataFileType* DataFileTypeOfPath(const char* path);

// Every type, in the order of the file dialogs' filters.
const DataFileType* DataFileTypes(size_t* count);

// Summarises a file of the type from its bytes. results (when not null)
// receives what the calculator would write back.
FileSummary SummariseData(const DataFileType& type, const char* bytes, size_t size,
                          std::vector<StoredResult>* results = nullptr);

// "non leggibile", "tipo sconosciuto", "valori non validi"; "" for a file
// read.
const char* SummaryStatusText(SummaryStatus status);

// Stored and recomputed results that differ by more than this are marked.
const double kStaleDifference = 0.05;
