#include "shell/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "document/format_commands.h"
#include "document/ole_host.h"
#include "document/report_document.h"
#include "framework/help.h"
#include "framework/menu_bitmaps.h"
#include "framework/tooltips.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "shell/command_help.h"
#include "shell/dispatch.h"
#include "shell/main_state.h"
#include "shell/main_toolbar.h"
#include "shell/chart_view.h"

#include "exposure/daily_exposure_state.h"

const char kMainClassName[] = "Fonexa_Class";

MainState g_main = {};

HWND MainChild(int id)
{
    return g_main.window ? GetDlgItem(g_main.window, id) : nullptr;
}

void SetStatusText(const char* text)
{
    HWND status = MainChild(IDC_STATUS_BAR);
    if (status)
        SetWindowTextA(status, text);
}

// What DragAcceptFiles does, without loading shell32 before the window shows
// (it is loaded at the first drop).
static void AcceptDroppedFiles(HWND window, bool accept)
{
    LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, accept ? style | WS_EX_ACCEPTFILES : style & ~WS_EX_ACCEPTFILES);
}

static LRESULT OnCreate(HWND window)
{
    g_main.window = window;
    ResetDailyExposureMemory();

    CentreWindow(window);

    AcceptDroppedFiles(window, true);

    CreateMainToolbar(window);
    CreateStatusWindowA(WS_CHILD | WS_VISIBLE,
                        g_main.documentFile[0] ? g_main.documentFile : "Nessun file selezionato",
                        window, IDC_STATUS_BAR);
    if (CreateReportDocument(window))
        CreateFormatToolbar(window);
    SetDocumentMode(window, true);
    return 0;
}

void FinishMainWindow(HWND window)
{
    UpdateWindow(window);
    LoadMenuBitmaps((HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE), true);
    AttachMainMenuBitmaps(GetMenu(window));
    CreateTooltips(window);
}

static void OnSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    HWND format = MainChild(IDC_FORMAT_TOOLBAR);
    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    HWND status = MainChild(IDC_STATUS_BAR);
    if (format)
        SendMessageA(format, WM_SIZE, wParam, lParam);
    if (toolbar)
        SendMessageA(toolbar, WM_SIZE, wParam, lParam);
    if (status)
        SendMessageA(status, WM_SIZE, wParam, lParam);

    RECT client;
    GetClientRect(window, &client);
    RECT bar = {0, 0, 0, 0};
    if (toolbar)
        GetWindowRect(toolbar, &bar);
    int toolbarHeight = bar.bottom - bar.top;
    if (format)
        SetWindowPos(format, nullptr, client.left, client.top + toolbarHeight, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);

    RECT statusClient = {0, 0, 0, 0};
    if (status)
        GetClientRect(status, &statusClient);
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (document) {
        RECT area = client;
        area.top += 2 * toolbarHeight;
        area.bottom -= statusClient.bottom;
        if (area.bottom < area.top)
            area.bottom = area.top;
        PlaceReportDocument(document, area);
    }
}

static void OnPaint(HWND window)
{
    if (g_main.viewState == kViewDocument) {
        ValidateRect(window, nullptr);
        return;
    }
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
}

static void OnClose(HWND window)
{
    if (!ConfirmDocumentSaved(window))
        return;
    ReleaseDocumentObjects();
    DestroyWindow(window);
}

static void OnDestroy(HWND window)
{
    QuitHelp(window, "Fonexa.hlp");
    AcceptDroppedFiles(window, false);
    LoadMenuBitmaps(nullptr, false);
    DestroyTooltips();
    ResetDailyExposureMemory();
    g_main.window = nullptr;
    PostQuitMessage(0);
}

static LRESULT OnNotify(HWND window, const NMHDR* header)
{
    if (header->idFrom == IDC_REPORT_DOCUMENT)
        return OnReportDocumentNotify(window, header);
    if (IsTooltipRequest(header))
        OnToolbarTooltip(header, g_main.viewState);
    return 0;
}

static void OnDropFiles(HWND window, HDROP drop)
{
    char path[MAX_PATH] = "";
    // A path too long for the buffer would come back cut, and could then
    // end in another extension: it is ignored.
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1 &&
        DragQueryFileA(drop, 0, nullptr, 0) < sizeof path &&
        DragQueryFileA(drop, 0, path, sizeof path))
        OpenByExtension(window, path);
    DragFinish(drop);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Paint, keys, mouse and popup of the chart views (shell/chart_view.cpp).
    LRESULT chartResult = 0;
    if (ChartViewMessage(window, message, wParam, lParam, &chartResult))
        return chartResult;

    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_SIZE:
        OnSize(window, wParam, lParam);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_NOTIFY:
        return OnNotify(window, (const NMHDR*)lParam);
    case WM_COMMAND:
        DispatchCommand(window, LOWORD(wParam), lParam, HIWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        UpdatePasteCommand(window);
        return 0;
    case WM_HELP:
        OnMainWindowHelp(window, (const HELPINFO*)lParam);
        return TRUE;
    case WM_DROPFILES:
        OnDropFiles(window, (HDROP)wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
