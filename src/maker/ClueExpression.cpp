// SPDX-License-Identifier: MIT
// Parsing, evaluating, showing and working through clue arithmetic.
#include "maker/ClueExpression.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <mutex>
#include <numeric>

namespace maker {
namespace {

constexpr int64_t kMaxValue = 1'000'000'000'000'000'000;  // 10^18
constexpr int64_t kMaxPrimeSearch = 1'000'000'000'000;    // 10^12
constexpr int64_t kMaxPrimePlace = 100'000;

// Precedences of what a clue shows, loosest first. Words (function calls, general powers)
// are wrapped in brackets whenever they stand beside an operator.
constexpr int kWords = 0;
constexpr int kSum = 1;
constexpr int kProduct = 2;
constexpr int kNegative = 3;
constexpr int kPower = 4;
constexpr int kAtom = 5;

const std::string kTimes = "\xD7";
const std::string kDivide = "\xF7";
const std::string kMinus = "\x96";
const std::string kSquared = "\xB2";
const std::string kCubed = "\xB3";

enum Function : int {
    kSq,
    kCube,
    kSqrt,
    kDigitSum,
    kDigitProduct,
    kReverse,
    kPrime,
    kNextPrime,
    kPrevPrime,
    kTriangle,
    kRem,
    kMean,
    kMedian,
    kMode,
    kRange,
    kTerm,
    kHcf,
    kLcm,
    kRound,
    kDigitValue,
    kFunctionCount
};

// A list of two or more numbers, as the averages take.
constexpr size_t kList = 0;

struct FunctionInfo {
    const char* name;
    size_t arity;  // kList: two or more
};

constexpr std::array<FunctionInfo, kFunctionCount> kFunctions = {{
    {"sq", 1},      {"cube", 1},     {"sqrt", 1},       {"digitsum", 1},  {"digitproduct", 1},
    {"reverse", 1}, {"prime", 1},    {"nextprime", 1},  {"prevprime", 1}, {"triangle", 1},
    {"rem", 2},     {"mean", kList}, {"median", kList}, {"mode", kList},  {"range", kList},
    {"term", 3},    {"hcf", kList},  {"lcm", kList},    {"round", 2},     {"digitvalue", 2},
}};

std::string FunctionList() {
    std::string list;
    for (const FunctionInfo& f : kFunctions) {
        list += (list.empty() ? "" : ", ") + std::string(f.name);
    }
    return list;
}

// Values stay within ±10^18, so negating one cannot overflow.
std::string Num(int64_t v) {
    return v < 0 ? kMinus + std::to_string(-v) : std::to_string(v);
}

// Plain text of a number for messages (ASCII minus).
std::string Plain(int64_t v) {
    return std::to_string(v);
}

bool TooBig(int64_t v) {
    return v > kMaxValue || v < -kMaxValue;
}

bool Multiply(int64_t a, int64_t b, int64_t& out) {
    return !__builtin_mul_overflow(a, b, &out) && !TooBig(out);
}

std::vector<bool> g_sieve;
std::vector<int64_t> g_primes;
std::once_flag g_sieveOnce;

const std::vector<int64_t>& Primes() {
    std::call_once(g_sieveOnce, [] {
        constexpr int64_t kLimit = 1'300'000;  // the 100000th prime is 1299709
        g_sieve.assign(kLimit + 1, true);
        g_sieve[0] = g_sieve[1] = false;
        for (int64_t i = 2; i * i <= kLimit; ++i) {
            if (g_sieve[static_cast<size_t>(i)]) {
                for (int64_t j = i * i; j <= kLimit; j += i) {
                    g_sieve[static_cast<size_t>(j)] = false;
                }
            }
        }
        for (int64_t i = 2; i <= kLimit; ++i) {
            if (g_sieve[static_cast<size_t>(i)]) {
                g_primes.push_back(i);
            }
        }
    });
    return g_primes;
}

int64_t IntegerSqrt(int64_t n) {
    if (n < 2) {
        return n;
    }
    int64_t r = static_cast<int64_t>(__builtin_sqrt(static_cast<double>(n)));
    while (r > 0 && r > n / r) {
        --r;
    }
    while ((r + 1) <= n / (r + 1)) {
        ++r;
    }
    return r;
}

// The power of 10 that n is (1 for 10, 2 for 100...), or -1 when n is none.
int IntegerPowerOfTen(int64_t n) {
    int power = 0;
    for (; n >= 10 && n % 10 == 0; n /= 10) {
        ++power;
    }
    return n == 1 ? power : -1;
}

// The value of an average or a range of a list of numbers, or why it has none.
bool ListValue(int function, std::vector<int64_t> list, int64_t& value, std::string& error) {
    std::sort(list.begin(), list.end());
    const int64_t count = static_cast<int64_t>(list.size());
    int64_t total = 0;
    for (int64_t n : list) {
        if (__builtin_add_overflow(total, n, &total) || TooBig(total)) {
            error = "the numbers grow too big";
            return false;
        }
    }
    switch (function) {
        case kMean:
            if (total % count != 0) {
                error =
                    "the mean, " + Plain(total) + " / " + Plain(count) + ", does not come out even";
                return false;
            }
            value = total / count;
            return true;
        case kMedian: {
            const size_t middle = list.size() / 2;
            if (list.size() % 2 == 1) {
                value = list[middle];
                return true;
            }
            const int64_t pair = list[middle - 1] + list[middle];
            if (pair % 2 != 0) {
                error = "the median, halfway between " + Plain(list[middle - 1]) + " and " +
                        Plain(list[middle]) + ", is not a whole number";
                return false;
            }
            value = pair / 2;
            return true;
        }
        case kMode: {
            size_t best = 0;
            bool tie = false;
            for (size_t i = 0, j = 0; i < list.size(); i = j) {
                for (j = i; j < list.size() && list[j] == list[i];) {
                    ++j;
                }
                if (j - i > best) {
                    best = j - i;
                    value = list[i];
                    tie = false;
                } else if (j - i == best) {
                    tie = true;
                }
            }
            if (best < 2 || tie) {
                error = best < 2 ? "no number comes more than once, so there is no mode"
                                 : "two numbers come most often, so there is no single mode";
                return false;
            }
            return true;
        }
        default:  // kRange
            value = list.back() - list.front();
            if (TooBig(value)) {
                error = "the numbers grow too big";
                return false;
            }
            return true;
    }
}

}  // namespace

std::string EntryRef::Key() const {
    return std::to_string(number) + (across ? "A" : "D");
}

std::string EntryRef::Name() const {
    return std::to_string(number) + (across ? " Across" : " Down");
}

bool IsPrime(int64_t n) {
    if (n < 2) {
        return false;
    }
    const std::vector<int64_t>& primes = Primes();
    if (n < static_cast<int64_t>(g_sieve.size())) {
        return g_sieve[static_cast<size_t>(n)];
    }
    for (int64_t p : primes) {
        if (p * p > n) {
            return true;
        }
        if (n % p == 0) {
            return false;
        }
    }
    return true;  // primes up to 1.3 million cover every n up to 10^12
}

bool IsSquare(int64_t n) {
    const int64_t r = IntegerSqrt(n);
    return n >= 0 && r * r == n;
}

bool IsCube(int64_t n) {
    if (n < 0) {
        return false;
    }
    const int64_t near = static_cast<int64_t>(__builtin_cbrt(static_cast<double>(n)));
    for (int64_t r = near > 0 ? near - 1 : 0; r <= near + 1; ++r) {
        if (r * r * r == n) {
            return true;
        }
    }
    return false;
}

int64_t NthPrime(int64_t n) {
    if (n < 1 || n > kMaxPrimePlace) {
        return 0;
    }
    return Primes()[static_cast<size_t>(n - 1)];
}

int64_t DigitSum(int64_t n) {
    int64_t sum = 0;
    for (n = n < 0 ? -n : n; n > 0; n /= 10) {
        sum += n % 10;
    }
    return sum;
}

std::string Ordinal(int64_t n) {
    const int64_t lastTwo = (n < 0 ? -n : n) % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (lastTwo % 10) {
            case 1:
                suffix = "st";
                break;
            case 2:
                suffix = "nd";
                break;
            case 3:
                suffix = "rd";
                break;
            default:
                break;
        }
    }
    return Plain(n) + suffix;
}

