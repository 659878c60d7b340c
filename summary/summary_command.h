#pragma once
// fonexa.exe /riepilogo [/s] "FOLDER" "OUT.csv": the folder summary written
// to a file without a window, for batch use.

// True when the command line asks for a summary; exitCode is then 0 (the
// file written whole) or 1 (the folder could not be read, the file could
// not be written, or the line does not name both: no file written).
bool RunSummaryCommandLine(const char* commandLine, int* exitCode);
