#include "protectors/selection_file.h"

#include <cstdio>

#include "framework/data_file.h"
#include "framework/number_text.h"
#include "protectors/methods.h"

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
    WriteIntKey(path, kSettings, "METODO", IsNamedMethod(s.method) ? s.method : kMethodNone);
    WriteNotes(s.notes, path);
    return true;
}

bool LoadSelectionFile(ProtectorSelection* s, const char* path)
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
    int method = ReadIntKey(path, kSettings, "METODO", 0);
    s->method = IsNamedMethod(method) ? method : kMethodNone;
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
