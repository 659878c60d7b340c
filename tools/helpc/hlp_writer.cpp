#include "hlp_writer.h"

#include <algorithm>
#include <cstring>
#include <map>

using namespace hlp;

int32_t hlp::ContextHash(const std::string& context)
{
    uint32_t hash = 0;
    for (char c : context) {
        uint32_t x = 0;
        if (c >= 'A' && c <= 'Z')
            x = c - 'A' + 17;
        else if (c >= 'a' && c <= 'z')
            x = c - 'a' + 17;
        else if (c >= '1' && c <= '9')
            x = c - '0';
        else if (c == '0')
            x = 10;
        else if (c == '.')
            x = 12;
        else if (c == '_')
            x = 13;
        if (x)
            hash = hash * 43 + x;
    }
    return (int32_t)hash;
}

namespace {

// ---- B+ trees --------------------------------------------------------------

struct BtreeEntry {
    Bytes key;   // what index pages repeat of the entry
    Bytes leaf;  // the whole leaf entry (key and value)
};

struct PageRef {
    uint16_t page;
    Bytes firstKey;
};

Bytes BuildBtree(const std::vector<BtreeEntry>& entries, uint16_t pageSize, const char* structure,
                 bool directory)
{
    std::vector<Bytes> pages;
    std::vector<PageRef> level;

    // Leaves, linked to each other.
    size_t i = 0;
    do {
        Bytes page(8, 0);
        uint16_t count = 0;
        Bytes firstKey;
        while (i < entries.size() && page.size() + entries[i].leaf.size() <= pageSize) {
            if (count == 0)
                firstKey = entries[i].key;
            page.insert(page.end(), entries[i].leaf.begin(), entries[i].leaf.end());
            ++count, ++i;
        }
        uint16_t number = (uint16_t)pages.size();
        Bytes header;
        Put16(header, pageSize - page.size());
        Put16(header, count);
        Put16(header, number == 0 ? 0xFFFF : number - 1);
        Put16(header, i < entries.size() ? number + 1 : 0xFFFF);
        std::copy(header.begin(), header.end(), page.begin());
        page.resize(pageSize, 0);
        pages.push_back(page);
        level.push_back({number, firstKey});
    } while (i < entries.size());

    // Index levels until one page is left: each page names its first child,
    // then the first key and page of every further child.
    uint16_t levels = 1;
    while (level.size() > 1) {
        std::vector<PageRef> upper;
        size_t c = 0;
        while (c < level.size()) {
            Bytes page(6, 0);
            uint16_t count = 0;
            uint16_t first = level[c].page;
            Bytes firstKey = level[c].firstKey;
            ++c;
            while (c < level.size() && page.size() + level[c].firstKey.size() + 2 <= pageSize) {
                page.insert(page.end(), level[c].firstKey.begin(), level[c].firstKey.end());
                Put16(page, level[c].page);
                ++count, ++c;
            }
            Bytes header;
            Put16(header, pageSize - page.size());
            Put16(header, count);
            Put16(header, first);
            std::copy(header.begin(), header.end(), page.begin());
            page.resize(pageSize, 0);
            upper.push_back({(uint16_t)pages.size(), firstKey});
            pages.push_back(page);
        }
        level = upper;
        ++levels;
    }

    Bytes out;
    Put16(out, kBtreeMagic);
    Put16(out, directory ? 0x0402 : 0x0002);
    Put16(out, pageSize);
    char name[16] = {0};
    strncpy(name, structure, sizeof name - 1);
    out.insert(out.end(), name, name + 16);
    Put16(out, 0);       // must be zero
    Put16(out, 0);       // page splits
    Put16(out, level[0].page);
    Put16(out, 0xFFFF);  // must be -1
    Put16(out, (unsigned)pages.size());
    Put16(out, levels);
    Put32(out, (uint32_t)entries.size());
    for (const Bytes& page : pages)
        out.insert(out.end(), page.begin(), page.end());
    return out;
}

// ---- Topics ----------------------------------------------------------------

enum Font { kFontBody, kFontTitle, kFontHeading, kFontFixed, kFonts };

struct Record {
    uint8_t type;
    Bytes data1;       // after the 21-byte link header
    Bytes data2;       // text, uncompressed
    uint32_t chars;    // characters the record adds to the topic offset
    size_t topic;      // index of its topic
    uint32_t position = 0;     // TOPICPOS
    uint32_t block = 0;
    uint32_t topicOffset = 0;  // for topic headers
    uint32_t Size() const { return kTopicLinkHeader + (uint32_t)data1.size() + (uint32_t)data2.size(); }
};

void PutCompressedLong(Bytes& out, uint32_t v)
{
    Put32(out, 0x80000000u + 2 * v + 1);
}

void PutCompressedUshort(Bytes& out, uint32_t v)
{
    if (v < 0x80)
        Put8(out, 2 * v);
    else
        Put16(out, 2 * v + 1);
}

void PutCompressedShort(Bytes& out, int v)
{
    if (v >= -64 && v < 64)
        Put8(out, 0x80 + 2 * v);
    else
        Put16(out, (unsigned)(0x8000 + 2 * v + 1));
}

// Builds one display record: texts and the commands between them.
class ParagraphBuilder {
public:
    void Text(const std::string& text)
    {
        current_ += text;
        chars_ += (uint32_t)text.size();
    }
    void Command(std::initializer_list<uint8_t> bytes) { Command(Bytes(bytes)); }
    void Command(const Bytes& bytes)
    {
        text_.insert(text_.end(), current_.begin(), current_.end());
        text_.push_back(0);
        current_.clear();
        commands_.insert(commands_.end(), bytes.begin(), bytes.end());
        if (bytes[0] == kCmdLineBreak || bytes[0] == kCmdParagraphEnd)
            ++chars_;
    }
    void Spans(const std::vector<Span>& spans)
    {
        for (const Span& span : spans) {
            if (span.link.empty()) {
                Text(span.text);
                continue;
            }
            Bytes jump{kCmdJump};
            Put32(jump, (uint32_t)ContextHash(span.link));
            Command(jump);
            Text(span.text);
            Command({kCmdLinkEnd});
        }
    }
    Record Finish(int spaceBefore, int spaceAfter, int leftIndent, int firstIndent)
    {
        Command({kCmdParagraphEnd});
        Command({kCmdEnd});
        Record record;
        record.type = kRecordDisplay;
        record.chars = chars_;
        record.data2 = text_;
        Bytes& d = record.data1;
        PutCompressedLong(d, (uint32_t)text_.size());
        PutCompressedUshort(d, chars_);
        Put8(d, 0x00);
        Put8(d, 0x80);
        Put16(d, 0);
        unsigned bits = (spaceBefore ? 0x0002 : 0) | (spaceAfter ? 0x0004 : 0) |
                        (leftIndent ? 0x0010 : 0) | (firstIndent ? 0x0040 : 0);
        Put16(d, bits);
        if (spaceBefore)
            PutCompressedShort(d, spaceBefore);
        if (spaceAfter)
            PutCompressedShort(d, spaceAfter);
        if (leftIndent)
            PutCompressedShort(d, leftIndent);
        if (firstIndent)
            PutCompressedShort(d, firstIndent);
        d.insert(d.end(), commands_.begin(), commands_.end());
        return record;
    }

private:
    std::string current_;
    Bytes text_;
    Bytes commands_;
    uint32_t chars_ = 0;
};

Bytes FontCommand(Font font)
{
    Bytes b{kCmdFont};
    Put16(b, font);
    return b;
}

Record ParagraphRecord(const Paragraph& paragraph)
{
    ParagraphBuilder b;
    switch (paragraph.kind) {
    case kTitle:
        b.Command(FontCommand(kFontTitle));
        b.Spans(paragraph.lines[0]);
        return b.Finish(0, 16, 0, 0);
    case kHeading:
        b.Command(FontCommand(kFontHeading));
        b.Spans(paragraph.lines[0]);
        return b.Finish(10, 6, 0, 0);
    case kBullet:
        b.Command(FontCommand(kFontBody));
        b.Text(paragraph.marker.empty() ? std::string("\x95 ") : paragraph.marker + " ");
        b.Spans(paragraph.lines[0]);
        return b.Finish(0, 6, 16, -10);
    case kPreformatted:
        b.Command(FontCommand(kFontFixed));
        for (size_t i = 0; i < paragraph.lines.size(); ++i) {
            if (i > 0)
                b.Command({kCmdLineBreak});
            b.Spans(paragraph.lines[i]);
        }
        return b.Finish(0, 12, 10, 0);
    case kBody:
    default:
        b.Command(FontCommand(kFontBody));
        b.Spans(paragraph.lines[0]);
        return b.Finish(0, 10, 0, 0);
    }
}

Record TopicHeaderRecord(const Topic& topic)
{
    Record record;
    record.type = kRecordTopicHeader;
    record.chars = 0;
    record.data1.assign(28, 0);  // filled once positions are known
    record.data2.assign(topic.title.begin(), topic.title.end());
    return record;
}

Bytes PutRecord(const Record& r, uint32_t previous, uint32_t next)
{
    Bytes out;
    Put32(out, r.Size());
    Put32(out, (uint32_t)r.data2.size());
    Put32(out, previous);
    Put32(out, next);
    Put32(out, kTopicLinkHeader + (uint32_t)r.data1.size());
    Put8(out, r.type);
    out.insert(out.end(), r.data1.begin(), r.data1.end());
    out.insert(out.end(), r.data2.begin(), r.data2.end());
    return out;
}

struct TopicLayout {
    Bytes file;                           // the |TOPIC file's data
    std::vector<uint32_t> topicOffsets;   // per topic
};

bool LayOutTopics(const HelpProject& project, TopicLayout* layout, std::string* error)
{
    std::vector<Record> records;
    std::vector<size_t> headerIndex;
    for (size_t t = 0; t < project.topics.size(); ++t) {
        const Topic& topic = project.topics[t];
        headerIndex.push_back(records.size());
        records.push_back(TopicHeaderRecord(topic));
        Paragraph title;
        title.kind = kTitle;
        title.lines.push_back({Span{topic.title, ""}});
        records.push_back(ParagraphRecord(title));
        for (const Paragraph& p : topic.paragraphs)
            records.push_back(ParagraphRecord(p));
        for (size_t r = headerIndex.back(); r < records.size(); ++r)
            records[r].topic = t;
    }

    // Positions: a record never crosses a block boundary, so that each block
    // starts with a record and the character counts restart with it.
    const uint32_t room = kTopicBlockSize - kTopicBlockHeader;
    uint32_t block = 0, used = 0, chars = 0;
    for (Record& r : records) {
        if (r.Size() > room) {
            *error = project.topics[r.topic].where + ": a paragraph of topic " +
                     project.topics[r.topic].context + " is longer than a topic block";
            return false;
        }
        if (used + r.Size() > room) {
            ++block;
            used = 0;
            chars = 0;
        }
        r.block = block;
        r.position = block * 0x4000 + kTopicBlockHeader + used;
        r.topicOffset = block * 0x8000 + chars;
        used += r.Size();
        chars += r.chars;
        if (chars >= 0x8000) {
            *error = "too many characters in one topic block";
            return false;
        }
    }

    // Topic headers: size, browse sequence, number, first paragraph, next topic.
    size_t topics = headerIndex.size();
    for (size_t t = 0; t < topics; ++t) {
        Record& h = records[headerIndex[t]];
        size_t end = t + 1 < topics ? headerIndex[t + 1] : records.size();
        uint32_t size = 0;
        for (size_t r = headerIndex[t]; r < end; ++r)
            size += records[r].Size();
        Bytes d;
        Put32(d, size);
        Put32(d, t > 0 ? records[headerIndex[t - 1]].topicOffset : kNone);
        Put32(d, t + 1 < topics ? records[headerIndex[t + 1]].topicOffset : kNone);
        Put32(d, (uint32_t)t);
        Put32(d, kNone);
        Put32(d, headerIndex[t] + 1 < end ? records[headerIndex[t] + 1].position : kNone);
        Put32(d, t + 1 < topics ? records[headerIndex[t + 1]].position : kNone);
        h.data1 = d;
        layout->topicOffsets.push_back(h.topicOffset);
    }

    uint32_t blocks = records.empty() ? 1 : records.back().block + 1;
    layout->file.assign(blocks * kTopicBlockSize, 0);
    uint32_t lastHeader = kNone;
    size_t r = 0;
    for (uint32_t b = 0; b < blocks; ++b) {
        size_t at = b * kTopicBlockSize;
        Set32(layout->file, at, r > 0 ? records[r - 1].position : kNone);
        Set32(layout->file, at + 4, r < records.size() ? records[r].position : kNone);
        Set32(layout->file, at + 8, lastHeader);
        size_t offset = at + kTopicBlockHeader;
        for (; r < records.size() && records[r].block == b; ++r) {
            uint32_t previous = r > 0 ? records[r - 1].position : kNone;
            uint32_t next = r + 1 < records.size() ? records[r + 1].position : kNone;
            Bytes bytes = PutRecord(records[r], previous, next);
            std::copy(bytes.begin(), bytes.end(), layout->file.begin() + offset);
            offset += bytes.size();
            if (records[r].type == kRecordTopicHeader)
                lastHeader = records[r].position;
        }
    }
    return true;
}

// ---- Other internal files ---------------------------------------------------

Bytes SystemFile(const HelpProject& project, uint32_t contentsOffset)
{
    Bytes out;
    Put16(out, kSystemMagic);
    Put16(out, kVersionMinor);
    Put16(out, kVersionMajor);
    Put32(out, 0);  // generation date: left out, so that builds are reproducible
    Put16(out, 0);  // flags: topics not compressed, 4 KB blocks
    auto record = [&out](uint16_t type, const Bytes& data) {
        Put16(out, type);
        Put16(out, (unsigned)data.size());
        out.insert(out.end(), data.begin(), data.end());
    };
    auto text = [](const std::string& s) {
        Bytes b(s.begin(), s.end());
        b.push_back(0);
        return b;
    };
    record(1, text(project.title));
    if (!project.copyright.empty())
        record(2, text(project.copyright));
    Bytes contents;
    Put32(contents, contentsOffset);
    record(3, contents);
    // The main window, so that its caption is the file's title.
    Bytes window;
    Put16(window, 0x0002 | 0x0004);  // name and caption given
    Bytes fields(10 + 9 + 51, 0);
    strncpy(reinterpret_cast<char*>(&fields[10]), "main", 8);
    strncpy(reinterpret_cast<char*>(&fields[19]), project.title.c_str(), 50);
    window.insert(window.end(), fields.begin(), fields.end());
    window.resize(90, 0);
    record(6, window);
    return out;
}

Bytes FontFile()
{
    struct FontInfo {
        const char* face;
        uint8_t attributes;  // 1 bold
        uint8_t halfPoints;
        uint8_t family;      // 1 modern, 3 swiss
        uint8_t rgb[3];
    };
    const FontInfo fonts[kFonts] = {
        {"Arial", 0, 20, 3, {0, 0, 0}},
        {"Arial", 1, 28, 3, {0, 0, 128}},
        {"Arial", 1, 22, 3, {0, 0, 0}},
        {"Courier New", 0, 18, 1, {0, 0, 0}},
    };
    std::vector<std::string> faces;
    for (const FontInfo& f : fonts)
        if (std::find(faces.begin(), faces.end(), f.face) == faces.end())
            faces.push_back(f.face);
    const unsigned faceLength = 20;
    Bytes out;
    Put16(out, (unsigned)faces.size());
    Put16(out, kFonts);
    Put16(out, 8);
    Put16(out, 8 + faceLength * (unsigned)faces.size());
    for (const std::string& face : faces) {
        Bytes name(faceLength, 0);
        std::copy(face.begin(), face.end(), name.begin());
        out.insert(out.end(), name.begin(), name.end());
    }
    for (const FontInfo& f : fonts) {
        Put8(out, f.attributes);
        Put8(out, f.halfPoints);
        Put8(out, f.family);
        Put16(out, (unsigned)(std::find(faces.begin(), faces.end(), f.face) - faces.begin()));
        for (uint8_t c : f.rgb)
            Put8(out, c);
        for (int i = 0; i < 3; ++i)
            Put8(out, 0xFF);  // background
    }
    return out;
}

Bytes WithFileHeader(const Bytes& data)
{
    Bytes out;
    Put32(out, (uint32_t)data.size() + kFileHeader);  // reserved space
    Put32(out, (uint32_t)data.size());                // used space
    Put8(out, 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace

bool BuildHelpFile(const HelpProject& project, Bytes* out, std::string* error)
{
    TopicLayout layout;
    if (!LayOutTopics(project, &layout, error))
        return false;

    std::map<std::string, uint32_t> offsetOf;
    for (size_t t = 0; t < project.topics.size(); ++t)
        offsetOf[project.topics[t].context] = layout.topicOffsets[t];

    // Context hashes, in the viewer's (signed) order.
    std::map<int32_t, std::string> byHash;
    for (const Topic& topic : project.topics) {
        auto inserted = byHash.emplace(ContextHash(topic.context), topic.context);
        if (!inserted.second) {
            *error = topic.where + ": context " + topic.context + " has the hash of " +
                     inserted.first->second;
            return false;
        }
    }
    std::vector<BtreeEntry> contextEntries;
    for (const auto& h : byHash) {
        BtreeEntry e;
        Put32(e.key, (uint32_t)h.first);
        e.leaf = e.key;
        Put32(e.leaf, offsetOf[h.second]);
        contextEntries.push_back(e);
    }

    // Topic numbers of the program.
    std::map<uint32_t, uint32_t> numbers;
    for (const Topic& topic : project.topics)
        for (uint32_t id : topic.mapIds)
            numbers[id] = offsetOf[topic.context];
    if (numbers.size() > 0xFFFF) {
        *error = "more than 65535 topic numbers";
        return false;
    }
    Bytes map;
    Put16(map, (unsigned)numbers.size());
    for (const auto& n : numbers) {
        Put32(map, n.first);
        Put32(map, n.second);
    }

    std::vector<BtreeEntry> titleEntries;
    for (size_t t = 0; t < project.topics.size(); ++t) {
        BtreeEntry e;
        Put32(e.key, layout.topicOffsets[t]);
        e.leaf = e.key;
        const std::string& title = project.topics[t].title;
        e.leaf.insert(e.leaf.end(), title.begin(), title.end());
        e.leaf.push_back(0);
        titleEntries.push_back(e);
    }

    // Keyword index: each keyword once, with the offset of its one topic in
    // |KWDATA.
    std::vector<BtreeEntry> keywordEntries;
    Bytes keywordData;
    std::string last;
    for (const Keyword& keyword : KeywordIndex(project)) {
        if (!keywordEntries.empty() && keyword.text == last)
            continue;  // the same keyword given twice for one topic
        last = keyword.text;
        BtreeEntry e;
        e.key.assign(keyword.text.begin(), keyword.text.end());
        e.key.push_back(0);
        e.leaf = e.key;
        Put16(e.leaf, 1);
        Put32(e.leaf, (uint32_t)keywordData.size());
        Put32(keywordData, layout.topicOffsets[keyword.topic]);
        keywordEntries.push_back(e);
    }

    std::map<std::string, Bytes> files;  // in the directory's (byte) order
    files["|SYSTEM"] = SystemFile(project, offsetOf[project.contents]);
    files["|TOPIC"] = layout.file;
    files["|FONT"] = FontFile();
    files["|CONTEXT"] = BuildBtree(contextEntries, 0x800, "L4", false);
    files["|CTXOMAP"] = map;
    files["|TTLBTREE"] = BuildBtree(titleEntries, 0x800, "Lz", false);
    if (!keywordEntries.empty()) {
        files["|KWBTREE"] = BuildBtree(keywordEntries, 0x800, "F24", false);
        files["|KWDATA"] = keywordData;
    }

    Bytes& result = *out;
    result.assign(16, 0);
    std::vector<BtreeEntry> directory;
    for (const auto& f : files) {
        BtreeEntry e;
        e.key.assign(f.first.begin(), f.first.end());
        e.key.push_back(0);
        e.leaf = e.key;
        Put32(e.leaf, (uint32_t)result.size());
        directory.push_back(e);
        Bytes withHeader = WithFileHeader(f.second);
        result.insert(result.end(), withHeader.begin(), withHeader.end());
    }
    uint32_t directoryStart = (uint32_t)result.size();
    Bytes dir = WithFileHeader(BuildBtree(directory, 0x400, "z4", true));
    result.insert(result.end(), dir.begin(), dir.end());
    Set32(result, 0, kFileMagic);
    Set32(result, 4, directoryStart);
    Set32(result, 8, kNone);
    Set32(result, 12, (uint32_t)result.size());
    return true;
}

std::string BuildContentsFile(const HelpProject& project, const std::string& helpFileName)
{
    std::string out = ":Base " + helpFileName + "\r\n:Title " + project.title + "\r\n";
    for (const Topic& topic : project.topics)
        if (topic.context == project.contents)
            out += "1 " + topic.title + "=" + topic.context + "\r\n";
    std::vector<std::string> books;
    for (const Topic& topic : project.topics)
        if (!topic.book.empty() && std::find(books.begin(), books.end(), topic.book) == books.end())
            books.push_back(topic.book);
    for (const std::string& book : books) {
        out += "1 " + book + "\r\n";
        for (const Topic& topic : project.topics)
            if (topic.book == book)
                out += "2 " + topic.title + "=" + topic.context + "\r\n";
    }
    return out;
}
