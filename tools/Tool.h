// SPDX-License-Identifier: MIT
// The command table of quizlex-tool.
#pragma once

#include <string>
#include <vector>

namespace tool {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;                       // the arguments, for the help text
    const char* summary;                     // one line saying what it does
    int (*run)(const Arguments& arguments);  // exit status
};

// Adds a command to the table; used through QZ_TOOL_COMMAND at namespace scope.
bool Register(const Command& command);
const std::vector<Command>& Commands();

// Prints "quizlex-tool: " and the reason to standard error and returns 1.
int Fail(const std::string& reason);

}  // namespace tool

#define QZ_TOOL_CONCAT2(a, b) a##b
#define QZ_TOOL_CONCAT(a, b) QZ_TOOL_CONCAT2(a, b)
#define QZ_TOOL_COMMAND(...) \
    static const bool QZ_TOOL_CONCAT(qzToolRegistered, __LINE__) = ::tool::Register({__VA_ARGS__})
