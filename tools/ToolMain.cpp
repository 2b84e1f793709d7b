// SPDX-License-Identifier: MIT
// quizlex-tool: the puzzle author's and teacher's command line. Runs each command without a
// window, on the game's own code.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Tool.h"

namespace tool {

namespace {
std::vector<Command>& Table() {
    static std::vector<Command> table;
    return table;
}
}  // namespace

bool Register(const Command& command) {
    Table().push_back(command);
    return true;
}

const std::vector<Command>& Commands() {
    return Table();
}

int Fail(const std::string& reason) {
    std::fprintf(stderr, "quizlex-tool: %s\n", reason.c_str());
    return 1;
}

}  // namespace tool

namespace {

void PrintHelp(std::FILE* out) {
    std::fprintf(out, "usage: quizlex-tool COMMAND ARGUMENTS...\ncommands:\n");
    for (const tool::Command& c : tool::Commands()) {
        std::fprintf(out, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0) {
        PrintHelp(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    // Pictures and pages are drawn with fonts, which need a GUI application, but no window.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    for (const tool::Command& c : tool::Commands()) {
        if (std::strcmp(argv[1], c.name) == 0) {
            tool::Arguments arguments(argv + 2, argv + argc);
            return c.run(arguments);
        }
    }
    std::fprintf(stderr, "quizlex-tool: unknown command '%s'\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
