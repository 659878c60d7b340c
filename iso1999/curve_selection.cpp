#include "iso1999/curve_selection.h"

static int s_selected = kAllCurves;

int SelectedCurve()
{
    return s_selected;
}

bool SelectCurve(int index)
{
    if (index < kAllCurves || index >= kMostCurves)
        index = kAllCurves;
    bool changed = index != s_selected;
    s_selected = index;
    return changed;
}

int ShownCurve(int count)
{
    return s_selected >= 0 && s_selected < count ? s_selected : kAllCurves;
}
