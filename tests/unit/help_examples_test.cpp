// The worked examples of the help file, recomputed by the program's own
// arithmetic: each number a help topic shows must be what the calculator
// gives for the same inputs, so that help and program cannot drift apart.
// The topic sources (resources/help/*.txt) are compiled in as text.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <cmath>
#include <cstdlib>

#include "damage/damage_tables.h"
#include "exposure/daily_exposure.h"
#include "exposure/group_level.h"
#include "exposure/legal_class.h"
#include "exposure/task_uncertainty.h"
#include "exposure/weekly_exposure.h"
#include "framework/number_text.h"
#include "framework/report_text.h"
#include "iso1999/evolution.h"
#include "iso1999/model.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/shift.h"
#include "protectors/correction.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"
#include "setup/install_plan.h"
#include "shell/paste_text.h"
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

std::string TopicText(const std::string& context);

// Blanks and line ends folded to one blank, so that a phrase broken across
// lines, or laid out in columns, is found whole.
std::string Folded(const std::string& text)
{
    std::string folded;
    for (char c : text) {
        bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank)
            folded += c;
        else if (!folded.empty() && folded.back() != ' ')
            folded += ' ';
    }
    return folded;
}

// What a guide's line pulls from a topic, as tools/userdocs/helpms does:
// ".HELP context" its introduction (the text before the first "=="),
// ".HELP context Section" that section, ".HELPALL" and ".FIELDS" the whole.
std::string Pulled(const std::string& line)
{
    std::istringstream words(line);
    std::string directive, context, section, text;
    words >> directive;
    while (words >> context) {
        std::string topic = TopicText(context);
        if (directive == ".FIELDS" || directive == ".HELPALL") {
            text += topic + "\n";
            continue;
        }
        if (directive != ".HELP")
            break;
        std::getline(words, section);
        size_t from = section.empty() ? 0 : topic.find("\n==" + section + "\n");
        size_t to = from == std::string::npos ? from : topic.find("\n== ", from + 1);
        if (from != std::string::npos)
            text += topic.substr(from, to == std::string::npos ? to : to - from) + "\n";
        break;
    }
    return text;
}

