#include "framework/list_draw.h"

#include <commctrl.h>

#include <cstring>

static int TextWidth(HDC dc, const char* text, int length)
{
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

void ShortenToWidth(HDC dc, char* text, size_t capacity, int width)
{
    int length = (int)strnlen(text, capacity - 1);
    if (TextWidth(dc, text, length) <= width - 4)
        return;
    int dots = TextWidth(dc, "...", 3);
    if (dots > width - 4)
        return;
    while (length > 0 && TextWidth(dc, text, length) + dots > width - 4)
        --length;
    if ((size_t)length + 4 > capacity)
        length = (int)capacity - 4;
    memcpy(text + length, "...", 4);
}

bool MeasureListItem(HWND dialog, MEASUREITEMSTRUCT* measure)
{
    if (measure->CtlType != ODT_LISTVIEW)
        return false;
    HWND list = GetDlgItem(dialog, (int)measure->CtlID);
    HDC dc = GetDC(list);
    HFONT font = (HFONT)SendMessageA(list, WM_GETFONT, 0, 0);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(list, dc);
    UINT height = (UINT)(metrics.tmHeight + 1);
    measure->itemHeight = height < 17 ? 17 : height;
    return true;
}

bool DrawListItem(HWND dialog, const DRAWITEMSTRUCT* draw)
{
    if (draw->CtlType != ODT_LISTVIEW)
        return false;
    if (!(draw->itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)))
        return true;
    HWND list = draw->hwndItem;
    HDC dc = draw->hDC;
    int item = (int)draw->itemID;

    LVITEMA row = {};
    row.mask = LVIF_IMAGE | LVIF_STATE;
    row.iItem = item;
    row.stateMask = 0xFFFF;
    SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&row);

    bool selected = (draw->itemState & ODS_SELECTED) != 0;
    COLORREF oldText = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    COLORREF oldBack = SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    RECT rowRect = draw->rcItem;
    int left = rowRect.left;
    HIMAGELIST images = (HIMAGELIST)SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
    if (images) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        ImageList_Draw(images, row.iImage, dc, left, rowRect.top, selected ? ILD_BLEND50 : ILD_NORMAL);
        left += cx;
    }
    int textStart = left;

    HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
    int columns = header ? (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 1;
    int x = rowRect.left;
    for (int column = 0; column < columns; ++column) {
        int width = (int)SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0);
        RECT cell = {x, rowRect.top, x + width, rowRect.bottom};
        if (column == 0)
            cell.left = textStart;
        char text[261] = "";
        LVITEMA cellItem = {};
        cellItem.iSubItem = column;
        cellItem.pszText = text;
        cellItem.cchTextMax = sizeof text - 4;
        SendMessageA(list, LVM_GETITEMTEXTA, item, (LPARAM)&cellItem);
        ShortenToWidth(dc, text, sizeof text, cell.right - cell.left);
        ExtTextOutA(dc, cell.left + 2, cell.top + 1, ETO_CLIPPED | ETO_OPAQUE, &cell, text,
                    (UINT)strlen(text), nullptr);
        x += width;
    }

    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    if (draw->itemState & ODS_FOCUS) {
        RECT focus = rowRect;
        focus.left = textStart;
        DrawFocusRect(dc, &focus);
    }
    return true;
}

bool RepaintAfterColumnResize(const NMHDR* header)
{
    switch (header->code) {
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
        break;
    default:
        return false;
    }
    HWND list = header->hwndFrom;
    char name[32] = "";
    GetClassNameA(list, name, sizeof name);
    if (lstrcmpiA(name, WC_LISTVIEWA) != 0)
        list = GetParent(list);
    InvalidateRect(list, nullptr, TRUE);
    return true;
}

void SelectRowOnFocus(HWND list)
{
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) <= 0)
        return;
    int row = (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row < 0 ? 0 : row, (LPARAM)&state);
}

INT_PTR ColourResult(HDC dc)
{
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)GetSysColorBrush(COLOR_MENU);
}

INT_PTR ListDrawMessage(HWND dialog, UINT message, LPARAM lParam)
{
    if (message == WM_MEASUREITEM)
        return MeasureListItem(dialog, (MEASUREITEMSTRUCT*)lParam);
    if (message == WM_DRAWITEM)
        return DrawListItem(dialog, (const DRAWITEMSTRUCT*)lParam);
    return FALSE;
}

bool ListRowNotify(HWND dialog, const NMHDR* header, int listId, void (*editRow)(HWND dialog))
{
    if ((int)header->idFrom != listId)
        return false;
    HWND list = GetDlgItem(dialog, listId);
    switch (header->code) {
    case NM_DBLCLK:
        if (SelectedListRow(dialog, listId) >= 0)
            editRow(dialog);
        return true;
    case NM_SETFOCUS:
        SelectRowOnFocus(list);
        return true;
    }
    return false;
}

int SelectedListRow(HWND dialog, int listId)
{
    return (int)SendDlgItemMessageA(dialog, listId, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

int InsertListRow(HWND list, int row, const char* text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = (LPSTR)text;
    return (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
}
