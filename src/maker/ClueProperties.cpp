// SPDX-License-Identifier: MIT
// Property clues: reading, testing and showing what a clue says its answer is like.
#include <algorithm>
#include <cctype>

#include "maker/ClueExpression.h"

namespace maker {
namespace {

constexpr int64_t kMaxPropertyNumber = 1'000'000'000'000'000;  // 10^15

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isspace(u) || c == ',') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
            continue;
        }
        word.push_back(static_cast<char>(std::tolower(u)));
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

bool ReadNumber(const std::string& word, int64_t& value) {
    if (word.empty() || word.size() > 16 ||
        !std::all_of(word.begin(), word.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return false;
    }
    value = std::stoll(word);
    return value <= kMaxPropertyNumber;
}

bool ReadRef(const std::string& word, EntryRef& ref) {
    if (word.size() < 2 || word.size() > 4) {
        return false;
    }
    const char last = word.back();
    const std::string digits = word.substr(0, word.size() - 1);
    if ((last != 'a' && last != 'd') ||
        !std::all_of(digits.begin(), digits.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return false;
    }
    ref = {std::stoi(digits), last == 'a'};
    return ref.number > 0;
}

std::string Reversed(std::string text) {
    std::reverse(text.begin(), text.end());
    return text;
}

// The whole square or cube root of a square or cube.
int64_t Root(int64_t value, int power) {
    const double guess = power == 2 ? __builtin_sqrt(static_cast<double>(value))
                                    : __builtin_cbrt(static_cast<double>(value));
    const int64_t near = static_cast<int64_t>(guess + 0.5);
    for (int64_t r = near > 0 ? near - 1 : 0; r <= near + 1; ++r) {
        if ((power == 2 ? r * r : r * r * r) == value) {
            return r;
        }
    }
    return near;
}

}  // namespace

bool LooksLikeProperties(std::string_view text) {
    const std::vector<std::string> words = Words(text.substr(0, std::min<size_t>(text.size(), 40)));
    if (words.empty()) {
        return false;
    }
    const std::string& first = words.front();
    return first == "a" || first == "an" || first == "even" || first == "odd" ||
           first == "between" || first == "digits" || first == "its" || first == "reads";
}

bool ClueExpression::ParseProperties(std::string_view text, std::string& error) {
    const std::vector<std::string> words = Words(text);
    size_t at = 0;
    auto next = [&]() -> std::string { return at < words.size() ? words[at++] : std::string(); };
    auto expect = [&](std::initializer_list<const char*> wanted) {
        for (const char* w : wanted) {
            if (next() != w) {
                return false;
            }
        }
        return true;
    };
    auto fail = [&](const std::string& why) {
        m_properties.clear();
        error = why;
        return false;
    };
    while (true) {
        if (m_properties.size() >= kMaxProperties) {
            return fail("a clue says at most " + std::to_string(kMaxProperties) +
                        " things about its answer");
        }
        Property property;
        std::string word = next();
        if (word == "a" || word == "an") {
            word = next();
        }
        if (word == "prime" || word == "square" || word == "cube") {
            property.kind = word == "prime"    ? PropertyKind::Prime
                            : word == "square" ? PropertyKind::Square
                                               : PropertyKind::Cube;
            if (at < words.size() && words[at] == "number") {
                ++at;
            }
        } else if (word == "palindrome") {
            property.kind = PropertyKind::Palindrome;
        } else if (word == "even" || word == "odd") {
            property.kind = word == "even" ? PropertyKind::Even : PropertyKind::Odd;
            if (at < words.size() && words[at] == "number") {
                ++at;
            }
        } else if (word == "multiple") {
            property.kind = PropertyKind::MultipleOf;
            if (!expect({"of"}) || !ReadNumber(next(), property.a) || property.a < 2) {
                return fail("\"a multiple of\" needs a whole number from 2 up after it");
            }
        } else if (word == "its" || word == "digits") {
            property.kind = PropertyKind::DigitsAddTo;
            if (word == "its" && next() != "digits") {
                return fail("write \"digits add up to N\"");
            }
            if (!expect({"add", "up", "to"}) || !ReadNumber(next(), property.a) || property.a < 1) {
                return fail("\"digits add up to\" needs a whole number from 1 up after it");
            }
        } else if (word == "reads") {
            property.kind = PropertyKind::ReverseOf;
            if (!expect({"the", "same", "as"}) || !ReadRef(next(), property.ref) ||
                next() != "backwards") {
                return fail("write \"reads the same as 3D backwards\"");
            }
        } else if (word == "between") {
            property.kind = PropertyKind::Between;
            if (!ReadNumber(next(), property.a) || next() != "and" ||
                !ReadNumber(next(), property.b) || property.a > property.b) {
                return fail("write \"between A and B\" with A no larger than B");
            }
        } else {
            return fail(word.empty() ? "the clue ends where a property should follow"
                                     : "\"" + word.substr(0, 20) +
                                           "\" is not a property (a prime, a square, a cube, a "
                                           "multiple of N, digits add up to N, a palindrome, reads "
                                           "the same as 3D backwards, between A and B, even, odd)");
        }
        m_properties.push_back(property);
        if (at == words.size()) {
            return true;
        }
        if (next() != "and") {
            return fail("properties are joined by \"and\"");
        }
    }
}

bool ClueExpression::HoldsOne(const Property& property, int64_t value, const Lookup& lookup) const {
    switch (property.kind) {
        case PropertyKind::Prime:
            return IsPrime(value);
        case PropertyKind::Square:
            return IsSquare(value);
        case PropertyKind::Cube:
            return IsCube(value);
        case PropertyKind::MultipleOf:
            return value % property.a == 0;
        case PropertyKind::DigitsAddTo:
            return DigitSum(value) == property.a;
        case PropertyKind::Palindrome: {
            const std::string digits = std::to_string(value);
            return digits == Reversed(digits);
        }
        case PropertyKind::ReverseOf: {
            int64_t other = 0;
            if (!lookup || !lookup(property.ref, other) || other < 0) {
                return false;
            }
            return std::to_string(value) == Reversed(std::to_string(other));
        }
        case PropertyKind::Between:
            return value >= property.a && value <= property.b;
        case PropertyKind::Even:
            return value % 2 == 0;
        case PropertyKind::Odd:
            return value % 2 != 0;
    }
    return false;
}

bool ClueExpression::Holds(int64_t value, const Lookup& lookup) const {
    return value >= 0 && std::all_of(m_properties.begin(), m_properties.end(),
                                     [&](const Property& p) { return HoldsOne(p, value, lookup); });
}

bool ClueExpression::HoldsAlone(int64_t value) const {
    return value >= 0 &&
           std::all_of(m_properties.begin(), m_properties.end(), [&](const Property& p) {
               return p.kind == PropertyKind::ReverseOf || HoldsOne(p, value, nullptr);
           });
}

// One sentence, whatever the properties: "An even multiple of 7 between 40 and 90 whose digits
// add up to 9", "A square number that is also a multiple of 4".
std::string ClueExpression::DisplayProperties() const {
    std::string parity;
    std::string head;
    std::string between;
    std::string digits;
    std::vector<std::string> clauses;
    for (const Property& property : m_properties) {
        std::string noun;
        switch (property.kind) {
            case PropertyKind::Prime:
                noun = "prime number";
                break;
            case PropertyKind::Square:
                noun = "square number";
                break;
            case PropertyKind::Cube:
                noun = "cube number";
                break;
            case PropertyKind::MultipleOf:
                noun = "multiple of " + std::to_string(property.a);
                break;
            case PropertyKind::Palindrome:
                noun = "palindrome";
                break;
            case PropertyKind::Even:
            case PropertyKind::Odd: {
                const std::string word = property.kind == PropertyKind::Even ? "even" : "odd";
                if (parity.empty()) {
                    parity = word;
                } else {
                    clauses.push_back("is also " + word);
                }
                continue;
            }
            case PropertyKind::Between: {
                const std::string range =
                    "between " + std::to_string(property.a) + " and " + std::to_string(property.b);
                if (between.empty()) {
                    between = range;
                } else {
                    clauses.push_back("is also " + range);
                }
                continue;
            }
            case PropertyKind::DigitsAddTo:
                if (digits.empty()) {
                    digits = "whose digits add up to " + std::to_string(property.a);
                } else {
                    clauses.push_back("has digits that add up to " + std::to_string(property.a));
                }
                continue;
            case PropertyKind::ReverseOf:
                clauses.push_back("reads the same as " + property.ref.Name() + " backwards");
                continue;
        }
        if (head.empty()) {
            head = noun;
        } else {
            clauses.push_back("is also a " + noun);
        }
    }
    if (m_properties.empty()) {
        return {};
    }
    std::string text = parity.empty() ? "A " : "An " + parity + " ";
    text += head.empty() ? "number" : head;
    text += between.empty() ? "" : " " + between;
    text += digits.empty() ? "" : " " + digits;
    for (size_t i = 0; i < clauses.size(); ++i) {
        text += i > 0 ? " and " : digits.empty() ? " that " : " and that ";
        text += clauses[i];
    }
    return text;
}

std::vector<std::string> ClueExpression::Reasons(int64_t value, const Lookup& lookup) const {
    std::vector<std::string> lines;
    const std::string v = std::to_string(value);
    for (const Property& property : m_properties) {
        std::string line;
        switch (property.kind) {
            case PropertyKind::Prime:
                line = v + " is a prime number: it has exactly two factors, 1 and " + v + ".";
                break;
            case PropertyKind::Square: {
                const int64_t r = Root(value, 2);
                line = v + " = " + std::to_string(r) + " \xD7 " + std::to_string(r) +
                       ", a square number.";
                break;
            }
            case PropertyKind::Cube: {
                const int64_t r = Root(value, 3);
                const std::string rs = std::to_string(r);
                line = v + " = " + rs + " \xD7 " + rs + " \xD7 " + rs + ", a cube number.";
                break;
            }
            case PropertyKind::MultipleOf:
                line = v + " = " + std::to_string(property.a) + " \xD7 " +
                       std::to_string(property.a == 0 ? 0 : value / property.a) + ".";
                break;
            case PropertyKind::DigitsAddTo: {
                std::string sum;
                for (char d : v) {
                    sum += (sum.empty() ? "" : " + ") + std::string(1, d);
                }
                line = sum + " = " + std::to_string(DigitSum(value)) + ".";
                break;
            }
            case PropertyKind::Palindrome:
                line = v + " reads the same backwards.";
                break;
            case PropertyKind::ReverseOf: {
                int64_t other = 0;
                const bool known = lookup && lookup(property.ref, other);
                line = property.ref.Name() + " is " + (known ? std::to_string(other) : "?") +
                       "; backwards it reads " + v + ".";
                break;
            }
            case PropertyKind::Between:
                line = v + " lies between " + std::to_string(property.a) + " and " +
                       std::to_string(property.b) + ".";
                break;
            case PropertyKind::Even:
                line = v + " ends in " + v.substr(v.size() - 1) + ", so it is even.";
                break;
            case PropertyKind::Odd:
                line = v + " ends in " + v.substr(v.size() - 1) + ", so it is odd.";
                break;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace maker
