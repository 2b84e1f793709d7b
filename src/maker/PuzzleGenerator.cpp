// SPDX-License-Identifier: MIT
// Generating puzzles: board, answers, clues, hints, and the proof of one solution.
#include "maker/PuzzleGenerator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <random>
#include <set>

#include "maker/ClueExpression.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

namespace content {
namespace {

// Every sentence the generator writes, so that they can be translated in one place. <a>, <b>,
// <c>, <n>, <p>, <k>, <ref> and <v> are filled in; {3A} and {=...} are the puzzle's own.
struct Template {
    const char* key;
    const char* text;
};

constexpr std::array kTexts = {
    Template{"intro.easy",
             "A puzzle made just for you! Every answer is one sum: times tables, adding "
             "or taking away."},
    Template{"intro.medium",
             "A puzzle made just for you! Some clues take two steps, some use squares, "
             "cubes, halves and doubles, and a few use another answer."},
    Template{"intro.hard",
             "A puzzle made just for you! Many clues use other answers, and some only "
             "say what the answer is like: then the crossing answers must tell you "
             "its digits."},
    Template{"intro.all",
             "Work out each clue, then write its digits on the board, one digit in each "
             "white square."},
    Template{"times.hint", "Use the <b> times table: count up in <b>s, <a> times."},
    Template{"times.ask", "Is <b> × <a> the same as <a> × <b>? | Yes: the order does not matter"},
    Template{"times.explain", "<a> × <b> = <v>."},
    Template{"add.hint",
             "Add the hundreds, then the tens, then the ones. Carry when a column makes "
             "ten or more."},
    Template{"add.ask", "What is <a> + <p>? | <n>"},
    Template{"add.explain", "<a> + <b> = <v>."},
    Template{"take.hint", "Take away the tens first, then the ones."},
    Template{"take.ask", "What is <a> - <p>? | <n>"},
    Template{"take.explain", "<a> - <b> = <v>."},
    Template{"twostep.hint", "Two steps: first multiply <a> by <b>, then <k> <c>."},
    Template{"twostep.ask", "What is <a> × <b>? | <p>"},
    Template{"twostep.explain", "<a> × <b> = <p>, and <p> <op> <c> = <v>."},
    Template{"square.hint",
             "A square number is a number times itself. Work out <a> × <a> first, then "
             "<k> <c>."},
    Template{"square.ask", "What is <a> × <a>? | <p>"},
    Template{"square.explain", "<a>² = <a> × <a> = <p>, and <p> <op> <c> = <v>."},
    Template{"cube.hint",
             "A cube number is a number times itself, and times itself again: <a> × <a> × "
             "<a>. Then <k> <c>."},
    Template{"cube.ask", "What is <a> × <a>? | <n>"},
    Template{"cube.explain", "<a>³ = <a> × <a> × <a> = <p>, and <p> <op> <c> = <v>."},
    Template{"double.hint",
             "Doubling is adding a number to itself: double the tens, double the ones, "
             "then add them."},
    Template{"double.ask", "What is double <n>? | <p>"},
    Template{"double.explain", "Double <a> is <a> + <a> = <v>."},
    Template{"half.hint",
             "Halving shares a number into two equal parts. Halve the tens and the ones "
             "separately if that helps."},
    Template{"half.ask", "What is half of <n>? | <p>"},
    Template{"half.explain", "Half of <a> is <v>, because <v> + <v> = <a>."},
    Template{"ref.hint", "Find {<ref>} first, then <k> <c>."},
    Template{"ref.explain", "{<ref>} is {=<ref>}, and {=<ref>} <op> <c> = <v>."},
    Template{"reftimes.hint", "Find {<ref>} first. Multiply it by <b>, then <k> <c>."},
    Template{"reftimes.explain",
             "{<ref>} is {=<ref>}, {=<ref>} × <b> = {=<ref> * <b>}, and "
             "{=<ref> * <b>} <op> <c> = <v>."},
    Template{"digitsum.hint",
             "Find {<ref>} and add up its digits. Multiply that sum by <b>, then <k> "
             "<c>."},
    Template{"digitsum.ask", "What are the digits of 25 added up? | 2 + 5 = 7"},
    Template{"digitsum.explain",
             "The digits of {=<ref>} add up to {=digitsum(<ref>)}; "
             "{=digitsum(<ref>)} × <b> = {=digitsum(<ref>) * <b>}, and "
             "{=digitsum(<ref>) * <b>} <op> <c> = <v>."},
    Template{"reverse.hint", "Find {<ref>} and write its digits backwards, then <k> <c>."},
    Template{"reverse.ask", "What is 123 backwards? | 321"},
    Template{"reverse.explain",
             "{<ref>} is {=<ref>}; backwards it is {=reverse(<ref>)}, and "
             "{=reverse(<ref>)} <op> <c> = <v>."},
    Template{"property.hint",
             "The clue does not tell the answer: it says what the answer is like. "
             "Fill in the digits that the crossing answers give you first, then "
             "find the only number that fits."},
    Template{"property.ask",
             "How many <n>-digit numbers fit the clue on its own? | <count> of them: the "
             "crossing answers pick out the one on the board"},
    Template{"property.explain", "Only <v> fits both the clue and the crossing answers."},
    Template{"prime.tip",
             "A prime number has exactly two factors, 1 and itself, so 1 is not a prime."},
    Template{"square.tip", "Square numbers: 1, 4, 9, 16, 25, 36, 49, 64, 81, 100..."},
    Template{"cube.tip", "Cube numbers: 1, 8, 27, 64, 125, 216, 343, 512, 729, 1000..."},
    Template{"multiple.tip", "A multiple of <a> is in the <a> times table."},
    Template{"digitsum.tip", "Add up the digits you know: the missing ones make up the rest."},
    Template{"palindrome.tip", "A palindrome reads the same forwards and backwards, like 121."},
    Template{"reverseof.tip", "Write the digits of {<ref>} in the opposite order."},
    Template{"between.tip", "Both <a> and <b> count."},
    Template{"even.tip", "An even number ends in 0, 2, 4, 6 or 8."},
    Template{"odd.tip", "An odd number ends in 1, 3, 5, 7 or 9."},
    Template{"word.add", "add"},
    Template{"word.take", "take away"},
};

using Fields = std::map<std::string, std::string>;

std::string Text(const std::string& key, const Fields& fields = {}) {
    std::string text;
    for (const Template& t : kTexts) {
        if (key == t.key) {
            text = t.text;
        }
    }
    for (const auto& [name, value] : fields) {
        const std::string mark = "<" + name + ">";
        for (size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value.size())) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

std::string Num(int64_t v) {
    return std::to_string(v);
}

class Rng {
public:
    explicit Rng(uint64_t seed) : m_engine(seed) {}
    // A whole number from low to high, both allowed; the same on every platform.
    int64_t Between(int64_t low, int64_t high) {
        if (high <= low) {
            return low;
        }
        return low + static_cast<int64_t>(m_engine() % static_cast<uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    std::mt19937_64 m_engine;
};

// A puzzle the solver cannot settle quickly is no puzzle for a child: it is thrown away.
constexpr int64_t kProofSteps = 20'000;

struct Level {
    const char* name;
    int smallest;
    int largest;
    int longest;  // digits of the longest answer
};

constexpr std::array kLevels = {
    Level{"easy", 5, 6, 3},
    Level{"medium", 6, 8, 4},
    Level{"hard", 8, 10, 5},
};

const Level* FindLevel(const std::string& name) {
    for (const Level& level : kLevels) {
        if (name == level.name) {
            return &level;
        }
    }
    return nullptr;
}

struct Slot {
    EntryRef ref;
    std::vector<size_t> cells;  // board indexes
};

struct Board {
    int side = 0;
    std::vector<char> white;
    std::vector<Slot> slots;  // across by number, then down by number
};

// Numbers the board as the reader does.
void Number(Board& board) {
    const int n = board.side;
    auto isWhite = [&](int c, int r) {
        return c >= 0 && r >= 0 && c < n && r < n && board.white[static_cast<size_t>(r * n + c)];
    };
    std::vector<Slot> across;
    std::vector<Slot> down;
    int next = 1;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (!isWhite(c, r)) {
                continue;
            }
            const bool a = !isWhite(c - 1, r) && isWhite(c + 1, r);
            const bool d = !isWhite(c, r - 1) && isWhite(c, r + 1);
            if (!a && !d) {
                continue;
            }
            const int number = next++;
            if (a) {
                Slot slot{{number, true}, {}};
                for (int k = c; isWhite(k, r); ++k) {
                    slot.cells.push_back(static_cast<size_t>(r * n + k));
                }
                across.push_back(slot);
            }
            if (d) {
                Slot slot{{number, false}, {}};
                for (int k = r; isWhite(c, k); ++k) {
                    slot.cells.push_back(static_cast<size_t>(k * n + c));
                }
                down.push_back(slot);
            }
        }
    }
    board.slots = across;
    board.slots.insert(board.slots.end(), down.begin(), down.end());
}

// A board like the hand-made ones: symmetric under a half turn, answers of 2 to longest
// digits, every square in an answer and most in two, all squares joined, at most 21 answers.
bool MakeBoard(Rng& rng, int n, int longest, Board& board) {
    const size_t size = static_cast<size_t>(n * n);
    board.side = n;
    board.white.assign(size, 0);
    auto set = [&](size_t at, char value) {
        board.white[at] = value;
        board.white[size - 1 - at] = value;
    };
    // Answers are laid one by one across those already there, each with its mirror image,
    // as long as no answer grows too long and the board keeps to the game's hint buttons.
    auto fits = [&]() {
        Number(board);
        if (board.slots.size() > kMaxAnswers) {
            return false;
        }
        for (const Slot& slot : board.slots) {
            if (slot.cells.size() > static_cast<size_t>(longest)) {
                return false;
            }
        }
        return true;
    };
    const size_t wanted = size * static_cast<size_t>(rng.Between(42, 52)) / 100;
    size_t whites = 0;
    for (int tries = 0; tries < 600 && whites < wanted; ++tries) {
        const bool across = rng.Chance(50);
        const int length = static_cast<int>(rng.Between(2, longest));
        int r = 0;
        int c = 0;
        if (whites == 0) {
            r = static_cast<int>(rng.Between(n / 2 - 1, n / 2));
            c = static_cast<int>(rng.Between(0, n - length));
        } else {
            std::vector<size_t> cells;
            for (size_t at = 0; at < size; ++at) {
                if (board.white[at]) {
                    cells.push_back(at);
                }
            }
            const size_t through =
                cells[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(cells.size()) - 1))];
            const int back = static_cast<int>(rng.Between(0, length - 1));
            r = static_cast<int>(through) / n - (across ? 0 : back);
            c = static_cast<int>(through) % n - (across ? back : 0);
        }
        if (r < 0 || c < 0 || (across ? c + length : r + length) > n || (across ? r : c) >= n) {
            continue;
        }
        const std::vector<char> before = board.white;
        for (int k = 0; k < length; ++k) {
            set(static_cast<size_t>((across ? r : r + k) * n + (across ? c + k : c)), 1);
        }
        if (!fits()) {
            board.white = before;
            continue;
        }
        whites = static_cast<size_t>(std::count(board.white.begin(), board.white.end(), 1));
    }
    Number(board);
    std::vector<int> uses(size, 0);
    for (const Slot& slot : board.slots) {
        if (slot.cells.size() > static_cast<size_t>(longest)) {
            return false;
        }
        for (size_t at : slot.cells) {
            ++uses[at];
        }
    }
    whites = 0;
    size_t crossed = 0;
    size_t first = size;
    for (size_t at = 0; at < size; ++at) {
        if (board.white[at]) {
            ++whites;
            crossed += uses[at] >= 2;
            first = std::min(first, at);
            if (uses[at] == 0) {
                return false;
            }
        }
    }
    if (board.slots.size() > kMaxAnswers || board.slots.size() < 6 || whites * 100 < size * 38 ||
        crossed * 5 < whites * 2) {
        return false;
    }
    // The board must fill its side: a white square in the top row and the left column.
    bool top = false;
    bool left = false;
    for (int k = 0; k < n; ++k) {
        top = top || board.white[static_cast<size_t>(k)];
        left = left || board.white[static_cast<size_t>(k * n)];
    }
    if (!top || !left) {
        return false;
    }
    std::vector<size_t> stack = {first};
    std::vector<char> seen(size, 0);
    seen[first] = 1;
    size_t reached = 0;
    while (!stack.empty()) {
        const size_t at = stack.back();
        stack.pop_back();
        ++reached;
        const int r = static_cast<int>(at) / n;
        const int c = static_cast<int>(at) % n;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : steps) {
            const int cc = c + step[0];
            const int rr = r + step[1];
            if (cc < 0 || rr < 0 || cc >= n || rr >= n) {
                continue;
            }
            const size_t to = static_cast<size_t>(rr * n + cc);
            if (board.white[to] && !seen[to]) {
                seen[to] = 1;
                stack.push_back(to);
            }
        }
    }
    return reached == whites;
}

