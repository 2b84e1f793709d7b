// SPDX-License-Identifier: MIT
// quizlex-tool build: writes the game's program folder from the content sources.
#include <chrono>
#include <cstdio>

#include "Tool.h"
#include "content/ContentBuilder.h"
#include "hypertext/HtfQtFonts.h"

namespace {

int RunBuild(const tool::Arguments& arguments) {
    if (arguments.size() != 2) {
        return tool::Fail("usage: quizlex-tool build CONTENT_FOLDER PROGRAM_FOLDER");
    }
    const auto started = std::chrono::steady_clock::now();
    // Pages are wrapped with the page window's own fonts.
    CHtfQtFonts fonts;
    std::vector<std::string> errors;
    content::BuildSummary summary;
    const bool built = content::BuildContent(arguments[0], arguments[1], fonts, errors, summary);
    for (const std::string& error : errors) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    if (!built) {
        std::fprintf(stderr, "quizlex-tool: nothing built: %zu problem%s in the content\n",
                     errors.size(), errors.size() == 1 ? "" : "s");
        return 1;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - started)
                        .count();
    std::printf("built %s: %d games, %d pages, %d pictures, %d sounds in %lld ms\n",
                arguments[1].c_str(), summary.games, summary.pages, summary.pictures,
                summary.sounds, static_cast<long long>(ms));
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("build", "CONTENT_FOLDER PROGRAM_FOLDER",
                "builds the puzzles, pages, pictures, sounds and reward art into a program folder",
                &RunBuild);
