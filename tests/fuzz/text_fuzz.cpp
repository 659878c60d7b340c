// The portable text functions fed arbitrary bytes: number reading,
// formatting, report texts. Built as a libFuzzer
// target by "make fuzz" (clang) and, with text_fuzz_main.cpp, as a short
// seeded run in the ordinary native tests; both under the sanitizers.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/number_text.h"
#include "framework/report_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const char* input = text.c_str();  // cut at the first zero, as a field's text is

    double value = LeadingNumber(input);
    if (!std::isfinite(value))
        abort();
    if (value != 0.0 && !StartsWithNumber(input))
        abort();

    char shown[32];
    FormatNumber(shown, sizeof shown, "%4.1f", value);
    if (strstr(shown, "inf") || strstr(shown, "nan"))
        abort();

    char block[512];
    ReportText report;
    ReportBegin(&report, block, sizeof block, size > 0 ? input + size / 2 : ";");
    for (int i = 0; i < 40; ++i) {
        ReportAppend(&report, input);
        ReportAppendNumber(&report, input);
        ReportSeparators(&report, 2);
        ReportAppendPrefix(&report, input, 255);
        ReportEndLine(&report);
    }
    if (strnlen(block, sizeof block) == sizeof block)
        abort();

    char comma[16];
    DecimalComma(comma, sizeof comma, input);
    return 0;
}