// One clue with its hint texts, as written into the source.
struct Clue {
    std::string expression;
    std::string hint;
    std::string ask;  // "question | answer", or empty
    std::string explain;
    bool property = false;
    std::vector<Property> properties;
    std::vector<int> uses;  // slots
};

struct Draft {
    Board board;
    std::vector<char> digits;  // per board square
    std::vector<int64_t> values;
    std::vector<Clue> clues;
};

// Adding or taking away c, in words and as an operator.
void Adjust(Fields& f, int64_t c) {
    f["c"] = Num(c < 0 ? -c : c);
    f["k"] = Text(c < 0 ? "word.take" : "word.add");
    f["op"] = c < 0 ? "-" : "+";
}

std::string Signed(int64_t c) {
    return c < 0 ? " - " + Num(-c) : " + " + Num(c);
}

Clue Plain(Rng& rng, int64_t v, bool allowTimes) {
    Clue clue;
    Fields f{{"v", Num(v)}};
    std::vector<std::pair<int64_t, int64_t>> factors;
    for (int64_t a = 2; a <= 12; ++a) {
        if (v % a == 0 && v / a >= 2 && v / a <= 12 && a <= v / a) {
            factors.emplace_back(a, v / a);
        }
    }
    if (allowTimes && !factors.empty() && rng.Chance(80)) {
        const auto [a, b] =
            factors[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(factors.size()) - 1))];
        f["a"] = Num(a);
        f["b"] = Num(b);
        clue.expression = Num(a) + " * " + Num(b);
        clue.hint = Text("times.hint", f);
        clue.ask = Text("times.ask", f);
        clue.explain = Text("times.explain", f);
        return clue;
    }
    if (v > 20 && rng.Chance(50)) {
        const int64_t b = rng.Between(std::max<int64_t>(3, v / 5), v - 10);
        const int64_t a = v - b;
        f["a"] = Num(a);
        f["b"] = Num(b);
        f["p"] = Num(b / 10 * 10);
        f["n"] = Num(a + b / 10 * 10);
        clue.expression = Num(a) + " + " + Num(b);
        clue.hint = Text("add.hint", f);
        clue.ask = b >= 10 && b % 10 != 0 ? Text("add.ask", f) : "";
        clue.explain = Text("add.explain", f);
        return clue;
    }
    const int64_t b = rng.Between(3, std::max<int64_t>(9, v / 2));
    const int64_t a = v + b;
    f["a"] = Num(a);
    f["b"] = Num(b);
    f["p"] = Num(b / 10 * 10);
    f["n"] = Num(a - b / 10 * 10);
    clue.expression = Num(a) + " - " + Num(b);
    clue.hint = Text("take.hint", f);
    clue.ask = b >= 10 && b % 10 != 0 ? Text("take.ask", f) : "";
    clue.explain = Text("take.explain", f);
    return clue;
}

