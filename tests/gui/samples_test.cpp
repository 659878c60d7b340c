// The sample data files shipped with Fonexa (BUILD/samples), each opened with
// "&Apri..." in its calculator: every result it shows is the core's result
// of the inputs it shows, and is the result the file stores.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "damage/damage_dialog.h"
#include "damage/damage_tables.h"
#include "exposure/daily_exposure.h"
#include "exposure/group_level.h"
#include "exposure/weekly_exposure.h"
#include "framework/number_text.h"
#include "protectors/methods.h"
#include "protectors/verdict.h"
#include "resources/resource.h"
#include "spectra/attenuation.h"
#include "spectra/weighting.h"
#include "tests/gui/harness.h"
#include "tests/gui/selection_steps.h"

using gui::Window;

namespace {

std::string SamplePath(const std::string& name)
{
    std::string path = "Z:" FONEXA_SAMPLES "/" + name;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

std::string Trim(const std::string& text)
{
    size_t start = text.find_first_not_of(' '), end = text.find_last_not_of(' ');
    return start == std::string::npos ? "" : text.substr(start, end - start + 1);
}

std::string Shown(const char* format, double value)
{
    char text[32];
    FormatNumber(text, sizeof text, format, value);
    return Trim(text);
}

double Number(const std::string& text)
{
    return LeadingNumber(text.c_str());
}

std::string Stored(const std::string& path, const char* section, const char* key)
{
    char text[64] = "";
    GetPrivateProfileStringA(section, key, "", text, sizeof text, path.c_str());
    return text;
}

struct Result {
    int control;
    const char* key;  // of section "FONEXA"
    std::string core;
};

struct Sample {
    const char* file;
    int command;
    const char* title;
    // The results the core computes from the inputs the dialog shows.
    std::function<std::vector<Result>(const Window&)> core;
};

double Band(const Window& w, int k)
{
    return Number(w.Text(IDC_BAND_FIRST + k));
}

const Sample kSamples[] = {
    {"esempio.lep", IDM_LEPD, "Calcolo Lep,d",
     [](const Window& w) {
         std::vector<double> levels, durations;
         for (int row = 0; row < w.ListCount(IDC_LEPD_LIST); ++row) {
             levels.push_back(Number(w.ListCell(IDC_LEPD_LIST, row, 0)));
             durations.push_back(Number(w.ListCell(IDC_LEPD_LIST, row, 1)));
         }
         int unit = (int)SendMessageA(w.Item(IDC_TIME_UNIT), CB_GETCURSEL, 0, 0);
         DailyExposureTexts t =
             FormatDailyExposure(ComputeDailyExposure(levels.data(), durations.data(), levels.size(), unit), unit);
         return std::vector<Result>{{IDC_LEPD_LAEQ, "LAEQ", Trim(t.laeq)},
                                    {IDC_LEPD_TOTAL, "TOTTIME", Trim(t.total)},
                                    {IDC_LEPD_LEPD, "LEPD", Trim(t.lepd)}};
     }},
    {"esempio.lew", IDM_LEPW, "Calcolo Lep,w",
     [](const Window& w) {
         double levels[kWeekDays];
         for (int day = 0; day < kWeekDays; ++day)
             levels[day] = Number(w.ListCell(IDC_LEPW_LIST, day, 1));
         return std::vector<Result>{{IDC_LEPW_OUTPUT, "LEPW", Shown("%4.1f", ComputeWeeklyExposure(levels))}};
     }},
    {"esempio.leg", IDM_GROUP_LEQ, "Livello equivalente per gruppi di lavoratori",
     [](const Window& w) {
         std::vector<double> samples;
         HWND list = w.Item(IDC_GROUP_LIST);
         for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
             char text[64] = "";
             SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
             samples.push_back(Number(text));
         }
         GroupLevel g = ComputeGroupLevel(samples.data(), samples.size(), (long)Number(w.Text(IDC_GROUP_WORKERS)),
                                          (int)SendMessageA(w.Item(IDC_GROUP_CONFIDENCE), CB_GETCURSEL, 0, 0),
                                          (int)SendMessageA(w.Item(IDC_GROUP_INTERVAL), CB_GETCURSEL, 0, 0));
         return std::vector<Result>{{IDC_GROUP_COUNT, "SAMPLES", std::to_string(g.count)},
                                    {IDC_GROUP_LEVEL, "LEQGROUP", Shown("%4.1f", g.mean)},
                                    {IDC_GROUP_DEVIATION, "DEVST", Shown("%4.1f", g.deviation)}};
     }},
    {"esempio.ilg", IDM_DAMAGE, "Calcolo Danno Uditivo",
     [](const Window& w) {
         EarLosses left = {}, right = {};
         for (int k = 0; k < kEarFrequencies; ++k) {
             left.db[k] = Number(w.ListCell(IDC_DAMAGE_LIST, k, kLeftColumn));
             right.db[k] = Number(w.ListCell(IDC_DAMAGE_LIST, k, kRightColumn));
         }
         auto checked = [&w](int id) { return IsDlgButtonChecked(w.hwnd(), id) == BST_CHECKED; };
         DamageTableId table = checked(IDC_DAMAGE_TABLE_OLD)   ? kDamageTableOld
                               : checked(IDC_DAMAGE_TABLE_BIO) ? kDamageTableBiological
                                                               : kDamageTableNew;
         double damage = CombineEarDamage(left, right, table,
                                          checked(IDC_DAMAGE_AGRICOLTURA) ? kCombineAgricoltura : kCombineIndustria,
                                          checked(IDC_DAMAGE_SYMMETRIC));
         return std::vector<Result>{{IDC_DAMAGE_RESULT, "ILG", Shown("%4.0f", damage)}};
     }},
    {"esempio.spr", IDM_NOISE_SPECTRUM, "Spettro del rumore",
     [](const Window& w) {
         double bands[kOctaveBands];
         for (int k = 0; k < kOctaveBands; ++k)
             bands[k] = Band(w, k);
         return std::vector<Result>{{IDC_SPECTRUM_LAEQ, "LAEQ", Shown("%5.1f", AWeightedLevel(bands))},
                                    {IDC_SPECTRUM_LCEQ, "LCEQ", Shown("%5.1f", CWeightedLevel(bands))}};
     }},
    {"esempio.spi", IDM_ATTENUATION_SPECTRUM, "Spettro di attenuazione",
     [](const Window& w) {
         double bands[kOctaveBands], snr = 0;
         for (int k = 0; k < kOctaveBands; ++k)
             bands[k] = Band(w, k);
         EXPECT_TRUE(ComputeSnr(bands, &snr));
         HmlValues hml = ComputeHml(bands);
         return std::vector<Result>{{IDC_SPI_H, "H", Shown("%4.1f", hml.h)}, {IDC_SPI_M, "M", Shown("%4.1f", hml.m)},
                                    {IDC_SPI_L, "L", Shown("%4.1f", hml.l)},
                                    {IDC_SPI_SNR, "SNR", Shown("%4.1f", snr)}};
     }},
};

TEST(Samples, EachShowsTheCoresResultsOfItsInputs)
{
    gui::RunScript([] {
        for (const Sample& sample : kSamples) {
            SCOPED_TRACE(sample.file);
            std::string path = SamplePath(sample.file);
            gui::MainCommand(sample.command);
            Window calculator = gui::WaitWindow(sample.title);
            calculator.Command(IDM_CALC_OPEN);
            Window open = gui::WaitWindow("Caricamento file di dati");
            gui::AnswerFileDialog(open, path);
            gui::WaitGone(open);
            EXPECT_EQ(calculator.Text(IDC_STATUS_BAR), path);
            for (const Result& result : sample.core(calculator)) {
                EXPECT_EQ(Trim(calculator.Text(result.control)), result.core) << result.key;
                EXPECT_EQ(Stored(path, "FONEXA", result.key), result.core) << result.key;
            }
            calculator.Close();
            gui::WaitGone(calculator);
        }

        // The selection's octave-band page computes from the bands it shows.
        using namespace selection_steps;
        std::string path = SamplePath("esempio.dpi");
        Window sheet = OpenWizard();
        OpenOnPage(Page(sheet), path);
        Press(sheet, PSBTN_NEXT);
        Press(sheet, PSBTN_NEXT);
        double noise[kOctaveBands], attenuation[kOctaveBands];
        for (int k = 0; k < kOctaveBands; ++k) {
            noise[k] = Number(Page(sheet).Text(IDC_DPI_NOISE_FIRST + k));
            attenuation[k] = Number(Page(sheet).Text(IDC_DPI_ATTENUATION_FIRST + k));
        }
        double le = OctaveBandMethod(noise, attenuation);
        Press(sheet, PSBTN_NEXT);
        char verdict[kVerdictTextSize];
        BuildVerdictText(le, 85.0, verdict, sizeof verdict);
        EXPECT_EQ(Page(sheet).Text(IDC_DPI_REPORT), verdict);
        EXPECT_EQ(Stored(path, "SETTINGS", "LIVEFF"), Shown("%5.1f", le));
        Cancel(sheet);
    });
}

}  // namespace
