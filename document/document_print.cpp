#include "document/document_print.h"

#include <richedit.h>

#include <string>
#include <vector>

#include "document/page_loop.h"
#include "document/plain_text.h"
#include "framework/printing.h"

namespace {

const int kTwipsPerInch = 1440;

struct PageJob {
    HWND document;
    FORMATRANGE range;
    RECT area;
};

// The range to print: the selection, or the whole text when none.
CHARRANGE PrintRange(HWND document)
{
    CHARRANGE range = {0, 0};
    SendMessageA(document, EM_EXGETSEL, 0, (LPARAM)&range);
    if (range.cpMin == range.cpMax) {
        range.cpMin = 0;
        range.cpMax = GetWindowTextLengthA(document);
    }
    return range;
}

long PrintOnePage(void* context, long first)
{
    PageJob* job = (PageJob*)context;
    if (StartPage(job->range.hdc) <= 0)
        return -1;
    job->range.rc = job->area;
    job->range.chrg.cpMin = first;
    long next = (long)SendMessageA(job->document, EM_FORMATRANGE, TRUE, (LPARAM)&job->range);
    if (EndPage(job->range.hdc) <= 0)
        return -1;
    return next;
}

std::string RangeText(HWND document, CHARRANGE range)
{
    std::vector<char> text((size_t)(range.cpMax - range.cpMin) + 1, '\0');
    TEXTRANGEA request = {range, text.data()};
    SendMessageA(document, EM_GETTEXTRANGE, 0, (LPARAM)&request);
    return text.data();
}

// Where the control lays out no page (Wine's rich edit does not), the text
// goes through the calculators' text printout instead of an empty job.
bool PrintPlainText(HWND document, CHARRANGE range, const char* jobName)
{
    std::string text = RangeText(document, range);
    TextPrintout print;
    if (!BeginTextPrintout(&print, jobName, 500))
        return false;
    SIZE cell = {0, 0};
    GetTextExtentPoint32A(print.dc, "M", 1, &cell);
    int columns = cell.cx > 0 ? print.pageWidth / cell.cx : 80;
    for (const std::string& line : PlainTextLines(text, columns)) {
        PrintAt(&print, 0, line.c_str());
        if (!NextPrintLine(&print))
            return false;
    }
    EndTextPrintout(&print, "");
    return true;
}

}  // namespace

bool PrintReportDocument(HWND document, const char* documentName)
{
    HDC dc = DefaultPrinterDC();
    if (!dc)
        return false;
    int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    PageJob job = {};
    job.document = document;
    job.range.hdc = dc;
    job.range.hdcTarget = dc;
    job.range.rcPage.right = dpiX > 0 ? GetDeviceCaps(dc, HORZRES) / dpiX * kTwipsPerInch : 0;
    job.range.rcPage.bottom = dpiY > 0 ? GetDeviceCaps(dc, VERTRES) / dpiY * kTwipsPerInch : 0;
    job.area = job.range.rcPage;
    InflateRect(&job.area, -kTwipsPerInch, -kTwipsPerInch);
    SetBkMode(dc, TRANSPARENT);
    CHARRANGE range = PrintRange(document);
    job.range.chrg = range;
    const char* jobName = documentName && documentName[0] ? documentName : "Senza titolo";

    // Measure the first page before starting the job.
    job.range.rc = job.area;
    long fitted = (long)SendMessageA(document, EM_FORMATRANGE, FALSE, (LPARAM)&job.range);
    SendMessageA(document, EM_FORMATRANGE, FALSE, 0);
    if (fitted <= range.cpMin) {
        DeleteDC(dc);
        return PrintPlainText(document, range, jobName);
    }

    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = jobName;
    if (StartDocA(dc, &doc) <= 0) {
        DeleteDC(dc);
        return false;
    }
    PageLoopResult result = PrintPages(range.cpMin, range.cpMax, PrintOnePage, &job);
    SendMessageA(document, EM_FORMATRANGE, FALSE, 0);
    if (result.end == kPageFailed)
        AbortDoc(dc);
    else
        EndDoc(dc);
    DeleteDC(dc);
    if (result.end == kPageStuck)
        MessageBoxA(GetParent(document),
                    "Il documento non è stato stampato per intero: una parte non entra nella pagina.",
                    "Stampa", MB_OK | MB_ICONEXCLAMATION);
    return result.end == kPagesDone;
}