// A clue of two steps, a square, a cube, a half or a double.
Clue Medium(Rng& rng, int64_t v) {
    Clue clue;
    Fields f{{"v", Num(v)}};
    const int kind = static_cast<int>(rng.Between(0, 4));
    if (kind == 1 && v >= 20) {
        int64_t a = 2;
        while ((a + 1) * (a + 1) <= v) {
            ++a;
        }
        a = std::max<int64_t>(2, a - rng.Between(0, 2));
        const int64_t c = v - a * a;
        if (c != 0) {
            f["a"] = Num(a);
            f["p"] = Num(a * a);
            Adjust(f, c);
            clue.expression = "sq(" + Num(a) + ")" + Signed(c);
            clue.hint = Text("square.hint", f);
            clue.ask = Text("square.ask", f);
            clue.explain = Text("square.explain", f);
            return clue;
        }
    }
    if (kind == 2 && v >= 10) {
        int64_t a = 2;
        while ((a + 1) * (a + 1) * (a + 1) <= v) {
            ++a;
        }
        const int64_t c = v - a * a * a;
        if (c != 0) {
            f["a"] = Num(a);
            f["p"] = Num(a * a * a);
            f["n"] = Num(a * a);
            Adjust(f, c);
            clue.expression = "cube(" + Num(a) + ")" + Signed(c);
            clue.hint = Text("cube.hint", f);
            clue.ask = Text("cube.ask", f);
            clue.explain = Text("cube.explain", f);
            return clue;
        }
    }
    if (kind == 3 && v % 2 == 0) {
        f["a"] = Num(v / 2);
        f["n"] = Num(v / 2 / 10 * 10);
        f["p"] = Num(v / 2 / 10 * 20);
        clue.expression = "2 * " + Num(v / 2);
        clue.hint = Text("double.hint", f);
        clue.ask = v / 2 >= 20 && (v / 2) % 10 != 0 ? Text("double.ask", f) : "";
        clue.explain = Text("double.explain", f);
        return clue;
    }
    if (kind == 4 && v < 5000) {
        f["a"] = Num(v * 2);
        f["n"] = Num(v * 2 / 100 * 100);
        f["p"] = Num(v * 2 / 100 * 50);
        clue.expression = Num(v * 2) + " / 2";
        clue.hint = Text("half.hint", f);
        clue.ask = v * 2 >= 200 && (v * 2) % 100 != 0 ? Text("half.ask", f) : "";
        clue.explain = Text("half.explain", f);
        return clue;
    }
    const int64_t a = rng.Between(3, 12);
    const int64_t b = std::clamp<int64_t>(v / a, 2, 12);
    const int64_t c = v - a * b != 0 ? v - a * b : -rng.Between(1, 9);
    const int64_t bb = c == v - a * b ? b : (v - c) / a;
    if ((v - c) % a != 0 || bb < 2) {
        return Plain(rng, v, true);
    }
    f["a"] = Num(a);
    f["b"] = Num(bb);
    f["p"] = Num(a * bb);
    Adjust(f, c);
    clue.expression = Num(a) + " * " + Num(bb) + Signed(c);
    clue.hint = Text("twostep.hint", f);
    clue.ask = Text("twostep.ask", f);
    clue.explain = Text("twostep.explain", f);
    return clue;
}

