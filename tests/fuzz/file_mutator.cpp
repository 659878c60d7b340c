#include "tests/fuzz/file_mutator.h"

#include <vector>

uint64_t FuzzRandom::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
}

namespace {

const char* const kHostileValues[] = {
    "inf", "-inf", "nan", "NaN", "1e309", "-1e309", "1e-400", "0x1p3", "abc", "", " ", "-5",
    "4294967291", "2147483648", "-2147483649", "999999999999999", "1e300", "-0", "0", "00000090",
    "90abc", "9.9.9", "..", "+", "=", "[LEQ]", "\"80\"", "'85'", "\xff\xfe", "\t90\t",
};

const char* const kHostileKeys[] = {
    "ITEMS", "Num", "TFORM", "TOTLAV", "METODO", "LACT", "SIMM", "TABELLA", "Tipo", "999999999",
    "3000000", "0", "-1", "01", "+1", "2147483647", "1", "2", "7", "LAEQ",
};

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::string Pick(FuzzRandom& random, const char* const* table, size_t count)
{
    return table[random.Below(count)];
}

std::string HostileValue(FuzzRandom& random)
{
    switch (random.Below(4)) {
    case 0:
        return std::string(1 + random.Below(9000), "9a.x "[random.Below(5)]);
    default:
        return Pick(random, kHostileValues, sizeof kHostileValues / sizeof kHostileValues[0]);
    }
}

void Mutate(std::vector<std::string>& lines, FuzzRandom& random)
{
    size_t at = lines.empty() ? 0 : random.Below(lines.size());
    switch (random.Below(11)) {
    case 0:  // a value replaced
        if (!lines.empty()) {
            size_t equals = lines[at].find('=');
            if (equals != std::string::npos)
                lines[at] = lines[at].substr(0, equals + 1) + HostileValue(random);
        }
        break;
    case 1:  // a hostile key added
        lines.insert(lines.begin() + at,
                     Pick(random, kHostileKeys, sizeof kHostileKeys / sizeof kHostileKeys[0]) + "=" +
                         HostileValue(random));
        break;
    case 2:  // a huge count
        lines.insert(lines.begin() + at, std::string(random.Below(2) ? "ITEMS" : "Num") + "=" +
                                             (random.Below(2) ? "2000000000" : "-5"));
        break;
    case 3:  // a line dropped (a missing key or section header)
        if (!lines.empty())
            lines.erase(lines.begin() + at);
        break;
    case 4:  // a line repeated
        if (!lines.empty())
            lines.insert(lines.begin() + at, lines[at]);
        break;
    case 5:  // a section header of another section
        lines.insert(lines.begin() + at, "[" + std::string(random.Below(2) ? "NOTE" : "LEQ") + "]");
        break;
    case 6:  // endless notes
        lines.push_back("[NOTE]");
        lines.push_back("Num=100000");
        for (int i = 1, n = 1 + (int)random.Below(20); i <= n; ++i)
            lines.push_back(std::to_string(i) + "=" + std::string(random.Below(5000), 'n'));
        break;
    case 7: {  // binary noise in a line
        std::string noise;
        for (size_t i = 0, n = 1 + random.Below(64); i < n; ++i)
            noise += (char)random.Below(256);
        if (lines.empty())
            lines.push_back(noise);
        else
            lines[at].insert(random.Below(lines[at].size() + 1), noise);
        break;
    }
    case 8:  // rows far beyond the count
        lines.push_back("[" + std::string(random.Below(2) ? "LEQ" : "SAMPLE") + "]");
        lines.push_back(std::to_string(1 + random.Below(2000000000)) + "=" + HostileValue(random));
        break;
    case 9:  // a key without a value or an equals sign
        lines.insert(lines.begin() + at, random.Below(2) ? "ITEMS" : "=80");
        break;
    default:  // truncation
        if (!lines.empty())
            lines.resize(at + 1);
        break;
    }
}

}  // namespace

std::string MutateDataFile(const std::string& valid, FuzzRandom& random, size_t maxBytes)
{
    std::vector<std::string> lines = SplitLines(valid);
    for (size_t n = 1 + random.Below(6); n > 0; --n)
        Mutate(lines, random);
    static const char* const kEndings[] = {"\r\n", "\n", "\r", "\n\r"};
    const char* ending = kEndings[random.Below(4)];
    std::string file;
    for (const std::string& line : lines) {
        file += line;
        file += random.Below(50) == 0 ? kEndings[random.Below(4)] : ending;
        if (file.size() > maxBytes)
            break;
    }
    if (random.Below(40) == 0) {
        // Pure noise.
        file.clear();
        for (size_t i = 0, n = random.Below(4096); i < n; ++i)
            file += (char)random.Below(256);
    }
    if (file.size() > maxBytes)
        file.resize(maxBytes);
    return file;
}
