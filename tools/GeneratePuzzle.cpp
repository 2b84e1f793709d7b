// SPDX-License-Identifier: MIT
// quizlex-tool generate: makes a new puzzle source with one proven solution.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Tool.h"
#include "maker/PuzzleGenerator.h"

namespace {

// Any 64-bit whole number: New Puzzle seeds from the clock, and its seed, named in the first
// line of the source it keeps, makes the same puzzle here.
bool WholeNumber(const std::string& text, uint64_t& value) {
    const char* end = text.data() + text.size();
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    return fault == std::errc() && stop == end;
}

int RunGenerate(const tool::Arguments& arguments) {
    const char* usage =
        "usage: quizlex-tool generate --level easy|medium|hard [--size N] [--seed S] [--topic T] "
        "[--title T] [--stem s] --out FILE.qzp";
    maker::GenerateOptions options;
    options.level.clear();
    std::string out;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (i + 1 >= arguments.size()) {
            return tool::Fail(usage);
        }
        const std::string& value = arguments[++i];
        uint64_t number = 0;
        if (name == "--level") {
            options.level = value;
        } else if (name == "--size" && WholeNumber(value, number) && number <= 100) {
            options.size = static_cast<int>(number);
        } else if (name == "--seed" && WholeNumber(value, number)) {
            options.seed = number;
        } else if (name == "--title") {
            options.title = value;
        } else if (name == "--topic") {
            options.topic = value;
        } else if (name == "--stem") {
            options.stem = value;
        } else if (name == "--out") {
            out = value;
        } else {
            return tool::Fail(usage);
        }
    }
    if (options.level.empty() || out.empty()) {
        return tool::Fail(usage);
    }
    std::string source;
    std::string error;
    if (!maker::GeneratePuzzle(options, source, error)) {
        return tool::Fail(error + "; nothing was written");
    }
    // Written beside the target and renamed over it, so a failed write leaves no half file.
    const std::string temporary = out + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << source;
        file.flush();
        if (!file) {
            std::error_code ec;
            std::filesystem::remove(temporary, ec);
            return tool::Fail("cannot write " + out);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, out, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return tool::Fail("cannot write " + out);
    }
    std::printf("wrote %s\n", out.c_str());
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND(
    "generate",
    "--level easy|medium|hard [--size N] [--seed S] [--topic "
    "operations|powers|factors|place-value] "
    "[--title T] [--stem s] --out FILE.qzp",
    "makes a new puzzle source that a pupil can finish by reasoning of its level (so it has one "
    "solution)",
    RunGenerate);
