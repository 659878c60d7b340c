#include "spectra/noise_spectrum_dialog.h"

#include <cstdio>
#include <cstring>

#include "framework/calculator_frame.h"
#include "framework/help.h"
#include "framework/menu_bitmaps.h"
#include "framework/number_text.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "spectra/noise_spectrum_io.h"
#include "spectra/octave_chart.h"
#include "spectra/weighting.h"

NoiseSpectrumMemory g_noiseSpectrum = {{0, 0, 0, 0, 0, 0, 0}, "", ""};

namespace {

const double kFullScale = 140.0;  // dB
const int kGridRows = 14;
const COLORREF kLevelColour = RGB(255, 0, 0);

const TooltipText kTooltips[] = {
    {IDC_BAND_FIRST + 0, "Inserire il valore del livello di rumore a 125 Hz"},
    {IDC_BAND_FIRST + 1, "Inserire il valore del livello di rumore a 250 Hz"},
    {IDC_BAND_FIRST + 2, "Inserire il valore del livello di rumore a 500 Hz"},
    {IDC_BAND_FIRST + 3, "Inserire il valore del livello di rumore a 1000 Hz"},
    {IDC_BAND_FIRST + 4, "Inserire il valore del livello di rumore a 2000 Hz"},
    {IDC_BAND_FIRST + 5, "Inserire il valore del livello di rumore a 4000 Hz"},
    {IDC_BAND_FIRST + 6, "Inserire il valore del livello di rumore a 8000 Hz"},
    {IDC_SPECTRUM_LAEQ, "Livello equivalente pesato A dello spettro"},
    {IDC_SPECTRUM_LCEQ, "Livello equivalente pesato C dello spettro"},
    {IDC_STATUS_BAR, "Visualizza il nome del file correntemente selezionato"},
    {IDC_NOTES, "Inserire qui delle note da salvare insieme ai dati"},
};

// Topic of each control: its id x 65536 + 805; the status bar's is 1577's.
constexpr DWORD Topic(DWORD control)
{
    return control << 16 | 805;
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
    {IDC_SPECTRUM_LAEQ, Topic(IDC_SPECTRUM_LAEQ)},
    {IDC_SPECTRUM_LCEQ, Topic(IDC_SPECTRUM_LCEQ)},
    {IDC_CHART_PLACEHOLDER, Topic(IDC_CHART_PLACEHOLDER)},
    {IDC_STATUS_BAR, (DWORD)IDC_STATUS_HELP_ID << 16 | 111},
    {0, 0},
};

const DWORD kDialogHelpTopic = 100130;

// The band fields' background and the results' backing.
HBRUSH s_fieldBrush;
HBRUSH s_resultBrush;

bool IsBandField(int id)
{
    return id >= IDC_BAND_FIRST && id < IDC_BAND_FIRST + kOctaveBands;
}

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

void OnClose(HWND dialog)
{
    ItemText(dialog, IDC_NOTES, g_noiseSpectrum.notes, sizeof g_noiseSpectrum.notes);
    EndDialog(dialog, 0);
}

BOOL OnInitDialog(HWND dialog, const char* path)
{
    SendDlgItemMessageA(dialog, IDC_NOTES, EM_LIMITTEXT, 512, 0);
    for (int k = 0; k < kOctaveBands; ++k)
        SendDlgItemMessageA(dialog, IDC_BAND_FIRST + k, EM_LIMITTEXT, 8, 0);

    AttachCalculatorMenuBitmaps(GetMenu(dialog));
    s_fieldBrush = CreateSolidBrush(RGB(255, 255, 255));
    s_resultBrush = CreateSolidBrush(GetSysColor(COLOR_MENU));
    g_noiseSpectrum.currentFile[0] = '\0';
    SetDlgItemTextA(dialog, IDC_NOTES, g_noiseSpectrum.notes);

    // Each fill recomputes and so overwrites the remembered spectrum with the
    // fields filled so far: fill from a copy.
    double remembered[kOctaveBands];
    memcpy(remembered, g_noiseSpectrum.bands, sizeof remembered);
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[32];
        FormatNumber(text, sizeof text, "%5.1f", remembered[k]);
        SetDlgItemTextA(dialog, IDC_BAND_FIRST + k, text);
    }

    bool loaded = path && *path && LoadNoiseSpectrumFile(dialog, path);
    CreateCalculatorStatusBar(dialog, loaded ? path : nullptr);

    CentreWindow(dialog);
    RegisterTooltipDialog(dialog);
    RecomputeNoiseSpectrum(dialog, nullptr);
    return TRUE;
}

void OnCommand(HWND dialog, int id, int notification)
{
    if (IsBandField(id)) {
        if (notification == EN_UPDATE || notification == EN_CHANGE)
            OnBandChange(dialog, id);
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
            NoiseSpectrumFileCommand(dialog, id);
        break;
    }
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

void OnPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RecomputeNoiseSpectrum(dialog, dc);
    EndPaint(dialog, &paint);
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

}  // namespace

void RecomputeNoiseSpectrum(HWND dialog, HDC dc)
{
    for (int k = 0; k < kOctaveBands; ++k) {
        char text[16];
        ItemText(dialog, IDC_BAND_FIRST + k, text, sizeof text);
        g_noiseSpectrum.bands[k] = LeadingNumber(text);
    }
    DrawDialogChart(dialog, dc, g_noiseSpectrum.bands, kFullScale, kGridRows);
    ShowLevel(dialog, IDC_SPECTRUM_LAEQ, AWeightedLevel(g_noiseSpectrum.bands));
    ShowLevel(dialog, IDC_SPECTRUM_LCEQ, CWeightedLevel(g_noiseSpectrum.bands));
}

INT_PTR CALLBACK NoiseSpectrumProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
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
    case WM_CTLCOLORSTATIC:
        return OnColorStatic((HDC)wParam, (HWND)lParam);
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
        DropNoiseSpectrumFile(dialog, (HDROP)wParam);
        return TRUE;
    case WM_CLOSE:
        OnClose(dialog);
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    }
    return FALSE;
}
