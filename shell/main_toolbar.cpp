#include "shell/main_toolbar.h"

#include "framework/tooltips.h"
#include "resources/resource.h"
#include "shell/main_state.h"
#include "shell/paste.h"

namespace {

struct ToolbarEntry {
    int image;
    int command;
    BYTE style;
};

const ToolbarEntry kEntries[] = {
    {1, IDM_OPEN, TBSTYLE_BUTTON},
    {2, IDM_SAVE, TBSTYLE_BUTTON},
    {3, IDM_PRINT, TBSTYLE_BUTTON},
    {0, 0, TBSTYLE_SEP},
    {4, IDM_CUT, TBSTYLE_BUTTON},
    {5, IDM_COPY, TBSTYLE_BUTTON},
    {6, IDM_PASTE, TBSTYLE_BUTTON},
    {0, 0, TBSTYLE_SEP},
    {7, IDM_VIEW_GRAPH, TBSTYLE_CHECKGROUP},
    {8, IDM_VIEW_AUDIOGRAM, TBSTYLE_CHECKGROUP},
    {9, IDM_VIEW_TABLE, TBSTYLE_CHECKGROUP},
    {26, IDM_VIEW_DOCUMENT, TBSTYLE_BUTTON},
    {0, 0, TBSTYLE_SEP},
    {10, IDM_LEPD, TBSTYLE_BUTTON},
    {25, IDM_LEPW, TBSTYLE_BUTTON},
    {24, IDM_GROUP_LEQ, TBSTYLE_BUTTON},
    {27, IDM_UNCERTAINTY, TBSTYLE_BUTTON},
    {20, IDM_NOISE_SPECTRUM, TBSTYLE_BUTTON},
    {23, IDM_ATTENUATION_SPECTRUM, TBSTYLE_BUTTON},
    {21, IDM_PROTECTOR_SELECTION, TBSTYLE_BUTTON},
    {12, IDM_DAMAGE, TBSTYLE_BUTTON},
    {17, IDM_NIPTS, TBSTYLE_BUTTON},
    {18, IDM_HTLA, TBSTYLE_BUTTON},
    {19, IDM_HTLAN, TBSTYLE_BUTTON},
    {15, IDM_PREDICTIONS, TBSTYLE_BUTTON},
    {16, IDM_EVOLUTION, TBSTYLE_BUTTON},
    {13, IDM_RISK, TBSTYLE_BUTTON},
    {0, 0, TBSTYLE_SEP},
    {14, IDM_HELP, TBSTYLE_BUTTON},
};

const TooltipText kTooltips[] = {
    {IDM_OPEN, "Apri..."},
    {IDM_SAVE, "Salva"},
    {IDM_PRINT, "Stampa"},
    {IDM_CUT, "Taglia"},
    {IDM_COPY, "Copia"},
    {IDM_PASTE, "Incolla"},
    {IDM_VIEW_TABLE, "Tabella"},
    {IDM_VIEW_DOCUMENT, "Ducumento"},
    {IDM_LEPD, "Lep,d..."},
    {IDM_LEPW, "Lep,w..."},
    {IDM_GROUP_LEQ, "Leq gruppi..."},
    {IDM_UNCERTAINTY, "Incertezza ISO 9612..."},
    {IDM_NOISE_SPECTRUM, "Spettri rumore..."},
    {IDM_ATTENUATION_SPECTRUM, "Spettri DPI..."},
    {IDM_PROTECTOR_SELECTION, "Scelta DPI..."},
    {IDM_DAMAGE, "Danno..."},
    {IDM_NIPTS, "NIPTS..."},
    {IDM_HTLA, "HTLA..."},
    {IDM_HTLAN, "HTLAN..."},
    {IDM_PREDICTIONS, "Previsioni..."},
    {IDM_EVOLUTION, "Evoluzione danno..."},
    {IDM_RISK, "Rischio..."},
    {IDM_HELP, "Help"},
    // The formatting toolbar
    {IDM_FMT_BOLD, "Carattere grassetto  (CTRL+G)"},
    {IDM_FMT_ITALIC, "Carattere corsivo  (CTRL+I)"},
    {IDM_FMT_UNDERLINE, "Carattere sottolineato  (CTRL+S)"},
    {IDM_FMT_COLOR_POPUP, "Colore carattere"},
    {IDM_FMT_ALIGN_LEFT, "Allinea a sinistra"},
    {IDM_FMT_ALIGN_CENTER, "Allinea al centro"},
    {IDM_FMT_ALIGN_RIGHT, "Allinea a destra"},
    {IDM_FMT_WRAP, "A capo automatico"},
    {IDM_FMT_BULLETS, "Elenco puntato"},
    {IDM_FMT_SUPERSCRIPT, "Apice  (CTRL+U)"},
    {IDM_FMT_SUBSCRIPT, "Pedice  (CTRL+D)"},
    {IDM_FMT_FONT, "Tipo di carattere"},
};

// The view buttons exist only in chart mode.
const int kViewButtons[] = {IDM_VIEW_AUDIOGRAM, IDM_VIEW_GRAPH, IDM_VIEW_TABLE, IDM_VIEW_DOCUMENT};

}  // namespace

