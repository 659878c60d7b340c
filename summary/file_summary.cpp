#include "summary/file_summary.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "framework/number_text.h"
#include "summary/file_reading.h"

namespace {

// In the order of the file dialogs' filters. ".fnx" is rich text, not a
// data file: it is listed by name.
const DataFileType kTypes[] = {
    {".lep", "LEPD", "Lep,d", SummariseDailyExposure},
    {".lew", "LEPW", "Lep,w", SummariseWeeklyExposure},
    {".leg", "LEG", "Leq gruppi", SummariseGroupLevel},
    {".ilg", "ILG", "Danno", SummariseDamage},
    {".spr", "SPR", "Spettro rumore", SummariseNoiseSpectrum},
    {".spi", "SPI", "Spettro DPI", SummariseAttenuation},
    {".dpi", "DPI", "Scelta DPI", SummariseSelection},
    {".fnx", nullptr, "Documento", nullptr},
    {".lin", "LIN", "Incertezza", SummariseUncertainty},
};

bool SameLetters(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a >= 'A' && *a <= 'Z' ? (char)(*a - 'A' + 'a') : *a;
        char y = *b >= 'A' && *b <= 'Z' ? (char)(*b - 'A' + 'a') : *b;
        if (x != y)
            return false;
    }
    return *a == *b;
}

}  // namespace

const DataFileType* DataFileTypes(size_t* count)
{
    *count = sizeof kTypes / sizeof kTypes[0];
    return kTypes;
}

const DataFileType* DataFileTypeOfPath(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    const char* dot = strrchr(name, '.');
    if (!dot)
        return nullptr;
    for (const DataFileType& type : kTypes)
        if (SameLetters(dot, type.extension))
            return &type;
    return nullptr;
}

FileSummary SummariseData(const DataFileType& type, const char* bytes, size_t size,
                          std::vector<StoredResult>* results)
{
    FileSummary summary;
    if (!type.tag) {
        summary.status = kSummaryDocument;
        return summary;
    }
    ProfileText file(bytes, size);
    // As every loader recognises its file: "Tipo" read into 16 characters.
    if (!SameLetters(file.Value("FONEXA", "Tipo", 16).c_str(), type.tag)) {
        summary.status = kSummaryUnknownType;
        return summary;
    }
    summary.notes = file.FirstNoteLine();
    std::vector<StoredResult> written;
    type.summarise(file, &summary, &written);
    if (summary.status == kSummaryComputed) {
        for (const StoredResult& result : written) {
            if (!result.compared)
                continue;
            std::string stored = FieldText(file, result.section, result.key);
            double difference = std::fabs(FieldNumber(stored) - FieldNumber(result.text.c_str()));
            if (!stored.empty() && !(difference <= kStaleDifference + 1e-9)) {
                summary.stored = stored;
                break;
            }
        }
    }
    if (results)
        *results = std::move(written);
    return summary;
}

const char* SummaryStatusText(SummaryStatus status)
{
    switch (status) {
    case kSummaryUnreadable: return "non leggibile";
    case kSummaryUnknownType: return "tipo sconosciuto";
    case kSummaryInvalidValues: return "valori non validi";
    default: return "";
    }
}

// ---- Shared by the readers ---------------------------------------------------

std::string FieldText(const ProfileText& file, const char* section, const char* key)
{
    // Read as the loaders read it, straight into the field's buffer.
    return file.Value(section, key, kFieldChars + 1);
}

double FieldNumber(const std::string& text)
{
    return LeadingNumber(text.c_str());
}

std::string CellText(const ProfileText::Numbered& keys, int number)
{
    return std::string(NumberedText(keys, number)).substr(0, kFieldChars);
}

std::string ShownNumber(const char* format, double value, size_t capacity)
{
    char text[64];
    FormatNumber(text, capacity < sizeof text ? capacity : sizeof text, format, value);
    const char* shown = text;
    while (*shown == ' ')
        ++shown;
    return shown;
}

void AddResult(std::vector<StoredResult>* results, const char* section, const char* key,
               const std::string& text, bool compared)
{
    results->push_back({section, key, text, compared});
}
