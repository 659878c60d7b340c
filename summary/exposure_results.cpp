// The exposure files: ".lep" (daily), ".lew" (weekly) and ".leg" (group), read
// as their calculators load them and computed as they compute.

#include <cstdio>
#include <vector>

#include "exposure/daily_exposure.h"
#include "exposure/group_level.h"
#include "exposure/weekly_exposure.h"
#include "framework/number_text.h"
#include "summary/file_reading.h"

namespace {

const char kFrame[] = "FONEXA";

std::string Trimmed(const char* text)
{
    while (*text == ' ')
        ++text;
    return text;
}

}  // namespace

void SummariseDailyExposure(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    int unit = file.Int(kFrame, "TFORM", 0);
    if (unit < 0 || unit > 2)
        unit = kTimeMinutes;
    int items = file.Int(kFrame, "ITEMS", 0);
    ProfileText::Numbered levels = file.NumberedKeys("LEQ", items);
    ProfileText::Numbered durations = file.NumberedKeys("TIME", items);
    std::vector<double> level, duration;
    for (const auto& row : levels) {
        std::string text = row.second.substr(0, kFieldChars);
        if (text.empty())
            continue;  // no row
        level.push_back(FieldNumber(text));
        duration.push_back(FieldNumber(CellText(durations, row.first)));
        // "Errore nei valori!"
        if (level.back() == 0.0 || duration.back() == 0.0) {
            summary->status = kSummaryInvalidValues;
            return;
        }
    }
    DailyExposure result = ComputeDailyExposure(level.data(), duration.data(), level.size(), unit);
    DailyExposureTexts texts = FormatDailyExposure(result, unit);
    summary->quantity = "Lep,d (dBA)";
    summary->value = Trimmed(texts.lepd);
    summary->exposureClass = ClassOfExposure(result.lepd);
    AddResult(results, kFrame, "LAEQ", Trimmed(texts.laeq));
    AddResult(results, kFrame, "TOTTIME", Trimmed(texts.total));
    AddResult(results, kFrame, "LEPD", Trimmed(texts.lepd));
}

void SummariseWeeklyExposure(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    double levels[kWeekDays];
    for (int day = 0; day < kWeekDays; ++day) {
        std::string text = FieldText(file, "GIORNI", kWeekDayNames[day]);
        levels[day] = FieldNumber(text.empty() ? "0.0" : text);
    }
    double lepw = ComputeWeeklyExposure(levels);
    char text[16];
    FormatWeeklyExposure(lepw, text, sizeof text);
    summary->quantity = "Lep,w (dBA)";
    summary->value = Trimmed(text);
    summary->exposureClass = ClassOfExposure(lepw);
    AddResult(results, kFrame, "LEPW", summary->value);
}

void SummariseGroupLevel(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    // A choice missing from the file, or out of its list, keeps the one the
    // calculator starts the run with: 95 %, 2 dB, 10 workers.
    int confidence = file.Int(kFrame, "FIDUCIA", 1);
    if (confidence < 0 || confidence >= kConfidenceChoices)
        confidence = 1;
    int interval = file.Int(kFrame, "CONFIDENZA", 1);
    if (interval < 0 || interval >= kIntervalChoices)
        interval = 1;
    std::vector<double> samples;
    for (const auto& sample : file.NumberedKeys("LEQ", file.Int(kFrame, "ITEMS", 0))) {
        std::string text = sample.second.substr(0, kFieldChars);
        if (!text.empty())
            samples.push_back(FieldNumber(text));
    }
    long workers = file.Int(kFrame, "TOTLAV", 10);
    if (workers < 0)
        workers = 0;
    if (workers > 9999999)
        workers = 9999999;  // the field's seven digits

    GroupLevel result = ComputeGroupLevel(samples.data(), samples.size(), workers, confidence, interval);
    if (result.status != kGroupComputed) {
        // "Inserire un valore maggiore di 3 ..." or "Errore nei valori!"
        summary->status = kSummaryInvalidValues;
        return;
    }
    char text[96];
    FormatNumberFitting(text, 16, "%4.1f", result.mean);
    summary->quantity = "Leq,gruppo (dBA)";
    summary->value = Trimmed(text);
    summary->exposureClass = ClassOfExposure(result.mean);

    long count = (long)result.count;
    long needed = result.valid ? 0 : count < kMinimumSamples ? kMinimumSamples - count : result.required - count;
    std::string details;
    if (count >= 2)
        details = "± " + ShownNumber("%.1f", HalfWidth(workers, result.deviation, confidence, count)) + " dB / ";
    if (needed <= 0)
        details += "campioni sufficienti";
    else if (needed == 1)
        details += "1 campione ancora necessario";
    else
        details += std::to_string(needed) + " campioni ancora necessari";
    summary->details = details;

    snprintf(text, sizeof text, "%lu", (unsigned long)result.count);
    AddResult(results, kFrame, "SAMPLES", text);
    AddResult(results, kFrame, "LEQGROUP", summary->value);
    FormatNumberFitting(text, 16, "%4.1f", result.deviation);
    AddResult(results, kFrame, "DEVST", Trimmed(text));
}
