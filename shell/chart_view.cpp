#include "shell/chart_view.h"

#include "framework/clipboard.h"
#include "framework/menu_bitmaps.h"
#include "framework/printing.h"
#include "iso1999/curve_selection.h"
#include "iso1999/evolution_dialog.h"
#include "iso1999/evolution_views.h"
#include "iso1999/prediction_dialog.h"
#include "iso1999/prediction_views.h"
#include "iso1999/risk_dialog.h"
#include "iso1999/risk_views.h"
#include "iso1999/shift_dialog.h"
#include "iso1999/shift_views.h"
#include "resources/resource.h"
#include "shell/chart_selection.h"
#include "shell/dispatch.h"
#include "shell/export.h"
#include "shell/main_state.h"
#include "shell/main_toolbar.h"

namespace {

// The Visualizza items and toolbar buttons of the view kinds.
const int kKindCommands[kViewKinds] = {IDM_VIEW_TABLE, IDM_VIEW_GRAPH, IDM_VIEW_AUDIOGRAM};

// On while the Tabella view kind is shown.
bool s_tableFlag;

void TrackWithMenu(HWND mainWindow, HMENU menu, POINT screen)
{
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, screen.x, screen.y, 0, mainWindow, nullptr);
}

PopupTracker s_tracker = TrackWithMenu;

bool ChartShown()
{
    return g_main.viewState != kViewDocument;
}

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() : old_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(old_); }

private:
    HCURSOR old_;
};

void SetItemText(HMENU menu, int command, const char* text)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.fState = MFS_ENABLED;
    item.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(menu, command, FALSE, &item);
}

bool HasItem(HMENU menu, int command)
{
    return GetMenuState(menu, command, MF_BYCOMMAND) != (UINT)-1;
}

// The third view's item and button: there with its text for a calculator
// that has one, gone for the others.
void ShowSecondView(HWND mainWindow, const char* text)
{
    HMENU menu = GetMenu(mainWindow);
    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    if (!text) {
        DeleteMenu(menu, IDM_VIEW_AUDIOGRAM, MF_BYCOMMAND);
        SendMessageA(toolbar, TB_HIDEBUTTON, IDM_VIEW_AUDIOGRAM, MAKELONG(TRUE, 0));
        return;
    }
    if (!HasItem(menu, IDM_VIEW_AUDIOGRAM)) {
        InsertMenuA(menu, IDM_VIEW_GRAPH, MF_BYCOMMAND | MF_STRING, IDM_VIEW_AUDIOGRAM, text);
        AttachAudiogramBitmap(menu);
        SendMessageA(toolbar, TB_HIDEBUTTON, IDM_VIEW_AUDIOGRAM, MAKELONG(FALSE, 0));
    }
    SetItemText(menu, IDM_VIEW_AUDIOGRAM, text);
}

// The chosen kind greyed in the menu and pressed and disabled on the
// toolbar, the others enabled and up.
void MarkViewKind(HWND mainWindow, int kind)
{
    HMENU menu = GetMenu(mainWindow);
    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    for (int k = 0; k < kViewKinds; ++k) {
        int command = kKindCommands[k];
        bool chosen = k == kind;
        SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELONG(!chosen, 0));
        SendMessageA(toolbar, TB_CHECKBUTTON, command, MAKELONG(chosen, 0));
        if (HasItem(menu, command))
            EnableMenuItem(menu, command, MF_BYCOMMAND | (chosen ? MF_GRAYED : MF_ENABLED));
    }
}

int CurveNames(int viewState, int kind, char names[][kCurveNameSize])
{
    const ChartViewSet* views = ChartViewsOf(viewState);
    if (!views || !views->curveNames || kind < 0 || kind >= kViewKinds)
        return 0;
    return views->curveNames(kind, names);
}

// Curves of the view shown (0 in a table or the report document).
int ShownCurves(HWND mainWindow)
{
    if (!ChartShown())
        return 0;
    char names[kMostCurves][kCurveNameSize];
    return CurveNames(g_main.viewState, CurrentViewKind(GetMenu(mainWindow)), names);
}

void Repaint(HWND mainWindow)
{
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}

void ChooseCurve(HWND mainWindow, int index)
{
    if (SelectCurve(index))
        Repaint(mainWindow);
}

// Only a successful "&Ok" (1) changes the views; a dialog that could not be
// created (-1) is none.
void OpenShiftCalculator(HWND mainWindow, int command)
{
    if (ShowCalculator("NIPTS", ShiftDialogProc, command) == 1)
        EnterChartView(mainWindow, kViewShifts);
}

void OpenChartCalculator(HWND mainWindow, const char* dialogTemplate, DLGPROC procedure, int viewState)
{
    if (ShowCalculator(dialogTemplate, procedure, 0) == 1)
        EnterChartView(mainWindow, viewState);
}

