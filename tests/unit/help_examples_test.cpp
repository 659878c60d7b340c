// The worked examples of the help file, recomputed by the program's own
// arithmetic: each number a help topic shows must be what the calculator
// gives for the same inputs, so that help and program cannot drift apart.
// The topic sources (resources/help/*.txt) are compiled in as text.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "damage/damage_tables.h"
#include "exposure/daily_exposure.h"
#include "exposure/group_level.h"
#include "exposure/task_uncertainty.h"
#include "exposure/weekly_exposure.h"
#include "iso1999/evolution.h"
#include "iso1999/model.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/shift.h"
#include "protectors/correction.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"
#include "spectra/attenuation.h"
#include "spectra/band_table.h"
#include "spectra/weighting.h"

namespace {

struct HelpSource {
    const char* file;
    const char* text;
};

const HelpSource kHelpSources[] = {
#include "help_sources.inc"
};

const HelpSource kGuideSources[] = {
#include "guide_sources.inc"
};

// A guide's source with its lines joined and its blanks folded, so that a
// phrase broken across lines is found whole.
std::string GuideText(const std::string& file)
{
    for (const HelpSource& source : kGuideSources) {
        if (file != source.file)
            continue;
        std::string folded;
        for (const char* p = source.text; *p; ++p) {
            bool blank = *p == ' ' || *p == '\n' || *p == '\r' || *p == '\t';
            if (!blank)
                folded += *p;
            else if (!folded.empty() && folded.back() != ' ')
                folded += ' ';
        }
        return folded;
    }
    return std::string();
}

// From the topic's @topic line up to the next topic.
std::string TopicText(const std::string& context)
{
    const std::string start = "@topic " + context + "\n";
    for (const HelpSource& source : kHelpSources) {
        std::string text(source.text);
        // The sources may have CR LF line ends on a Windows checkout.
        std::string plain;
        for (char c : text)
            if (c != '\r')
                plain += c;
        size_t at = plain.find(start);
        if (at == std::string::npos)
            continue;
        size_t end = plain.find("\n@topic ", at);
        return plain.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }
    return std::string();
}

// A number as the help text writes it: Italian decimal comma.
std::string Shown(double value, const char* format = "%.1f")
{
    char text[64];
    snprintf(text, sizeof text, format, value);
    std::string s(text);
    for (char& c : s)
        if (c == '.')
            c = ',';
    size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? s : s.substr(first);
}

std::vector<std::string> DailyExample()
{
    double levels[] = {90, 80}, hours[] = {4, 4};
    DailyExposure two = ComputeDailyExposure(levels, hours, 2, kTimeHours);
    double levels3[] = {95, 85, 70}, minutes[] = {120, 240, 60};
    DailyExposure three = ComputeDailyExposure(levels3, minutes, 3, kTimeMinutes);
    return {"/ 2 ) = " + Shown(two.laeq) + " dBA", "= " + Shown(two.lepd) + " dBA",
            "totale è " + Shown(three.totalSeconds / 60, "%.0f") + " min",
            "LAeq = " + Shown(three.laeq) + " dBA", "Lep,d = " + Shown(three.lepd) + " dBA"};
}

std::vector<std::string> WeeklyExample()
{
    double week[kWeekDays] = {85, 85, 90, 85, 85, 0, 0};
    double fiveDays[kWeekDays] = {85, 85, 85, 85, 85, 0, 0};
    return {"/ 5 ) = " + Shown(ComputeWeeklyExposure(week)) + " dBA",
            "danno " + Shown(ComputeWeeklyExposure(fiveDays)) + " dBA"};
}

std::vector<std::string> GroupExample()
{
    double samples[] = {85, 87, 90, 88};
    GroupLevel g = ComputeGroupLevel(samples, 4, 10, 1, 1);  // 95 %, 2 dB
    char message[kGroupMessageSize];
    FormatGroupMessage(g, message, sizeof message);
    EXPECT_TRUE(g.valid);
    return {"/ 4 = " + Shown(g.mean) + " dBA", "= " + Shown(g.deviation) + " dB",
            "servono " + std::to_string(g.required) + " campioni", message};
}

// The welders' day of ISO 9612 annex D, with or without the durations'
// uncertainties.
UncertaintyAssessment WelderDay(bool durationsUncertain)
{
    UncertaintyTexts texts;
    texts.instrumentClass = 2;
    texts.tasks = {{"Riunioni", "1.5", "0", {"70", "70", "70"}},
                   {"Saldatura", "5", durationsUncertain ? "1" : "0", {"80.1", "82.2", "79.6"}},
                   {"Taglio", "1.5", durationsUncertain ? "0.5" : "0",
                    {"86.5", "92.4", "89.3", "93.2", "87.8", "86.2"}}};
    return AssessUncertainty(texts);
}

std::vector<std::string> UncertaintyExample()
{
    UncertaintyAssessment a = WelderDay(true);
    std::vector<std::string> shown;
    for (int m = 1; m < 3; ++m) {
        const TaskOutcome& t = a.outcome.tasks[m];
        shown.push_back("LAeq,T = " + Shown(t.laeq) + " dB(A), Lex,8h,m = " + Shown(t.lex) +
                        " dB(A), u1a = " + Shown(t.u1a) + " dB");
    }
    shown.push_back("Lex,8h = " + Shown(a.outcome.lex) + " dB(A), u = " + Shown(a.outcome.u) +
                    " dB, U = " + Shown(a.outcome.expanded) + " dB, Lex,8h + U = " + Shown(a.cautious) +
                    " dB(A)");
    shown.push_back("U scende a " + Shown(WelderDay(false).outcome.expanded) + " dB");
    return shown;
}

const double kNoise[kOctaveBands] = {80, 85, 88, 90, 87, 84, 78};
const double kProtector[kOctaveBands] = {15, 18, 22, 28, 32, 38, 36};

std::vector<std::string> SpectrumExample()
{
    std::string weighted = "pesati A:";
    for (int b = 0; b < kOctaveBands; ++b)
        weighted += " " + Shown(kNoise[b] + OctaveBandTable[b].aCorrection) + (b < 6 ? " " : "");
    return {weighted, "Pesato A = " + Shown(AWeightedLevel(kNoise)) + " dBA",
            "Pesato C = " + Shown(CWeightedLevel(kNoise)) + " dBC",
            "LC - LA = " + Shown(CWeightedLevel(kNoise) - AWeightedLevel(kNoise)) + " dB"};
}

std::vector<std::string> AttenuationExample()
{
    double snr = 0;
    EXPECT_TRUE(ComputeSnr(kProtector, &snr));
    HmlValues hml = ComputeHml(kProtector);
    return {"SNR = " + Shown(snr) + " dB", "H = " + Shown(hml.h) + " dB",
            "M = " + Shown(hml.m) + " dB", "L = " + Shown(hml.l) + " dB"};
}

std::string Verdict(double le)
{
    std::string word = ProtectionVerdict(le, 85.0);
    return "giudizio è " + word.substr(0, word.size() - 1);  // without the final "."
}

std::vector<std::string> OctaveBandExample()
{
    double le = OctaveBandMethod(kNoise, kProtector);
    return {"LE = " + Shown(le, "%.0f") + " dBA", Verdict(le)};
}

std::vector<std::string> HmlExample()
{
    double le = HmlMethod(95, 98, 30, 25, 20);
    return {"arrotondato " + Shown(95 - le, "%.0f") + " dB", "LE = " + Shown(le, "%.0f") + " dBA",
            Verdict(le)};
}

std::vector<std::string> HmlCheckExample()
{
    HmlCheckResult r = HmlCheckMethod(95, false, 30, 25, 20);
    EXPECT_TRUE(r.assessed);
    return {"LE = 95 - 25 = " + Shown(r.le, "%.0f") + " dBA", Verdict(r.le)};
}

std::vector<std::string> SnrExample()
{
    double le = SnrMethod(98, 25);
    return {"LE = " + Shown(le, "%.0f") + " dBA", Verdict(le)};
}

std::vector<std::string> CorrectedSnrExample()
{
    double le = CorrectedSnrMethod(95, 25);
    return {"LE = 95 - 18 = " + Shown(le, "%.0f") + " dBA", Verdict(le)};
}

std::vector<std::string> ResultsExample()
{
    std::string word = ProtectionVerdict(78, 85);
    return {"da ritenersi " + word};
}

// LCeq 100 dBC, SNR 25 dB, judged with a correction (the protector guide).
double CorrectionExampleLevel(int correction, int kind)
{
    ProtectorSelection s = StartSelection();
    s.method = kMethodSnr, s.lceq = 100, s.snr = 25, s.effectiveLevel = SnrMethod(100, 25);
    s.correction = correction, s.protectorKind = kind;
    return JudgedLevelOf(s).level;
}

std::vector<std::string> DamageExample()
{
    EarLosses left = {{15, 20, 30, 45, 60, 55}};
    EarLosses right = {{10, 15, 25, 40, 50, 50}};
    double industria = CombineEarDamage(left, right, kDamageTableNew, kCombineIndustria, false);
    double agricoltura = CombineEarDamage(left, right, kDamageTableNew, kCombineAgricoltura, false);
    return {"= " + Shown(ComputeEarDamage(left, kDamageTableNew), "%.2f") + " %",
            "= " + Shown(ComputeEarDamage(right, kDamageTableNew), "%.2f") + " %",
            "= " + Shown(industria, "%.2f") + " %, mostrato come " + Shown(industria, "%4.0f"),
            "= " + Shown(agricoltura, "%.2f") + " %, mostrato come " + Shown(agricoltura, "%4.0f")};
}

Iso1999Input Worker(double fractile)
{
    return Iso1999Input{35, 90, 60, 1, 4000, fractile};
}

std::vector<std::string> NiptsExample()
{
    Iso1999Input median = Worker(0.5), tenth = Worker(0.10);
    return {"^2 = " + Shown(ComputeNipts(median)) + " dB",
            "10 % lo spostamento è " + Shown(ComputeNipts(tenth)) + " dB"};
}

std::vector<std::string> HtlaExample()
{
    Iso1999Input median = Worker(0.5);
    return {"(60 - 18)^2 = " + Shown(ComputeHtla(median)) + " dB"};
}

std::vector<std::string> HtlanExample()
{
    Iso1999Input median = Worker(0.5);
    ShiftState state = InitialShiftState();
    state.quantity = kQuantityHtlan;
    ShiftTable table;
    ComputeShiftTable(state, &table);
    const ShiftRow& row50 = table.rows[9];
    const ShiftRow& row5 = table.rows[0];
    std::string thresholds;
    for (int f = 0; f < kEarFrequencies; ++f)
        thresholds += (f ? "  " : "") + Shown(row50.values[f]);
    EXPECT_TRUE(row5.marked);
    EXPECT_FALSE(row50.marked);
    return {"H = " + Shown(ComputeHtla(median)) + " dB e N = " + Shown(ComputeNipts(median)),
            "/ 120 = " + Shown(ComputeHtlan(median)) + " dB", "soglie " + thresholds + " dB",
            "danno dell'" + Shown(row50.damage) + " %", "arriva al " + Shown(row5.damage) + " %"};
}

std::vector<std::string> RiskExample()
{
    RiskState state = InitialRiskState();
    RiskPercentages p = RiskPercentagesOf(ScanRisk(state.record, kCriterionIso1999_90));
    return {"non esposti " + Shown(p.nonExposed, "%.0f") + " %, esposti " +
            Shown(p.exposed, "%.0f") + " %, rischio dovuto al rumore " + Shown(p.noise, "%.0f") +
            " %"};
}

std::vector<std::string> PredictionsExample()
{
    PredictionState state = InitialPredictionState();
    return {"Ls = " + Shown(state.record.level, "%.0f") + " dBA",
            "è " + Shown(PredictionNipts(state, 10, 0)) + " dB a 88 dBA e " +
                Shown(PredictionNipts(state, 10, 4)) + " dB a 92 dBA"};
}

std::vector<std::string> EvolutionExample()
{
    EvolutionState state = InitialEvolutionState();
    return {"inizio a " + Shown(state.record.age, "%.0f") + " anni",
            "è " + Shown(EvolutionDamage(state, 40, 0.05)) + " % al frattile 5 %, " +
                Shown(EvolutionDamage(state, 40, 0.50)) + " % al 50 % e " +
                Shown(EvolutionDamage(state, 40, state.record.fractile)) +
                " % al frattile scelto del " + Shown(state.record.fractile * 100, "%.0f") + " %"};
}

struct Example {
    const char* topic;
    std::function<std::vector<std::string>()> shown;
};

const std::vector<Example>& Examples()
{
    static const std::vector<Example> examples = {
        {"lepd", DailyExample},
        {"lepw", WeeklyExample},
        {"leqgruppi", GroupExample},
        {"incertezza", UncertaintyExample},
        {"spettro", SpectrumExample},
        {"attenuazione", AttenuationExample},
        {"dpi_banda", OctaveBandExample},
        {"dpi_hml", HmlExample},
        {"dpi_controllo", HmlCheckExample},
        {"dpi_snr", SnrExample},
        {"dpi_snr_corretto", CorrectedSnrExample},
        {"dpi_risultati", ResultsExample},
        {"danno", DamageExample},
        {"nipts", NiptsExample},
        {"htla", HtlaExample},
        {"htlan", HtlanExample},
        {"rischio", RiskExample},
        {"previsioni", PredictionsExample},
        {"evoluzione", EvolutionExample},
    };
    return examples;
}

TEST(HelpExamples, EveryNumberOfAWorkedExampleIsWhatTheCalculatorGives)
{
    for (const Example& example : Examples()) {
        std::string text = TopicText(example.topic);
        ASSERT_FALSE(text.empty()) << "no help topic " << example.topic;
        for (const std::string& shown : example.shown())
            EXPECT_NE(text.find(shown), std::string::npos)
                << "topic " << example.topic << " does not show \"" << shown << "\"";
    }
}

TEST(HelpExamples, EveryTopicWithAnExampleIsRecomputed)
{
    for (const HelpSource& source : kHelpSources) {
        std::string text(source.text);
        size_t at = 0;
        while ((at = text.find("@topic ", at)) != std::string::npos) {
            size_t end = text.find_first_of("\r\n", at);
            std::string context = text.substr(at + 7, end - at - 7);
            at = end;
            if (TopicText(context).find("== Esempio") == std::string::npos)
                continue;
            bool listed = false;
            for (const Example& example : Examples())
                listed = listed || context == example.topic;
            EXPECT_TRUE(listed) << "the example of topic " << context << " is not recomputed";
        }
    }
}

// The user guides repeat the examples of the help topics in their own words.
TEST(HelpExamples, TheUserGuidesShowTheSameNumbers)
{
    double levels[] = {90, 80}, hours[] = {4, 4};
    double levels3[] = {95, 85, 70}, minutes[] = {120, 240, 60};
    double week[kWeekDays] = {85, 85, 90, 85, 85, 0, 0};
    double samples[] = {85, 87, 90, 88};
    GroupLevel group = ComputeGroupLevel(samples, 4, 10, 1, 1);
    double snr = 0;
    ComputeSnr(kProtector, &snr);
    HmlValues hml = ComputeHml(kProtector);
    EarLosses left = {{15, 20, 30, 45, 60, 55}}, right = {{10, 15, 25, 40, 50, 50}};
    Iso1999Input median = Worker(0.5);
    RiskPercentages risk =
        RiskPercentagesOf(ScanRisk(InitialRiskState().record, kCriterionIso1999_90));
    PredictionState prediction = InitialPredictionState();
    EvolutionState evolution = InitialEvolutionState();
    UncertaintyAssessment welders = WelderDay(true);
    auto verdict = [](double le) {
        std::string word = ProtectionVerdict(le, 85.0);
        return "LE = " + Shown(le, "%.0f") + " dBA (" + word.substr(0, word.size() - 1) + ")";
    };
    struct Guide {
        const char* file;
        std::vector<std::string> shown;
    };
    const Guide guides[] = {
        {"Esposizione.ms",
         {"Lep,d = " + Shown(ComputeDailyExposure(levels, hours, 2, kTimeHours).lepd) + " dBA",
          "Lep,d = " + Shown(ComputeDailyExposure(levels3, minutes, 3, kTimeMinutes).lepd) + " dBA",
          "Lep,w = " + Shown(ComputeWeeklyExposure(week)) + " dBA",
          "Leq,gruppo = " + Shown(group.mean) + " dBA, s = " + Shown(group.deviation) + " dB, servono " +
              std::to_string(group.required) + " campioni",
          "Lex,8h = " + Shown(welders.outcome.lex) + " dBA, U = " + Shown(welders.outcome.expanded) +
              " dB, Lex,8h + U = " + Shown(welders.cautious) + " dBA"}},
        {"Spettri.ms",
         {"Pesato A = " + Shown(AWeightedLevel(kNoise)) + " dBA",
          "Pesato C = " + Shown(CWeightedLevel(kNoise)) + " dBC", "SNR = " + Shown(snr) + " dB",
          "H = " + Shown(hml.h) + " dB", "M = " + Shown(hml.m) + " dB",
          "L = " + Shown(hml.l) + " dB"}},
        {"SceltaDPI.ms",
         {verdict(SnrMethod(98, 25)), verdict(CorrectedSnrMethod(95, 25)),
          verdict(HmlMethod(95, 98, 30, 25, 20)), verdict(CorrectionExampleLevel(kCorrectionNone, kKindNone)),
          verdict(CorrectionExampleLevel(kCorrectionUniBeta, kKindFoamPlugs)),
          verdict(CorrectionExampleLevel(kCorrectionHse, kKindNone)),
          verdict(CorrectionExampleLevel(kCorrectionDguv, kKindFoamPlugs))}},
        {"Danno.ms",
         {"= " + Shown(ComputeEarDamage(left, kDamageTableNew), "%.2f") + " %",
          "= " + Shown(ComputeEarDamage(right, kDamageTableNew), "%.2f") + " %",
          "= " + Shown(CombineEarDamage(left, right, kDamageTableNew, kCombineIndustria, false), "%.2f") + " %",
          "= " + Shown(CombineEarDamage(left, right, kDamageTableNew, kCombineAgricoltura, false), "%.2f") + " %"}},
        {"NIPTS.ms",
         {"= " + Shown(ComputeNipts(median)) + " dB", "= " + Shown(ComputeHtla(median)) + " dB",
          "= " + Shown(ComputeHtlan(median)) + " dB"}},
        {"Rischio.ms",
         {"dal " + Shown(risk.nonExposed, "%.0f") + " % dei non esposti e dal " +
              Shown(risk.exposed, "%.0f") + " % degli esposti",
          "del " + Shown(risk.noise, "%.0f") + " %"}},
        {"Previsioni.ms",
         {Shown(PredictionNipts(prediction, 10, 0)) + " dB a 88 dBA e " +
          Shown(PredictionNipts(prediction, 10, 4)) + " dB a 92 dBA"}},
        {"Evoluzione.ms",
         {"del " + Shown(EvolutionDamage(evolution, 40, 0.05)) + " % al frattile 5 %, dello " +
          Shown(EvolutionDamage(evolution, 40, 0.5)) + " % al 50 % e dell'" +
          Shown(EvolutionDamage(evolution, 40, evolution.record.fractile)) + " %"}},
    };
    for (const Guide& guide : guides) {
        std::string text = GuideText(guide.file);
        ASSERT_FALSE(text.empty()) << "no guide " << guide.file;
        for (const std::string& shown : guide.shown)
            EXPECT_NE(text.find(shown), std::string::npos)
                << guide.file << " does not show \"" << shown << "\"";
    }
}

// The hand-worked values behind the first examples, so that the check above
// does not only compare the program with itself.
TEST(HelpExamples, HandWorkedValues)
{
    double levels[] = {90, 80}, hours[] = {4, 4};
    EXPECT_NEAR(ComputeDailyExposure(levels, hours, 2, kTimeHours).lepd, 87.404, 0.001);
    double week[kWeekDays] = {85, 85, 90, 85, 85, 0, 0};
    EXPECT_NEAR(ComputeWeeklyExposure(week), 86.561, 0.001);
    // 4000 Hz, 90 dBA, 35 years: (0.025 + 0.025 log10 35) * 15^2.
    EXPECT_NEAR(ComputeNipts(Worker(0.5)), 14.310, 0.001);
    // Men, 60 years, 4000 Hz: 0.016 * 42^2.
    EXPECT_NEAR(ComputeHtla(Worker(0.5)), 28.224, 0.001);
    EarLosses left = {{15, 20, 30, 45, 60, 55}};
    EXPECT_NEAR(ComputeEarDamage(left, kDamageTableNew), 0.6 * (1.75 + 5.5 + 4.5), 1e-9);
}

}  // namespace
