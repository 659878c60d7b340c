#include "iso1999/dialog_fields.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "framework/number_text.h"
#include "framework/ui_text.h"
#include "iso1999/view_text.h"
#include "resources/resource.h"

void ShowFieldNumber(HWND dialog, int id, double value)
{
    char text[kShownNumberSize];
    FormatNumber(text, sizeof text, "%3.0f", value);
    SetDlgItemTextA(dialog, id, text);
}

double ReadFieldNumber(HWND dialog, int id)
{
    char text[8];
    ItemText(dialog, id, text, sizeof text);
    return LeadingNumber(text);
}

bool RefuseField(HWND dialog, const char* text, const char* caption, int field)
{
    MessageBoxA(dialog, text, caption, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, field));
    SendDlgItemMessageA(dialog, field, EM_SETSEL, 0, -1);
    return false;
}

void FillNumberList(HWND dialog, int id, const int* numbers, int count, int selected)
{
    SendDlgItemMessageA(dialog, id, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char item[16];
        snprintf(item, sizeof item, "%d", numbers[i]);
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, (LPARAM)item);
    }
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, (WPARAM)selected, 0);
}

int ChosenPosition(HWND dialog, int id)
{
    LRESULT position = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? -1 : (int)position;
}

int ChosenNumber(HWND dialog, int id)
{
    int position = ChosenPosition(dialog, id);
    if (position < 0)
        return 0;
    LRESULT length = SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, (WPARAM)position, 0);
    char item[32] = "";
    if (length == CB_ERR || length >= (LRESULT)sizeof item)
        return 0;
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, (WPARAM)position, (LPARAM)item);
    return atoi(item);
}

void CreateDialogStatusBar(HWND dialog, const char* text)
{
    CreateStatusWindowA(WS_CHILD | WS_VISIBLE, text, dialog, IDC_STATUS_BAR);
}