// A recursive-descent parser over the clue's bytes (UTF-8 × ÷ and − are accepted too).
class ClueParser {
public:
    ClueParser(std::string_view text, std::vector<ClueExpression::Node>& nodes)
        : m_text(text), m_nodes(nodes) {}

    int ParseAll(std::string& error) {
        int root = ParseSum(0);
        SkipSpace();
        if (m_error.empty() && m_pos < m_text.size()) {
            Fail(m_text[m_pos] == ')' ? "there is a ')' with no '(' before it"
                                      : "unexpected " + Here());
        }
        error = m_error;
        return m_error.empty() ? root : -1;
    }

private:
    using Node = ClueExpression::Node;
    using Kind = ClueExpression::Kind;

    void Fail(const std::string& why) {
        if (m_error.empty()) {
            m_error = why;
        }
    }

    std::string Here() const {
        if (m_pos >= m_text.size()) {
            return "end of the clue";
        }
        const auto c = static_cast<unsigned char>(m_text[m_pos]);
        std::string shown = c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : "?";
        return "'" + shown + "' at character " + std::to_string(m_pos + 1);
    }

    void SkipSpace() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
            ++m_pos;
        }
    }

    bool Accept(std::string_view token) {
        SkipSpace();
        if (m_text.substr(m_pos, token.size()) == token) {
            m_pos += token.size();
            return true;
        }
        return false;
    }

    // Minus as typed: a hyphen, the UTF-8 minus sign, or the en dash it becomes in Windows-1252.
    bool AcceptMinus() { return Accept("-") || Accept("\xE2\x88\x92") || Accept("\x96"); }

    int Add(Node node) {
        if (m_nodes.size() >= kMaxClueNodes) {
            Fail("the clue is too long");
            return -1;
        }
        m_nodes.push_back(std::move(node));
        return static_cast<int>(m_nodes.size()) - 1;
    }

    int MakeBinary(char op, int left, int right) {
        if (left < 0 || right < 0) {
            return -1;
        }
        Node node;
        node.kind = Kind::Binary;
        node.op = op;
        node.children = {left, right};
        return Add(std::move(node));
    }

    bool Deeper(int depth) {
        if (depth > kMaxClueDepth) {
            Fail("the clue has brackets nested too deeply");
            return false;
        }
        return true;
    }

    int ParseSum(int depth) {
        if (!Deeper(depth)) {
            return -1;
        }
        int left = ParseProduct(depth);
        while (m_error.empty()) {
            if (Accept("+")) {
                left = MakeBinary('+', left, ParseProduct(depth));
            } else if (AcceptMinus()) {
                left = MakeBinary('-', left, ParseProduct(depth));
            } else {
                break;
            }
        }
        return left;
    }

    int ParseProduct(int depth) {
        int left = ParseUnary(depth);
        while (m_error.empty()) {
            if (Accept("*") || Accept("\xC3\x97") || Accept("\xD7")) {
                left = MakeBinary('*', left, ParseUnary(depth));
            } else if (Accept("/") || Accept("\xC3\xB7") || Accept("\xF7")) {
                left = MakeBinary('/', left, ParseUnary(depth));
            } else {
                break;
            }
        }
        return left;
    }

    int ParseUnary(int depth) {
        if (AcceptMinus()) {
            if (!Deeper(depth + 1)) {
                return -1;
            }
            int operand = ParseUnary(depth + 1);
            if (operand < 0) {
                return -1;
            }
            Node node;
            node.kind = Kind::Negate;
            node.children = {operand};
            return Add(std::move(node));
        }
        return ParsePower(depth);
    }

    int ParsePower(int depth) {
        int base = ParsePrimary(depth);
        if (m_error.empty() && Accept("^")) {
            if (!Deeper(depth + 1)) {
                return -1;
            }
            // Powers group to the right: 2^3^2 is 2^(3^2).
            int exponent = ParseUnaryPower(depth + 1);
            return MakeBinary('^', base, exponent);
        }
        return base;
    }

    int ParseUnaryPower(int depth) {
        if (AcceptMinus()) {
            Fail("a power must not be negative");
            return -1;
        }
        return ParsePower(depth);
    }

    int ParsePrimary(int depth) {
        SkipSpace();
        if (m_pos >= m_text.size()) {
            Fail(m_nodes.empty() ? "the clue is empty" : "the clue stops before its end");
            return -1;
        }
        const char c = m_text[m_pos];
        if (c == '(') {
            ++m_pos;
            int inner = ParseSum(depth + 1);
            if (m_error.empty() && !Accept(")")) {
                Fail("a '(' is not closed");
                return -1;
            }
            return inner;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            return ParseNumberOrRef();
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            return ParseCall(depth);
        }
        Fail("unexpected " + Here());
        return -1;
    }

    int ParseNumberOrRef() {
        const size_t start = m_pos;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            ++m_pos;
        }
        std::string_view digits = m_text.substr(start, m_pos - start);
        const bool letterFollows =
            m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos]));
        if (letterFollows) {
            const char letter =
                static_cast<char>(std::toupper(static_cast<unsigned char>(m_text[m_pos])));
            const bool another = m_pos + 1 < m_text.size() &&
                                 std::isalnum(static_cast<unsigned char>(m_text[m_pos + 1]));
            if ((letter != 'A' && letter != 'D') || another) {
                Fail("unexpected " + Here() + " after the number " + std::string(digits) +
                     " (an entry is written like 3A or 12D)");
                return -1;
            }
            ++m_pos;
            if (digits.size() > 3 || std::stoi(std::string(digits)) == 0) {
                Fail("there is no entry " + std::string(digits) + letter +
                     " (entries are numbered from 1)");
                return -1;
            }
            Node node;
            node.kind = Kind::Ref;
            node.ref = {std::stoi(std::string(digits)), letter == 'A'};
            return Add(std::move(node));
        }
        if (digits.size() > 18) {
            Fail("the number " + std::string(digits.substr(0, 20)) + "... is too long");
            return -1;
        }
        Node node;
        node.kind = Kind::Number;
        node.value = std::stoll(std::string(digits));
        return Add(std::move(node));
    }

    int ParseCall(int depth) {
        const size_t start = m_pos;
        while (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos]))) {
            ++m_pos;
        }
        std::string name(m_text.substr(start, m_pos - start));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        int function = -1;
        for (size_t i = 0; i < kFunctions.size(); ++i) {
            if (name == kFunctions[i].name) {
                function = static_cast<int>(i);
            }
        }
        if (function < 0) {
            Fail("'" + name.substr(0, 24) + "' is not a function (the functions are " +
                 FunctionList() + ")");
            return -1;
        }
        if (!Accept("(")) {
            Fail(name + " needs its number in brackets, like " + name + "(12)");
            return -1;
        }
        Node node;
        node.kind = Kind::Call;
        node.function = function;
        if (!Accept(")")) {
            do {
                int argument = ParseSum(depth + 1);
                if (argument < 0) {
                    return -1;
                }
                node.children.push_back(argument);
            } while (Accept(","));
            if (!Accept(")")) {
                Fail("a '(' is not closed");
                return -1;
            }
        }
        const size_t arity = kFunctions[static_cast<size_t>(function)].arity;
        if (arity == kList && node.children.size() < 2) {
            Fail(name + " needs two numbers or more, like " + name + "(4, 9, 5)");
            return -1;
        }
        if (arity != kList && node.children.size() != arity) {
            Fail(name + " takes " + std::to_string(arity) +
                 (arity == 1 ? " number, not " : " numbers, not ") +
                 std::to_string(node.children.size()));
            return -1;
        }
        return Add(std::move(node));
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::vector<Node>& m_nodes;
    std::string m_error;
};

