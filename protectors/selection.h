#pragma once
// The protector selection record, shared by every page of the wizard and kept
// for the whole run, with what the pages derive from it: the recommended
// protector types, the methods the known information allows, and the lines
// of the printout.

#include <string>
#include <vector>

#include "spectra/band_table.h"

enum { kSelectionNotesSize = 513, kSelectionPathSize = 260 };

struct ProtectorSelection {
    int answer1;            // unfavourable conditions: 1 yes, 0 no
    int answer2;            // repeated short noises: 1 yes, 0 no
    int hasLaeq;            // 0/1
    int hasLceq;            // 0/1
    int hasSpectrum;        // 0/1
    int method;             // ProtectionMethod; kMethodNone, or as a file names none
    double actionLevel;     // LA, dBA: 80, 85 or 90
    double noise[kOctaveBands];
    double lceq;
    double laeq;
    int classL;             // HML-check class: 0 HM, 1 L
    double attenuation[kOctaveBands];
    double h, m, l;
    double snr;
    double effectiveLevel;  // LE, dBA
    int correction;         // AttenuationCorrection (correction.h)
    int protectorKind;      // ProtectorKind the correction is taken for
    char notes[kSelectionNotesSize];
    char currentFile[kSelectionPathSize];  // the ".dpi" last opened or saved
};

// The record as the program starts (answers yes, LA 85, no method).
ProtectorSelection StartSelection();

extern ProtectorSelection g_protectorSelection;

// True for the five methods 1..5; any other number is no method (a file may
// hold 0 or anything else).
bool IsNamedMethod(int method);

// LA as the wizard offers it: 80 and 90 stay, anything else is 85.
double ActionLevelChoice(double level);

// A level read from a file: kept when its text fits a 7-character field,
// else 0 (refused by the page's check like an empty field).
double FileLevel(double value);

struct RecommendedTypes {
    bool earmuffs;          // "Cuffie"
    bool coveredCushions;   // "Cuffie con cuscinetti ricoperti o imbottiti"
    bool bandedPlugs;       // "Inserti con archetto"
    bool disposablePlugs;   // "Inserti monouso"
};
RecommendedTypes RecommendedProtectors(int answer1, int answer2);

// The methods whose buttons are enabled, a bit (1 << method) each: all five
// with the spectrum; corrected SNR and HML check with LAeq; SNR with LCeq;
// HML with both.
unsigned EnabledMethods(bool hasLaeq, bool hasLceq, bool hasSpectrum);

// The printout, one text a row from row 2 on; the notes follow four rows
// below the last.
std::vector<std::string> SelectionPrintLines(const ProtectorSelection& selection);
