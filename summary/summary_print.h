#pragma once
// The folder summary on paper: the table through the text printout frame,
// its column titles again at the top of every page.

#include <string>
#include <vector>

#include "summary/summary_table.h"

void PrintFolderSummary(const std::string& folder, bool subfolders, const std::vector<SummaryRow>& rows);
