#include "exposure/task_uncertainty.h"

#include <cctype>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/number_text.h"

namespace {

const double kReferenceHours = 8.0;
const double kDurationCoefficient = 4.34;  // 10 / ln 10, as ISO 9612 rounds it

// 10 lg sum 10^(0.1 x), summed relative to the highest, so that no level
// gives an infinite energy.
double EnergySum(const std::vector<double>& levels)
{
    double highest = levels.empty() ? 0.0 : levels[0];
    for (double level : levels)
        highest = level > highest ? level : highest;
    double sum = 0.0;
    for (double level : levels)
        sum += std::pow(10.0, 0.1 * (level - highest));
    return highest + 10.0 * std::log10(sum);
}

TaskOutcome TaskLevels(const TaskNumbers& task)
{
    TaskOutcome out = {};
    const std::vector<double>& l = task.samples;
    const double n = (double)l.size();
    out.laeq = EnergySum(l) - 10.0 * std::log10(n);
    out.lex = out.laeq + 10.0 * std::log10(task.hours / kReferenceHours);
    double mean = 0.0;
    for (double x : l)
        mean += x / n;
    double squares = 0.0;
    for (double x : l)
        squares += (x - mean) * (x - mean);
    out.u1a = l.size() > 1 ? std::sqrt(squares / (n * (n - 1.0))) : 0.0;
    out.wideSpread = out.u1a > kWideSpreadDb;
    return out;
}

// The value as "%.1f" shows it.
double AsShown(double value)
{
    return std::strtod(OneDecimal(value).c_str(), nullptr);
}

// The number a text starts with, and whether it starts with one at all.
bool ReadNumber(const std::string& text, double* value)
{
    *value = LeadingNumber(text.c_str());
    return StartsWithNumber(text.c_str());
}

UncertaintyCheck Problem(int problem, int task = -1, int sample = -1)
{
    return UncertaintyCheck{problem, task, sample};
}

// The numbers of the tasks, or the first thing that keeps them from being
// computed.
UncertaintyCheck ReadTasks(const UncertaintyTexts& texts, std::vector<TaskNumbers>* tasks)
{
    if (texts.tasks.empty())
        return Problem(kNoTasks);
    double total = 0.0;
    for (size_t m = 0; m < texts.tasks.size(); ++m) {
        const TaskTexts& t = texts.tasks[m];
        const int task = (int)m;
        TaskNumbers numbers = {0.0, 0.0, {}};
        if (!ReadNumber(t.hours, &numbers.hours) || !(numbers.hours > 0.0) ||
            numbers.hours > kMaxTaskHours)
            return Problem(kHoursOutOfRange, task);
        if (!t.hoursUncertainty.empty() &&
            (!ReadNumber(t.hoursUncertainty, &numbers.hoursUncertainty) ||
             numbers.hoursUncertainty < 0.0 || numbers.hoursUncertainty > kMaxTaskHours))
            return Problem(kHoursUncertaintyOutOfRange, task);
        if (t.samples.size() < kMinTaskSamples)
            return Problem(kTooFewSamples, task);
        for (size_t n = 0; n < t.samples.size(); ++n) {
            double level;
            if (!ReadNumber(t.samples[n], &level))
                return Problem(kSampleNotNumber, task, (int)n);
            if (level < 0.0 || level > kHighestSample)
                return Problem(kSampleOutOfRange, task, (int)n);
            numbers.samples.push_back(level);
        }
        total += numbers.hours;
        tasks->push_back(numbers);
    }
    if (total > kMaxTaskHours + 1e-9)
        return Problem(kTotalHoursTooLong);
    return Problem(kInputsComplete);
}

PeakReading ReadPeak(const std::string& text)
{
    PeakReading peak = {!text.empty(), false, 0.0};
    if (peak.given)
        peak.valid = ReadNumber(text, &peak.level) && peak.level >= 0.0 && peak.level <= kHighestPeak;
    return peak;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

}  // namespace

double InstrumentUncertainty(int instrumentClass)
{
    return instrumentClass == 2 ? 1.5 : 0.7;
}

UncertaintyOutcome ComputeTaskUncertainty(const std::vector<TaskNumbers>& tasks, int instrumentClass)
{
    UncertaintyOutcome out = {{}, 0.0, 0.0, 0.0};
    if (tasks.empty())
        return out;
    std::vector<double> contributions;
    for (const TaskNumbers& task : tasks) {
        out.tasks.push_back(TaskLevels(task));
        contributions.push_back(out.tasks.back().lex);
    }
    out.lex = EnergySum(contributions);

    const double u2 = InstrumentUncertainty(instrumentClass), u3 = kPositionUncertainty;
    double variance = 0.0;
    for (size_t m = 0; m < tasks.size(); ++m) {
        TaskOutcome& t = out.tasks[m];
        t.c1a = tasks[m].hours / kReferenceHours * std::pow(10.0, 0.1 * (t.laeq - out.lex));
        t.c1b = kDurationCoefficient * t.c1a / tasks[m].hours;
        const double timing = t.c1b * tasks[m].hoursUncertainty;
        t.variance = t.c1a * t.c1a * (t.u1a * t.u1a + u2 * u2 + u3 * u3) + timing * timing;
        variance += t.variance;
    }
    for (TaskOutcome& t : out.tasks)
        t.share = variance > 0.0 ? t.variance / variance : 0.0;
    out.u = std::sqrt(variance);
    out.expanded = kCoverageFactor * out.u;
    return out;
}

std::string OneDecimal(double value)
{
    char text[32];
    FormatNumberFitting(text, sizeof text, "%.1f", value);
    return text;
}

std::string TaskLabel(const UncertaintyTexts& texts, int task)
{
    if (task >= 0 && task < (int)texts.tasks.size() && !texts.tasks[task].name.empty())
        return texts.tasks[task].name;
    return Format("n. %d", task + 1);
}

std::string UncertaintyMessage(const UncertaintyCheck& check, const UncertaintyTexts& texts)
{
    const std::string task = TaskLabel(texts, check.task);
    const char* name = task.c_str();
    const TaskTexts* t = check.task >= 0 && check.task < (int)texts.tasks.size()
                             ? &texts.tasks[check.task] : nullptr;
    const char* sample = t && check.sample >= 0 && check.sample < (int)t->samples.size()
                             ? t->samples[check.sample].c_str() : "";
    switch (check.problem) {
    case kTooFewSamples:
        return Format("Il compito \"%s\" ha %d campioni: ne servono almeno %d.", name,
                      t ? (int)t->samples.size() : 0, (int)kMinTaskSamples);
    case kSampleNotNumber:
        return Format("Il campione %d del compito \"%s\" non è un numero: \"%s\".",
                      check.sample + 1, name, sample);
    case kSampleOutOfRange:
        return Format("Il campione %d del compito \"%s\" (%s) non è un livello da 0 a 200 dB(A).",
                      check.sample + 1, name, sample);
    case kHoursOutOfRange:
        return Format("La durata del compito \"%s\" deve essere un numero di ore maggiore di 0 "
                      "e non oltre 24.", name);
    case kHoursUncertaintyOutOfRange:
        return Format("L'incertezza della durata del compito \"%s\" deve essere un numero di ore "
                      "da 0 a 24.", name);
    case kTotalHoursTooLong:
        return "La durata totale dei compiti supera le 24 ore.";
    }
    return "";
}

bool HasDecimalComma(const char* text)
{
    if (!text || !StartsWithNumber(text))
        return false;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    while (isdigit((unsigned char)*p))
        ++p;
    return p[0] == ',' && isdigit((unsigned char)p[1]);
}

UncertaintyAssessment AssessUncertainty(const UncertaintyTexts& texts)
{
    UncertaintyAssessment a = {};
    a.lexClass = a.cautiousClass = kClassNone;
    a.peak = ReadPeak(texts.peak);
    a.peakClass = a.peak.valid ? ClassOfPeak(a.peak.level) : kClassNone;
    std::vector<TaskNumbers> tasks;
    a.check = ReadTasks(texts, &tasks);
    if (a.check.problem != kInputsComplete)
        return a;
    a.outcome = ComputeTaskUncertainty(tasks, texts.instrumentClass);
    // What a reader adds up from the two numbers shown.
    a.cautious = AsShown(a.outcome.lex) + AsShown(a.outcome.expanded);
    a.lexClass = ClassOfExposure(a.outcome.lex);
    a.cautiousClass = ClassOfExposure(a.cautious);
    return a;
}

size_t ClassReadings(const UncertaintyAssessment& a, ClassReading out[3])
{
    struct {
        const char* label;
        double value;
        bool peak;
        ExposureClass level;
        bool shown;
    } readings[3] = {
        {"Lex,8h", a.outcome.lex, false, a.lexClass, a.check.problem == kInputsComplete},
        {"Lex,8h + U", a.cautious, false, a.cautiousClass, a.check.problem == kInputsComplete},
        {"Lpicco,C", a.peak.level, true, a.peakClass, a.peak.valid},
    };
    size_t count = 0;
    for (const auto& reading : readings) {
        if (!reading.shown)
            continue;
        ClassReading& r = out[count++];
        r.label = reading.label;
        r.value = OneDecimal(reading.value);
        r.peak = reading.peak;
        r.level = reading.level;
        r.dutyCount = ExposureObligations(reading.value, reading.peak, r.duties, kMaxObligations);
    }
    return count;
}

std::string SpreadNote(const UncertaintyTexts& texts, const UncertaintyAssessment& a)
{
    if (a.check.problem != kInputsComplete)
        return "";
    std::string tasks;
    for (size_t m = 0; m < a.outcome.tasks.size(); ++m)
        if (a.outcome.tasks[m].wideSpread)
            tasks += (tasks.empty() ? "" : ", ") + TaskLabel(texts, (int)m);
    if (tasks.empty())
        return "";
    return "u1a oltre 3 dB (" + tasks + "): ISO 9612 consiglia altri campioni o la suddivisione "
           "del compito.";
}

std::string DutiesText(const UncertaintyAssessment& a)
{
    ClassReading readings[3];
    const size_t count = ClassReadings(a, readings);
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        const ClassReading& r = readings[i];
        if (i)
            text += "\r\n";
        text += r.label + " = " + r.value + (r.peak ? " dB(C): " : " dB(A): ") + ClassName(r.level) +
                "\r\n";
        for (size_t d = 0; d < r.dutyCount; ++d)
            text += std::string("  ") + r.duties[d]->article + ": " + r.duties[d]->text + "\r\n";
    }
    return text;
}
