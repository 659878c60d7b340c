#pragma once
// The curve a chart view shows alone: -1 all curves ("Tutto"), 0 .. 6 one
// of them. Chosen in the main window (its popup menu and keys 0 to 7), read
// by the chart painters, reset when a chart calculator ends with a
// successful "&Ok".

enum { kAllCurves = -1, kMostCurves = 7 };

int SelectedCurve();

// Sets the selected curve (anything outside -1 .. 6 means all); true when it
// changed.
bool SelectCurve(int index);

// The curve a chart of count curves draws alone, or -1 for all of them: an
// index that chart does not have is ignored.
int ShownCurve(int count);
