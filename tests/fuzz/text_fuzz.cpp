// The portable text functions fed arbitrary bytes: number reading,
// formatting, report texts, and the folder summary's reading of a data file
// (the bytes as a whole file, and as its values). Built as a libFuzzer
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
#include "summary/summary_table.h"

// A data file of every type's keys; "@" stands for the type, "#" for the
// fuzzed text.
static const char kDataFile[] =
    "[FONEXA]\r\nTipo=@\r\nITEMS=3\r\nTFORM=#\r\nTOTLAV=12\r\nSIMM=#\r\n[LEQ]\r\n1=#\r\n2=85\r\n3=#\r\n"
    "[TIME]\r\n1=#\r\n2=60\r\n3=1\r\n[GIORNI]\r\nLunedi=#\r\n[SPECTRUM]\r\n125=#\r\n1000=#\r\n[SX]\r\n"
    "500=#\r\n2000=#\r\n[SETTINGS]\r\nMETODO=#\r\n[NOISE]\r\nA=#\r\nC=#\r\n[ATT]\r\nSNR=#\r\nH=#\r\n"
    "[NOTE]\r\n1=#\r\nNum=#\r\n";

// The summary of the bytes as a file of the type: no result may show a
// value that is not a number.
static void Summarise(const DataFileType& type, const std::string& file)
{
    SummaryRow row = {"f", &type, SummariseData(type, file.data(), file.size())};
    for (int column = kColumnQuantity; column <= kColumnClass; ++column) {
        std::string cell = SummaryCell(row, column);
        if (cell.find("inf") != std::string::npos || cell.find("nan") != std::string::npos)
            abort();
    }
}

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

    // One type an input, chosen by its length.
    size_t types = 0;
    const DataFileType* table = DataFileTypes(&types);
    const DataFileType& type = table[size % types];
    if (type.tag) {
        Summarise(type, text);
        std::string file;
        for (const char* c = kDataFile; *c; ++c)
            file += *c == '@' ? std::string(type.tag) : *c == '#' ? text : std::string(1, *c);
        Summarise(type, file);
    }
    return 0;
}