bool ClueExpression::Parse(std::string_view text, std::string& error) {
    m_nodes.clear();
    m_root = -1;
    m_properties.clear();
    if (text.size() > kMaxClueChars) {
        error = "the clue is longer than " + std::to_string(kMaxClueChars) + " characters";
        return false;
    }
    if (LooksLikeProperties(text)) {
        return ParseProperties(text, error);
    }
    ClueParser parser(text, m_nodes);
    m_root = parser.ParseAll(error);
    if (m_root < 0) {
        m_nodes.clear();
        if (error.empty()) {
            error = "the clue cannot be read";
        }
        return false;
    }
    return true;
}

bool ClueExpression::EvaluateNode(int index, const Lookup& lookup, int64_t& value,
                                  std::string& error) const {
    const Node& node = m_nodes[static_cast<size_t>(index)];
    switch (node.kind) {
        case Kind::Number:
            value = node.value;
            return true;
        case Kind::Ref:
            if (!lookup || !lookup(node.ref, value)) {
                error = node.ref.Name() + " has no value";
                return false;
            }
            return true;
        case Kind::Negate:
            if (!EvaluateNode(node.children[0], lookup, value, error)) {
                return false;
            }
            value = -value;
            return true;
        case Kind::Binary: {
            int64_t a = 0;
            int64_t b = 0;
            if (!EvaluateNode(node.children[0], lookup, a, error) ||
                !EvaluateNode(node.children[1], lookup, b, error)) {
                return false;
            }
            switch (node.op) {
                case '+':
                    if (__builtin_add_overflow(a, b, &value) || TooBig(value)) {
                        error = "the numbers grow too big";
                        return false;
                    }
                    return true;
                case '-':
                    if (__builtin_sub_overflow(a, b, &value) || TooBig(value)) {
                        error = "the numbers grow too big";
                        return false;
                    }
                    return true;
                case '*':
                    if (!Multiply(a, b, value)) {
                        error = "the numbers grow too big";
                        return false;
                    }
                    return true;
                case '/':
                    if (b == 0) {
                        error = "it divides by 0";
                        return false;
                    }
                    if (a % b != 0) {
                        error = Plain(a) + " / " + Plain(b) + " does not come out even";
                        return false;
                    }
                    value = a / b;
                    return true;
                default: {  // '^'
                    if (b < 0) {
                        error = "a power must not be negative";
                        return false;
                    }
                    value = 1;
                    for (int64_t i = 0; i < b; ++i) {
                        if (!Multiply(value, a, value)) {
                            error = Plain(a) + " to the power " + Plain(b) + " is too big";
                            return false;
                        }
                        if (value == 0 || value == 1) {
                            break;  // 0 and 1 stay as they are
                        }
                    }
                    if (a == -1 && b % 2 == 1) {
                        value = -1;
                    }
                    return true;
                }
            }
        }
        case Kind::Call:
            break;
    }

    std::vector<int64_t> args;
    for (int child : node.children) {
        int64_t v = 0;
        if (!EvaluateNode(child, lookup, v, error)) {
            return false;
        }
        args.push_back(v);
    }
    const int64_t a = args[0];
    switch (node.function) {
        case kSq:
            if (!Multiply(a, a, value)) {
                error = "the square of " + Plain(a) + " is too big";
                return false;
            }
            return true;
        case kCube: {
            int64_t square = 0;
            if (!Multiply(a, a, square) || !Multiply(square, a, value)) {
                error = "the cube of " + Plain(a) + " is too big";
                return false;
            }
            return true;
        }
        case kSqrt: {
            const int64_t root = a < 0 ? -1 : IntegerSqrt(a);
            if (root < 0 || root * root != a) {
                error = "the square root of " + Plain(a) + " is not a whole number";
                return false;
            }
            value = root;
            return true;
        }
        case kDigitSum:
        case kDigitProduct:
        case kReverse: {
            if (a < 0) {
                error = "the digits of a negative number (" + Plain(a) + ") are not used";
                return false;
            }
            if (node.function == kDigitSum) {
                value = DigitSum(a);
            } else if (node.function == kDigitProduct) {
                value = a == 0 ? 0 : 1;
                for (int64_t n = a; n > 0; n /= 10) {
                    value *= n % 10;  // at most 9^18, within int64
                }
            } else {
                if (a % 10 == 0 && a != 0) {
                    error = Plain(a) + " ends in 0, so written backwards it would start with 0";
                    return false;
                }
                value = 0;
                for (int64_t n = a; n > 0; n /= 10) {
                    value = value * 10 + n % 10;
                }
            }
            return true;
        }
        case kPrime:
            if (a < 1 || a > kMaxPrimePlace) {
                error =
                    "prime needs a place from 1 to " + Plain(kMaxPrimePlace) + ", not " + Plain(a);
                return false;
            }
            value = NthPrime(a);
            return true;
        case kNextPrime:
            if (a < 0 || a > kMaxPrimeSearch) {
                error = "nextprime searches after numbers from 0 to 10^12, not " + Plain(a);
                return false;
            }
            value = a + 1;
            while (!IsPrime(value)) {
                ++value;
            }
            return true;
        case kPrevPrime:
            if (a < 3 || a > kMaxPrimeSearch) {
                error = a < 3 ? "there is no prime number before " + Plain(a)
                              : "prevprime searches below numbers up to 10^12, not " + Plain(a);
                return false;
            }
            value = a - 1;
            while (!IsPrime(value)) {
                --value;
            }
            return true;
        case kTriangle:
            if (a < 0 || a > 1'000'000'000) {
                error = "triangle needs a place from 0 to 1000000000, not " + Plain(a);
                return false;
            }
            value = a * (a + 1) / 2;
            return true;
        case kRem:
            if (args[1] <= 0 || a < 0) {
                error = "rem needs a number of 0 or more and a divisor of 1 or more";
                return false;
            }
            value = a % args[1];
            return true;
        case kMean:
        case kMedian:
        case kMode:
        case kRange:
            return ListValue(node.function, args, value, error);
        case kRound:
            // To the nearest 10, 100, 1000...: a number halfway rounds up.
            if (args[1] < 10 || a < 0 || IntegerPowerOfTen(args[1]) < 0) {
                error = "round needs a number of 0 or more and 10, 100, 1000..., not " + Plain(a) +
                        " and " + Plain(args[1]);
                return false;
            }
            value = (a + args[1] / 2) / args[1] * args[1];
            return true;
        case kDigitValue: {
            // What one digit is worth where it stands: the 7 in 4738 is worth 700.
            int64_t place = 1;
            int found = 0;
            for (int64_t n = a; n > 0; n /= 10, place *= 10) {
                if (n % 10 == args[1]) {
                    value = args[1] * place;
                    ++found;
                }
            }
            if (a < 0 || args[1] < 1 || args[1] > 9 || found != 1) {
                error = "digitvalue needs a digit from 1 to 9 written once in the number, not " +
                        Plain(args[1]) + " in " + Plain(a);
                return false;
            }
            return true;
        }
        case kHcf:
        case kLcm:
            value = node.function == kHcf ? 0 : 1;
            for (int64_t n : args) {
                if (n < 1) {
                    error = "hcf and lcm need numbers of 1 or more, not " + Plain(n);
                    return false;
                }
                const int64_t common = std::gcd(value, n);
                if (node.function == kHcf) {
                    value = common;
                } else if (!Multiply(value / common, n, value)) {
                    error = "the numbers grow too big";
                    return false;
                }
            }
            return true;
        case kTerm: {
            // The n-th term of first, first + step, first + 2 × step...
            int64_t steps = 0;
            if (args[2] < 1) {
                error = "term needs a place of 1 or more, not " + Plain(args[2]);
                return false;
            }
            if (!Multiply(args[2] - 1, args[1], steps) ||
                __builtin_add_overflow(a, steps, &value) || TooBig(value)) {
                error = "the numbers grow too big";
                return false;
            }
            return true;
        }
        default:
            error = "unknown function";
            return false;
    }
}

