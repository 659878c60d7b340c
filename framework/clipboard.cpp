#include "framework/clipboard.h"

void ListSeparator(char out[kListSeparatorMax + 1])
{
    out[0] = '\0';
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLIST, out, kListSeparatorMax + 1) <= 0)
        out[0] = '\0';
    out[kListSeparatorMax] = '\0';
}

bool PutOnClipboard(HWND owner, UINT format, HANDLE data)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    bool placed = SetClipboardData(format, data) != nullptr;
    CloseClipboard();
    return placed;
}

void ReportCopyFailure(HWND owner)
{
    MessageBoxA(owner, "Impossibile copiare negli appunti!", "Attenzione:", MB_OK | MB_ICONEXCLAMATION);
}

bool PutCsvOnClipboard(HWND owner, HGLOBAL block)
{
    return PutOnClipboard(owner, RegisterClipboardFormatA("Csv"), block);
}

bool CopyReport(HWND dialog, ReportBuilder build)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kReportTextSize);
    if (!block)
        return false;
    char* text = (char*)GlobalLock(block);
    if (!text) {
        GlobalFree(block);
        return false;
    }
    char separator[kListSeparatorMax + 1];
    ListSeparator(separator);
    ReportText report;
    ReportBegin(&report, text, kReportTextSize, separator);
    build(dialog, &report);
    GlobalUnlock(block);
    if (PutCsvOnClipboard(dialog, block))
        return true;
    GlobalFree(block);
    return false;
}
