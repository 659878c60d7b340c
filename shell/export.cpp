#include "shell/export.h"

#include <cstring>
#include <strings.h>
#include <vector>

#include "framework/calculator_status.h"
#include "framework/chart_views.h"
#include "framework/clipboard.h"
#include "framework/file_dialogs.h"
#include "framework/ui_text.h"
#include "resources/resource.h"
#include "shell/bitmap_file.h"
#include "shell/chart_selection.h"
#include "shell/chart_view.h"
#include "shell/main_state.h"

namespace {

struct Piece {
    const void* bytes;
    size_t size;
};

// Replaces path with the pieces; true only when every byte reached the file.
// A file left half-written is removed rather than left looking complete.
bool WritePieces(const char* path, const Piece* pieces, int count)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = true;
    for (int i = 0; i < count && written; ++i) {
        DWORD done = 0;
        if (pieces[i].size > 0 &&
            (!WriteFile(file, pieces[i].bytes, (DWORD)pieces[i].size, &done, nullptr) || done != pieces[i].size))
            written = false;
    }
    if (!SetEndOfFile(file))
        written = false;
    if (!CloseHandle(file))
        written = false;
    if (!written)
        DeleteFileA(path);
    return written;
}

// The extension of the file-name part, from its last "."; nullptr if none.
const char* ExtensionOf(const char* path)
{
    const char* slash = strrchr(path, '\\');
    const char* name = slash ? slash + 1 : path;
    return strrchr(name, '.');
}

bool HasArea(const RECT& r)
{
    return r.right > r.left && r.bottom > r.top;
}

bool ExportTable(const char* path)
{
    const ChartViewSet* views = ChartViewsOf(g_main.viewState);
    if (!views || !views->table)
        return false;
    std::vector<char> text(kReportTextSize, '\0');
    char separator[kListSeparatorMax + 1];
    ListSeparator(separator);
    views->table(text.data(), separator);
    text[kReportTextSize - 1] = '\0';
    Piece piece = {text.data(), strlen(text.data())};
    return WritePieces(path, &piece, 1);
}

bool ExportPicture(HWND mainWindow, const char* path)
{
    // The rectangle's frame must not reach the file, and the file holds the
    // whole chart, not the part the rectangle marks.
    ClearChartSelection();
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);

    HBITMAP bitmap = CaptureChart(mainWindow);
    if (!bitmap)
        return false;
    BITMAP shape = {};
    GetObjectA(bitmap, sizeof shape, &shape);
    HDC screen = GetDC(nullptr);
    int depth = BitmapDepth(GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, PLANES));
    BitmapLayout layout;
    bool written = false;
    if (LayOutBitmap(shape.bmWidth, shape.bmHeight, depth, &layout)) {
        std::vector<unsigned char> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
        BITMAPINFO* format = (BITMAPINFO*)info.data();
        format->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        format->bmiHeader.biWidth = layout.width;
        format->bmiHeader.biHeight = layout.height;
        format->bmiHeader.biPlanes = 1;
        format->bmiHeader.biBitCount = (WORD)layout.depth;
        format->bmiHeader.biCompression = BI_RGB;
        std::vector<unsigned char> pixels(layout.imageSize, 0);
        if (GetDIBits(screen, bitmap, 0, (UINT)layout.height, pixels.data(), format, DIB_RGB_COLORS) ==
            layout.height) {
            unsigned char headers[kBitmapHeadersSize];
            WriteBitmapHeaders(layout, headers);
            Piece pieces[] = {{headers, sizeof headers},
                              {format->bmiColors, layout.colours * sizeof(RGBQUAD)},
                              {pixels.data(), pixels.size()}};
            written = WritePieces(path, pieces, 3);
        }
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return written;
}

}  // namespace

RECT ChartArea(HWND mainWindow)
{
    RECT area;
    GetClientRect(mainWindow, &area);
    HWND toolbar = MainChild(IDC_MAIN_TOOLBAR);
    if (toolbar && IsWindowVisible(toolbar)) {
        RECT bar;
        GetWindowRect(toolbar, &bar);
        MapWindowPoints(nullptr, mainWindow, (POINT*)&bar, 2);
        if (bar.bottom > area.top)
            area.top = bar.bottom;
    }
    HWND status = MainChild(IDC_STATUS_BAR);
    if (status && IsWindowVisible(status)) {
        RECT bar;
        GetWindowRect(status, &bar);
        MapWindowPoints(nullptr, mainWindow, (POINT*)&bar, 2);
        if (bar.top < area.bottom)
            area.bottom = bar.top;
    }
    if (area.bottom < area.top)
        area.bottom = area.top;
    RECT selection = ChartSelection();
    if (HasArea(selection)) {
        // Inside the frame, and only what the window shows.
        InflateRect(&selection, -1, -1);
        RECT inside;
        if (!IntersectRect(&inside, &selection, &area))
            SetRectEmpty(&inside);
        return inside;
    }
    return area;
}

HBITMAP CaptureChart(HWND mainWindow)
{
    RECT area = ChartArea(mainWindow);
    if (!HasArea(area))
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(screen, area.right - area.left, area.bottom - area.top) : nullptr;
    ReleaseDC(nullptr, screen);
    if (!bitmap) {
        if (memory)
            DeleteDC(memory);
        return nullptr;
    }
    // Drawn again rather than copied from the screen: whatever lies over the
    // window (a menu, a tooltip, another program) stays out of the picture,
    // and so does the selection rectangle's frame.
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
    RECT client;
    GetClientRect(mainWindow, &client);
    FillRect(memory, &client, GetSysColorBrush(COLOR_WINDOW));
    PaintChartView(mainWindow, memory);
    SelectObject(memory, old);
    DeleteDC(memory);
    return bitmap;
}

ExportResult ExportChart(HWND mainWindow, const char* path)
{
    const char* extension = ExtensionOf(path);
    bool table = ChartTableFlag();
    bool written;
    if (extension && strcasecmp(extension, ".csv") == 0 && table)
        written = ExportTable(path);
    else if (extension && strcasecmp(extension, ".bmp") == 0 && !table)
        written = ExportPicture(mainWindow, path);
    else
        return kExportWrongType;
    if (written)
        return kExported;
    ReportSaveFailure(mainWindow, path);
    return kExportFailed;
}

bool SaveChartAs(HWND mainWindow)
{
    char title[64];
    LoadStr(title, sizeof title, IDS_SAVE_DATA_TITLE);
    UINT filter = ChartTableFlag() ? IDS_FILTER_CSV : IDS_FILTER_BMP;
    for (;;) {
        char path[256];
        if (!SaveDataFileDialog(mainWindow, title, filter, path, sizeof path))
            return false;
        ExportResult result = ExportChart(mainWindow, path);
        if (result != kExportWrongType)
            return result == kExported;
    }
}

void CopyChartPicture(HWND mainWindow)
{
    HBITMAP bitmap = CaptureChart(mainWindow);
    if (!bitmap)
        return;
    if (!PutOnClipboard(mainWindow, CF_BITMAP, bitmap)) {
        DeleteObject(bitmap);
        ReportCopyFailure(mainWindow);
    }
}