bool ClueExpression::Evaluate(const Lookup& lookup, int64_t& value, std::string& error) const {
    if (IsProperty()) {
        error = "the clue only says what the answer is like; the crossings must find it";
        return false;
    }
    if (m_root < 0) {
        error = "the clue was not read";
        return false;
    }
    return EvaluateNode(m_root, lookup, value, error);
}

std::vector<int64_t> ClueExpression::Numbers() const {
    std::vector<int64_t> numbers;
    auto add = [&numbers](int64_t n) {
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) {
            numbers.push_back(n);
        }
    };
    for (const Node& node : m_nodes) {
        if (node.kind == Kind::Number) {
            add(node.value);
        }
    }
    for (const Property& property : m_properties) {
        if (property.kind == PropertyKind::MultipleOf ||
            property.kind == PropertyKind::DigitsAddTo || property.kind == PropertyKind::Between) {
            add(property.a);
        }
        if (property.kind == PropertyKind::Between) {
            add(property.b);
        }
    }
    return numbers;
}

std::vector<EntryRef> ClueExpression::References() const {
    std::vector<EntryRef> refs;
    for (const Node& node : m_nodes) {
        if (node.kind == Kind::Ref && std::find(refs.begin(), refs.end(), node.ref) == refs.end()) {
            refs.push_back(node.ref);
        }
    }
    for (const Property& property : m_properties) {
        if (property.kind == PropertyKind::ReverseOf &&
            std::find(refs.begin(), refs.end(), property.ref) == refs.end()) {
            refs.push_back(property.ref);
        }
    }
    return refs;
}

