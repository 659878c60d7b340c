// A short seeded run of the text fuzz target without libFuzzer: random
// bytes and mutations of number-like texts, the same on every run.
//   text_fuzz_seeded [runs]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/file_mutator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    long runs = argc > 1 ? atol(argv[1]) : 100000;
    static const char* const kSeeds[] = {"90", "87.4", " 85 ", "-0.5", "1e3", "1e309", "inf", "nan", "1.2.3",
                                         "999999999999999", "0x10", "", ".5", "5.", "+7", "e5"};
    FuzzRandom random(20261207);
    for (long i = 0; i < runs; ++i) {
        std::string input = kSeeds[random.Below(sizeof kSeeds / sizeof kSeeds[0])];
        for (size_t n = random.Below(6); n > 0; --n) {
            size_t at = random.Below(input.size() + 1);
            switch (random.Below(3)) {
            case 0:
                input.insert(at, 1, (char)random.Below(256));
                break;
            case 1:
                if (at < input.size())
                    input.erase(at, 1);
                break;
            default:
                input.insert(at, std::string(random.Below(40), "0123456789.e-+ "[random.Below(15)]));
            }
        }
        LLVMFuzzerTestOneInput((const uint8_t*)input.data(), input.size());
    }
    printf("%ld texts, no fault\n", runs);
    return 0;
}
