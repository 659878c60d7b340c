#include "exposure/task_uncertainty_io.h"

#include <cstdio>
#include <string>

#include "exposure/task_uncertainty_dialog.h"
#include "exposure/task_uncertainty_file.h"
#include "exposure/task_uncertainty_state.h"
#include "framework/data_file.h"
#include "framework/printing.h"
#include "framework/report_controls.h"
#include "framework/ui_text.h"
#include "resources/resource.h"

namespace {

const char kTitle[] = "Incertezza di misura (ISO 9612) e classe di esposizione (D.Lgs. 81/2008)";

LinKeyReader ProfileReader(const char* path)
{
    LinKeyReader read;
    read.value = [path](const char* section, const char* key, size_t capacity) {
        std::string text(capacity, '\0');
        size_t n = ReadKey(path, section, key, "", &text[0], capacity);
        text.resize(n);
        return text;
    };
    read.numbered = [path](const char* section, int last) {
        return ReadNumberedKeys(path, section, last).keys;
    };
    return read;
}

std::string InstrumentText(int instrumentClass)
{
    return instrumentClass == 2 ? "classe 2 (u2 = 1.5 dB)" : "classe 1 (u2 = 0.7 dB)";
}

// ---- Report ----

void ReportCell(ReportText* report, const std::string& text, bool number)
{
    if (number)
        ReportAppendNumber(report, text.c_str());
    else
        ReportAppend(report, text.c_str());
}

void ReportLine(ReportText* report, const char* label, const std::string& value, bool number)
{
    ReportAppend(report, label);
    ReportSeparators(report, 2);
    ReportCell(report, value, number);
    ReportEndLine(report);
}

void ReportTasks(ReportText* report, const UncertaintyTexts& in, const UncertaintyAssessment& a)
{
    static const char* const kHeads[] = {"Compito", "T (h)", "u1b (h)", "LAeq,T (dBA)",
                                         "Lex,8h,m (dBA)", "u1a (dB)", "Quota di u² (%)",
                                         "Campioni LAeq (dBA)"};
    for (size_t i = 0; i < sizeof kHeads / sizeof kHeads[0]; ++i) {
        if (i)
            ReportSeparators(report, 1);
        ReportAppend(report, kHeads[i]);
    }
    ReportEndLine(report);
    const bool computed = a.check.problem == kInputsComplete;
    for (size_t m = 0; m < in.tasks.size(); ++m) {
        const TaskTexts& t = in.tasks[m];
        ReportAppend(report, t.name.c_str());
        for (const std::string* typed : {&t.hours, &t.hoursUncertainty}) {
            ReportSeparators(report, 1);
            ReportAppendNumber(report, typed->c_str());
        }
        if (computed) {
            const TaskOutcome& o = a.outcome.tasks[m];
            char share[16];
            snprintf(share, sizeof share, "%.0f", o.share * 100.0);
            for (const std::string& shown :
                 {OneDecimal(o.laeq), OneDecimal(o.lex), OneDecimal(o.u1a), std::string(share)}) {
                ReportSeparators(report, 1);
                ReportAppendNumber(report, shown.c_str());
            }
        } else {
            ReportSeparators(report, 4);
        }
        for (const std::string& sample : t.samples) {
            ReportSeparators(report, 1);
            ReportAppendNumber(report, sample.c_str());
        }
        if (!ReportEndLine(report))
            return;
    }
}

void ReportClasses(ReportText* report, const UncertaintyAssessment& a)
{
    ClassReading readings[3];
    size_t count = ClassReadings(a, readings);
    for (size_t i = 0; i < count; ++i) {
        const ClassReading& r = readings[i];
        ReportLine(report, ("Classe di " + r.label + ":").c_str(), ClassName(r.level), false);
        for (size_t d = 0; d < r.dutyCount; ++d) {
            ReportSeparators(report, 1);
            ReportAppend(report, r.duties[d]->article);
            ReportSeparators(report, 1);
            ReportAppend(report, r.duties[d]->text);
            if (!ReportEndLine(report))
                return;
        }
    }
}

// ---- Printout ----

// Text word-wrapped from x to the right edge of the page, a printout line
// for each of its lines. False when a page break failed.
bool PrintWrapped(TextPrintout* print, int x, const std::string& text)
{
    const int width = print->pageWidth - x;
    size_t start = 0;
    for (;;) {
        while (start < text.size() && text[start] == ' ')
            ++start;
        // At least one word a line; then as many more as fit.
        size_t fit = text.find(' ', start);
        fit = fit == std::string::npos ? text.size() : fit;
        while (fit < text.size()) {
            size_t next = text.find(' ', fit + 1);
            next = next == std::string::npos ? text.size() : next;
            SIZE size = {};
            GetTextExtentPoint32A(print->dc, text.c_str() + start, (int)(next - start), &size);
            if (size.cx > width)
                break;
            fit = next;
        }
        PrintAt(print, x, text.substr(start, fit - start).c_str());
        if (!NextPrintLine(print))
            return false;
        start = fit;
        if (start >= text.size())
            return true;
    }
}

bool PrintTasks(TextPrintout* print, const UncertaintyTexts& in, const UncertaintyAssessment& a)
{
    // Name, T, u1b, LAeq,T, Lex,8h,m, u1a, share: columns in twentieths of the page.
    static const int kColumns[] = {0, 5, 7, 9, 12, 15, 17};
    static const char* const kHeads[] = {"Compito", "T (h)", "u1b (h)", "LAeq,T", "Lex,8h,m",
                                         "u1a", "Quota"};
    const int w = print->pageWidth / 20;
    for (int i = 0; i < 7; ++i)
        PrintAt(print, kColumns[i] * w, kHeads[i]);
    if (!NextPrintLine(print))
        return false;
    const bool computed = a.check.problem == kInputsComplete;
    for (size_t m = 0; m < in.tasks.size(); ++m) {
        const TaskTexts& t = in.tasks[m];
        std::string cells[7] = {t.name.substr(0, 18), t.hours, t.hoursUncertainty};
        if (computed) {
            const TaskOutcome& o = a.outcome.tasks[m];
            char share[16];
            snprintf(share, sizeof share, "%.0f %%", o.share * 100.0);
            cells[3] = OneDecimal(o.laeq);
            cells[4] = OneDecimal(o.lex);
            cells[5] = OneDecimal(o.u1a) + (o.wideSpread ? " *" : "");
            cells[6] = share;
        }
        for (int i = 0; i < 7; ++i)
            PrintAt(print, kColumns[i] * w, cells[i].c_str());
        if (!NextPrintLine(print))
            return false;
        std::string samples = "Campioni (dBA):";
        for (const std::string& sample : t.samples)
            samples += "  " + sample;
        if (!PrintWrapped(print, w, samples))
            return false;
    }
    return true;
}

// Lex,8h, u, U and Lex,8h + U as the dialog shows them (or what keeps them
// from being computed), the peak, then each class with its duties.
bool PrintResults(TextPrintout* print, HWND dialog, const UncertaintyTexts& in,
                  const UncertaintyAssessment& a)
{
    static const struct {
        const char* label;
        int control;
    } kFields[] = {{"Lex,8h (dBA):", IDC_LIN_LEX},
                   {"Incertezza tipo composta u (dB):", IDC_LIN_U},
                   {"Incertezza estesa U (dB):", IDC_LIN_EXPANDED},
                   {"Lex,8h + U (dBA):", IDC_LIN_CAUTIOUS}};
    const int second = print->pageWidth / 2;
    const std::string problem = UncertaintyMessage(a.check, in);
    if (!problem.empty() && !PrintWrapped(print, 0, problem))
        return false;
    for (const auto& field : kFields) {
        if (a.check.problem != kInputsComplete)
            break;
        char text[64];
        ItemText(dialog, field.control, text, sizeof text);
        PrintAt(print, 0, field.label);
        PrintAt(print, second, text);
        if (!NextPrintLine(print))
            return false;
    }
    if (a.peak.given) {
        PrintAt(print, 0, "Lpicco,C (dBC):");
        PrintAt(print, second, in.peak.c_str());
        if (!NextPrintLine(print))
            return false;
    }
    ClassReading readings[3];
    size_t count = ClassReadings(a, readings);
    for (size_t i = 0; i < count; ++i) {
        const ClassReading& r = readings[i];
        if (!NextPrintLine(print))
            return false;
        std::string head = r.label + " = " + r.value + (r.peak ? " dB(C): " : " dB(A): ") +
                           ClassName(r.level);
        if (!PrintWrapped(print, 0, head))
            return false;
        for (size_t d = 0; d < r.dutyCount; ++d)
            if (!PrintWrapped(print, print->pageWidth / 20,
                              std::string(r.duties[d]->article) + ": " + r.duties[d]->text))
                return false;
    }
    return true;
}

}  // namespace

