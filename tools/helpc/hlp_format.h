// What the writer and the reader of the help file agree on: the WinHelp 3.1
// layout (a file system of named internal files, each with a 9-byte header;
// B+ trees for the directory, the context hashes and the titles; topics
// stored uncompressed in 4 KB blocks).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace hlp {

const uint32_t kFileMagic = 0x00035F3F;
const uint16_t kBtreeMagic = 0x293B;
const uint16_t kSystemMagic = 0x036C;
const uint16_t kVersionMinor = 21;  // WinHelp 3.1
const uint16_t kVersionMajor = 1;
const uint32_t kTopicBlockSize = 0x1000;
const uint32_t kTopicBlockHeader = 12;
const uint32_t kTopicLinkHeader = 21;
const uint32_t kFileHeader = 9;
const uint32_t kBtreeHeader = 38;
const uint32_t kNone = 0xFFFFFFFF;

// Topic record types.
const uint8_t kRecordTopicHeader = 0x02;
const uint8_t kRecordDisplay = 0x20;

// Paragraph formatting commands in a display record.
const uint8_t kCmdFont = 0x80;
const uint8_t kCmdLineBreak = 0x81;
const uint8_t kCmdParagraphEnd = 0x82;
const uint8_t kCmdJump = 0xE3;  // jump to a context hash, shown as a link
const uint8_t kCmdLinkEnd = 0x89;
const uint8_t kCmdEnd = 0xFF;

// The context-string hash of the viewer: letters 17..42 (case ignored),
// '1'..'9' 1..9, '0' 10, '.' 12, '_' 13, other characters skipped.
int32_t ContextHash(const std::string& context);

inline void Put8(Bytes& out, unsigned v) { out.push_back((uint8_t)v); }
inline void Put16(Bytes& out, unsigned v)
{
    Put8(out, v & 0xFF);
    Put8(out, (v >> 8) & 0xFF);
}
inline void Put32(Bytes& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
inline void Set32(Bytes& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = (uint8_t)(v >> (8 * i));
}
inline uint16_t Get16(const Bytes& in, size_t at)
{
    return at + 2 <= in.size() ? (uint16_t)(in[at] | in[at + 1] << 8) : 0;
}
inline uint32_t Get32(const Bytes& in, size_t at)
{
    return at + 4 <= in.size() ? (uint32_t)Get16(in, at) | (uint32_t)Get16(in, at + 2) << 16 : 0;
}

}  // namespace hlp
