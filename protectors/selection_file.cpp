#include "protectors/selection_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "framework/data_file.h"
#include "framework/number_text.h"
#include "protectors/correction.h"

namespace {

const char kType[] = "DPI";
const char kSettings[] = "SETTINGS";
const char kNoise[] = "NOISE";
const char kAttenuation[] = "ATT";
const char kSpectrum[] = "SPECTRUM";

void WriteLevel(const char* path, const char* section, const char* key, const char* format,
                double value)
{
    char text[32];
    FormatNumber(text, sizeof text, format, value);
    WriteKey(path, section, key, text);
}

void WriteFlag(const char* path, const char* key, int value)
{
    WriteKey(path, kSettings, key, value ? "1" : "0");
}

double ReadLevel(const char* path, const char* section, const char* key)
{
    char text[16];
    ReadKey(path, section, key, "", text, sizeof text);
    return FileLevel(LeadingNumber(text));
}

int ReadFlag(const char* path, const char* key)
{
    return ReadIntKey(path, kSettings, key, 0) != 0 ? 1 : 0;
}

// "METODO" as written, "-1" and "0" alike, so that a file is saved back with
// the number it was read with; 0 when missing or not a number of int range.
int ReadMethod(const char* path)
{
    char text[16];
    ReadKey(path, kSettings, "METODO", "", text, sizeof text);
    char* end = nullptr;
    errno = 0;
    long number = strtol(text, &end, 10);
    bool whole = end != text && *end == '\0' && errno == 0;
    return whole && number >= INT_MIN && number <= INT_MAX ? (int)number : 0;
}

// The correction's keys, only while one is on: a file saved without a
// correction is the file this program always wrote.
void WriteCorrection(const char* path, const ProtectorSelection& s)
{
    Derating derating;
    bool on = s.correction != kCorrectionNone && FindDerating(s.correction, s.protectorKind, &derating);
    WriteKey(path, kSettings, "CORREZIONE", on ? CorrectionKey(s.correction) : nullptr);
    WriteKey(path, kSettings, "TIPODPI", on && s.protectorKind != kKindNone ? ProtectorKindKey(s.protectorKind)
                                                                           : nullptr);
}

int KeyIndex(const char* text, const char* (*key)(int), int count)
{
    for (int i = 1; i < count; ++i)
        if (strcasecmp(text, key(i)) == 0)
            return i;
    return -1;
}

// None when the file names no correction (files written before there were
// any); true when it names one this program does not know, or a type its
// source does not list: that too loads as none.
bool ReadCorrection(const char* path, ProtectorSelection* s)
{
    s->correction = kCorrectionNone;
    s->protectorKind = kKindNone;
    char name[32], kind[32];
    if (ReadKey(path, kSettings, "CORREZIONE", "", name, sizeof name) == 0)
        return false;
    int correction = KeyIndex(name, CorrectionKey, kCorrectionCount);
    int protectorKind = ReadKey(path, kSettings, "TIPODPI", "", kind, sizeof kind) == 0
                            ? kKindNone
                            : KeyIndex(kind, ProtectorKindKey, kKindCount);
    Derating derating;
    if (correction < 0 || protectorKind < 0 || !FindDerating(correction, protectorKind, &derating))
        return true;
    s->correction = correction;
    s->protectorKind = protectorKind;
    return false;
}

}  // namespace

bool SaveSelectionFile(const ProtectorSelection& s, const char* path)
{
    if (!WriteFileType(path, kType))
        return false;
    WriteLevel(path, kSettings, "LACT", "%4.1f", s.actionLevel);
    WriteLevel(path, kSettings, "LIVEFF", "%5.1f", s.effectiveLevel);
    for (int k = 0; k < kOctaveBands; ++k) {
        WriteLevel(path, kNoise, OctaveBandTable[k].key, "%5.1f", s.noise[k]);
        WriteLevel(path, kAttenuation, OctaveBandTable[k].key, "%4.1f", s.attenuation[k]);
    }
    WriteLevel(path, kAttenuation, "H", "%4.1f", s.h);
    WriteLevel(path, kAttenuation, "M", "%4.1f", s.m);
    WriteLevel(path, kAttenuation, "L", "%4.1f", s.l);
    WriteLevel(path, kAttenuation, "SNR", "%4.1f", s.snr);
    WriteLevel(path, kNoise, "A", "%5.1f", s.laeq);
    WriteLevel(path, kNoise, "C", "%5.1f", s.lceq);
    WriteKey(path, kNoise, "CLASSE", s.classL ? "1" : "0");
    WriteFlag(path, "R1", s.answer1);
    WriteFlag(path, "R2", s.answer2);
    WriteFlag(path, "LAEQ", s.hasLaeq);
    WriteFlag(path, "LCEQ", s.hasLceq);
    WriteFlag(path, "BDO", s.hasSpectrum);
    WriteIntKey(path, kSettings, "METODO", s.method);
    WriteCorrection(path, s);
    WriteNotes(s.notes, path);
    return true;
}

bool LoadSelectionFile(ProtectorSelection* s, const char* path, bool* unknownCorrection)
{
    if (!IsFileOfType(path, kType))
        return false;
    s->actionLevel = ActionLevelChoice(ReadLevel(path, kSettings, "LACT"));
    s->effectiveLevel = ReadLevel(path, kSettings, "LIVEFF");
    for (int k = 0; k < kOctaveBands; ++k) {
        s->noise[k] = ReadLevel(path, kNoise, OctaveBandTable[k].key);
        s->attenuation[k] = ReadLevel(path, kAttenuation, OctaveBandTable[k].key);
    }
    s->h = ReadLevel(path, kAttenuation, "H");
    s->m = ReadLevel(path, kAttenuation, "M");
    s->l = ReadLevel(path, kAttenuation, "L");
    s->snr = ReadLevel(path, kAttenuation, "SNR");
    s->laeq = ReadLevel(path, kNoise, "A");
    s->lceq = ReadLevel(path, kNoise, "C");
    s->classL = ReadIntKey(path, kNoise, "CLASSE", 0) != 0 ? 1 : 0;
    s->answer1 = ReadFlag(path, "R1");
    s->answer2 = ReadFlag(path, "R2");
    s->hasLaeq = ReadFlag(path, "LAEQ");
    s->hasLceq = ReadFlag(path, "LCEQ");
    s->hasSpectrum = ReadFlag(path, "BDO");
    s->method = ReadMethod(path);
    bool unknown = ReadCorrection(path, s);
    if (unknownCorrection)
        *unknownCorrection = unknown;
    ReadNotes(s->notes, sizeof s->notes, path);
    return true;
}

bool ReadSpectrumFile(SpectrumKind kind, const char* path, ProtectorSelection* values)
{
    if (!IsFileOfType(path, kind == kNoiseSpectrum ? "SPR" : "SPI"))
        return false;
    double* bands = kind == kNoiseSpectrum ? values->noise : values->attenuation;
    for (int k = 0; k < kOctaveBands; ++k)
        bands[k] = ReadLevel(path, kSpectrum, OctaveBandTable[k].key);
    if (kind == kNoiseSpectrum) {
        values->laeq = ReadLevel(path, kFrameSection, "LAEQ");
        values->lceq = ReadLevel(path, kFrameSection, "LCEQ");
    } else {
        values->h = ReadLevel(path, kFrameSection, "H");
        values->m = ReadLevel(path, kFrameSection, "M");
        values->l = ReadLevel(path, kFrameSection, "L");
        values->snr = ReadLevel(path, kFrameSection, "SNR");
    }
    return true;
}
