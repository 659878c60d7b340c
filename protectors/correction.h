#pragma once
// Real-world protection: the laboratory attenuation of a protector derated as
// Italian, British and German practice do, and the level the verdict is then
// given on. Without a correction everything stays as the methods give it.
//
// Sources of the values (see the help topic "dpi_correzione"):
// - UNI 9432:2011, appendix D (D.1.2): the attenuation times a factor beta,
//   0.75 for earmuffs, 0.5 for expandable (foam) plugs, 0.3 for pre-moulded
//   plugs; no other type is listed.
// - HSE, L108 "Controlling noise at work": 4 dB off the attenuation,
//   whatever the type.
// - DGUV (FAQ of the Sachgebiet Gehoerschutz, DGUV Information 212-823 4.5,
//   after DGUV Regel 112-194): the Praxisabschlag KS off the attenuation,
//   9 dB for plugs formed before use, 5 dB for pre-moulded and banded plugs
//   and for earmuffs, 3 dB for custom-moulded plugs with a function check.

#include <cstddef>
#include <string>
#include <vector>

#include "protectors/selection.h"

enum AttenuationCorrection {
    kCorrectionNone = 0,
    kCorrectionUniBeta = 1,
    kCorrectionHse = 2,
    kCorrectionDguv = 3,
    kCorrectionCount = 4
};

enum ProtectorKind {
    kKindNone = 0,
    kKindEarmuffs = 1,
    kKindFoamPlugs = 2,
    kKindPremouldedPlugs = 3,
    kKindBandedPlugs = 4,
    kKindCustomMoulded = 5,
    kKindCount = 6
};

// The name shown and printed ("Fattore beta UNI 9432") and the ".dpi"
// value ("UNI9432", "" for none); null outside 0..kCorrectionCount-1.
const char* CorrectionName(int correction);
const char* CorrectionKey(int correction);
// Likewise for the protector types ("Cuffie", "CUFFIE").
const char* ProtectorKindName(int kind);
const char* ProtectorKindKey(int kind);

// The types a correction is given for, in the order of its source; none
// for a correction that does not depend on the type.
std::vector<int> CorrectionKinds(int correction);

// attenuation' = factor * attenuation - decibels.
struct Derating {
    double factor;
    double decibels;
};

// The derating of a correction for a type; false when the pair is not one
// of the sources' (a type the correction does not list, or a type given to
// a correction that needs none).
bool FindDerating(int correction, int kind, Derating* derating);

// The level under the protector with the derated attenuation, by the
// record's method (the HML check keeps the value its laboratory check
// chose). False when the record names no method.
bool CorrectedLevel(const ProtectorSelection& selection, const Derating& derating, double* level);

// What the results page, the printout and the verdict use: the laboratory
// LE and, when a correction applies, the corrected one.
struct JudgedLevel {
    double laboratory;  // LE of the record
    double level;       // the level judged: corrected, or LE itself
    bool corrected;     // a correction was applied
    bool notApplied;    // a correction is chosen but the record names no method
};
JudgedLevel JudgedLevelOf(const ProtectorSelection& selection);

// "Fattore beta UNI 9432, Cuffie" or "4 dB HSE (Regno Unito)".
std::string CorrectionLabel(const ProtectorSelection& selection);

// The results page's text: without a correction exactly the verdict text of
// BuildVerdictText; with one, the laboratory and the corrected level and the
// verdict on the corrected one. Cut to fit out.
void BuildResultsText(const ProtectorSelection& selection, char* out, size_t capacity);

// The printout's rows after the level, before the action level: none
// without a correction.
std::vector<std::string> CorrectionPrintLines(const ProtectorSelection& selection);
