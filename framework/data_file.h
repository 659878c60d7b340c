#pragma once
// Calculator data files: initialisation-file text read and written key by key
// through the private-profile functions. Section "FONEXA" key "Tipo" holds
// the calculator's type tag; section "NOTE" the notes, one key per line.

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

extern const char kFrameSection[];  // "FONEXA"

// Writes "Tipo" of section "FONEXA" (always the first key of a new file).
// False when the file could not be written.
bool WriteFileType(const char* path, const char* tag);

// True when the file's "Tipo" equals tag without regard to letter case. A
// missing or empty key, or a file that is not an initialisation file at all,
// is not of the type.
bool IsFileOfType(const char* path, const char* tag);

bool WriteKey(const char* path, const char* section, const char* key, const char* value);
void WriteIntKey(const char* path, const char* section, const char* key, int value);

// Reads a key into out (always zero-terminated, cut at the buffer); returns
// its length, 0 for a missing key or an empty value. A field's text is read
// as it stands in the file (leading blanks aside, which the profile
// functions drop): what the user typed comes back as typed.
size_t ReadKey(const char* path, const char* section, const char* key, const char* fallback,
               char* out, size_t capacity);
int ReadIntKey(const char* path, const char* section, const char* key, int fallback);

// The numbered keys ("1", "2", ...) of a section from 1 to last, with their
// values, in the order of their numbers (the first of a repeated key wins).
// The section is read once, so a hand-edited count or key of a billion costs
// no more than the keys the file really holds.
struct NumberedKeys {
    std::vector<std::pair<int, std::string>> keys;
};
NumberedKeys ReadNumberedKeys(const char* path, const char* section, int last);

// The value of key number in a section so read; "" when it is missing.
const char* NumberedValue(const NumberedKeys& section, int number);

// Copies text into a value field of capacity characters (always
// zero-terminated, cut at the field).
void CopyValue(char* out, size_t capacity, const char* text);

// Writes the notes text (lines separated by "\r\n") as keys "1".."N" and
// "Num" of section "NOTE". A text ending in a line break stores no empty last
// line; keys of an earlier, longer note stay in the file and are ignored. A
// lone "\n" or "\r" (pasted text) ends a line too: written as it stands it
// would make a line of its own in the file, "[LEQ]" a section.
void WriteNotes(const char* notes, const char* path);

// Reads the notes back, lines joined by "\r\n", cut to fit out (the notes box
// holds 512 characters). Returns the number of lines of the file.
int ReadNotes(char* out, size_t capacity, const char* path);
