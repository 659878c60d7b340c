#include "shell/paste.h"

#include <richedit.h>

#include <string>

#include "framework/clipboard.h"
#include "resources/resource.h"
#include "shell/main_state.h"
#include "shell/paste_text.h"

namespace {

void PasteCsv(HWND mainWindow, HWND document, UINT format)
{
    if (!OpenClipboard(mainWindow))
        return;
    HGLOBAL block = (HGLOBAL)GetClipboardData(format);
    const char* data = block ? (const char*)GlobalLock(block) : nullptr;
    if (!data) {
        CloseClipboard();
        return;
    }
    char separator[kListSeparatorMax + 1];
    ListSeparator(separator);
    std::string text = CsvAsTabs(data, GlobalSize(block), separator[0]);
    GlobalUnlock(block);
    CloseClipboard();
    SendMessageA(document, EM_REPLACESEL, TRUE, (LPARAM)text.c_str());
}

}  // namespace

UINT FirstPasteFormat()
{
    const UINT formats[] = {g_main.clipboardFormats[kFormatCsv], CF_TEXT,
                            g_main.clipboardFormats[kFormatRtf],
                            g_main.clipboardFormats[kFormatRichEditObjects], CF_DIB, CF_BITMAP};
    for (UINT format : formats)
        if (format && IsClipboardFormatAvailable(format))
            return format;
    return 0;
}

void PasteIntoDocument(HWND mainWindow)
{
    HWND document = MainChild(IDC_REPORT_DOCUMENT);
    if (g_main.viewState != kViewDocument || !document)
        return;
    UINT format = FirstPasteFormat();
    if (!format)
        return;
    if (format == g_main.clipboardFormats[kFormatCsv]) {
        PasteCsv(mainWindow, document, format);
    } else if (format != CF_DIB && format != CF_BITMAP) {
        SendMessageA(document, WM_PASTE, 0, 0);
    } else if (SendMessageA(document, EM_CANPASTE, format, 0)) {
        SendMessageA(document, EM_PASTESPECIAL, format, 0);
    } else {
        MessageBoxA(mainWindow, "Il formato dei dati presenti nella Clipboard non è supportato da Fonexa",
                    "Impossibile incollare gli appunti", MB_OK | MB_ICONINFORMATION);
    }
}
