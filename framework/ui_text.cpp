#include "framework/ui_text.h"

static HINSTANCE s_instance;

void SetResourceInstance(HINSTANCE instance)
{
    s_instance = instance;
}

HINSTANCE ResourceInstance()
{
    return s_instance ? s_instance : GetModuleHandleA(nullptr);
}

int LoadStr(char* buffer, int capacity, UINT id)
{
    if (capacity <= 0)
        return 0;
    buffer[0] = '\0';
    int n = LoadStringA(ResourceInstance(), id, buffer, capacity);
    buffer[capacity - 1] = '\0';
    return n;
}

int MessageBoxIds(HWND owner, UINT captionId, UINT textId)
{
    char caption[64];
    char text[64];
    LoadStr(caption, sizeof caption, captionId);
    LoadStr(text, sizeof text, textId);
    return MessageBoxA(owner, text, caption, MB_OK);
}

void CentreWindow(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ItemText(HWND dialog, int id, char* buffer, int capacity)
{
    if (capacity <= 0)
        return;
    buffer[0] = '\0';
    GetDlgItemTextA(dialog, id, buffer, capacity);
    buffer[capacity - 1] = '\0';
}

bool ConfirmDeletion(HWND owner)
{
    return MessageBoxA(owner, "Sei sicuro di voler eliminare questo elemento dalla lista?",
                       "Conferma operazione", MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
}
