#include "framework/printing.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/printer_device.h"

static char s_printComment[1024];
static bool s_colour = true;

const char* PrintComment()
{
    return s_printComment;
}

void SetPrintComment(const char* comment)
{
    snprintf(s_printComment, sizeof s_printComment, "%s", comment ? comment : "");
}

bool ColourFlag()
{
    return s_colour;
}

void SetColourFlag(bool on)
{
    s_colour = on;
}

HDC DefaultPrinterDC()
{
    char entry[80] = "";
    GetProfileStringA("windows", "device", "", entry, sizeof entry);
    PrinterDevice printer;
    if (!SplitPrinterDevice(entry, &printer))
        return nullptr;
    return CreateDCA(printer.driver, printer.device, printer.port, nullptr);
}

bool DefaultPrinterReady(HWND owner)
{
    if (HDC dc = DefaultPrinterDC()) {
        DeleteDC(dc);
        return true;
    }
    MessageBoxA(owner, "Nessuna stampante predefinita: impossibile stampare.", "Stampa",
                MB_OK | MB_ICONEXCLAMATION);
    return false;
}

int PrinterFontHeight(HDC printer)
{
    TEXTMETRICA metrics;
    GetTextMetricsA(printer, &metrics);
    int dpi = GetDeviceCaps(printer, LOGPIXELSY);
    if (dpi <= 0)
        dpi = 72;
    int points = -(metrics.tmHeight - metrics.tmInternalLeading) * 72 / dpi;
    return points * dpi / 72;
}

void PageRect(HDC printer, RECT* page)
{
    SetMapMode(printer, MM_TEXT);
    page->left = 0;
    page->top = 0;
    page->right = GetDeviceCaps(printer, HORZRES);
    page->bottom = GetDeviceCaps(printer, VERTRES);
}

// "Courier New" at the printer's default character height, but never above
// 12 points: some drivers' default font is so large that the second column,
// at half the page, would overwrite the first.
static HFONT CreatePrinterFont(HDC printer, int weight)
{
    int height = PrinterFontHeight(printer);
    int largest = -12 * GetDeviceCaps(printer, LOGPIXELSY) / 72;
    if (height < largest)
        height = largest;
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, "Courier New");
}

bool BeginTextPrintout(TextPrintout* print, const char* jobName, int weight)
{
    memset(print, 0, sizeof *print);
    print->dc = DefaultPrinterDC();
    if (!print->dc)
        return false;
    print->pageHeight = GetDeviceCaps(print->dc, VERTRES);
    print->pageWidth = GetDeviceCaps(print->dc, HORZRES);

    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = jobName;
    if (StartDocA(print->dc, &doc) <= 0) {
        DeleteDC(print->dc);
        return false;
    }
    if (StartPage(print->dc) <= 0) {
        EndDoc(print->dc);
        DeleteDC(print->dc);
        return false;
    }
    TEXTMETRICA metrics;
    GetTextMetricsA(print->dc, &metrics);
    print->lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    if (print->lineHeight <= 0)
        print->lineHeight = 1;
    print->linesPerPage = print->pageHeight / print->lineHeight - 1;
    print->font = CreatePrinterFont(print->dc, weight);
    print->oldFont = SelectObject(print->dc, print->font);
    SetBkMode(print->dc, TRANSPARENT);
    print->line = 2;
    return true;
}

void PrintAt(TextPrintout* print, int x, const char* text)
{
    TextOutA(print->dc, x, print->line * print->lineHeight, text, (int)strlen(text));
}

static void Release(TextPrintout* print)
{
    if (print->oldFont)
        SelectObject(print->dc, print->oldFont);
    if (print->font)
        DeleteObject(print->font);
    DeleteDC(print->dc);
    print->dc = nullptr;
}

bool NextPrintLine(TextPrintout* print)
{
    ++print->line;
    if (print->line <= print->linesPerPage)
        return true;
    print->line = 1;
    if (EndPage(print->dc) <= 0 || StartPage(print->dc) <= 0) {
        AbortDoc(print->dc);
        Release(print);
        return false;
    }
    // A new page starts with the device's defaults: select the font again.
    SelectObject(print->dc, print->font);
    SetBkMode(print->dc, TRANSPARENT);
    return true;
}

