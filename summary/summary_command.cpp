#include "summary/summary_command.h"

#include <string>

#include "framework/clipboard.h"
#include "framework/whole_file.h"
#include "summary/command_line.h"
#include "summary/folder_scan.h"

bool RunSummaryCommandLine(const char* commandLine, int* exitCode)
{
    SummaryCommand command;
    if (!ParseSummaryCommand(commandLine, &command))
        return false;
    *exitCode = 1;
    if (!command.complete)
        return true;
    FolderScan scan;
    BeginFolderScan(&scan, command.folder, command.subfolders);
    ContinueFolderScan(&scan, 0, false);
    if (scan.failed)
        return true;
    char separator[kListSeparatorMax + 1];
    ListSeparator(separator);
    std::string text = SummaryCsv(scan.rows, separator);
    if (ReplaceFileWhole(command.output.c_str(), text.data(), text.size()))
        *exitCode = 0;
    return true;
}