std::string Reverse(int64_t v) {
    std::string s = Num(v);
    std::reverse(s.begin(), s.end());
    return s;
}

// A clue that works v out from another answer r (its value w).
Clue FromAnswer(Rng& rng, int64_t v, int r, const EntryRef& ref, int64_t w, bool hard) {
    Clue clue;
    clue.uses = {r};
    Fields f{{"v", Num(v)}, {"ref", ref.Key()}};
    const int kind =
        hard ? static_cast<int>(rng.Between(0, 3)) : static_cast<int>(rng.Between(0, 1));
    if (kind == 1 && DigitSum(w) > 1) {
        const int64_t s = DigitSum(w);
        const int64_t b = std::clamp<int64_t>(v / s, 2, 9);
        const int64_t c = v - s * b;
        if (c != 0) {
            f["b"] = Num(b);
            Adjust(f, c);
            clue.expression = "digitsum(" + ref.Key() + ") * " + Num(b) + Signed(c);
            clue.hint = Text("digitsum.hint", f);
            clue.ask = Text("digitsum.ask", f);
            clue.explain = Text("digitsum.explain", f);
            return clue;
        }
    }
    if (kind == 2 && w % 10 != 0) {
        const int64_t back = std::stoll(Reverse(w));
        const int64_t c = v - back;
        if (c != 0) {
            Adjust(f, c);
            clue.expression = "reverse(" + ref.Key() + ")" + Signed(c);
            clue.hint = Text("reverse.hint", f);
            clue.ask = Text("reverse.ask", f);
            clue.explain = Text("reverse.explain", f);
            return clue;
        }
    }
    if (kind == 3 && v / w >= 2 && v / w <= 9) {
        const int64_t b = v / w;
        const int64_t c = v - w * b;
        if (c != 0) {
            f["b"] = Num(b);
            Adjust(f, c);
            clue.expression = ref.Key() + " * " + Num(b) + Signed(c);
            clue.hint = Text("reftimes.hint", f);
            clue.explain = Text("reftimes.explain", f);
            return clue;
        }
    }
    const int64_t c = v - w;
    if (c == 0) {
        return Plain(rng, v, !hard);
    }
    Adjust(f, c);
    clue.expression = ref.Key() + Signed(c);
    clue.hint = Text("ref.hint", f);
    clue.explain = Text("ref.explain", f);
    return clue;
}