void CopyTable(HWND mainWindow)
{
    const ChartViewSet* views = ChartViewsOf(g_main.viewState);
    if (!views || !views->table)
        return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kReportTextSize);
    char* text = block ? (char*)GlobalLock(block) : nullptr;
    bool placed = false;
    if (text) {
        char separator[kListSeparatorMax + 1];
        ListSeparator(separator);
        views->table(text, separator);
        GlobalUnlock(block);
        placed = PutCsvOnClipboard(mainWindow, block);
    }
    if (!placed) {
        if (block)
            GlobalFree(block);
        ReportCopyFailure(mainWindow);
    }
}

void PrintView(HWND mainWindow)
{
    char comment[kPrintCommentSize];
    if (!DefaultPrinterReady(mainWindow) || !PrintCommentDialog(mainWindow, comment))
        return;
    WaitCursor wait;
    int index = 0;
    ViewPainter painter = GetViewPainter(g_main.viewState, GetMenu(mainWindow), &index);
    if (painter)
        PrintChart(ChartJobName(index), painter, comment);
}

// ---- Popup, keys, paint ------------------------------------------------

void OpenPopup(HWND mainWindow, POINT screen)
{
    HMENU popup = BuildChartPopup(mainWindow);
    if (!popup)
        return;
    s_tracker(mainWindow, popup, screen);
    DestroyMenu(popup);
}

void OnKeyDown(HWND mainWindow, WPARAM key)
{
    int digit = -1;
    if (key >= '0' && key <= '9')
        digit = (int)(key - '0');
    else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        digit = (int)(key - VK_NUMPAD0);
    // F1 comes as WM_HELP (shell/command_help.h).
    if (key == VK_F8) {
        POINT at;
        GetCursorPos(&at);
        if (ChartShown())
            OpenPopup(mainWindow, at);
    } else if (key == VK_ESCAPE) {
        if (ChartShown())
            DispatchCommand(mainWindow, IDM_VIEW_DOCUMENT, 0, 0);
    } else if (digit == 0) {
        ChooseCurve(mainWindow, kAllCurves);
    } else if (digit >= 1 && digit <= kMostCurves && digit <= ShownCurves(mainWindow)) {
        ChooseCurve(mainWindow, digit - 1);
    }
}

void OnPaint(HWND mainWindow)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(mainWindow, &ps);
    PaintChartView(mainWindow, dc);
    DrawChartSelection(dc);
    EndPaint(mainWindow, &ps);
}

POINT PointOf(LPARAM lParam)
{
    POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    return at;
}

}  // namespace

void PaintChartView(HWND mainWindow, HDC dc)
{
    RECT area;
    GetClientRect(mainWindow, &area);
    RECT bar = {0, 0, 0, 0};
    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    if (toolbar)
        GetClientRect(toolbar, &bar);
    area.top += bar.bottom + 1;
    int index = 0;
    ViewPainter painter = GetViewPainter(g_main.viewState, GetMenu(mainWindow), &index);
    if (!painter)
        return;
    HFONT font = CreateFontA(-12, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Courier New");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    painter(dc, &area);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

const ChartViewSet* ChartViewsOf(int viewState)
{
    switch (viewState) {
    case kViewShifts: return &kShiftChartViews;
    case kViewPredictions: return &kPredictionChartViews;
    case kViewEvolution: return &kEvolutionChartViews;
    case kViewRisk: return &kRiskChartViews;
    default: return nullptr;
    }
}

void EnterChartView(HWND mainWindow, int viewState)
{
    const ChartViewSet* views = ChartViewsOf(viewState);
    g_main.viewState = viewState;
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (document)
        ShowWindow(document, SW_HIDE);
    SetFocus(mainWindow);
    SetDocumentMode(mainWindow, false);
    {
        WaitCursor wait;
        MarkViewKind(mainWindow, kKindTable);
        ShowSecondView(mainWindow, views ? views->kinds[kKindSecond].menuText : nullptr);
        SetItemText(GetMenu(mainWindow), IDM_VIEW_GRAPH, views ? views->kinds[kKindGraph].menuText : "&Grafico");
        DrawMenuBar(mainWindow);
        ShowWindow(mainWindow, SW_MAXIMIZE);
        Repaint(mainWindow);
    }
    s_tableFlag = true;
}

void SelectViewKind(HWND mainWindow, int command)
{
    int kind = command == IDM_VIEW_GRAPH ? kKindGraph : command == IDM_VIEW_AUDIOGRAM ? kKindSecond : kKindTable;
    WaitCursor wait;
    MarkViewKind(mainWindow, kind);
    // The selected curve is kept across view kinds, but a view that has
    // fewer curves than it names shows them all (the graph has six curves,
    // the audiogram seven).
    char names[kMostCurves][kCurveNameSize];
    int curves = CurveNames(g_main.viewState, kind, names);
    if (curves > 0 && SelectedCurve() >= curves)
        SelectCurve(kAllCurves);
    Repaint(mainWindow);
    s_tableFlag = kind == kKindTable;
}

int CurrentViewKind(HMENU menu)
{
    static const int kOrder[kViewKinds] = {kKindTable, kKindGraph, kKindSecond};
    for (int kind : kOrder) {
        UINT state = GetMenuState(menu, kKindCommands[kind], MF_BYCOMMAND);
        if (state != (UINT)-1 && (state & MF_GRAYED))
            return kind;
    }
    return -1;
}

ViewPainter GetViewPainter(int viewState, HMENU menu, int* index)
{
    const ChartViewSet* views = viewState <= kViewRisk ? ChartViewsOf(viewState) : nullptr;
    int kind = CurrentViewKind(menu);
    if (!views || kind < 0 || !views->kinds[kind].painter)
        return nullptr;
    if (index)
        *index = viewState + kind;
    return views->kinds[kind].painter;
}

const char* ChartJobName(int index)
{
    const ChartViewSet* views = ChartViewsOf(index - index % kViewKinds);
    if (!views || index < 0)
        return "";
    const char* name = views->kinds[index % kViewKinds].jobName;
    return name ? name : "";
}

void ShowReportDocument(HWND mainWindow)
{
    if (!ChartShown())
        return;
    g_main.viewState = kViewDocument;
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (document)
        ShowWindow(document, SW_SHOW);
    ShowWindow(mainWindow, SW_RESTORE);
    SetDocumentMode(mainWindow, true);
    Repaint(mainWindow);
    if (document)
        SetFocus(document);
}

bool ChartTableFlag()
{
    return s_tableFlag;
}

HMENU BuildChartPopup(HWND mainWindow)
{
    if (!ChartShown() || s_tableFlag)
        return nullptr;
    char names[kMostCurves][kCurveNameSize];
    int count = CurveNames(g_main.viewState, CurrentViewKind(GetMenu(mainWindow)), names);
    if (count <= 0)
        return nullptr;
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < count; ++i)
        AppendMenuA(popup, MF_STRING, IDM_CURVE_FIRST + i, names[i]);
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING, IDM_CURVE_ALL, "Tutto");
    EnableMenuItem(popup, IDM_CURVE_FIRST + SelectedCurve(), MF_BYCOMMAND | MF_GRAYED);
    return popup;
}

