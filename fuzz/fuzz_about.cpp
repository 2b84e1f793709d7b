// SPDX-License-Identifier: MIT
// Fuzz target: the about box's data file "data\About.dat".
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "app/AboutData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string& folder = fuzzscratch::ProgramFolder("about", {"data"});
    const std::string path = folder + "data/About.dat";
    fuzzscratch::WriteInput(path, data, size);
    AboutData about;
    if (about.Read(path) != (size <= AboutData::kMaxBytes)) {
        std::abort();
    }
    // Three lines of the file, none with its line end, together no longer than the file.
    for (const std::string* line : {&about.platform, &about.year, &about.version}) {
        if (line->find('\n') != std::string::npos) {
            std::abort();
        }
    }
    if (about.platform.size() + about.year.size() + about.version.size() > size) {
        std::abort();
    }
    return 0;
}
