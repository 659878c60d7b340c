// Lex,8h and its uncertainty by tasks (ISO 9612), against values worked out
// apart from the program from the formulas of ISO 9612 annex C, and against
// the standard's own annex D example (welders: Lex,8h 84.3 dB, U 2.7 dB
// without and 3.2 dB with the durations' uncertainties, class 2 meter; its
// meeting task was measured once, entered here as three equal samples).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exposure/daily_exposure.h"
#include "exposure/task_uncertainty.h"
#include "exposure/task_uncertainty_file.h"

namespace {

struct Case {
    const char* name;
    int instrumentClass;
    std::vector<TaskNumbers> tasks;
    double lex, u, expanded;
    std::vector<std::vector<double>> perTask;  // LAeq,T, Lex,8h,m, u1a, share
};

const std::vector<double> kTurning = {85.0, 86.5, 84.2}, kGrinding = {92.1, 95.3, 90.4, 93.8},
                          kOffice = {65.0, 66.0, 64.0};

TEST(TaskUncertainty, WorkedExamples)
{
    const Case cases[] = {
        {"three tasks, class 1", 1,
         {{4, 0, kTurning}, {2, 0, kGrinding}, {2, 0, kOffice}}, 88.4720, 1.2675, 2.0914,
         {{85.3400, 82.3297, 0.6741, 0.0715}, {93.2764, 87.2558, 1.0591, 0.9285},
          {65.0764, 59.0558, 0.5774, 0.0000}}},
        {"u1b above 0, class 2", 2,
         {{4, 0.5, kTurning}, {2, 0.25, kGrinding}, {2, 0, kOffice}}, 88.4720, 1.7034, 2.8105,
         {{85.3400, 82.3297, 0.6741, 0.0814}, {93.2764, 87.2558, 1.0591, 0.9186},
          {65.0764, 59.0558, 0.5774, 0.0000}}},
        {"ISO 9612 annex D, case b", 2,
         {{1.5, 0, {70, 70, 70}}, {5, 1, {80.1, 82.2, 79.6}},
          {1.5, 0.5, {86.5, 92.4, 89.3, 93.2, 87.8, 86.2}}}, 84.2940, 1.9606, 3.2349,
         {{70.0, 62.7300, 0.0, 0.0}, {80.7856, 78.7444, 0.7965, 0.0937},
          {90.1032, 82.8333, 1.2178, 0.9063}}},
        {"one task spread over 3 dB", 1, {{8, 0, {80, 92, 86}}}, 88.4157, 3.6729, 6.0602,
         {{88.4157, 88.4157, 3.4641, 1.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UncertaintyOutcome out = ComputeTaskUncertainty(c.tasks, c.instrumentClass);
        EXPECT_NEAR(out.lex, c.lex, 5e-4);
        EXPECT_NEAR(out.u, c.u, 5e-4);
        EXPECT_NEAR(out.expanded, c.expanded, 5e-4);
        ASSERT_EQ(out.tasks.size(), c.perTask.size());
        for (size_t m = 0; m < c.perTask.size(); ++m) {
            const TaskOutcome& t = out.tasks[m];
            EXPECT_NEAR(t.laeq, c.perTask[m][0], 5e-4) << m;
            EXPECT_NEAR(t.lex, c.perTask[m][1], 5e-4) << m;
            EXPECT_NEAR(t.u1a, c.perTask[m][2], 5e-4) << m;
            EXPECT_NEAR(t.share, c.perTask[m][3], 5e-4) << m;
            EXPECT_EQ(t.wideSpread, c.perTask[m][2] > 3.0) << m;
        }
        // The daily calculator given each task's energy mean and duration.
        std::vector<double> levels, hours;
        for (size_t m = 0; m < c.tasks.size(); ++m) {
            levels.push_back(out.tasks[m].laeq);
            hours.push_back(c.tasks[m].hours);
        }
        DailyExposure daily = ComputeDailyExposure(levels.data(), hours.data(), levels.size(), kTimeHours);
        EXPECT_NEAR(daily.lepd, out.lex, 0.05);
    }
    // Annex D, case a: the durations taken as certain.
    UncertaintyOutcome a = ComputeTaskUncertainty(
        {{1.5, 0, {70, 70, 70}}, {5, 0, {80.1, 82.2, 79.6}}, {1.5, 0, {86.5, 92.4, 89.3, 93.2, 87.8, 86.2}}}, 2);
    EXPECT_EQ(OneDecimal(a.lex), "84.3");
    EXPECT_EQ(OneDecimal(a.expanded), "2.7");
}

TaskTexts Task(const char* name, const char* hours, const char* u1b, std::vector<std::string> samples)
{
    return TaskTexts{name, hours, u1b, samples};
}

TEST(TaskUncertainty, TextsAreCheckedAndClassed)
{
    const std::vector<std::string> three = {"85", "86 dB", "84.2"};
    struct {
        std::vector<TaskTexts> tasks;
        const char* peak;
        int problem, task, sample;
        const char* message;
        const char* lexClass;       // U is 2.0 dB in each
        const char* cautiousClass;  // of Lex,8h + U
        ExposureClass peakClass;
    } cases[] = {
        {{Task("Presse", "8", "", {"79.9", "79.9", "79.9"})}, "134.9", kInputsComplete, -1, -1, "",
         "Inferiore ai valori di azione", "Valore inferiore di azione", kClassBelowAction},
        {{Task("Presse", "8 h", "0", {"80", "80", "80"})}, "135", kInputsComplete, -1, -1, "",
         "Valore inferiore di azione", "Valore inferiore di azione", kClassLowerAction},
        {{Task("Presse", "8", "0", {"84.9", "84.9", "84.9"})}, "136.9", kInputsComplete, -1, -1, "",
         "Valore inferiore di azione", "Valore superiore di azione", kClassLowerAction},
        {{Task("Presse", "8", "0", {"85.0", "85", "85"})}, "137", kInputsComplete, -1, -1, "",
         "Valore superiore di azione", "Valore limite di esposizione", kClassUpperAction},
        {{Task("Presse", "8", "0", {"86.9", "86.9", "86.9"})}, "140", kInputsComplete, -1, -1, "",
         "Valore superiore di azione", "Valore limite di esposizione", kClassLimit},
        {{Task("Presse", "8", "0", {"85", "86"})}, "abc", kTooFewSamples, 0, -1,
         "Il compito \"Presse\" ha 2 campioni: ne servono almeno 3.", "", "", kClassNone},
        {{Task("", "4", "0", three), Task("Molatura", "4", "", {"85", "n.d.", "84"})}, "", kSampleNotNumber,
         1, 1, "Il campione 2 del compito \"Molatura\" non è un numero: \"n.d.\".", "", "", kClassNone},
        {{Task("", "4", "", {"85", "86", "250"})}, "300", kSampleOutOfRange, 0, 2,
         "Il campione 3 del compito \"n. 1\" (250) non è un livello da 0 a 200 dB(A).", "", "", kClassNone},
        {{Task("A", "0", "", three)}, "", kHoursOutOfRange, 0, -1,
         "La durata del compito \"A\" deve essere un numero di ore maggiore di 0 e non oltre 24.", "", "",
         kClassNone},
        {{Task("A", "25", "", three)}, "", kHoursOutOfRange, 0, -1, nullptr, "", "", kClassNone},
        {{Task("A", "2", "-1", three)}, "", kHoursUncertaintyOutOfRange, 0, -1, nullptr, "", "", kClassNone},
        {{Task("A", "12", "", three), Task("B", "12.5", "", three)}, "", kTotalHoursTooLong, -1, -1,
         "La durata totale dei compiti supera le 24 ore.", "", "", kClassNone},
        {{}, "137", kNoTasks, -1, -1, "", "", "", kClassUpperAction},
    };
    for (const auto& c : cases) {
        UncertaintyTexts texts;
        texts.tasks = c.tasks;
        texts.peak = c.peak;
        UncertaintyAssessment a = AssessUncertainty(texts);
        SCOPED_TRACE(c.problem);
        EXPECT_EQ(a.check.problem, c.problem);
        EXPECT_EQ(a.check.task, c.task);
        EXPECT_EQ(a.check.sample, c.sample);
        if (c.message)
            EXPECT_EQ(UncertaintyMessage(a.check, texts), c.message);
        EXPECT_EQ(a.peakClass, c.peakClass);
        if (c.problem != kInputsComplete)
            continue;
        EXPECT_STREQ(ClassName(a.lexClass), c.lexClass);
        EXPECT_STREQ(ClassName(a.cautiousClass), c.cautiousClass);
    }
    EXPECT_TRUE(HasDecimalComma("85,2"));
    EXPECT_FALSE(HasDecimalComma("85, 86"));
    EXPECT_FALSE(HasDecimalComma("85.2"));
}

TEST(TaskUncertainty, DutiesOfEachReading)
{
    UncertaintyTexts texts;
    texts.tasks = {Task("Presse", "8", "0", {"86", "86", "86"})};  // U = 1.65 x 1.22 = 2.0
    texts.peak = "132";
    std::string duties = DutiesText(AssessUncertainty(texts));
    EXPECT_EQ(duties.find("Lex,8h = 86.0 dB(A): Valore superiore di azione\r\n"), 0u);
    EXPECT_NE(duties.find("\r\nLex,8h + U = 88.0 dB(A): Valore limite di esposizione\r\n"), std::string::npos);
    EXPECT_NE(duties.find("  art. 194, c. 1: Se anche con i DPI indossati"), std::string::npos);
    EXPECT_NE(duties.find("\r\nLpicco,C = 132.0 dB(C): Inferiore ai valori di azione\r\n"),
              std::string::npos);
}

}  // namespace