// Every property v has that is worth saying, strongest first.
std::vector<Property> TrueProperties(Rng& rng, int64_t v, size_t digits) {
    std::vector<Property> all;
    auto add = [&](PropertyKind kind, int64_t a = 0, int64_t b = 0) {
        Property p;
        p.kind = kind;
        p.a = a;
        p.b = b;
        all.push_back(p);
    };
    if (IsPrime(v)) {
        add(PropertyKind::Prime);
    }
    if (IsSquare(v)) {
        add(PropertyKind::Square);
    }
    if (IsCube(v)) {
        add(PropertyKind::Cube);
    }
    const std::string s = Num(v);
    if (s == Reverse(v)) {
        add(PropertyKind::Palindrome);
    }
    std::vector<int64_t> divisors;
    for (int64_t d = 3; d <= 12; ++d) {
        if (v % d == 0) {
            divisors.push_back(d);
        }
    }
    if (!divisors.empty()) {
        add(PropertyKind::MultipleOf, divisors[static_cast<size_t>(rng.Between(
                                          0, static_cast<int64_t>(divisors.size()) - 1))]);
    }
    add(PropertyKind::DigitsAddTo, DigitSum(v));
    int64_t span = 1;
    for (size_t i = 1; i < digits; ++i) {
        span *= 10;
    }
    const int64_t width = std::max<int64_t>(4, span / 3);
    const int64_t low = std::max<int64_t>(1, v - rng.Between(1, width));
    add(PropertyKind::Between, low, v + rng.Between(1, width));
    add(v % 2 == 0 ? PropertyKind::Even : PropertyKind::Odd);
    return all;
}