namespace {

bool IsSuperscript(int64_t exponent) {
    return exponent == 2 || exponent == 3;
}

}  // namespace

std::string ClueExpression::Operand(const std::vector<Node>& nodes, int index, int outer,
                                    bool right) const {
    const int inner = PrecedenceOf(nodes, index);
    bool wrap = inner < outer || (right && inner == outer && outer != kPower);
    // A power's base is wrapped unless it is a plain number: "(3 Down)²", "(2 + 1)²".
    if (outer == kPower && !right) {
        const Node& node = nodes[static_cast<size_t>(index)];
        wrap = !(node.kind == Kind::Number && node.value >= 0);
    }
    std::string text = DisplayNode(nodes, index);
    return wrap ? "(" + text + ")" : text;
}

std::string ClueExpression::DisplayNode(const std::vector<Node>& nodes, int index) const {
    const Node& node = nodes[static_cast<size_t>(index)];
    switch (node.kind) {
        case Kind::Number:
            return Num(node.value);
        case Kind::Ref:
            return node.ref.Name();
        case Kind::Negate:
            // A negative number after a minus is bracketed too: "\x96(\x9633)", never "\x96\x9633".
            return kMinus + Operand(nodes, node.children[0], kNegative, true);
        case Kind::Binary: {
            const int left = node.children[0];
            const int right = node.children[1];
            // A negative number after an operator is bracketed: "25 \x96 (\x9614)".
            auto side = [&](int child, int outer, bool isRight) {
                std::string text = Operand(nodes, child, outer, isRight);
                if (child == right && PrecedenceOf(nodes, child) == kNegative && text[0] != '(') {
                    text = "(" + text + ")";
                }
                return text;
            };
            switch (node.op) {
                case '+':
                    return side(left, kSum, false) + " + " + side(right, kSum, false);
                case '-':
                    return side(left, kSum, false) + " " + kMinus + " " + side(right, kSum, true);
                case '*':
                    return side(left, kProduct, false) + " " + kTimes + " " +
                           side(right, kProduct, false);
                case '/':
                    return side(left, kProduct, false) + " " + kDivide + " " +
                           side(right, kProduct, true);
                default: {
                    const Node& exponent = nodes[static_cast<size_t>(right)];
                    if (exponent.kind == Kind::Number && IsSuperscript(exponent.value)) {
                        return Operand(nodes, left, kPower, false) +
                               (exponent.value == 2 ? kSquared : kCubed);
                    }
                    return Operand(nodes, left, kPower, false) + " to the power " +
                           Operand(nodes, right, kAtom, false);
                }
            }
        }
        case Kind::Call:
            break;
    }
    // Arguments of words are wrapped only when they are sums, products or negatives.
    auto arg = [&](size_t i) {
        const int child = node.children[i];
        const int p = PrecedenceOf(nodes, child);
        std::string text = DisplayNode(nodes, child);
        return p > kWords && p < kPower ? "(" + text + ")" : text;
    };
    auto place = [&](const char* what, size_t i = 0) {
        const Node& n = nodes[static_cast<size_t>(node.children[i])];
        if (n.kind == Kind::Number) {
            return "the " + Ordinal(n.value) + " " + what;
        }
        return "the (" + DisplayNode(nodes, node.children[i]) + ")th " + what;
    };
    // An item of a list: negative numbers need no brackets there.
    auto item = [&](size_t i) {
        const int p = PrecedenceOf(nodes, node.children[i]);
        std::string text = DisplayNode(nodes, node.children[i]);
        return p == kSum || p == kProduct ? "(" + text + ")" : text;
    };
    auto list = [&]() {  // "14, 18 and 25"
        std::string text;
        for (size_t i = 0; i < node.children.size(); ++i) {
            text += i == 0 ? "" : i + 1 == node.children.size() ? " and " : ", ";
            text += item(i);
        }
        return text;
    };
    switch (node.function) {
        case kSq:
            return Operand(nodes, node.children[0], kPower, false) + kSquared;
        case kCube:
            return Operand(nodes, node.children[0], kPower, false) + kCubed;
        case kSqrt:
            return "the square root of " + arg(0);
        case kDigitSum:
            return "the sum of the digits of " + arg(0);
        case kDigitProduct:
            return "the product of the digits of " + arg(0);
        case kReverse:
            return arg(0) + " written backwards";
        case kPrime:
            return place("prime number");
        case kNextPrime:
            return "the first prime number after " + arg(0);
        case kPrevPrime:
            return "the last prime number before " + arg(0);
        case kTriangle:
            return place("triangle number");
        case kRem:
            return "the remainder when " + arg(0) + " is divided by " + arg(1);
        case kMean:
            return "the mean of " + list();
        case kMedian:
            return "the median of " + list();
        case kMode:
            return "the mode of " + list();
        case kRange:
            return "the range of " + list();
        case kRound:
            return arg(0) + " rounded to the nearest " + arg(1);
        case kDigitValue:
            return "the value of the digit " + arg(1) + " in " + arg(0);
        case kHcf:
            return "the highest common factor of " + list();
        case kLcm:
            return "the lowest common multiple of " + list();
        case kTerm: {
            // A step written with a minus sign goes down: "goes down by 3 each time".
            const Node& step = nodes[static_cast<size_t>(node.children[1])];
            const bool down =
                step.kind == Kind::Negate || (step.kind == Kind::Number && step.value < 0);
            const std::string by =
                step.kind == Kind::Negate   ? Operand(nodes, step.children[0], kNegative, false)
                : step.kind == Kind::Number ? Num(step.value < 0 ? -step.value : step.value)
                                            : arg(1);
            const bool numbered = nodes[static_cast<size_t>(node.children[2])].kind == Kind::Number;
            return (numbered ? place("term", 2) : "term number " + arg(2)) +
                   " of the sequence that starts at " + item(0) + " and goes " +
                   (down ? "down" : "up") + " by " + by + " each time";
        }
        default:
            return "?";
    }
}

