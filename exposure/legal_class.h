#pragma once
// Classes of exposure under the Italian decree D.Lgs. 81/2008, Titolo VIII,
// Capo II (art. 189): the daily exposure Lex,8h in dB(A) and the peak
// C-weighted sound pressure level in dB(C), each against the lower action
// value (80 dB(A) / 135 dB(C)), the upper action value (85 / 137) and the
// limit value (87 / 140). A value equal to a threshold is in the higher
// class. Values are classed as shown, rounded to 0.1 dB, so that a shown
// "80.0" is never classed below 80.

#include <cstddef>

enum ExposureClass {
    kClassNone = -1,         // not a finite level: no class
    kClassBelowAction = 0,   // below the lower action value
    kClassLowerAction = 1,   // lower action value reached
    kClassUpperAction = 2,   // upper action value reached
    kClassLimit = 3,         // limit value reached
};

ExposureClass ClassOfExposure(double lex8h);  // dB(A)
ExposureClass ClassOfPeak(double peakC);      // dB(C)

// The higher of two classes (the peak and the exposure together).
ExposureClass HigherClass(ExposureClass a, ExposureClass b);

// "Inferiore ai valori di azione", "Valore inferiore di azione", ... and
// "Non classificabile" for kClassNone.
const char* ClassName(ExposureClass c);

// A short name for tables: "< 80", "80-85", "85-87", ">= 87" for an
// exposure, "< 135", ... for a peak; "" for kClassNone.
const char* ClassRangeText(ExposureClass c, bool peak);

// What a level requires of the employer, each line with the article of the
// decree it comes from, at most kMaxObligations lines. The decree words some
// duties "equal to or above" a value and others "above" it, so at exactly
// 85.0 dB(A) the protectors must be worn (art. 193) while health
// surveillance (art. 196) becomes compulsory only above it: the lines follow
// the level, not only its class. A duty that a stronger one replaces (the
// protectors made available, once they must be worn) is left out. A level
// that is not finite has none.
struct ClassObligation {
    const char* article;  // "art. 193, c. 1, lett. b)"
    const char* text;     // "Uso dei dispositivi di protezione dell'udito..."
};
const size_t kMaxObligations = 10;
size_t ExposureObligations(double level, bool peak, const ClassObligation** lines,
                           size_t capacity);
