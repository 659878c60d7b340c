// The help compiler: sources in, a WinHelp file out that reads back as the
// viewer reads it (topic records walked block by block, context hashes,
// topic numbers, titles).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>

#include "hlp_reader.h"
#include "hlp_writer.h"
#include "topic_source.h"

namespace {

std::string WriteSource(const std::string& name, const std::string& text)
{
    std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool Compile(const std::string& text, HelpProject* project, std::string* error)
{
    return ReadTopicSource(WriteSource("helpc_source.txt", text), project, error) &&
           CheckProject(*project, error);
}

TEST(HelpCompiler, ContextHashIsTheViewersBase43Sum)
{
    EXPECT_EQ(hlp::ContextHash("a"), 17);
    EXPECT_EQ(hlp::ContextHash("Z"), 42);
    EXPECT_EQ(hlp::ContextHash("ab"), 17 * 43 + 18);
    EXPECT_EQ(hlp::ContextHash("AB"), hlp::ContextHash("ab"));
    EXPECT_EQ(hlp::ContextHash("a_0"), (17 * 43 + 13) * 43 + 10);  // 32002
    EXPECT_EQ(hlp::ContextHash("a.9"), (17 * 43 + 12) * 43 + 9);
}

TEST(HelpCompiler, SourcesAreReadIntoTopicsInCodePage1252)
{
    HelpProject project;
    std::string error;
    ASSERT_TRUE(Compile("@helptitle Guida\n@contents indice\n"
                        "@topic indice\n@title Indice è\n"
                        "Prima riga\nseconda riga con [un collegamento](altro).\n\n"
                        "== Titoletto\n- voce\n| fisso 1\n| fisso 2\n12. passo\n"
                        "@topic altro\n@map 100110 4030:293 0x20D50125\n@title Altro\nTesto.\n",
                        &project, &error))
        << error;
    ASSERT_EQ(project.topics.size(), 2u);
    const Topic& index = project.topics[0];
    EXPECT_EQ(index.title, "Indice \xE8");
    ASSERT_EQ(index.paragraphs.size(), 5u);
    const Paragraph& body = index.paragraphs[0];
    EXPECT_EQ(body.kind, kBody);
    ASSERT_EQ(body.lines[0].size(), 3u);
    EXPECT_EQ(body.lines[0][0].text, "Prima riga seconda riga con ");
    EXPECT_EQ(body.lines[0][1].text, "un collegamento");
    EXPECT_EQ(body.lines[0][1].link, "altro");
    EXPECT_EQ(index.paragraphs[1].kind, kHeading);
    EXPECT_EQ(index.paragraphs[2].kind, kBullet);
    EXPECT_EQ(index.paragraphs[3].kind, kPreformatted);
    EXPECT_EQ(index.paragraphs[3].lines.size(), 2u);
    EXPECT_EQ(index.paragraphs[4].kind, kBullet);
    EXPECT_EQ(index.paragraphs[4].marker, "12.");
    EXPECT_EQ(project.topics[1].mapIds, (std::vector<uint32_t>{100110, 0x0FBE0125, 0x20D50125}));
}

TEST(HelpCompiler, FaultsOfTheSourcesAreRefusedWithTheirPlace)
{
    struct Case {
        const char* source;
        const char* message;
    };
    const Case cases[] = {
        {"@contents a\n@topic a\n@title A\nmaggiore \xE2\x89\xA5 di\n", "helpc_source.txt:4: character"},
        {"@contents a\n@topic a\n@title A\nvedere [b](b)\n", "link to unknown context b"},
        {"@contents a\n@topic a\n@map 5\n@title A\n@topic b\n@map 5\n@title B\n",
         "topic number 0x00000005 already maps to a"},
        {"@contents a\n@topic a\n@title A\n@topic a\n@title B\n", "context a defined twice"},
        {"@contents a\n@topic a\n@title A\n@keyword SNR\n@topic b\n@title B\n@keyword snr\n",
         "keyword \"snr\" already names topic a"},
        {"@contents a\n@topic a\n@map 12x\n@title A\n", "not a topic number: 12x"},
        {"@contents a\n@topic a\n@map 70000:1\n@title A\n", "not a topic number: 70000:1"},
        {"@contents a\n@topic a\n", "has no @title"},
        {"@contents z\n@topic a\n@title A\n", "no contents topic"},
        {"testo\n", "text before the first @topic"},
    };
    for (const Case& c : cases) {
        HelpProject project;
        std::string error;
        EXPECT_FALSE(Compile(c.source, &project, &error)) << c.source;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

// The topics as the viewer finds them: it walks the topic records from the
// first, following each record's link to the next, and gives every topic
// header the offset block * 0x8000 + the characters of the display records
// met before it in that block.
std::map<uint32_t, std::string> TopicsAsTheViewerWalksThem(const Bytes& topicFile)
{
    std::map<uint32_t, std::string> offsets;
    const uint32_t dataSize = hlp::kTopicBlockSize - hlp::kTopicBlockHeader;
    uint32_t ref = 0x0C, oldIndex = 0xFFFFFFFF, chars = 0;
    for (int guard = 0; ref != 0xFFFFFFFF && guard < 100000; ++guard) {
        uint32_t index = (ref - 0x0C) >> 14, offset = (ref - 0x0C) & 0x3FFF;
        size_t at = (size_t)index * hlp::kTopicBlockSize + hlp::kTopicBlockHeader + offset;
        EXPECT_LT(offset, dataSize);
        EXPECT_LE(at + hlp::Get32(topicFile, at), topicFile.size());
        if (index != oldIndex) {
            chars = 0;
            oldIndex = index;
        }
        uint8_t type = topicFile[at + 0x14];
        if (type == hlp::kRecordTopicHeader) {
            uint32_t titleAt = (uint32_t)at + hlp::Get32(topicFile, at + 0x10);
            uint32_t titleSize = hlp::Get32(topicFile, at + 4);
            offsets[index * 0x8000 + chars] =
                std::string(topicFile.begin() + titleAt, topicFile.begin() + titleAt + titleSize);
        } else {
            EXPECT_EQ(type, hlp::kRecordDisplay);
            // Compressed long, then the compressed character count.
            size_t p = at + 0x15 + ((topicFile[at + 0x15] & 1) ? 4 : 2);
            chars += (topicFile[p] & 1) ? hlp::Get16(topicFile, p) / 2 : topicFile[p] / 2;
        }
        ref = hlp::Get32(topicFile, at + 0x0C);
    }
    return offsets;
}

TEST(HelpCompiler, ManyTopicsReadBackThroughMultiPageTrees)
{
    // 300 topics with long paragraphs: several topic blocks and B+ trees of
    // more than one page.
    std::string source = "@helptitle Prova\n@contents t0\n";
    for (int t = 0; t < 300; ++t) {
        source += "@topic t" + std::to_string(t) + "\n@map " + std::to_string(100000 + t) + " " +
                  std::to_string(t) + ":293\n@title Argomento numero " + std::to_string(t) + "\n";
        if (t % 10 == 0)
            source += "@book Libro\n@keyword Parola " + std::to_string(t) + "\n";
        for (int p = 0; p < 3; ++p)
            source += std::string(150, 'a' + p) + " [vai](t" + std::to_string((t + 1) % 300) + ")\n\n";
    }
    HelpProject project;
    std::string error;
    ASSERT_TRUE(Compile(source, &project, &error)) << error;
    Bytes file;
    ASSERT_TRUE(BuildHelpFile(project, &file, &error)) << error;

    HelpFileReader reader;
    ASSERT_TRUE(reader.Open(file));
    Bytes system, topics;
    ASSERT_TRUE(reader.InternalFile("|SYSTEM", &system));
    EXPECT_EQ(hlp::Get16(system, 0), hlp::kSystemMagic);
    EXPECT_EQ(hlp::Get16(system, 2), hlp::kVersionMinor);
    ASSERT_TRUE(reader.InternalFile("|TOPIC", &topics));
    EXPECT_EQ(topics.size() % hlp::kTopicBlockSize, 0u);
    EXPECT_GT(topics.size(), 20 * hlp::kTopicBlockSize);
    Bytes font;
    EXPECT_TRUE(reader.InternalFile("|FONT", &font));

    std::map<uint32_t, std::string> walked = TopicsAsTheViewerWalksThem(topics);
    std::map<uint32_t, std::string> titles = reader.Titles();
    EXPECT_EQ(walked.size(), 300u);
    EXPECT_EQ(walked, titles);

    std::map<uint32_t, uint32_t> map = reader.ContextMap();
    ASSERT_EQ(map.size(), 600u);
    std::map<int32_t, uint32_t> hashes = reader.ContextHashes();
    ASSERT_EQ(hashes.size(), 300u);
    for (int t = 0; t < 300; ++t) {
        std::string title = "Argomento numero " + std::to_string(t);
        uint32_t offset = map[100000 + t];
        EXPECT_EQ(titles[offset], title);
        EXPECT_EQ(map[(uint32_t)t << 16 | 293], offset);
        EXPECT_EQ(hashes[hlp::ContextHash("t" + std::to_string(t))], offset);
    }
    // The keyword index: each book topic under its title, and its keyword.
    std::map<std::string, uint32_t> keywords = reader.Keywords();
    EXPECT_EQ(keywords.size(), 60u);
    EXPECT_EQ(keywords["Argomento numero 120"], map[100120]);
    EXPECT_EQ(keywords["Parola 290"], map[100290]);

    // |SYSTEM: the title (record 1) and the contents topic (record 3), t0.
    std::map<uint16_t, Bytes> records;
    for (size_t at = 12; at + 4 <= system.size(); at += 4 + hlp::Get16(system, at + 2))
        records[hlp::Get16(system, at)] =
            Bytes(system.begin() + at + 4, system.begin() + at + 4 + hlp::Get16(system, at + 2));
    EXPECT_EQ(std::string(records[1].begin(), records[1].end()), std::string("Prova", 6));
    EXPECT_EQ(hlp::Get32(records[3], 0), map[100000]);
}

TEST(HelpCompiler, ContentsFileListsBooksInTheOrderMet)
{
    HelpProject project;
    std::string error;
    ASSERT_TRUE(Compile("@helptitle Guida di prova\n@contents indice\n"
                        "@topic indice\n@title Indice\n"
                        "@topic a\n@title Calcolo A\n@book Primo\n"
                        "@topic b\n@title Calcolo B\n@book Secondo\n"
                        "@topic c\n@title Calcolo C\n@book Primo\n"
                        "@topic d\n@title Campo D\n",
                        &project, &error))
        << error;
    EXPECT_EQ(BuildContentsFile(project, "Fonexa.hlp"),
              ":Base Fonexa.hlp\r\n:Title Guida di prova\r\n1 Indice=indice\r\n"
              "1 Primo\r\n2 Calcolo A=a\r\n2 Calcolo C=c\r\n1 Secondo\r\n2 Calcolo B=b\r\n");
}

}  // namespace
