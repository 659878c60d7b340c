#pragma once
// The data files of one type in a folder, as both the installer (samples
// beside setup) and the uninstaller (the user's files) look for them.

#include <functional>

// Calls visit with the name of every file (not folder) of folder whose real
// extension is ext: "*.fnx" also matches "relazione.fnxold" through its 8.3
// name, which is left out. Stops when visit returns false.
void ForEachDataFile(const char* folder, const char* ext, const std::function<bool(const char* name)>& visit);
