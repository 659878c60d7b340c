// The report document's portable pieces: the page loop that must stop when a
// page prints nothing, and the plain-text lines of its text printout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/page_loop.h"
#include "document/plain_text.h"

namespace {

// A layout engine scripted page by page: each call returns the next entry.
struct ScriptedPages {
    std::vector<long> answers;
    std::vector<long> starts;
};

long NextAnswer(void* context, long first)
{
    ScriptedPages* pages = (ScriptedPages*)context;
    pages->starts.push_back(first);
    size_t n = pages->starts.size() - 1;
    return n < pages->answers.size() ? pages->answers[n] : first;
}

TEST(PageLoop, EndsAtTheRangeOrWhenAPageMakesNoProgress)
{
    struct Case {
        const char* what;
        long from, to;
        std::vector<long> answers;
        PageLoopEnd end;
        std::vector<long> starts;
    } cases[] = {
        {"three pages", 0, 250, {100, 200, 250}, kPagesDone, {0, 100, 200}},
        {"one page", 10, 40, {40}, kPagesDone, {10}},
        {"engine reports past the end", 0, 50, {80}, kPagesDone, {0}},
        {"selection in the middle", 120, 300, {200, 300}, kPagesDone, {120, 200}},
        {"a picture taller than the band", 0, 500, {100, 100}, kPageStuck, {0, 100}},
        {"the engine goes backwards", 0, 500, {100, 60}, kPageStuck, {0, 100}},
        {"nothing fits on the first page", 0, 500, {0}, kPageStuck, {0}},
        {"the printer refuses the second page", 0, 500, {100, -1}, kPageFailed, {0, 100}},
    };
    for (const Case& c : cases) {
        ScriptedPages pages = {c.answers, {}};
        PageLoopResult result = PrintPages(c.from, c.to, NextAnswer, &pages);
        EXPECT_EQ(result.end, c.end) << c.what;
        EXPECT_EQ(pages.starts, c.starts) << c.what;
        int printed = (int)c.starts.size() - (c.end == kPageFailed ? 1 : 0);
        EXPECT_EQ(result.pages, printed) << c.what;
    }
}

TEST(PlainText, LinesWithTabsExpandedAndLongLinesBroken)
{
    using Lines = std::vector<std::string>;
    struct Case {
        const char* text;
        int columns;
        Lines lines;
    } cases[] = {
        {"", 20, {}},
        {"uno\r\ndue\rtre\nquattro", 20, {"uno", "due", "tre", "quattro"}},
        {"a\r\n\r\nb\r\n", 20, {"a", "", "b"}},
        // Tab stops every 8 columns: "Tornio" (6) + 2, "LAeq" (4) + 4.
        {"Tornio\t88,5\r\nLAeq\tdB\r\n\tx", 40, {"Tornio  88,5", "LAeq    dB", "        x"}},
        {"Postazione\tLAeq", 40, {"Postazione      LAeq"}},
        // Broken at the last blank that fits; the blank itself is dropped.
        {"rumore di fondo misurato", 10, {"rumore di", "fondo", "misurato"}},
        {"12345 67890", 5, {"12345", "67890"}},
        // A word longer than the line is cut hard.
        {"abcdefghijkl xy", 5, {"abcde", "fghij", "kl xy"}},
        {"abc", 0, {"a", "b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlainTextLines(c.text, c.columns), c.lines) << c.text;
}

}  // namespace
