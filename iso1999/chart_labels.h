#pragma once
// Axis labels that several ISO 1999 charts share.

// "5", "10", ... "95": the fractiles in percent, 19 grid lines.
extern const char* const kFractilePercentLabels[19];

// "2", "4", ... "40": years of exposure, 20 grid lines.
extern const char* const kYearLabels[20];

// "- 10", "0", "10", ... "80": the dB scale, 10 grid lines.
extern const char* const kDbLabels[10];