std::string PropertyText(const Property& p) {
    switch (p.kind) {
        case PropertyKind::Prime:
            return "a prime";
        case PropertyKind::Square:
            return "a square";
        case PropertyKind::Cube:
            return "a cube";
        case PropertyKind::MultipleOf:
            return "a multiple of " + Num(p.a);
        case PropertyKind::DigitsAddTo:
            return "digits add up to " + Num(p.a);
        case PropertyKind::Palindrome:
            return "a palindrome";
        case PropertyKind::ReverseOf:
            return "reads the same as " + p.ref.Key() + " backwards";
        case PropertyKind::Between:
            return "between " + Num(p.a) + " and " + Num(p.b);
        case PropertyKind::Even:
            return "even";
        case PropertyKind::Odd:
            return "odd";
    }
    return {};
}

std::string PropertyTip(const Property& p) {
    static const char* const keys[] = {
        "prime.tip",      "square.tip",    "cube.tip",    "multiple.tip", "digitsum.tip",
        "palindrome.tip", "reverseof.tip", "between.tip", "even.tip",     "odd.tip"};
    return Text(keys[static_cast<int>(p.kind)],
                {{"a", Num(p.a)}, {"b", Num(p.b)}, {"ref", p.ref.Key()}});
}

void WriteProperties(Clue& clue, int64_t v) {
    clue.property = true;
    clue.expression.clear();
    std::string tips;
    for (const Property& p : clue.properties) {
        clue.expression += (clue.expression.empty() ? "" : " and ") + PropertyText(p);
        tips += " " + PropertyTip(p);
    }
    clue.hint = Text("property.hint") + tips;
    clue.ask.clear();  // asked once the clues stand: see AskHowMany
    clue.explain = Text("property.explain", {{"v", Num(v)}});
}

std::string Source(const Draft& d, const GenerateOptions& o) {
    std::string s = "// Made by quizlex-tool generate --level " + o.level + " --size " +
                    Num(d.board.side) + " --seed " + std::to_string(o.seed) + "\n";
    s += "title   " + o.title + "\nstem    " + o.stem + "\nlevel   " + o.level + "\n";
    s += "intro   " + Text("intro." + o.level) + "\n";
    s += "intro   " + Text("intro.all") + "\n\ngrid\n";
    const int n = d.board.side;
    for (int r = 0; r < n; ++r) {
        s += " ";
        for (int c = 0; c < n; ++c) {
            s += d.board.white[static_cast<size_t>(r * n + c)] ? " ." : " #";
        }
        s += "\n";
    }
    s += "end\n";
    for (size_t i = 0; i < d.board.slots.size(); ++i) {
        const Clue& clue = d.clues[i];
        const EntryRef& ref = d.board.slots[i].ref;
        s += "\n" + std::string(ref.across ? "across " : "down ") + Num(ref.number) + "  " +
             clue.expression + "\n";
        s += "  hint     " + clue.hint + "\n";
        if (!clue.ask.empty()) {
            s += "  ask      " + clue.ask + "\n";
        }
        s += "  explain  " + clue.explain + "\n";
    }
    return s;
}

// Whether a text shows the answer as a number of its own.
bool GivesAway(const std::string& text, int64_t v) {
    const std::string s = Num(v);
    for (size_t at = text.find(s); at != std::string::npos; at = text.find(s, at + 1)) {
        const bool before = at > 0 && std::isdigit(static_cast<unsigned char>(text[at - 1]));
        const size_t end = at + s.size();
        const bool after = end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]));
        if (!before && !after) {
            return true;
        }
    }
    return false;
}

