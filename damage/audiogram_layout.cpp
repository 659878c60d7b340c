#include "damage/audiogram_layout.h"

#include <cctype>
#include <cmath>

namespace {

// The axis spans 500 Hz to 12000 Hz: 24 times 500.
const double kAxisDecades = 1.380211241711606;  // log10(24)
const int kFirstFrequencyOffset = 35;

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

}  // namespace

void LayOutAudiogram(int left, int top, int right, int bottom, AudiogramLayout* layout)
{
    layout->left = left;
    layout->top = top;
    layout->right = right > left ? right - 1 : left;
    layout->bottom = bottom > top ? bottom - 1 : top;
    layout->rowHeight = (bottom - top) / 10;
    if (layout->rowHeight < 0)
        layout->rowHeight = 0;
    int ninety = top + 9 * layout->rowHeight;
    int foot = layout->bottom - layout->rowHeight;
    layout->plotBottom = foot > ninety ? foot : ninety;
    layout->decade = (int)std::trunc((layout->right - layout->left) / kAxisDecades);
}

int AudiogramX(const AudiogramLayout& layout, int k)
{
    if (k < 0 || k >= kEarFrequencies)
        return layout.left;
    // An integer ratio, as on the paper audiograms: 1, 2, 4, 6, 8, 12.
    int ratio = kEarFrequencyHz[k] / 500;
    double offset = kFirstFrequencyOffset + std::trunc(std::log10((double)ratio) * layout.decade);
    return Clamp(layout.left + (int)offset, layout.left, layout.right);
}

int AudiogramY(const AudiogramLayout& layout, double loss)
{
    // Clamped in doubles, before any conversion to int: a typed 120 dB, or a
    // hand-edited 1e300, stays in the plot and never wraps.
    double drop = loss * layout.rowHeight * 0.1;
    double lowest = layout.plotBottom - layout.top;
    if (!(drop > 0.0))
        drop = 0.0;  // negative, zero or not a number
    if (drop > lowest)
        drop = lowest;
    return layout.top + (int)std::trunc(drop);
}

int WholeDecibels(const char* text)
{
    if (!text)
        return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-')
        ++text;
    long value = 0;
    for (; isdigit((unsigned char)*text); ++text)
        if (value < 100000)
            value = value * 10 + (*text - '0');
    if (value > 100000)
        value = 100000;
    return (int)(negative ? -value : value);
}
