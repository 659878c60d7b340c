#pragma once
// Reading a folder for the summary: its data files listed (its subfolders'
// too when asked), then each read once and summarised, a slice of work at a
// time so that a window can go on painting and answering between slices.

#include <windows.h>

#include <string>
#include <vector>

#include "summary/summary_table.h"

struct FoundFile {
    std::string relative;  // the path relative to the folder
    long long size;        // as listed
};

struct FolderScan {
    std::string folder;                // as chosen
    bool subfolders = false;
    bool failed = false;               // the folder itself could not be read
    std::vector<std::string> pending;  // folders still to list, relative ("" the folder itself)
    std::vector<FoundFile> files;      // the data files found
    size_t read = 0;                   // files read so far
    std::vector<SummaryRow> rows;      // one a file read, in the order read
    std::vector<char> buffer;          // one file's bytes, reused
};

// Starts a scan of folder: nothing is read yet.
void BeginFolderScan(FolderScan* scan, const std::string& folder, bool subfolders);

// Lists, then reads, for about budgetMs milliseconds (0: to the end), or
// until input waits for the thread when yieldToInput is set. True when the
// scan is over (then the rows are in file order and the buffer is freed).
bool ContinueFolderScan(FolderScan* scan, DWORD budgetMs, bool yieldToInput);

// True while the files are still being listed.
bool ScanListing(const FolderScan& scan);

// One data file of the folder (a path relative to it) read and summarised:
// "non leggibile" when it cannot be opened or read whole. size is the file's
// size as listed, or -1 when it is not known.
SummaryRow SummariseFile(const std::string& folder, const std::string& relative, std::vector<char>* buffer,
                         long long size = -1);

// folder + "\" + name, without doubling the backslash of a drive's root.
std::string JoinFolder(const std::string& folder, const std::string& name);
