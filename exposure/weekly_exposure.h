#pragma once
// Weekly personal noise exposure Lep,w from the Lep,d of the seven days.

#include <cstddef>

enum { kWeekDays = 7 };

// "Lunedi" .. "Domenica", without accents: row labels, data-file keys and
// report labels.
extern const char* const kWeekDayNames[kWeekDays];

// The levels the calculator starts with: 90.0 Monday to Friday, 0.0 at the
// weekend.
extern const double kInitialWeekLevels[kWeekDays];

// Lep,w = 10 log10((1/5) sum of 10^(0.1 Lep,d)) over all seven days: the sum
// is divided by 5 whatever the days worked, and a day at 0 adds 1 like any
// other level. The energies are summed relative to the highest level, so any
// levels give a finite result.
double ComputeWeeklyExposure(const double levels[kWeekDays]);

// The output as shown, "%4.1f" (" 0.0" for a value that is not finite).
void FormatWeeklyExposure(double lepw, char* out, size_t capacity);