// A property clue's question: how many numbers of the answer's length the clue allows alone.
void AskHowMany(Clue& clue, size_t digits, int64_t v) {
    ClueExpression test;
    std::string error;
    if (!clue.property || !test.Parse(clue.expression, error)) {
        return;
    }
    int64_t low = 1;
    for (size_t i = 1; i < digits; ++i) {
        low *= 10;
    }
    int64_t count = 0;
    for (int64_t w = low; w < low * 10; ++w) {
        count += test.HoldsAlone(w) ? 1 : 0;
    }
    std::string ask =
        Text("property.ask", {{"n", Num(static_cast<int64_t>(digits))}, {"count", Num(count)}});
    if (!GivesAway(ask, v)) {
        clue.ask = std::move(ask);
    }
}

// One try: a board, its answers and clues. Empty when no unique puzzle came of it.
std::string Try(Rng& rng, const Level& level, int side, const GenerateOptions& o,
                const GenerateProgress& progress, bool& stopped) {
    Draft d;
    bool made = false;
    for (int i = 0; i < 4000 && !made; ++i) {
        made = MakeBoard(rng, side, level.longest, d.board);
    }
    if (!made) {
        return {};
    }
    const size_t count = d.board.slots.size();
    d.digits.assign(static_cast<size_t>(side * side), '0');
    for (size_t at = 0; at < d.digits.size(); ++at) {
        d.digits[at] = static_cast<char>('0' + rng.Between(0, 9));
    }
    for (const Slot& slot : d.board.slots) {
        if (d.digits[slot.cells.front()] == '0') {
            d.digits[slot.cells.front()] = static_cast<char>('1' + rng.Between(0, 8));
        }
    }
    for (const Slot& slot : d.board.slots) {
        int64_t v = 0;
        for (size_t at : slot.cells) {
            v = v * 10 + (d.digits[at] - '0');
        }
        d.values.push_back(v);
    }
    // Clues are made in a shuffled order; a clue may use only answers made before it.
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i) {
        order[i] = static_cast<int>(i);
    }
    for (size_t i = count; i > 1; --i) {
        std::swap(order[i - 1],
                  order[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(i) - 1))]);
    }
    const std::string name = level.name;
    const size_t wantedProperties = name == "hard" ? (count + 3) / 4 : 0;
    d.clues.resize(count);
    size_t properties = 0;
    for (size_t k = 0; k < count; ++k) {
        const int s = order[k];
        const int64_t v = d.values[static_cast<size_t>(s)];
        Clue clue;
        if (name == "easy") {
            clue = Plain(rng, v, true);
        } else if (name == "medium") {
            if (k > 0 && rng.Chance(25)) {
                const int r =
                    order[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(k) - 1))];
                clue = FromAnswer(rng, v, r, d.board.slots[static_cast<size_t>(r)].ref,
                                  d.values[static_cast<size_t>(r)], false);
            } else {
                clue = Medium(rng, v);
            }
        } else {
            const size_t left = count - k;
            const bool wantProperty = properties < wantedProperties &&
                                      (rng.Chance(40) || left <= wantedProperties - properties) &&
                                      d.board.slots[static_cast<size_t>(s)].cells.size() <= 4;
            if (wantProperty) {
                const std::vector<Property> all =
                    TrueProperties(rng, v, d.board.slots[static_cast<size_t>(s)].cells.size());
                clue.properties.push_back(all[static_cast<size_t>(
                    rng.Between(0, std::min<int64_t>(2, static_cast<int64_t>(all.size()) - 1)))]);
                WriteProperties(clue, v);
                ++properties;
            } else if (k > 0 && rng.Chance(75)) {
                const int r =
                    order[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(k) - 1))];
                clue = FromAnswer(rng, v, r, d.board.slots[static_cast<size_t>(r)].ref,
                                  d.values[static_cast<size_t>(r)], true);
            } else {
                clue = Medium(rng, v);
            }
        }
        if (GivesAway(clue.hint, v)) {
            clue.hint = Text(clue.property ? "property.hint" : "ref.hint",
                             {{"ref", "1A"}, {"k", Text("word.add")}, {"c", "0"}});
        }
        if (GivesAway(clue.ask, v)) {
            clue.ask.clear();
        }
        d.clues[static_cast<size_t>(s)] = clue;
    }
    if (properties < wantedProperties) {
        return {};
    }
    // Narrow property clues down until the board has one filling.
    for (int round = 0; round < 40; ++round) {
        if (progress && !progress(round)) {
            stopped = true;
            return {};
        }
        const std::string text = Source(d, o);
        PuzzleSource layout;
        std::vector<std::string> errors;
        if (!ReadPuzzleLayout(text, "generated.qzp", layout, errors)) {
            return {};
        }
        const SolveResult result = SolvePuzzle(layout, kProofSteps);
        if (result.outcome == SolveResult::Outcome::Unique) {
            for (size_t i = 0; i < count; ++i) {
                AskHowMany(d.clues[i], d.board.slots[i].cells.size(), d.values[i]);
            }
            const std::string final = Source(d, o);
            PuzzleSource puzzle;
            return ReadPuzzleSource(final, "generated.qzp", puzzle, errors) ? final : std::string();
        }
        if (result.outcome != SolveResult::Outcome::Several) {
            return {};
        }
        // The property answer that the wrong filling gets wrong: add a property it lacks.
        bool narrowed = false;
        for (size_t i = 0; i < count && !narrowed; ++i) {
            Clue& clue = d.clues[i];
            if (!clue.property) {
                continue;
            }
            const int64_t v = d.values[i];
            int64_t w = v;
            for (const std::string& solution : result.solutions) {
                int64_t value = 0;
                for (size_t at : d.board.slots[i].cells) {
                    value = value * 10 + (solution[at] - '0');
                }
                w = value != v ? value : w;
            }
            if (w == v) {
                continue;
            }
            ClueExpression test;
            std::vector<Property> all = TrueProperties(rng, v, d.board.slots[i].cells.size());
            for (const Property& p : all) {
                std::string error;
                if (!test.Parse(PropertyText(p), error) || test.HoldsAlone(w)) {
                    continue;
                }
                if (clue.properties.size() >= 3) {
                    break;
                }
                clue.properties.push_back(p);
                WriteProperties(clue, v);
                narrowed = true;
                break;
            }
            if (!narrowed) {
                clue = Medium(rng, v);  // no property tells them apart: work it out instead
                narrowed = true;
                --properties;
            }
        }
        if (!narrowed || properties < wantedProperties) {
            return {};
        }
    }
    return {};
}

}  // namespace

