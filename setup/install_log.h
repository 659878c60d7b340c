#pragma once
// The installation log "setup.log" in the installation folder.

// Opens the log (created if missing, emptied if it holds an earlier
// installation's lines) and writes its first line with the local time. On
// failure it shows "Impossibile creare il file per il log di installazione"
// captioned with the path and returns false.
bool OpenInstallLog(const char* folder);

// One entry: "\r\n", the kind ("Copiato il file: ") and the text.
void LogEntry(const char* kind, const char* text);

void CloseInstallLog();

// The entry kinds.
extern const char kLogFolder[];        // "Creata la cartella: "
extern const char kLogFile[];          // "Copiato il file: "
extern const char kLogKey[];           // "Creata la chiave: "
extern const char kLogLink[];          // "Creato il link: "
extern const char kLogDesktopLink[];   // "Creato il link sul desktop: "
extern const char kLogModified[];      // "Modificato il file: "
