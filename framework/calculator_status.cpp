#include "framework/calculator_status.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "resources/resource.h"

static const char kNoFile[] = "Nessun file selezionato";

HWND CreateCalculatorStatusBar(HWND dialog, const char* path)
{
    return CreateStatusWindowA(WS_CHILD | WS_VISIBLE, path && *path ? path : kNoFile, dialog,
                               IDC_STATUS_BAR);
}

void SetCalculatorStatus(HWND dialog, const char* text)
{
    SetDlgItemTextA(dialog, IDC_STATUS_BAR, text && *text ? text : kNoFile);
}

bool TakeDroppedFile(HDROP drop, const char* extension, char* path, size_t capacity)
{
    bool taken = false;
    path[0] = '\0';
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1 &&
        DragQueryFileA(drop, 0, nullptr, 0) < capacity &&
        DragQueryFileA(drop, 0, path, (UINT)capacity) > 0) {
        const char* name = strrchr(path, '\\');
        const char* dot = strrchr(name ? name : path, '.');
        taken = dot && strcasecmp(dot, extension) == 0;
    }
    DragFinish(drop);
    return taken;
}

void ReportSaveFailure(HWND owner, const char* path)
{
    char text[MAX_PATH + 160];
    snprintf(text, sizeof text,
             "Impossibile salvare il file\n%s\n\nIl file potrebbe essere protetto da scrittura, "
             "oppure il disco è pieno. I dati non sono stati salvati.",
             path);
    MessageBoxA(owner, text, "Salvataggio file di dati", MB_OK | MB_ICONEXCLAMATION);
}
