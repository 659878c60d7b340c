#pragma once
// The verdict on the protection: the effective level LE against the action
// level LA.

#include <cstddef>

enum { kVerdictTextSize = 512 };

// "INSUFFICIENTE." above LA; "ACCETTABILE." within 5 dB below it; "BUONA."
// from 5 to 10 dB below; "ACCETTABILE." from 10 to 15 dB below;
// "TROPPO ALTA (IPERPROTEZIONE)." 15 dB or more below (each band includes its
// upper end).
const char* ProtectionVerdict(double le, double la);

// The results page text: LE and LA "%4.1f" in the fixed sentences, then the
// verdict. Cut to fit out (kVerdictTextSize bytes is always enough).
void BuildVerdictText(double le, double la, char* out, size_t capacity);
