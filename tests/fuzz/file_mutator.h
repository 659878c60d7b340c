#pragma once
// Hostile data files made from valid ones: what a hand-edited, truncated or
// damaged file may hold. Seeded, so a run can be repeated file by file.

#include <cstdint>
#include <string>

// A small deterministic generator (xorshift), the same on every platform.
class FuzzRandom {
public:
    explicit FuzzRandom(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t Next();
    // 0 .. n - 1 (n > 0).
    size_t Below(size_t n) { return (size_t)(Next() % n); }

private:
    uint64_t state_;
};

// One file made from a valid one: a few of the mutations below chosen at
// random (huge and negative counts, huge keys, overlong and non-numeric
// values, missing sections, repeated keys, endless notes, binary noise,
// truncation, another line ending), never over maxBytes.
std::string MutateDataFile(const std::string& valid, FuzzRandom& random, size_t maxBytes);