HWND CreateMainToolbar(HWND mainWindow)
{
    const int count = (int)(sizeof kEntries / sizeof kEntries[0]);
    TBBUTTON buttons[count] = {};
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = kEntries[i].image;
        buttons[i].idCommand = kEntries[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = kEntries[i].style;
    }
    return CreateToolbarEx(mainWindow, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_MAIN_TOOLBAR,
                           MAIN_TOOLBAR_IMAGES, (HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE),
                           IDB_MAIN_TOOLBAR, buttons, count, 16, 15, 16, 15, sizeof(TBBUTTON));
}

const char* ToolbarTooltip(int command, int viewState)
{
    if (command == IDM_VIEW_GRAPH)
        return viewState == kViewPredictions ? "Perdite-Tempo" : "Grafico";
    if (command == IDM_VIEW_AUDIOGRAM) {
        if (viewState == kViewShifts)
            return "Audiogramma";
        if (viewState == kViewPredictions)
            return "Perdite-Livello";
        return nullptr;
    }
    for (const TooltipText& entry : kTooltips)
        if (entry.control == command)
            return entry.text;
    return nullptr;
}

void OnToolbarTooltip(const NMHDR* header, int viewState)
{
    const char* text = ToolbarTooltip((int)header->idFrom, viewState);
    if (text)
        SetTooltipAnswer(header, text);
}

bool ClipboardPasteable()
{
    return FirstPasteFormat() != 0;
}

static void EnableCommand(HWND mainWindow, int command, bool enable)
{
    EnableMenuItem(GetMenu(mainWindow), command, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    SendMessageA(MainChild(IDC_MAIN_TOOLBAR), TB_ENABLEBUTTON, command, MAKELONG(enable, 0));
}

void UpdatePasteCommand(HWND mainWindow)
{
    if (g_main.viewState == kViewDocument)
        EnableCommand(mainWindow, IDM_PASTE, ClipboardPasteable());
}

void SetDocumentMode(HWND mainWindow, bool documentMode)
{
    HWND format = MainChild(IDC_FORMAT_TOOLBAR);
    if (format)
        ShowWindow(format, documentMode ? SW_SHOW : SW_HIDE);

    HMENU menu = GetMenu(mainWindow);
    EnableMenuItem(menu, 2, MF_BYPOSITION | (documentMode ? MF_GRAYED : MF_ENABLED));

    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    for (int command : kViewButtons)
        SendMessageA(toolbar, TB_HIDEBUTTON, command, MAKELONG(documentMode, 0));

    EnableCommand(mainWindow, IDM_SAVE, documentMode);
    EnableCommand(mainWindow, IDM_COPY, true);
    EnableCommand(mainWindow, IDM_CUT, documentMode);
    if (documentMode)
        UpdatePasteCommand(mainWindow);
    else
        EnableCommand(mainWindow, IDM_PASTE, false);
    EnableMenuItem(menu, IDM_DOCUMENT, MF_BYCOMMAND | (documentMode ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(mainWindow);
}
