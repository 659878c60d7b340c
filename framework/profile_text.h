#pragma once
// A data file's text read once and looked up key by key as the
// private-profile functions read it, for code that reads thousands of files
// (the folder summary, where one GetPrivateProfileString per key would cost a
// file open each) or that runs where those functions are not (the build's
// sample generator).
//
// What the profile functions do and this does too: lines end at CR or LF;
// blanks (tab to CR, ^Z, space) around a line, a name and a value are
// dropped; "[name]" opens a section (up to the line's last "]"); names are
// compared without regard to letter case, the first section of a name is
// the only one read, and in it the first key of a name, even one written
// without "=" (which then reads as missing); a text ends at a NUL; one pair
// of quotes around a value is removed. A file starting with a UTF-8 or
// UTF-16 byte-order mark is read in that encoding and handed back in code
// page 1252, characters outside it as "?".

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The number of a list key as the loaders take it ("1", not "01" or "+1";
// blanks after it allowed), 0 for any other key or one past last.
int ListKeyNumber(const char* key, size_t length, int last);

// A list value as a single-key read gives it: blanks around it and one pair
// of quotes removed.
std::string ListValue(const char* value, size_t length);

class ProfileText {
public:
    ProfileText(const char* bytes, size_t size);

    // The value as GetPrivateProfileString gives it into a buffer of
    // capacity characters (at most capacity - 1 of them), "" for a missing
    // key.
    std::string Value(const char* section, const char* key, size_t capacity) const;

    // GetPrivateProfileInt: fallback for a missing or empty value, else the
    // integer at the start of its first 29 characters (blanks, a sign, then
    // "0x", "0o" or "0b" for another base), its low 32 bits.
    int Int(const char* section, const char* key, int fallback) const;

    // The keys "1" .. "last" of a section with their values, in the order of
    // their numbers, the first of a repeated number, as the calculators read
    // their lists (a key written "01" or "+1" is not one of them). A count of
    // a billion costs no more than the keys the file holds.
    typedef std::vector<std::pair<int, std::string>> Numbered;
    Numbered NumberedKeys(const char* section, int last) const;

    // The first line of the notes (section "NOTE": key "1" when "Num" is 1
    // or more), as the notes box shows it, at most 511 characters.
    std::string FirstNoteLine() const;

private:
    struct Span {
        size_t start;
        size_t length;
    };
    struct Entry {
        Span name;
        Span value;
        bool hasValue;
    };
    struct Section {
        Span name;
        size_t firstEntry;
        size_t endEntry;
    };

    const Section* FindSection(const char* name) const;
    const Entry* FindKey(const char* section, const char* key) const;
    bool Equals(Span span, const char* name) const;

    std::string text_;  // code page 1252
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
};

// The value of number in a list read by NumberedKeys, "" when it is missing.
const char* NumberedText(const ProfileText::Numbered& keys, int number);
