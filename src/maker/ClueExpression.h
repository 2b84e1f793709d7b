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

namespace maker {

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

// What a property clue may say about its answer.
enum class PropertyKind : uint8_t {
    Prime,        // "a prime"
    Square,       // "a square"
    Cube,         // "a cube"
    MultipleOf,   // "a multiple of N"
    DigitsAddTo,  // "digits add up to N"
    Palindrome,   // "a palindrome"
    ReverseOf,    // "reads the same as 3D backwards"
    Between,      // "between A and B" (both ends allowed)
    Even,         // "even"
    Odd,          // "odd"
};

struct Property {
    PropertyKind kind = PropertyKind::Prime;
    int64_t a = 0;  // N, or the lower end
    int64_t b = 0;  // the upper end
    EntryRef ref;   // ReverseOf
};

inline constexpr size_t kMaxProperties = 8;

class ClueExpression {
public:
    // The value of a referenced entry; false when it has none (yet).
    using Lookup = std::function<bool(const EntryRef& ref, int64_t& value)>;

    // Parses a clue: arithmetic ("1D * 1000 + 611") or properties joined by "and" ("a square
    // and a multiple of 4"). False with a reason when it is not a well-formed clue.
    bool Parse(std::string_view text, std::string& error);

    // A property clue only narrows its answer down; the crossings must do the rest.
    bool IsProperty() const { return !m_properties.empty(); }
    const std::vector<Property>& Properties() const { return m_properties; }
    // Whether an answer fits every property. False when an entry it names has no value.
    bool Holds(int64_t value, const Lookup& lookup) const;
    // Whether it fits every property that names no other entry.
    bool HoldsAlone(int64_t value) const;
    // One sentence per property showing that the answer fits: "16 = 4 \xD7 4.".
    std::vector<std::string> Reasons(int64_t value, const Lookup& lookup) const;

    // Evaluates the clue. False with a reason on a division that does not come out even, an
    // overflow, a square root of a number that is not square, a missing entry and the like.
    bool Evaluate(const Lookup& lookup, int64_t& value, std::string& error) const;

    // The entries the clue uses, in order of first use, each once.
    std::vector<EntryRef> References() const;
    // The numbers written in the clue, in order, each once: its literals, or the numbers of
    // its properties ("a multiple of 6" gives 6). A minus sign is not part of a number.
    std::vector<int64_t> Numbers() const;

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
    // Rewrites a worked-out call whose numbers are known into the calculation a pupil writes
    // ("the mean of 4 and 8" into "(4 + 8) \xF7 2"); false when it is simply worked out.
    static bool Unfold(std::vector<Node>& nodes, size_t index);
    std::string DisplayNode(const std::vector<Node>& nodes, int index) const;
    // How tightly a shown node holds together: words, sums, products, negatives, powers, atoms.
    static int PrecedenceOf(const std::vector<Node>& nodes, int index);
    std::string Operand(const std::vector<Node>& nodes, int index, int outer, bool right) const;

    bool ParseProperties(std::string_view text, std::string& error);
    bool HoldsOne(const Property& property, int64_t value, const Lookup& lookup) const;
    std::string DisplayProperties() const;

    std::vector<Node> m_nodes;
    int m_root = -1;
    std::vector<Property> m_properties;
};

// Helpers the functions use, also handy to authors' tests.
bool IsPrime(int64_t n);
// The n-th prime (the 1st is 2), for n from 1 to 100000; 0 outside that range.
int64_t NthPrime(int64_t n);
int64_t DigitSum(int64_t n);
bool IsSquare(int64_t n);
bool IsCube(int64_t n);
// Whether a clue text is written as properties rather than arithmetic.
bool LooksLikeProperties(std::string_view text);
// "1st", "2nd", "3rd", "4th", "11th", "22nd"...
std::string Ordinal(int64_t n);

}  // namespace maker