int ClueExpression::PrecedenceOf(const std::vector<Node>& nodes, int index) {
    const Node& node = nodes[static_cast<size_t>(index)];
    switch (node.kind) {
        case Kind::Number:
            return node.value < 0 ? kNegative : kAtom;
        case Kind::Ref:
            return kAtom;
        case Kind::Negate:
            return kNegative;
        case Kind::Binary: {
            if (node.op == '+' || node.op == '-') {
                return kSum;
            }
            if (node.op == '*' || node.op == '/') {
                return kProduct;
            }
            const Node& exponent = nodes[static_cast<size_t>(node.children[1])];
            return exponent.kind == Kind::Number && IsSuperscript(exponent.value) ? kPower : kWords;
        }
        case Kind::Call:
            return node.function == kSq || node.function == kCube ? kPower : kWords;
    }
    return kAtom;
}

std::string ClueExpression::Display() const {
    if (IsProperty()) {
        return DisplayProperties();
    }
    return m_root < 0 ? std::string() : DisplayNode(m_nodes, m_root);
}

bool ClueExpression::Unfold(std::vector<Node>& nodes, size_t index) {
    if (nodes[index].kind != Kind::Call) {
        return false;
    }
    const int function = nodes[index].function;
    std::vector<int> children = nodes[index].children;
    auto valueOf = [&nodes](int child) { return nodes[static_cast<size_t>(child)].value; };
    auto add = [&nodes](Node node) {
        nodes.push_back(std::move(node));
        return static_cast<int>(nodes.size()) - 1;
    };
    auto number = [&add](int64_t value) {
        Node node;
        node.value = value;
        return add(node);
    };
    auto binary = [&add](char op, int left, int right) {
        Node node;
        node.kind = Kind::Binary;
        node.op = op;
        node.children = {left, right};
        return add(node);
    };
    auto become = [&nodes, index](char op, int left, int right) {
        nodes[index].kind = Kind::Binary;
        nodes[index].op = op;
        nodes[index].children = {left, right};
    };
    const auto byValue = [&valueOf](int x, int y) { return valueOf(x) < valueOf(y); };
    switch (function) {
        case kMean: {  // (14 + 18 + 25) ÷ 3
            int total = children[0];
            for (size_t i = 1; i < children.size(); ++i) {
                total = binary('+', total, children[i]);
            }
            become('/', total, number(static_cast<int64_t>(children.size())));
            return true;
        }
        case kRange: {  // largest − smallest
            const auto [low, high] = std::minmax_element(children.begin(), children.end(), byValue);
            become('-', *high, *low);
            return true;
        }
        case kTerm: {  // first + (n − 1) × step, or first − (n − 1) × step going down
            const int64_t step = valueOf(children[1]);
            const int places = binary('-', children[2], number(1));
            const int stepNode = step < 0 ? number(-step) : children[1];
            become(step < 0 ? '-' : '+', children[0], binary('*', places, stepNode));
            return true;
        }
        case kMedian:
        case kMode: {
            // First the numbers in order; then the middle one, or halfway between the two.
            if (!std::is_sorted(children.begin(), children.end(), byValue)) {
                std::stable_sort(children.begin(), children.end(), byValue);
                nodes[index].children = children;
                return true;
            }
            if (function == kMode || children.size() % 2 == 1) {
                return false;
            }
            const size_t middle = children.size() / 2;
            become('/', binary('+', children[middle - 1], children[middle]), number(2));
            return true;
        }
        default:
            return false;
    }
}

