// Turns a checked help project into a WinHelp 3.1 file and its contents file.
#pragma once

#include <string>

#include "hlp_format.h"
#include "topic_source.h"

// The whole .hlp file. False with a message when a topic does not fit the
// format (a paragraph longer than a topic block, more than 65535 numbers).
bool BuildHelpFile(const HelpProject& project, Bytes* out, std::string* error);

// The .cnt contents file: ":Base", ":Title", the contents topic, then one
// book per distinct @book in the order met, each with its topics. Code page
// 1252, CR LF line ends.
std::string BuildContentsFile(const HelpProject& project, const std::string& helpFileName);
