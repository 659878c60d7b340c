#pragma once
// The seven octave bands 125 Hz .. 8 kHz of the spectra and the protector
// selection, with their data-file keys, labels and weighting corrections.

enum { kOctaveBands = 7 };

// The highest band a calculator takes: a level above it is refused.
const double kNoiseFullScale = 140.0;       // dB, noise spectrum
const double kAttenuationFullScale = 60.0;  // dB, protector attenuation

struct OctaveBand {
    int hz;
    const char* key;     // data-file key "125" .. "8000"
    const char* label;   // dialog label "125 Hz" .. "8 kHz"
    double aCorrection;  // dB
    double cCorrection;  // dB
};

// In band order, 125 Hz first.
extern const OctaveBand OctaveBandTable[kOctaveBands];
