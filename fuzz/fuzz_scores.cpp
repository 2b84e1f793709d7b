// SPDX-License-Identifier: MIT
// Fuzz target: the high-score file, read with a new entry placed and written back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "reward/HighScoreTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string& folder = fuzzscratch::ProgramFolder("scores", {"ants"});
    const std::string path = folder + CHighScoreTable::kScoresFile;
    fuzzscratch::WriteInput(folder + "ants/scores.dat", data, size);
    CHighScoreTable table;
    table.Load(path, "07\tFuzz");
    if (table.TableSize() < 1 || table.TableSize() > CHighScoreTable::kMaxSize ||
        table.Entries().size() > static_cast<size_t>(table.TableSize())) {
        __builtin_trap();
    }
    table.Save(path);
    // What was written reads back as the same table.
    CHighScoreTable again;
    again.Load(path, "00\t");
    if (again.TableSize() != table.TableSize()) {
        __builtin_trap();
    }
    return 0;
}
