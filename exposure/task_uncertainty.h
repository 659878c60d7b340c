#pragma once
// The daily noise exposure Lex,8h with its measurement uncertainty by the
// task-based strategy of ISO 9612:2009 (clause 9, annex C), and where it
// stands among the action and limit values of D.Lgs. 81/2008.
//
// For each task m, of duration T_m (hours, standard uncertainty u1b,m) with
// the samples L_m,n of its LAeq in dB(A):
//   LAeq,T,m = 10 lg((1/N_m) sum_n 10^(0.1 L_m,n))
//   Lex,8h,m = LAeq,T,m + 10 lg(T_m / 8 h)      Lex,8h = 10 lg sum_m 10^(0.1 Lex,8h,m)
//   u1a,m    = sqrt(sum_n (L_m,n - mean_m)^2 / (N_m (N_m - 1)))
//   c1a,m    = (T_m / 8 h) 10^(0.1 (LAeq,T,m - Lex,8h))      c1b,m = 4.34 c1a,m / T_m
//   u^2      = sum_m c1a,m^2 (u1a,m^2 + u2^2 + u3^2) + (c1b,m u1b,m)^2      U = 1.65 u
// with u2 the instrument's (0.7 dB class 1, 1.5 dB class 2) and u3 = 1.0 dB
// the microphone position's.
//
// Everything the user typed is kept as text, as typed ("85 dB" stays "85 dB"
// and counts as 85 by its leading number): the checks below judge the
// numbers read from the texts, never the texts themselves.

#include <cstddef>
#include <string>
#include <vector>

#include "exposure/legal_class.h"

enum {
    kMinTaskSamples = 3,
    kMaxTasks = 50,
    kMaxTaskSamples = 100,
    kTaskNameChars = 63,   // characters kept of a task's name
    kTaskValueChars = 15,  // of a number text (a duration, a sample, the peak)
};

const double kMaxTaskHours = 24.0;      // a task, and all of them together
const double kHighestSample = 200.0;    // dB(A); samples run from 0 up to this
const double kHighestPeak = 250.0;      // dB(C)
const double kWideSpreadDb = 3.0;       // u1a,m above this gets a note
const double kPositionUncertainty = 1.0;  // u3, dB
const double kCoverageFactor = 1.65;      // one-sided 95 %

// u2: 0.7 dB for an instrument of class 1, 1.5 dB for class 2 (any other
// class reads as 1).
double InstrumentUncertainty(int instrumentClass);

// ---- The arithmetic on numbers ---------------------------------------------

struct TaskNumbers {
    double hours;              // T_m, more than 0
    double hoursUncertainty;   // u1b,m, 0 or more
    std::vector<double> samples;  // at least 2 for a spread
};

struct TaskOutcome {
    double laeq;      // LAeq,T,m
    double lex;       // Lex,8h,m
    double u1a;       // dB
    double c1a;
    double c1b;       // per hour
    double variance;  // the task's term of u^2, dB^2
    double share;     // variance / u^2, 0 .. 1
    bool wideSpread;  // u1a,m above 3 dB: more samples or a split task advised
};

struct UncertaintyOutcome {
    std::vector<TaskOutcome> tasks;
    double lex;       // Lex,8h
    double u;         // combined standard uncertainty, dB
    double expanded;  // U = 1.65 u
};

// The whole computation for tasks already checked (durations above 0,
// finite samples). Energies are summed relative to the highest level.
UncertaintyOutcome ComputeTaskUncertainty(const std::vector<TaskNumbers>& tasks,
                                          int instrumentClass);

// ---- The inputs as typed -----------------------------------------------------

struct TaskTexts {
    std::string name;
    std::string hours;             // T_m in hours
    std::string hoursUncertainty;  // u1b,m in hours; empty reads as 0
    std::vector<std::string> samples;
};

struct UncertaintyTexts {
    std::vector<TaskTexts> tasks;
    int instrumentClass = 1;  // 1 or 2
    std::string peak;         // Lpicco,C in dB(C); empty when not measured
};

enum UncertaintyProblem {
    kInputsComplete = 0,
    kNoTasks,             // nothing to compute, nothing to say
    kTooFewSamples,       // fewer than 3
    kSampleNotNumber,
    kSampleOutOfRange,    // outside 0 .. 200 dB(A)
    kHoursOutOfRange,     // not above 0 and at most 24 h
    kHoursUncertaintyOutOfRange,  // not from 0 to 24 h
    kTotalHoursTooLong,   // the tasks together above 24 h
};

struct UncertaintyCheck {
    int problem;  // UncertaintyProblem
    int task;     // 0-based, -1 when none
    int sample;   // 0-based, -1 when none
};

// The message that tells the user what to mend, naming the task ("" for
// kInputsComplete and kNoTasks).
std::string UncertaintyMessage(const UncertaintyCheck& check, const UncertaintyTexts& texts);

// The task as messages name it: its name, or "n. 2" when it has none.
std::string TaskLabel(const UncertaintyTexts& texts, int task);

// True when a number text goes on with a decimal comma ("85,2"): read by its
// leading number it would silently count as 85.
bool HasDecimalComma(const char* text);

// ---- The assessment ---------------------------------------------------------

struct PeakReading {
    bool given;   // the peak text is not empty
    bool valid;   // it starts with a number from 0 to 250 dB(C)
    double level;
};

struct UncertaintyAssessment {
    UncertaintyCheck check;     // only kInputsComplete fills what follows
    UncertaintyOutcome outcome;
    double cautious;            // Lex,8h + U, each as shown with one decimal
    ExposureClass lexClass;
    ExposureClass cautiousClass;
    PeakReading peak;           // read whatever the tasks hold
    ExposureClass peakClass;    // kClassNone without a valid peak
};

UncertaintyAssessment AssessUncertainty(const UncertaintyTexts& texts);

// A value with one decimal, as every result is shown ("84.3").
std::string OneDecimal(double value);

// One reading of the class: "Lex,8h + U = 87.5 dB(A)", its class name, and
// what that class requires of the employer with the decree's articles.
struct ClassReading {
    std::string label;   // "Lex,8h", "Lex,8h + U", "Lpicco,C"
    std::string value;   // "87.5"
    bool peak;
    ExposureClass level;
    const ClassObligation* duties[kMaxObligations];
    size_t dutyCount;
};

// The readings of an assessment: Lex,8h and Lex,8h + U when the tasks could
// be computed, Lpicco,C when a valid peak was given. Returns how many.
size_t ClassReadings(const UncertaintyAssessment& a, ClassReading out[3]);

// The note on tasks whose u1a,m exceeds 3 dB, naming them; "" when none.
std::string SpreadNote(const UncertaintyTexts& texts, const UncertaintyAssessment& a);

// The readings as the dialog's duties box shows them, lines ended by
// "\r\n": "Lex,8h = 84.3 dB(A): Valore inferiore di azione", then one
// "  art. 195: Informazione ..." line a duty, a blank line between readings.
std::string DutiesText(const UncertaintyAssessment& a);
