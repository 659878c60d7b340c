#pragma once
// The keys of a ".lin" data file (type "LIN"), read and written through the
// caller's key functions, so that every part that reads these files (the
// calculator, a summary of a folder) reads the same layout:
//
//   [FONEXA]  Tipo=LIN  CLASSE=1  PICCO=132.5  ITEMS=3   (instrument class,
//             Lpicco,C as typed, number of tasks)
//   [COMPITO1] .. [COMPITOn]
//             NOME=Saldatura  DURATA=5  U1B=1  ITEMS=3  1=80.1  2=82.2  3=79.6
//
// then the notes. Texts come back as they were typed; the frame's "Tipo" is
// the caller's to check.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "exposure/task_uncertainty.h"

extern const char kUncertaintyTag[];  // "LIN"

struct LinKeyReader {
    // The value of a key ("" when missing), cut at capacity - 1 characters.
    std::function<std::string(const char* section, const char* key, size_t capacity)> value;
    // The keys "1" .. last of a section with their values, in number order.
    std::function<std::vector<std::pair<int, std::string>>(const char* section, int last)> numbered;
};

typedef std::function<void(const char* section, const char* key, const std::string& value)>
    LinKeyWriter;

// Reads the inputs. Tasks whose section holds nothing, and samples whose key
// is missing or empty, are skipped. False when the file holds more than
// kMaxTasks tasks or kMaxTaskSamples samples in a task: only those are read.
bool ReadLinTexts(const LinKeyReader& read, UncertaintyTexts* texts);

// Writes the inputs (after the frame's "Tipo", before the notes).
void WriteLinTexts(const LinKeyWriter& write, const UncertaintyTexts& texts);