// A guide's source with what it pulls from the help topics put in place.
std::string GuideText(const std::string& file)
{
    for (const HelpSource& source : kGuideSources) {
        if (file != source.file)
            continue;
        std::istringstream lines(source.text);
        std::string line, text;
        while (std::getline(lines, line))
            text += (line[0] == '.' ? Pulled(line) : std::string()) + line + "\n";
        return Folded(text);
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

// The energy of a computed day in dBA-minutes: 10^(LAeq/10) times its minutes.
double EnergyMinutes(const DailyExposure& day)
{
    return std::pow(10.0, day.laeq / 10) * day.totalSeconds / 60;
}

std::vector<std::string> DailyExample()
{
    double levels[] = {90, 80}, hours[] = {4, 4};
    DailyExposure two = ComputeDailyExposure(levels, hours, 2, kTimeHours);
    double levels3[] = {95, 85, 70}, minutes[] = {120, 240, 60};
    DailyExposure three = ComputeDailyExposure(levels3, minutes, 3, kTimeMinutes);
    DailyExposure grinding = ComputeDailyExposure(levels3, minutes, 1, kTimeMinutes);
    double energy = EnergyMinutes(three);
    return {"/ 2 ) = " + Shown(two.laeq) + " dBA", "= " + Shown(two.lepd) + " dBA",
            "totale è " + Shown(three.totalSeconds / 60, "%.0f") + " min",
            "LAeq = " + Shown(three.laeq) + " dBA", "Lep,d = " + Shown(three.lepd) + " dBA",
            "= " + Shown(energy / 1e11, "%.2f") + " · 10^11 (minuti)",
            "= " + Shown(three.laeq) + " dBA", "= " + Shown(three.lepd) + " dBA",
            "l'" + Shown(100 * EnergyMinutes(grinding) / energy, "%.0f") + " % dell'energia",
            std::string("nella classe \"") + ClassName(ClassOfExposure(three.lepd)) + "\""};
}

std::vector<std::string> WeeklyExample()
{
    double week[kWeekDays] = {85, 85, 90, 85, 85, 0, 0};
    double fiveDays[kWeekDays] = {85, 85, 85, 85, 85, 0, 0};
    double sixDays[kWeekDays] = {85, 85, 85, 85, 85, 85, 0};
    return {"/ 5 ) = " + Shown(ComputeWeeklyExposure(week)) + " dBA",
            "danno " + Shown(ComputeWeeklyExposure(fiveDays)) + " dBA",
            "Sei giorni lavorati a 85 dBA danno " + Shown(ComputeWeeklyExposure(sixDays)) + " dBA"};
}

std::vector<std::string> GroupExample()
{
    double samples[] = {85, 87, 90, 88}, equal[] = {1, 1, 1, 1};
    GroupLevel g = ComputeGroupLevel(samples, 4, 10, 1, 1);  // 95 %, 2 dB
    char message[kGroupMessageSize];
    FormatGroupMessage(g, message, sizeof message);
    EXPECT_TRUE(g.valid);
    // The half-width at m samples of a group of 10, the one-sided t at 95 %.
    auto h = [&](int m) { return StudentT(1, m - 1) * g.deviation / std::sqrt(m) * std::sqrt((10.0 - m) / 9); };
    double spread[] = {80, 100};
    return {"/ 4 = " + Shown(g.mean) + " dBA", "= " + Shown(g.deviation) + " dB",
            "Servono " + std::to_string(g.required) + " campioni", message,
            Shown(StudentT(1, 2), "%.3f") + " · " + Shown(g.deviation, "%.2f") + " / radice(3) · radice(7/9) = " +
                Shown(h(3)) + " dB, arrotondato " + Shown(RoundHalfUp(h(3)), "%.0f") + " > 2",
            Shown(StudentT(1, 3), "%.3f") + " · " + Shown(g.deviation, "%.2f") + " / radice(4) · radice(6/9) = " +
                Shown(h(4)) + " dB, arrotondato " + Shown(RoundHalfUp(h(4)), "%.0f"),
            "non supera " + Shown(g.mean + h(4)) + " dBA",
            "sarebbe " + Shown(ComputeDailyExposure(samples, equal, 4, kTimeHours).laeq) + " dBA",
            "aritmetica di " + Shown(ComputeGroupLevel(spread, 2, 10, 1, 1).mean) + " dB(A)",
            "è " + Shown(ComputeDailyExposure(spread, equal, 2, kTimeHours).laeq) + " dB(A)"};
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

// LC - LA above 2 dB, where the slope (M - L)/8 of ISO 4869-2 and one read
// from H and L, (H - L)/8, give different levels.
std::vector<std::string> HmlExample()
{
    double le = HmlMethod(100, 105, 32, 25, 17);
    double fromHL = 100 - RoundLevel(25 - (32.0 - 17) / 8 * 3);
    EXPECT_NE(le, fromHL);
    return {"/8 · 3 = " + Shown(HmlPnr(100, 105, 32, 25, 17), "%.0f") + " dB",
            "LE = " + Shown(le, "%.0f") + " dBA", Verdict(le),
            "rumore " + Shown(fromHL, "%.0f") + " dBA"};
}

// A value as the fields show it, with one decimal: what the user copies from
// the noise spectrum into the wizard.
double Tenth(double value)
{
    char text[32];
    FormatNumber(text, sizeof text, "%.1f", value);
    return LeadingNumber(text);
}

// One noise, the five methods: the table rows as the topic shows them.
std::vector<std::string> FullSelectionExample()
{
    const double noise[kOctaveBands] = {100, 98, 95, 93, 90, 86, 80};
    double la = Tenth(AWeightedLevel(noise)), lc = Tenth(CWeightedLevel(noise)), snr = 0;
    EXPECT_TRUE(ComputeSnr(kProtector, &snr));
    HmlValues hml = ComputeHml(kProtector);
    bool classL = lc - la > 5;
    struct Row {
        const char* method;
        std::string data;
        double le;
    } rows[] = {
        {"Banda d'ottava", "7 bande del rumore e del DPI", OctaveBandMethod(noise, kProtector)},
        {"Metodo HML", "LA " + Shown(la) + ", LC " + Shown(lc) + "; H, M, L", HmlMethod(la, lc, hml.h, hml.m, hml.l)},
        {"SNR", "LC " + Shown(lc) + "; SNR " + Shown(snr, "%.0f"), SnrMethod(lc, snr)},
        {"SNR corretto", "LA " + Shown(la) + "; SNR " + Shown(snr, "%.0f"), CorrectedSnrMethod(la, snr)},
        {"Controllo HML", "LA " + Shown(la) + ", classe " + (classL ? "L" : "HM") + "; H, M, L",
         HmlCheckMethod(la, classL, hml.h, hml.m, hml.l).le},
    };
    std::vector<std::string> shown = {"LA = " + Shown(la) + " dBA e LC = " + Shown(lc) + " dBC",
                                      "LC - LA = " + Shown(lc - la) + " dB",
                                      "= " + Shown(HmlPnr(la, lc, hml.h, hml.m, hml.l)) + " dB"};
    for (const Row& row : rows) {
        std::string verdict = ProtectionVerdict(row.le, 85);
        char line[160];
        snprintf(line, sizeof line, "| %-17s%-31s%s dBA  %s", row.method, row.data.c_str(),
                 Shown(row.le).c_str(), verdict.substr(0, verdict.size() - 1).c_str());
        shown.push_back(line);
    }
    return shown;
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

// LCeq 100 dBC, SNR 25 dB, judged with each correction.
std::vector<std::string> CorrectionExample()
{
    auto judged = [](int correction, int kind) {
        ProtectorSelection s = StartSelection();
        s.method = kMethodSnr, s.lceq = 100, s.snr = 25, s.effectiveLevel = SnrMethod(100, 25);
        s.correction = correction, s.protectorKind = kind;
        std::string word = ProtectionVerdict(JudgedLevelOf(s).level, 85.0);
        return "LE = " + Shown(JudgedLevelOf(s).level, "%.0f") + " dBA (" +
               word.substr(0, word.size() - 1) + ")";
    };
    return {judged(kCorrectionNone, kKindNone), judged(kCorrectionUniBeta, kKindFoamPlugs),
            judged(kCorrectionHse, kKindNone), judged(kCorrectionDguv, kKindFoamPlugs)};
}

std::vector<std::string> ResultsExample()
{
    std::string word = ProtectionVerdict(78, 85);
    return {"da ritenersi " + word};
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

// The registry texts and the log line of an installation into the folder
// proposed by setup.
std::vector<std::string> InstallationExample()
{
    char program[kPathCapacity], icon[kPathCapacity], command[kPathCapacity], type[64],
        uninstall[kPathCapacity], queued[kCommandCapacity], log[64];
    EXPECT_TRUE(ProgramPathValue(program, sizeof program, kDefaultFolder));
    EXPECT_TRUE(IconValue(icon, sizeof icon, kDefaultFolder));
    EXPECT_TRUE(OpenCommandValue(command, sizeof command, kDefaultFolder));
    EXPECT_TRUE(FileTypeId(type, sizeof type, ".lep"));
    EXPECT_TRUE(UninstallStringValue(uninstall, sizeof uninstall, kDefaultFolder));
    EXPECT_TRUE(InfUninstallCommand(queued, sizeof queued, false, kDefaultFolder));
    EXPECT_TRUE(LogHeader(log, sizeof log, 7, 12, 2026, 9, 5, 0));
    std::string header(log);
    return {std::string("cartella proposta ") + kDefaultFolder, std::string("Fonexa.exe           ") + program,
            std::string(".lep                           ") + type, std::string("DefaultIcon    ") + icon,
            std::string("Command         ") + command, std::string("Uninstall\\Fonexa               ") + uninstall,
            std::string("riavvio è ") + queued + ".", "\"" + header.substr(0, header.size() - 2) + "\""};
}

// The end of the daily report of the Lep,d example, as C&opia puts it on the
// clipboard under the Italian list separator; pasted, each ";" is a tab.
std::vector<std::string> ReportExample()
{
    double levels[] = {95, 85, 70}, minutes[] = {120, 240, 60};
    DailyExposure day = ComputeDailyExposure(levels, minutes, 3, kTimeMinutes);
    char laeq[16], total[16], lepd[16], comma[16];
    FormatNumber(laeq, sizeof laeq, "%4.1f", day.laeq);
    FormatNumber(total, sizeof total, "%6.0f", day.totalSeconds / 60);
    FormatNumber(lepd, sizeof lepd, "%4.1f", day.lepd);
    DecimalComma(comma, sizeof comma, lepd);
    std::string last = std::string("Lep,d (dBA):;;") + comma;
    EXPECT_EQ(CsvAsTabs(last.c_str(), last.size(), ';'), std::string("Lep,d (dBA):\t\t") + comma);
    DecimalComma(comma, sizeof comma, laeq);
    return {std::string("Livello equivalente (dBA):;;") + comma,
            std::string("Tempo di esposizione (minuti):;;") + total, last,
            std::string("si legge ") + lepd + "."};
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
        {"dpi_correzione", CorrectionExample},
        {"dpi_esempio", FullSelectionExample},
        {"installazione", InstallationExample},
        {"modifica", ReportExample},
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

// The user guides pull the worked examples from the help topics: each guide
// shows every number of the examples of its area.
TEST(HelpExamples, TheUserGuidesShowTheSameNumbers)
{
    struct Guide {
        const char* file;
        std::vector<std::string> topics;
    };
    const Guide guides[] = {
        {"Installazione.ms", {"installazione"}},
        {"Documento.ms", {"modifica"}},
        {"Esposizione.ms", {"lepd", "lepw", "leqgruppi", "incertezza"}},
        {"Spettri.ms", {"spettro", "attenuazione"}},
        {"SceltaDPI.ms", {"dpi_banda", "dpi_hml", "dpi_controllo", "dpi_snr", "dpi_snr_corretto",
                          "dpi_risultati", "dpi_esempio", "dpi_correzione"}},
        {"Danno.ms", {"danno"}},
        {"NIPTS.ms", {"nipts", "htla", "htlan"}},
        {"Rischio.ms", {"rischio"}},
        {"Previsioni.ms", {"previsioni"}},
        {"Evoluzione.ms", {"evoluzione"}},
    };
    for (const Guide& guide : guides) {
        std::string text = GuideText(guide.file);
        ASSERT_FALSE(text.empty()) << "no guide " << guide.file;
        for (const std::string& topic : guide.topics)
            for (const Example& example : Examples())
                if (topic == example.topic)
                    for (const std::string& shown : example.shown())
                        EXPECT_NE(text.find(Folded(shown)), std::string::npos)
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
