#pragma once
// The summary's command line:  fonexa.exe /riepilogo [/s] "FOLDER" "OUT.csv"

#include <string>

struct SummaryCommand {
    bool subfolders = false;
    std::string folder;
    std::string output;
    bool complete = false;  // a folder and a file named, nothing else
};

// True when the command line asks for a summary ("/riepilogo" first, in any
// letter case); command then holds what it names. Words are separated by
// blanks; a word in quotes may hold blanks and ends at the next quote (so
// "C:\dati\" is the folder C:\dati\).
bool ParseSummaryCommand(const char* commandLine, SummaryCommand* command);