void PrintNotesFrom(TextPrintout* print, int top, const char* notes)
{
    if (!notes || !notes[0])
        return;
    RECT area = {0, top, print->pageWidth, print->pageHeight};
    RECT measure = area;
    int height = DrawTextA(print->dc, notes, -1, &measure, DT_WORDBREAK | DT_CALCRECT);
    if (top + height > print->pageHeight) {
        if (EndPage(print->dc) <= 0 || StartPage(print->dc) <= 0)
            return;
        SelectObject(print->dc, print->font);
        SetBkMode(print->dc, TRANSPARENT);
        area.top = 0;
    }
    DrawTextA(print->dc, notes, -1, &area, DT_WORDBREAK);
}

void EndTextPrintout(TextPrintout* print, const char* notes)
{
    if (!print->dc)
        return;
    PrintNotesFrom(print, (print->line + 3) * print->lineHeight, notes);
    EndPage(print->dc);
    EndDoc(print->dc);
    Release(print);
}

bool PrintChart(const char* jobName, ViewPainter painter, const char* comment)
{
    HDC dc = DefaultPrinterDC();
    if (!dc)
        return false;
    HFONT font = CreatePrinterFont(dc, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT page;
    PageRect(dc, &page);
    RECT band = {0, page.bottom - page.bottom / 16, page.right, page.bottom};
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = jobName;
    bool ok = false;
    if (StartDocA(dc, &doc) > 0) {
        if (StartPage(dc) > 0) {
            // NUMCOLORS is -1 on devices of more than 256 colours.
            int colours = GetDeviceCaps(dc, NUMCOLORS);
            SetColourFlag(colours > 2 || colours < 0);
            SetBkMode(dc, TRANSPARENT);
            painter(dc, &page);
            SetColourFlag(true);
            if (comment && comment[0]) {
                RECT measure = band;
                int height = DrawTextA(dc, comment, -1, &measure, DT_WORDBREAK | DT_CALCRECT);
                if (band.top + height > page.bottom) {
                    EndPage(dc);
                    StartPage(dc);
                    SelectObject(dc, font);
                    band.top = 0;
                }
                DrawTextA(dc, comment, -1, &band, DT_WORDBREAK);
            }
            EndPage(dc);
            ok = true;
        }
        EndDoc(dc);
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    DeleteDC(dc);
    return ok;
}

bool PageSetup(HWND owner)
{
    PAGESETUPDLGA setup = {};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.Flags = PSD_RETURNDEFAULT;
    if (!PageSetupDlgA(&setup))
        return true;
    char device[CCHDEVICENAME + 1] = "";
    if (setup.hDevNames) {
        DEVNAMES* names = (DEVNAMES*)GlobalLock(setup.hDevNames);
        if (names) {
            snprintf(device, sizeof device, "%s", (const char*)names + names->wDeviceOffset);
            GlobalUnlock(setup.hDevNames);
        }
    }
    if (setup.hDevMode)
        GlobalFree(setup.hDevMode);
    if (setup.hDevNames)
        GlobalFree(setup.hDevNames);

    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(device, &printer, &access))
        return false;

    LONG size = DocumentPropertiesA(owner, printer, device, nullptr, nullptr, 0);
    if (size > 0) {
        std::vector<char> out(size);
        DEVMODEA in = {};
        in.dmSize = sizeof in;
        snprintf((char*)in.dmDeviceName, sizeof in.dmDeviceName, "%s", device);
        if (DocumentPropertiesA(owner, printer, device, (DEVMODEA*)out.data(), &in,
                                DM_IN_PROMPT | DM_OUT_BUFFER | DM_IN_BUFFER) == IDOK) {
            DWORD needed = 0;
            GetPrinterA(printer, 2, nullptr, 0, &needed);
            if (needed > 0) {
                std::vector<char> info(needed);
                if (GetPrinterA(printer, 2, (BYTE*)info.data(), needed, &needed)) {
                    PRINTER_INFO_2A* details = (PRINTER_INFO_2A*)info.data();
                    details->pDevMode = (DEVMODEA*)out.data();
                    details->pSecurityDescriptor = nullptr;
                    SetPrinterA(printer, 2, (BYTE*)details, 0);
                }
            }
        }
    }
    ClosePrinter(printer);
    return true;
}