bool ReadUncertaintyFile(const char* path, UncertaintyTexts* texts, bool* whole)
{
    if (!IsFileOfType(path, kUncertaintyTag))
        return false;
    bool all = ReadLinTexts(ProfileReader(path), texts);
    if (whole)
        *whole = all;
    return true;
}

void SaveUncertaintyKeys(HWND dialog, const char* path)
{
    WriteLinTexts([path](const char* section, const char* key,
                         const std::string& value) { WriteKey(path, section, key, value.c_str()); },
                  UncertaintyInputs(dialog));
}

void LoadUncertaintyKeys(HWND dialog, const char* path)
{
    bool whole = true;
    ReadUncertaintyFile(path, &g_uncertaintyMemory.inputs, &whole);
    if (!whole) {
        char text[192];
        snprintf(text, sizeof text,
                 "Il file contiene più di %d compiti o più di %d campioni in un compito: "
                 "sono stati letti solo i primi.", (int)kMaxTasks, (int)kMaxTaskSamples);
        MessageBoxA(dialog, text, "Incertezza e classe", MB_OK | MB_ICONEXCLAMATION);
    }
    ShowUncertaintyInputs(dialog);
}

void BuildUncertaintyReport(HWND dialog, ReportText* report)
{
    const UncertaintyTexts& in = UncertaintyInputs(dialog);
    UncertaintyAssessment a = AssessUncertainty(in);
    ReportAppend(report, kTitle);
    ReportSeparators(report, 3);
    ReportEndLine(report);
    ReportLine(report, "Strumento:", InstrumentText(in.instrumentClass), true);
    ReportTasks(report, in, a);
    std::string note = SpreadNote(in, a);
    if (!note.empty())
        ReportLine(report, "Nota:", note, false);
    if (a.check.problem == kInputsComplete) {
        ReportLine(report, "Lex,8h (dBA):", OneDecimal(a.outcome.lex), true);
        ReportLine(report, "u (dB):", OneDecimal(a.outcome.u), true);
        ReportLine(report, "U (dB):", OneDecimal(a.outcome.expanded), true);
        ReportLine(report, "Lex,8h + U (dBA):", OneDecimal(a.cautious), true);
    } else if (a.check.problem != kNoTasks) {
        ReportLine(report, "Risultato:", UncertaintyMessage(a.check, in), false);
    }
    if (a.peak.given)
        ReportLine(report, "Lpicco,C (dBC):", in.peak, true);
    ReportClasses(report, a);
    ReportNotes(report, dialog);
}

void PrintUncertainty(HWND dialog)
{
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Incertezza e classe di esposizione", 500))
        return;
    const UncertaintyTexts& in = UncertaintyInputs(dialog);
    UncertaintyAssessment a = AssessUncertainty(in);
    std::string instrument = "Strumento: " + InstrumentText(in.instrumentClass) +
                             ", posizione del microfono u3 = 1.0 dB";
    std::string note = SpreadNote(in, a);
    if (!PrintWrapped(&print, 0, kTitle) || !PrintWrapped(&print, 0, instrument) ||
        !NextPrintLine(&print) || !PrintTasks(&print, in, a) ||
        (!note.empty() && !PrintWrapped(&print, 0, note)) || !NextPrintLine(&print))
        return;
    if (!PrintResults(&print, dialog, in, a))
        return;
    char notes[513];
    ItemText(dialog, IDC_NOTES, notes, sizeof notes);
    EndTextPrintout(&print, notes);
}
