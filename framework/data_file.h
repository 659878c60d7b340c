#pragma once
// Calculator data files: initialisation-file text read and written key by key
// through the private-profile functions. Section "FONEXA" key "Tipo" holds
// the calculator's type tag; section "NOTE" the notes, one key per line.

#include <windows.h>

#include <cstddef>

extern const char kFrameSection[];  // "FONEXA"

// Writes "Tipo" of section "FONEXA" (always the first key of a new file).
void WriteFileType(const char* path, const char* tag);

// True when the file's "Tipo" equals tag without regard to letter case. A
// missing or empty key, or a file that is not an initialisation file at all,
// is not of the type.
bool IsFileOfType(const char* path, const char* tag);

void WriteKey(const char* path, const char* section, const char* key, const char* value);
void WriteIntKey(const char* path, const char* section, const char* key, int value);

// Reads a key into out (always zero-terminated, cut at the buffer); returns
// its length, 0 for a missing key or an empty value.
size_t ReadKey(const char* path, const char* section, const char* key, const char* fallback,
               char* out, size_t capacity);
int ReadIntKey(const char* path, const char* section, const char* key, int fallback);

// The largest numbered key ("1", "2", ...) of a section, 0 when none: a
// loader reads numbered rows up to min(count key, this), so that a
// hand-edited count cannot make it read forever.
int LargestNumberedKey(const char* path, const char* section);

// Writes the notes text (lines separated by "\r\n") as keys "1".."N" and
// "Num" of section "NOTE". A text ending in a line break stores no empty last
// line; keys of an earlier, longer note stay in the file and are ignored.
void WriteNotes(const char* notes, const char* path);

// Reads the notes back, lines joined by "\r\n", cut to fit out (the notes box
// holds 512 characters). Returns the number of lines of the file.
int ReadNotes(char* out, size_t capacity, const char* path);
