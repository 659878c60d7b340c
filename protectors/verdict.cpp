#include "protectors/verdict.h"

#include <cstring>

#include "framework/number_text.h"

const char* ProtectionVerdict(double le, double la)
{
    if (le > la)
        return "INSUFFICIENTE.";
    if (le > la - 5.0)
        return "ACCETTABILE.";
    if (le > la - 10.0)
        return "BUONA.";
    if (le > la - 15.0)
        return "ACCETTABILE.";
    return "TROPPO ALTA (IPERPROTEZIONE).";
}

static void Append(char* out, size_t capacity, size_t* used, const char* text)
{
    size_t n = strnlen(text, capacity - 1 - *used);
    memcpy(out + *used, text, n);
    *used += n;
    out[*used] = '\0';
}

void BuildVerdictText(double le, double la, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    out[0] = '\0';
    size_t used = 0;
    char number[kVerdictTextSize];
    Append(out, capacity, &used, "Con l'otoprotettore scelto, il livello di pressione sonora ");
    Append(out, capacity, &used, "equivalente risultante all'orecchio del lavoratore è pari a ");
    FormatNumber(number, sizeof number, "%4.1f", le);
    Append(out, capacity, &used, number);
    Append(out, capacity, &used, " dBA.\r\nIl livello d'azione è ");
    FormatNumber(number, sizeof number, "%4.1f", la);
    Append(out, capacity, &used, number);
    Append(out, capacity, &used, " dBA.\r\nLa protezione offerta dal DPI è da ritenersi ");
    Append(out, capacity, &used, ProtectionVerdict(le, la));
}
