// SPDX-License-Identifier: MIT
// The arithmetic of a cross-number clue: whole numbers, + - × ÷ (exact) and powers, a few
// named functions (squares, roots, digit sums, primes...) and the values of other entries.
// A clue is parsed once, then evaluated, shown to the pupil in words and symbols, and worked
// through step by step for the answer pages. Nothing here can crash on an author's mistake:
// every failure is a reason in plain words.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// An entry of the board: its clue number and direction, written "3A" or "12D" in clues.
struct EntryRef {
    int number = 0;
    bool across = true;

    std::string Key() const;   // "3A"
    std::string Name() const;  // "3 Across"
    friend bool operator==(const EntryRef&, const EntryRef&) = default;
    friend auto operator<=>(const EntryRef&, const EntryRef&) = default;
};

// Bounds that keep every clue small and every evaluation quick.
inline constexpr size_t kMaxClueChars = 400;
inline constexpr int kMaxClueDepth = 32;
inline constexpr size_t kMaxClueNodes = 200;

class ClueExpression {
public:
    // Parses a clue. False with a reason when it is not a well-formed clue.
    bool Parse(std::string_view text, std::string& error);

    // The value of a referenced entry; false when it has none (yet).
    using Lookup = std::function<bool(const EntryRef& ref, int64_t& value)>;

    // Evaluates the clue. False with a reason on a division that does not come out even, an
    // overflow, a square root of a number that is not square, a missing entry and the like.
    bool Evaluate(const Lookup& lookup, int64_t& value, std::string& error) const;

    // The entries the clue uses, in order of first use, each once.
    std::vector<EntryRef> References() const;

    // The clue as the pupil reads it, in Windows-1252: "(the digit sum of 3 Down) × 4".
    std::string Display() const;

    // The working, one line per step, each starting "= ": the entries' values put in, then
    // the innermost calculations done, round by round, down to the value. Empty when the
    // clue is a bare number. The clue must evaluate.
    std::vector<std::string> Working(const Lookup& lookup) const;

private:
    enum class Kind : uint8_t { Number, Ref, Negate, Binary, Call };
    struct Node {
        Kind kind = Kind::Number;
        int64_t value = 0;  // Number
        EntryRef ref;       // Ref
        char op = 0;        // Binary: + - * / ^
        int function = 0;   // Call: index into the function table
        std::vector<int> children;
    };
    friend class ClueParser;

    bool EvaluateNode(int index, const Lookup& lookup, int64_t& value, std::string& error) const;
    std::string DisplayNode(const std::vector<Node>& nodes, int index) const;
    // How tightly a shown node holds together: words, sums, products, negatives, powers, atoms.
    static int PrecedenceOf(const std::vector<Node>& nodes, int index);
    std::string Operand(const std::vector<Node>& nodes, int index, int outer, bool right) const;

    std::vector<Node> m_nodes;
    int m_root = -1;
};

// Helpers the functions use, also handy to authors' tests.
bool IsPrime(int64_t n);
// The n-th prime (the 1st is 2), for n from 1 to 100000; 0 outside that range.
int64_t NthPrime(int64_t n);
int64_t DigitSum(int64_t n);
// "1st", "2nd", "3rd", "4th", "11th", "22nd"...
std::string Ordinal(int64_t n);

}  // namespace content
