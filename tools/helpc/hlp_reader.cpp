#include "hlp_reader.h"

#include <cstring>

using namespace hlp;

namespace {

// Length of the zero-ended text at an offset (up to the end of the data).
size_t TextLength(const Bytes& data, size_t at)
{
    size_t n = 0;
    while (at + n < data.size() && data[at + n] != 0)
        ++n;
    return n;
}

std::string TextAt(const Bytes& data, size_t at)
{
    if (at >= data.size())
        return std::string();
    return std::string(reinterpret_cast<const char*>(&data[at]), TextLength(data, at));
}

}  // namespace

template <typename EntrySize, typename Visit>
void HelpFileReader::EachLeafEntry(const Bytes& tree, EntrySize entrySize, Visit visit) const
{
    if (Get16(tree, 0) != kBtreeMagic)
        return;
    uint16_t pageSize = Get16(tree, 4);
    uint16_t page = Get16(tree, 26);
    uint16_t levels = Get16(tree, 32);
    uint16_t totalPages = Get16(tree, 30);
    // Down the first children to the first leaf, then along the leaves.
    for (uint16_t level = 1; level < levels; ++level)
        page = Get16(tree, kBtreeHeader + (size_t)page * pageSize + 4);
    for (int guard = 0; page != 0xFFFF && guard <= totalPages; ++guard) {
        size_t at = kBtreeHeader + (size_t)page * pageSize;
        if (at + pageSize > tree.size())
            return;
        uint16_t count = Get16(tree, at + 2);
        size_t entry = at + 8;
        for (uint16_t i = 0; i < count && entry < at + pageSize; ++i) {
            visit(entry);
            entry += entrySize(entry);
        }
        page = Get16(tree, at + 6);
    }
}

bool HelpFileReader::Open(const Bytes& file)
{
    file_ = file;
    directory_.clear();
    if (Get32(file_, 0) != kFileMagic || Get32(file_, 12) != file_.size())
        return false;
    uint32_t start = Get32(file_, 4);
    if (start + kFileHeader > file_.size())
        return false;
    Bytes tree(file_.begin() + start + kFileHeader, file_.end());
    EachLeafEntry(
        tree, [&](size_t at) { return TextLength(tree, at) + 5; },
        [&](size_t at) {
            std::string name = TextAt(tree, at);
            directory_[name] = Get32(tree, at + name.size() + 1);
        });
    return !directory_.empty();
}

bool HelpFileReader::InternalFile(const std::string& name, Bytes* data) const
{
    auto found = directory_.find(name);
    if (found == directory_.end())
        return false;
    uint32_t at = found->second;
    uint32_t used = Get32(file_, at + 4);
    if ((uint64_t)at + kFileHeader + used > file_.size())
        return false;
    data->assign(file_.begin() + at + kFileHeader, file_.begin() + at + kFileHeader + used);
    return true;
}

std::map<uint32_t, uint32_t> HelpFileReader::ContextMap() const
{
    std::map<uint32_t, uint32_t> map;
    Bytes data;
    if (!InternalFile("|CTXOMAP", &data))
        return map;
    uint16_t count = Get16(data, 0);
    for (uint16_t i = 0; i < count; ++i)
        map[Get32(data, 2 + 8 * (size_t)i)] = Get32(data, 6 + 8 * (size_t)i);
    return map;
}

std::map<uint32_t, std::string> HelpFileReader::Titles() const
{
    std::map<uint32_t, std::string> titles;
    Bytes tree;
    if (!InternalFile("|TTLBTREE", &tree))
        return titles;
    EachLeafEntry(
        tree, [&](size_t at) { return 4 + TextLength(tree, at + 4) + 1; },
        [&](size_t at) {
            titles[Get32(tree, at)] = TextAt(tree, at + 4);
        });
    return titles;
}

std::map<int32_t, uint32_t> HelpFileReader::ContextHashes() const
{
    std::map<int32_t, uint32_t> hashes;
    Bytes tree;
    if (!InternalFile("|CONTEXT", &tree))
        return hashes;
    EachLeafEntry(
        tree, [](size_t) { return (size_t)8; },
        [&](size_t at) { hashes[(int32_t)Get32(tree, at)] = Get32(tree, at + 4); });
    return hashes;
}

std::map<std::string, uint32_t> HelpFileReader::Keywords() const
{
    std::map<std::string, uint32_t> keywords;
    Bytes tree, data;
    if (!InternalFile("|KWBTREE", &tree) || !InternalFile("|KWDATA", &data))
        return keywords;
    EachLeafEntry(
        tree, [&](size_t at) { return TextLength(tree, at) + 7; },
        [&](size_t at) {
            std::string keyword = TextAt(tree, at);
            keywords[keyword] = Get32(data, Get32(tree, at + keyword.size() + 3));
        });
    return keywords;
}
