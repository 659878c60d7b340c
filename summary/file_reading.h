#pragma once
// What the summary's readers of the data-file types share: keys read as the
// calculators' loaders read them, and each type's reader.

#include <cstddef>
#include <string>
#include <vector>

#include "summary/file_summary.h"

// Texts loaded into a field or a list cell are kept as read, cut to the
// field's 15 characters.
const size_t kFieldChars = 15;

// A number key as a loader reads it into a field.
std::string FieldText(const ProfileText& file, const char* section, const char* key);

// A field's text counted by its leading number: 0 for none, and for one that
// is not finite.
double FieldNumber(const std::string& text);

// A list value kept as a cell keeps it.
std::string CellText(const ProfileText::Numbered& keys, int number);

// A number as a field shows it by format (cut to capacity - 1 characters),
// without the leading blanks of the format.
std::string ShownNumber(const char* format, double value, size_t capacity = 32);

// A result written back by the calculator: its key and the text it writes.
void AddResult(std::vector<StoredResult>* results, const char* section, const char* key,
               const std::string& text, bool compared = true);

// The readers, one a type (exposure_results.cpp, spectra_results.cpp,
// protection_results.cpp, damage_results.cpp, uncertainty_results.cpp).
void SummariseDailyExposure(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseWeeklyExposure(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseGroupLevel(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseNoiseSpectrum(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseAttenuation(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseSelection(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseDamage(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
void SummariseUncertainty(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results);
