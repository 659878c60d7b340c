#pragma once
// The program folder and the main help file path, from the module path.

#include <cstddef>

// folder: the module path cut at its last backslash, with a backslash added
// back when only a drive remains ("C:" becomes "C:\"). helpFile:
// "<folder>\fonexa.hlp", built before that fix-up, so a program at a drive
// root has the help file "C:\fonexa.hlp".
void ProgramPaths(const char* modulePath, char* folder, size_t folderCapacity, char* helpFile,
                  size_t helpCapacity);

// Command of the calculator or document that opens a file of this path's
// extension (compared without regard to letter case), or 0.
int CommandForExtension(const char* path);

// The file named on the command line: the whole line, without surrounding
// blanks and without the quotes the shell puts around a path with blanks.
void CommandLinePath(const char* commandLine, char* path, size_t capacity);
