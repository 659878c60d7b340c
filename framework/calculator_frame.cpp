#include "framework/calculator_frame.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "framework/file_dialogs.h"
#include "framework/ui_text.h"
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

bool LoadCalculatorFile(HWND dialog, const char* path, const CalculatorFiles& files)
{
    if (!files.load(dialog, path))
        return false;
    SetCalculatorStatus(dialog, path);
    return true;
}

static void SaveAs(HWND dialog, const CalculatorFiles& files)
{
    char title[64];
    LoadStr(title, sizeof title, IDS_SAVE_DATA_TITLE);
    char path[MAX_PATH];
    if (!SaveDataFileDialog(dialog, title, files.filterId, path, sizeof path))
        return;
    if (files.save(dialog, path))
        SetCalculatorStatus(dialog, path);
}

bool CalculatorFileCommand(HWND dialog, int command, const CalculatorFiles& files)
{
    switch (command) {
    case IDM_CALC_OPEN: {
        char title[64];
        LoadStr(title, sizeof title, IDS_LOAD_DATA_TITLE);
        char path[MAX_PATH];
        if (OpenDataFileDialog(dialog, title, files.filterId, path, sizeof path))
            LoadCalculatorFile(dialog, path, files);
        return true;
    }
    case IDM_CALC_SAVE:
        if (files.currentFile[0])
            files.save(dialog, files.currentFile);
        else
            SaveAs(dialog, files);
        return true;
    case IDM_CALC_SAVE_AS:
        SaveAs(dialog, files);
        return true;
    case IDM_COPY:
        CopyReport(dialog, files.report);
        return true;
    case IDM_CALC_PRINT: {
        HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        files.print(dialog);
        SetCursor(old);
        return true;
    }
    }
    return false;
}

bool TakeDroppedFile(HDROP drop, const char* extension, char* path, size_t capacity)
{
    bool taken = false;
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1 &&
        DragQueryFileA(drop, 0, path, (UINT)capacity) > 0) {
        const char* name = strrchr(path, '\\');
        const char* dot = strrchr(name ? name : path, '.');
        taken = dot && strcasecmp(dot, extension) == 0;
    }
    DragFinish(drop);
    return taken;
}
