#include "spectra/noise_spectrum_dialog.h"

#include <cstdio>
#include <cstring>

#include "framework/calculator_dialog.h"
#include "framework/help.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/band_fields.h"
#include "spectra/noise_spectrum_io.h"
#include "spectra/octave_chart.h"
#include "spectra/weighting.h"

NoiseSpectrumMemory g_noiseSpectrum = {{0, 0, 0, 0, 0, 0, 0}, "", ""};

namespace {

const double kFullScale = kNoiseFullScale;
const int kGridRows = 14;
const COLORREF kLevelColour = RGB(255, 0, 0);

const TooltipText kTooltips[] = {
    {IDC_SPECTRUM_LAEQ, "Livello equivalente pesato A dello spettro"},
    {IDC_SPECTRUM_LCEQ, "Livello equivalente pesato C dello spettro"},
};

const char* BandTooltipText(int control)
{
    return BandTooltip(control, "rumore");
}

const int kHelpControls[] = {IDC_NOTES, IDC_SPECTRUM_LAEQ, IDC_SPECTRUM_LCEQ, IDC_CHART_PLACEHOLDER};
const size_t kHelpControlCount = sizeof kHelpControls / sizeof kHelpControls[0];
HelpTopic s_helpTopics[kHelpControlCount + kOctaveBands + 2];

const DWORD kDialogHelpTopic = 100130;

// The band fields' background and the results' backing.
HBRUSH s_fieldBrush;
HBRUSH s_resultBrush;

void ShowLevel(HWND dialog, int id, double level)
{
    char text[32], shown[32];
    FormatNumber(text, sizeof text, "%5.1f", level);
    ItemText(dialog, id, shown, sizeof shown);
    // The same text again would only make the field flicker.
    if (strcmp(text, shown) != 0)
        SetDlgItemTextA(dialog, id, text);
}

// A level above 140 dB is refused with the band's label as caption and the
// field emptied (itself a change, which recomputes).
void OnBandChange(HWND dialog, int id)
{
    char text[16];
    ItemText(dialog, id, text, sizeof text);
    if (text[0] && LeadingNumber(text) > kFullScale) {
        char label[16];
        ItemText(dialog, IDC_BAND_LABEL_FIRST + (id - IDC_BAND_FIRST), label, sizeof label);
        MessageBoxA(dialog, "Valore troppo elevato.", label, MB_OK | MB_ICONEXCLAMATION);
        SetDlgItemTextA(dialog, id, "");
        return;
    }
    RecomputeNoiseSpectrum(dialog, nullptr);
}

void Prepare(HWND dialog)
{
    FillBandHelpTopics(s_helpTopics, kHelpControls, kHelpControlCount, 805);
    s_fieldBrush = CreateSolidBrush(RGB(255, 255, 255));
    s_resultBrush = CreateSolidBrush(GetSysColor(COLOR_MENU));
    ShowBands(dialog, g_noiseSpectrum.bands, "%5.1f");
}

void Recompute(HWND dialog)
{
    RecomputeNoiseSpectrum(dialog, nullptr);
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (IsBandField(id) && (notification == EN_UPDATE || notification == EN_CHANGE))
        OnBandChange(dialog, id);
}

INT_PTR OnColorEdit(HDC dc, HWND control)
{
    if (!IsBandField(GetDlgCtrlID(control)))
        return FALSE;
    SetTextColor(dc, kLevelColour);
    SetBkColor(dc, RGB(255, 255, 255));
    return (INT_PTR)s_fieldBrush;
}

INT_PTR OnColorStatic(HDC dc, HWND control)
{
    int id = GetDlgCtrlID(control);
    if (id != IDC_SPECTRUM_LAEQ && id != IDC_SPECTRUM_LCEQ)
        return FALSE;
    SetTextColor(dc, kLevelColour);
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)s_resultBrush;
}

void OnDestroy()
{
    if (s_fieldBrush)
        DeleteObject(s_fieldBrush);
    if (s_resultBrush)
        DeleteObject(s_resultBrush);
    s_fieldBrush = nullptr;
    s_resultBrush = nullptr;
}

INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLOREDIT:
        return OnColorEdit((HDC)wParam, (HWND)lParam);
    case WM_CTLCOLORSTATIC:
        return OnColorStatic((HDC)wParam, (HWND)lParam);
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    }
    return FALSE;
}

const Calculator kNoiseSpectrum = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], BandTooltipText, s_helpTopics,
    kDialogHelpTopic, nullptr, g_noiseSpectrum.notes,
    "SPR", IDS_FILTER_SPR, ".spr", g_noiseSpectrum.currentFile,
    SaveNoiseSpectrumKeys, LoadNoiseSpectrumKeys, BuildNoiseSpectrumReport, PrintNoiseSpectrum,
    Prepare, Recompute, Recompute, nullptr, OnCommand, nullptr, OnMessage, RecomputeNoiseSpectrum,
};

}  // namespace

void RecomputeNoiseSpectrum(HWND dialog, HDC dc)
{
    ReadBands(dialog, g_noiseSpectrum.bands);
    DrawDialogChart(dialog, dc, g_noiseSpectrum.bands, kFullScale, kGridRows);
    ShowLevel(dialog, IDC_SPECTRUM_LAEQ, AWeightedLevel(g_noiseSpectrum.bands));
    ShowLevel(dialog, IDC_SPECTRUM_LCEQ, CWeightedLevel(g_noiseSpectrum.bands));
}

INT_PTR CALLBACK NoiseSpectrumProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kNoiseSpectrum, dialog, message, wParam, lParam);
}
