#include "spectra/attenuation_dialog.h"

#include <cstdio>
#include <cstring>

#include "framework/calculator_dialog.h"
#include "framework/help.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/attenuation.h"
#include "spectra/attenuation_io.h"
#include "spectra/band_fields.h"
#include "spectra/octave_chart.h"

AttenuationMemory g_attenuation = {{0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 0, "", ""};

namespace {

const double kFullScale = kAttenuationFullScale;
const int kGridRows = 6;
const COLORREF kFieldColour = RGB(0, 0, 255);

const TooltipText kTooltips[] = {
    {IDC_SPI_SNR, "Inserire il valore del livello di attenuazione SNR"},
    {IDC_SPI_H, "Inserire il valore del livello di attenuazione H"},
    {IDC_SPI_M, "Inserire il valore del livello di attenuazione M"},
    {IDC_SPI_L, "Inserire il valore del livello di attenuazione L"},
};

const char* BandTooltipText(int control)
{
    return BandTooltip(control, "attenuazione");
}

const int kHelpControls[] = {IDC_NOTES, IDC_SPI_H, IDC_SPI_M, IDC_SPI_L, IDC_SPI_SNR, IDC_CHART_PLACEHOLDER};
const size_t kHelpControlCount = sizeof kHelpControls / sizeof kHelpControls[0];
HelpTopic s_helpTopics[kHelpControlCount + kOctaveBands + 2];

const DWORD kDialogHelpTopic = 100135;

const int kValueFields[] = {IDC_SPI_H, IDC_SPI_M, IDC_SPI_L, IDC_SPI_SNR};

// Set while the program itself writes H, M, L or SNR: its own values are
// not the user's input and are never refused.
bool s_writingValues;

bool IsValueField(int id)
{
    for (int field : kValueFields)
        if (id == field)
            return true;
    return false;
}

void WriteValue(HWND dialog, int id, double value)
{
    char text[32];
    FormatNumber(text, sizeof text, "%4.1f", value);
    s_writingValues = true;
    SetDlgItemTextA(dialog, id, text);
    s_writingValues = false;
}

bool AllBandsHoldText(HWND dialog)
{
    for (int k = 0; k < kOctaveBands; ++k)
        if (GetWindowTextLengthA(GetDlgItem(dialog, IDC_BAND_FIRST + k)) == 0)
            return false;
    return true;
}

// SNR, then H, M and L, from the remembered bands; a value of 0 (or no SNR
// at all) leaves its field and the remembered value as they are.
void ComputeProtector(HWND dialog)
{
    double snr = 0.0;
    if (ComputeSnr(g_attenuation.bands, &snr) && snr != 0.0) {
        WriteValue(dialog, IDC_SPI_SNR, snr);
        g_attenuation.snr = snr;
    }
    HmlValues hml = ComputeHml(g_attenuation.bands);
    const struct {
        double value;
        double* remembered;
        int field;
    } kValues[] = {{hml.h, &g_attenuation.h, IDC_SPI_H},
                   {hml.m, &g_attenuation.m, IDC_SPI_M},
                   {hml.l, &g_attenuation.l, IDC_SPI_L}};
    for (const auto& v : kValues)
        if (v.value != 0.0) {
            WriteValue(dialog, v.field, v.value);
            *v.remembered = v.value;
        }
}

// A text above 60 dB is refused, captioned with the text itself, and the
// field emptied. True when the text stays.
bool CheckField(HWND dialog, int id)
{
    char text[16];
    ItemText(dialog, id, text, sizeof text);
    if (!text[0] || !(LeadingNumber(text) > kFullScale))
        return true;
    MessageBoxA(dialog, "Valore troppo elevato.", text, MB_OK | MB_ICONEXCLAMATION);
    SetDlgItemTextA(dialog, id, "");
    return false;
}

void OnBandChange(HWND dialog, int id)
{
    if (!CheckField(dialog, id))
        return;
    DrawAttenuationChart(dialog, nullptr);
    if (AllBandsHoldText(dialog))
        ComputeProtector(dialog);
}

// The band fills draw the chart, which overwrites the remembered bands, and
// compute once all seven hold text: show the remembered H, M, L and SNR
// rather than those just computed.
void Prepare(HWND dialog)
{
    FillBandHelpTopics(s_helpTopics, kHelpControls, kHelpControlCount, 782);
    for (int field : kValueFields)
        SendDlgItemMessageA(dialog, field, EM_LIMITTEXT, 8, 0);
    AttenuationMemory remembered = g_attenuation;
    ShowBands(dialog, remembered.bands, "%4.1f");
    WriteValue(dialog, IDC_SPI_H, remembered.h);
    WriteValue(dialog, IDC_SPI_M, remembered.m);
    WriteValue(dialog, IDC_SPI_L, remembered.l);
    WriteValue(dialog, IDC_SPI_SNR, remembered.snr);
}

void Redraw(HWND dialog)
{
    DrawAttenuationChart(dialog, nullptr);
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (notification != EN_UPDATE && notification != EN_CHANGE)
        return;
    if (IsBandField(id))
        OnBandChange(dialog, id);
    else if (IsValueField(id) && !s_writingValues)
        CheckField(dialog, id);
}

INT_PTR OnColorEdit(HDC dc, HWND control)
{
    int id = GetDlgCtrlID(control);
    if (!IsBandField(id) && !IsValueField(id))
        return FALSE;
    SetTextColor(dc, kFieldColour);
    SetBkColor(dc, RGB(255, 255, 255));
    return (INT_PTR)GetStockObject(WHITE_BRUSH);
}

INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLOREDIT:
        return OnColorEdit((HDC)wParam, (HWND)lParam);
    }
    return FALSE;
}

const Calculator kAttenuation = {
    kTooltips, sizeof kTooltips / sizeof kTooltips[0], BandTooltipText, s_helpTopics,
    kDialogHelpTopic, nullptr, g_attenuation.notes,
    "SPI", IDS_FILTER_SPI, ".spi", g_attenuation.currentFile,
    SaveAttenuationKeys, LoadAttenuationKeys, BuildAttenuationReport, PrintAttenuation,
    Prepare, Redraw, Redraw, nullptr, OnCommand, nullptr, OnMessage, DrawAttenuationChart,
};

}  // namespace

void DrawAttenuationChart(HWND dialog, HDC dc)
{
    ReadBands(dialog, g_attenuation.bands);
    DrawDialogChart(dialog, dc, g_attenuation.bands, kFullScale, kGridRows);
}

INT_PTR CALLBACK AttenuationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CalculatorProc(kAttenuation, dialog, message, wParam, lParam);
}