void SetPopupTracker(PopupTracker tracker)
{
    s_tracker = tracker ? tracker : TrackWithMenu;
}

bool ChartViewCommand(HWND mainWindow, int command)
{
    switch (command) {
    case IDM_NIPTS:
    case IDM_HTLA:
    case IDM_HTLAN:
        OpenShiftCalculator(mainWindow, command);
        return true;
    case IDM_RISK:
        OpenChartCalculator(mainWindow, "RISK", RiskDialogProc, kViewRisk);
        return true;
    case IDM_PREDICTIONS:
        OpenChartCalculator(mainWindow, "CONFRONTO", PredictionDialogProc, kViewPredictions);
        return true;
    case IDM_EVOLUTION:
        OpenChartCalculator(mainWindow, "PEPPECUR", EvolutionDialogProc, kViewEvolution);
        return true;
    case IDM_VIEW_TABLE:
    case IDM_VIEW_GRAPH:
    case IDM_VIEW_AUDIOGRAM:
        // A chart without a third view has no item 1024 to choose.
        if (ChartShown() && HasItem(GetMenu(mainWindow), command))
            SelectViewKind(mainWindow, command);
        return true;
    case IDM_VIEW_DOCUMENT:
        if (!ChartShown())
            return false;
        ShowReportDocument(mainWindow);
        return true;
    case IDM_PRINT:
        if (!ChartShown())
            return false;
        PrintView(mainWindow);
        return true;
    case IDM_COPY:
        if (!ChartShown())
            return false;
        if (s_tableFlag)
            CopyTable(mainWindow);
        else
            CopyChartPicture(mainWindow);
        return true;
    case IDM_SAVE:
    case IDM_SAVE_AS:
        if (!ChartShown())
            return false;
        SaveChartAs(mainWindow);
        return true;
    }
    if (command >= IDM_CURVE_ALL && command <= IDM_CURVE_LAST) {
        ChooseCurve(mainWindow, command - IDM_CURVE_FIRST);
        return true;
    }
    return false;
}

bool ChartViewMessage(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_SIZE:
        ClearChartSelection();
        return false;
    case WM_KEYDOWN:
        OnKeyDown(mainWindow, wParam);
        return true;
    }
    if (!ChartShown())
        return false;
    switch (message) {
    case WM_PAINT:
        OnPaint(mainWindow);
        return true;
    case WM_LBUTTONDOWN:
        ChartButtonDown(mainWindow, PointOf(lParam));
        return true;
    case WM_MOUSEMOVE:
        ChartMouseMove(mainWindow, PointOf(lParam), (wParam & MK_LBUTTON) != 0);
        return true;
    case WM_LBUTTONUP:
        ChartButtonUp(mainWindow, PointOf(lParam));
        return true;
    case WM_RBUTTONUP: {
        POINT at = PointOf(lParam);
        ClientToScreen(mainWindow, &at);
        OpenPopup(mainWindow, at);
        return true;
    }
    }
    return false;
}