bool LevelSizes(const std::string& level, int& smallest, int& largest) {
    const Level* found = FindLevel(level);
    if (found == nullptr) {
        return false;
    }
    smallest = found->smallest;
    largest = found->largest;
    return true;
}

bool GeneratePuzzle(const GenerateOptions& options, std::string& source, std::string& error,
                    const GenerateProgress& progress) {
    source.clear();
    const Level* level = FindLevel(options.level);
    if (level == nullptr) {
        error = "the level is easy, medium or hard, not \"" + options.level + "\"";
        return false;
    }
    if (options.size != 0 && (options.size < level->smallest || options.size > level->largest)) {
        error = "a " + options.level + " board is " + Num(level->smallest) + " to " +
                Num(level->largest) + " squares wide";
        return false;
    }
    // Mixing the level into the seed makes each level's puzzles differ for the same seed.
    Rng rng(options.seed * 0x9E3779B97F4A7C15ull +
            static_cast<uint64_t>(level - kLevels.data()) * 7919 +
            static_cast<uint64_t>(options.size));
    GenerateOptions o = options;
    const int side = options.size != 0
                         ? options.size
                         : static_cast<int>(rng.Between(level->smallest, level->largest));
    const bool plainStem = options.stem.size() <= 20 &&
                           std::all_of(options.stem.begin(), options.stem.end(),
                                       [](unsigned char c) { return std::isalnum(c) != 0; });
    if (!plainStem ||
        (!options.title.empty() && options.title.size() < static_cast<size_t>(kMinTitleChars)) ||
        options.title.find_first_of("\r\n") != std::string::npos) {
        error =
            "the stem is 1 to 20 letters and digits, the title one line of 6 characters or more";
        return false;
    }
    const char initial = level->name[0];
    if (o.title.empty()) {
        o.title = "New " + o.level + " puzzle " + std::to_string(options.seed);
        o.title[4] = static_cast<char>(o.title[4] - 'a' + 'A');
    }
    if (o.stem.empty()) {
        o.stem = std::string("gen") + initial + std::to_string(options.seed % 100000000);
    }
    constexpr int kTries = 60;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        bool stopped = false;
        GenerateProgress step;
        if (progress) {
            step = [&](int) { return progress(attempt); };
        }
        std::string text = Try(rng, *level, side, o, step, stopped);
        if (stopped) {
            error = "stopped before a puzzle was found";
            return false;
        }
        if (!text.empty()) {
            source = std::move(text);
            return true;
        }
    }
    error = "no puzzle with exactly one solution was found in " + Num(kTries) + " tries";
    return false;
}

}  // namespace content
