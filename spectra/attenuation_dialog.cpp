#include "spectra/attenuation_dialog.h"

#include <cstdio>
#include <cstring>

#include "framework/calculator_frame.h"
#include "framework/help.h"
#include "framework/menu_bitmaps.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/attenuation.h"
#include "spectra/attenuation_io.h"
#include "spectra/octave_chart.h"

AttenuationMemory g_attenuation = {{0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 0, "", ""};

namespace {

const double kFullScale = 60.0;  // dB
const int kGridRows = 6;
const COLORREF kFieldColour = RGB(0, 0, 255);

const TooltipText kTooltips[] = {
    {IDC_BAND_FIRST + 0, "Inserire il valore del livello di attenuazione a 125 Hz"},
    {IDC_BAND_FIRST + 1, "Inserire il valore del livello di attenuazione a 250 Hz"},
    {IDC_BAND_FIRST + 2, "Inserire il valore del livello di attenuazione a 500 Hz"},
    {IDC_BAND_FIRST + 3, "Inserire il valore del livello di attenuazione a 1000 Hz"},
    {IDC_BAND_FIRST + 4, "Inserire il valore del livello di attenuazione a 2000 Hz"},
    {IDC_BAND_FIRST + 5, "Inserire il valore del livello di attenuazione a 4000 Hz"},
    {IDC_BAND_FIRST + 6, "Inserire il valore del livello di attenuazione a 8000 Hz"},
    {IDC_SPI_SNR, "Inserire il valore del livello di attenuazione SNR"},
    {IDC_SPI_H, "Inserire il valore del livello di attenuazione H"},
    {IDC_SPI_M, "Inserire il valore del livello di attenuazione M"},
    {IDC_SPI_L, "Inserire il valore del livello di attenuazione L"},
    {IDC_STATUS_BAR, "Visualizza il nome del file correntemente selezionato"},
    {IDC_NOTES, "Inserire qui delle note da salvare insieme ai dati"},
};

// Topic of each control: its id x 65536 + 782; the status bar's is 1577's.
constexpr DWORD Topic(DWORD control)
{
    return control << 16 | 782;
}

const HelpTopic kHelpTopics[] = {
    {IDC_NOTES, Topic(IDC_NOTES)},
    {IDC_BAND_FIRST + 0, Topic(IDC_BAND_FIRST + 0)},
    {IDC_BAND_FIRST + 1, Topic(IDC_BAND_FIRST + 1)},
    {IDC_BAND_FIRST + 2, Topic(IDC_BAND_FIRST + 2)},
    {IDC_BAND_FIRST + 3, Topic(IDC_BAND_FIRST + 3)},
    {IDC_BAND_FIRST + 4, Topic(IDC_BAND_FIRST + 4)},
    {IDC_BAND_FIRST + 5, Topic(IDC_BAND_FIRST + 5)},
    {IDC_BAND_FIRST + 6, Topic(IDC_BAND_FIRST + 6)},
    {IDC_SPI_H, Topic(IDC_SPI_H)},
    {IDC_SPI_M, Topic(IDC_SPI_M)},
    {IDC_SPI_L, Topic(IDC_SPI_L)},
    {IDC_SPI_SNR, Topic(IDC_SPI_SNR)},
    {IDC_CHART_PLACEHOLDER, Topic(IDC_CHART_PLACEHOLDER)},
    {IDC_STATUS_BAR, (DWORD)IDC_STATUS_HELP_ID << 16 | 111},
    {0, 0},
};

const DWORD kDialogHelpTopic = 100135;

const int kValueFields[] = {IDC_SPI_H, IDC_SPI_M, IDC_SPI_L, IDC_SPI_SNR};

// Set while the program itself writes H, M, L or SNR: its own values are
// not the user's input and are never refused.
bool s_writingValues;

bool IsBandField(int id)
{
    return id >= IDC_BAND_FIRST && id < IDC_BAND_FIRST + kOctaveBands;
}

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

void OnClose(HWND dialog)
{
    ItemText(dialog, IDC_NOTES, g_attenuation.notes, sizeof g_attenuation.notes);
    EndDialog(dialog, 0);
}

BOOL OnInitDialog(HWND dialog, const char* path)
{
    SendDlgItemMessageA(dialog, IDC_NOTES, EM_LIMITTEXT, 512, 0);
    for (int k = 0; k < kOctaveBands; ++k)
        SendDlgItemMessageA(dialog, IDC_BAND_FIRST + k, EM_LIMITTEXT, 8, 0);
    for (int field : kValueFields)
        SendDlgItemMessageA(dialog, field, EM_LIMITTEXT, 8, 0);

    AttachCalculatorMenuBitmaps(GetMenu(dialog));
    g_attenuation.currentFile[0] = '\0';
    SetDlgItemTextA(dialog, IDC_NOTES, g_attenuation.notes);

    // The band fills draw the chart, which overwrites the remembered bands,
    // and compute once all seven hold text: fill from a copy, and show the
    // remembered H, M, L and SNR rather than those just computed.
    AttenuationMemory remembered = g_attenuation;
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[32];
        FormatNumber(text, sizeof text, "%4.1f", remembered.bands[k]);
        SetDlgItemTextA(dialog, IDC_BAND_FIRST + k, text);
    }
    WriteValue(dialog, IDC_SPI_H, remembered.h);
    WriteValue(dialog, IDC_SPI_M, remembered.m);
    WriteValue(dialog, IDC_SPI_L, remembered.l);
    WriteValue(dialog, IDC_SPI_SNR, remembered.snr);

    bool loaded = path && *path && LoadAttenuationFile(dialog, path);
    CreateCalculatorStatusBar(dialog, loaded ? path : nullptr);

    CentreWindow(dialog);
    RegisterTooltipDialog(dialog);
    DrawAttenuationChart(dialog, nullptr);
    return TRUE;
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (IsBandField(id) || IsValueField(id)) {
        if (notification != EN_UPDATE && notification != EN_CHANGE)
            return;
        if (IsBandField(id))
            OnBandChange(dialog, id);
        else if (!s_writingValues)
            CheckField(dialog, id);
        return;
    }
    switch (id) {
    case IDM_CALC_CLOSE:
    case IDCANCEL:
        OnClose(dialog);
        break;
    case IDM_CALC_HELP:
        ShowHelpTopic(dialog, kDialogHelpTopic);
        break;
    default:
        if (notification == 0)
            AttenuationFileCommand(dialog, id);
        break;
    }
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

void OnPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    DrawAttenuationChart(dialog, dc);
    EndPaint(dialog, &paint);
}

}  // namespace

void DrawAttenuationChart(HWND dialog, HDC dc)
{
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        ItemText(dialog, IDC_BAND_FIRST + k, text, sizeof text);
        g_attenuation.bands[k] = LeadingNumber(text);
    }
    DrawDialogChart(dialog, dc, g_attenuation.bands, kFullScale, kGridRows);
}

INT_PTR CALLBACK AttenuationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (const char*)lParam);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        return AnswerTooltip((const NMHDR*)lParam, kTooltips, sizeof kTooltips / sizeof kTooltips[0]);
    case WM_CTLCOLOREDIT:
        return OnColorEdit((HDC)wParam, (HWND)lParam);
    case WM_PAINT:
        OnPaint(dialog);
        return TRUE;
    case WM_HELP:
        ContextHelpForControl((const HELPINFO*)lParam, kHelpTopics);
        return TRUE;
    case WM_CONTEXTMENU:
        ContextHelpMenu((HWND)wParam, kHelpTopics);
        return TRUE;
    case WM_DROPFILES:
        DropAttenuationFile(dialog, (HDROP)wParam);
        return TRUE;
    case WM_CLOSE:
        OnClose(dialog);
        return TRUE;
    }
    return FALSE;
}
