#include "framework/printer_device.h"

#include <cstring>

// Copies the next token ended by "," or a blank (skipping leading ones).
static const char* NextToken(const char* text, char* out, size_t capacity)
{
    while (*text == ',' || *text == ' ')
        ++text;
    size_t n = 0;
    while (text[n] && text[n] != ',' && text[n] != ' ')
        ++n;
    size_t copy = n < capacity - 1 ? n : capacity - 1;
    memcpy(out, text, copy);
    out[copy] = '\0';
    return text + n;
}

bool SplitPrinterDevice(const char* entry, PrinterDevice* out)
{
    out->device[0] = out->driver[0] = out->port[0] = '\0';
    if (!entry)
        return false;
    const char* comma = strchr(entry, ',');
    if (!comma)
        return false;
    size_t n = (size_t)(comma - entry);
    if (n >= sizeof out->device)
        n = sizeof out->device - 1;
    memcpy(out->device, entry, n);
    out->device[n] = '\0';
    const char* rest = NextToken(comma + 1, out->driver, sizeof out->driver);
    NextToken(rest, out->port, sizeof out->port);
    return out->device[0] && out->driver[0] && out->port[0];
}
