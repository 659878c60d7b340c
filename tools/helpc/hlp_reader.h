// Reads back what a help file holds: its internal files, the topic numbers
// of its context map and the topic titles.
#pragma once

#include <map>
#include <string>

#include "hlp_format.h"

class HelpFileReader {
public:
    // False when the bytes are not a help file with a readable directory.
    bool Open(const Bytes& file);

    // The data of an internal file (after its 9-byte header); false if absent.
    bool InternalFile(const std::string& name, Bytes* data) const;

    // |CTXOMAP: topic number -> topic offset.
    std::map<uint32_t, uint32_t> ContextMap() const;

    // |TTLBTREE: topic offset -> title.
    std::map<uint32_t, std::string> Titles() const;

    // |KWBTREE and |KWDATA: keyword -> the offset of its first topic.
    std::map<std::string, uint32_t> Keywords() const;

    // |CONTEXT: context hash -> topic offset.
    std::map<int32_t, uint32_t> ContextHashes() const;

private:
    // Calls visit(entry offset in tree) for every leaf entry; entrySize says
    // how long an entry starting at an offset is.
    template <typename EntrySize, typename Visit>
    void EachLeafEntry(const Bytes& tree, EntrySize entrySize, Visit visit) const;

    Bytes file_;
    std::map<std::string, uint32_t> directory_;
};