std::vector<std::string> ClueExpression::Working(const Lookup& lookup) const {
    std::vector<std::string> lines;
    if (m_root < 0) {
        return lines;
    }
    std::vector<Node> nodes = m_nodes;
    auto toNumber = [&](size_t i, int64_t value) {
        nodes[i].kind = Kind::Number;
        nodes[i].value = value;
        nodes[i].children.clear();
    };
    bool anyRef = false;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind == Kind::Ref) {
            int64_t value = 0;
            if (!lookup || !lookup(nodes[i].ref, value)) {
                return {};
            }
            toNumber(i, value);
            anyRef = true;
        }
    }
    // A round that changes nothing on the page (-175 becoming the number -175) is not shown.
    std::string shown = DisplayNode(nodes, m_root);
    if (anyRef) {
        lines.push_back("= " + shown);
    }
    // Each round works out every calculation whose parts are all known numbers.
    while (nodes[static_cast<size_t>(m_root)].kind != Kind::Number) {
        std::vector<size_t> ready;
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].kind == Kind::Number || nodes[i].children.empty()) {
                continue;
            }
            bool allNumbers = true;
            for (int child : nodes[i].children) {
                allNumbers = allNumbers && nodes[static_cast<size_t>(child)].kind == Kind::Number;
            }
            if (allNumbers) {
                ready.push_back(i);
            }
        }
        if (ready.empty()) {
            return {};
        }
        // The averages, the range and the n-th term first show how they are worked out.
        std::erase_if(ready, [&nodes](size_t i) { return Unfold(nodes, i); });
        ClueExpression step;
        step.m_nodes = nodes;
        std::vector<int64_t> values;
        for (size_t i : ready) {
            int64_t value = 0;
            std::string error;
            if (!step.EvaluateNode(static_cast<int>(i), lookup, value, error)) {
                return {};
            }
            values.push_back(value);
        }
        for (size_t k = 0; k < ready.size(); ++k) {
            toNumber(ready[k], values[k]);
        }
        const std::string next = DisplayNode(nodes, m_root);
        if (next != shown) {
            lines.push_back("= " + next);
            shown = next;
        }
    }
    return lines;
}

}  // namespace maker
