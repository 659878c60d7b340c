#include "framework/field_keys.h"

#include "framework/data_file.h"
#include "framework/ui_text.h"

void SaveFieldKeys(HWND dialog, const char* path, const FieldKey* keys, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        char text[16];
        ItemText(dialog, keys[i].control, text, sizeof text);
        WriteKey(path, keys[i].section, keys[i].key, text);
    }
}

void LoadFieldKeys(HWND dialog, const char* path, const FieldKey* keys, size_t count,
                   const char* fallback)
{
    for (size_t i = 0; i < count; ++i) {
        char text[16];
        if (ReadKey(path, keys[i].section, keys[i].key, "", text, sizeof text) > 0)
            SetDlgItemTextA(dialog, keys[i].control, text);
        else if (fallback)
            SetDlgItemTextA(dialog, keys[i].control, fallback);
    }
}

bool PrintFields(TextPrintout* print, HWND dialog, const PrintedField* fields, size_t count, int x)
{
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && !NextPrintLine(print))
            return false;
        char text[16];
        PrintAt(print, 0, fields[i].label);
        ItemText(dialog, fields[i].control, text, sizeof text);
        PrintAt(print, x, text);
    }
    return true;
}
