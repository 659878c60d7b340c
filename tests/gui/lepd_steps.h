#pragma once
// Steps shared by the tests of the daily exposure calculator.

#include <string>

#include "tests/gui/harness.h"

// Forgets what the calculator remembers, as at the program's start.
void ForgetDailyExposure();

// Opens "LEPD" from the main menu.
gui::Window OpenLepd();

// Adds a row through "&Aggiungi" and the entry dialog.
void AddRow(const gui::Window& lepd, const std::string& level, const std::string& duration);

// Copies ("C&opia") the report of two rows, 90 dBA and 80.5 dBA for 4 hours
// each, with the notes, and closes the calculator.
void CopyTwoRowReport(const std::string& notes);
