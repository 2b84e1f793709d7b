// SPDX-License-Identifier: MIT
// Generating puzzles: a board, answers, clues within the bounds a teacher sets for the level,
// the grader's proof that a pupil can finish it by reasoning of that level, and hints and
// worked answers written from the pupil's way through it.
#include "maker/PuzzleGenerator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <random>
#include <set>

#include "maker/ClueExpression.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSource.h"

namespace maker {
namespace {

// Every sentence the generator writes, so that they can be translated in one place. <a>, <b>,
// <c>, <n>, <p>, <k>, <ref>, <v>... are filled in; {3A} and {=...} are the puzzle's own.
struct Template {
    const char* key;
    const char* text;
};

constexpr std::array kTexts = {
    Template{"intro.easy",
             "A puzzle made just for you! Every answer is one calculation: times tables, "
             "adding, taking away, halves and doubles."},
    Template{"intro.medium",
             "A puzzle made just for you! Some clues take two steps, some use squares, cubes "
             "or another answer, and some only say what the answer is like: the crossing "
             "answers give you all of its digits."},
    Template{"intro.hard",
             "A puzzle made just for you! Many clues use other answers, and some only say "
             "what the answer is like: fill in the digits the crossing answers give you, then "
             "find the only number that fits."},
    Template{"intro.all",
             "Work out each clue, then write its digits on the board, one digit in each "
             "white square."},
    Template{"times.hint", "Use the <b> times table: count up in <b>s, <a> times."},
    Template{"times.ask", "What is <m> × <b>? | <n>, and one more <b> makes the answer."},
    Template{"times.explain", "<a> × <b> = <v>."},
    Template{"add.hint", "Start at <s> and add <q> in parts: <places>."},
    Template{"add.hint1", "Count on <q> from <s>."},
    Template{"add.hintround", "Count on <d> <unit> from <s>."},
    Template{"add.hintnear",
             "<q> is <under> less than <near>: add <near> to <s>, then take away <under>."},
    Template{"add.ask", "What is <s> + <t>? | <n>"},
    Template{"add.explain", "<a> + <b> = <v>."},
    Template{"take.hint", "Take away <b> in parts: <places>."},
    Template{"take.hint1", "Count back <b> from <a>."},
    Template{"take.hintround", "Count back <d> <unit> from <a>."},
    Template{"take.hintnear",
             "<b> is <under> less than <near>: take <near> away from <a>, then add <under> "
             "back."},
    Template{"take.ask", "What is <a> - <t>? | <n>"},
    Template{"take.explain", "<a> - <b> = <v>."},
    Template{"twostep.hint", "Two steps: first multiply <a> by <b>, then <k> <c>."},
    Template{"twostep.split",
             "To work out <a> × <b>, multiply each part of <b> by <a> (<places>), then "
             "add the results."},
    Template{"twostep.near",
             "To work out <a> × <b>: <b> is <under> less than <near>, so work out <a> × <near>, "
             "then take away <a> × <under>."},
    Template{"twostep.splitfactor",
             "To work out <a> × <b>, work out <a1> × <b> and <a0> × <b>, then add them."},
    Template{"twostep.ask", "What is <a> × <t>? | <n>"},
    Template{"twostep.explain", "<a> × <b> = <p>, and <p> <op> <c> = <v>."},
    Template{"square.hint",
             "A square number is a number times itself. Work out <a> × <a> first, then "
             "<k> <c>."},
    Template{"square.ask", "What is <a> × <a>? | <p>"},
    Template{"square.explain", "<a>² = <a> × <a> = <p>, and <p> <op> <c> = <v>."},
    Template{"squaretimes.hint",
             "Three steps: work out the square <a> × <a>, multiply it by <b>, then <k> <c>."},
    Template{"squaretimes.ask", "What is <a> × <a>? | <n>"},
    Template{"squaretimes.explain",
             "<a>² = <a> × <a> = <n>, <n> × <b> = <p>, and <p> <op> <c> = <v>."},
    Template{"cube.hint",
             "A cube number is a number times itself, and times itself again: <a> × <a> × "
             "<a>. Then <k> <c>."},
    Template{"cube.ask", "What is <a> × <a>? | <n>"},
    Template{"cube.explain", "<a>³ = <a> × <a> × <a> = <p>, and <p> <op> <c> = <v>."},
    Template{"double.hint",
             "Doubling is adding a number to itself. Double each part of <a>: <places>; then "
             "add the doubles."},
    Template{"double.hint1", "Doubling is adding a number to itself: <a> + <a>."},
    Template{"double.hintround",
             "Doubling is adding a number to itself. <a> is <d> <unit>: double the <d> <unit>."},
    Template{"double.ask", "What is double <t>? | <n>"},
    Template{"double.explain", "Double <a> is <a> + <a> = <v>."},
    Template{"half.hint",
             "Halving shares a number into two equal parts. Halve each part of <a>: <places>; "
             "then add the halves."},
    Template{"half.hintround",
             "Halving shares a number into two equal parts. <a> is <d> <unit>: halve the <d> "
             "<unit>."},
    Template{"half.hintexchange",
             "Halving shares a number into two equal parts. <a> is <d> <unit>, or <d10> "
             "<lower>: halve the <d10> <lower>."},
    Template{"half.ask", "What is half of <t>? | <n>"},
    Template{"half.explain", "Half of <a> is <v>, because <v> + <v> = <a>."},
    Template{"ref.hint", "Find {<ref>} first, then <k> <c>."},
    Template{"ref.explain", "{<ref>} is {=<ref>}, and {=<ref>} <op> <c> = <v>."},
    Template{"reftimes.hint", "Find {<ref>} first. Multiply it by <b>, then <k> <c>."},
    Template{"reftimes.hint0", "Find {<ref>} first, then multiply it by <b>."},
    Template{"reftimes.explain",
             "{<ref>} is {=<ref>}, {=<ref>} × <b> = {=<ref> * <b>}, and "
             "{=<ref> * <b>} <op> <c> = <v>."},
    Template{"reftimes.explain0", "{<ref>} is {=<ref>}, and {=<ref>} × <b> = <v>."},
    Template{"digitsum.hint",
             "Find {<ref>} and add up its digits. Multiply that sum by <b>, then <k> <c>."},
    Template{"digitsum.hint0",
             "Find {<ref>} and add up its digits, then multiply that sum by <b>."},
    Template{"digitsum.explain",
             "The digits of {=<ref>} add up to {=digitsum(<ref>)}; "
             "{=digitsum(<ref>)} × <b> = {=digitsum(<ref>) * <b>}, and "
             "{=digitsum(<ref>) * <b>} <op> <c> = <v>."},
    Template{"digitsum.explain0",
             "The digits of {=<ref>} add up to {=digitsum(<ref>)}, and {=digitsum(<ref>)} × <b> "
             "= <v>."},
    Template{"reverse.hint",
             "Find {<ref>} and write its digits in the opposite order, then <k> <c>."},
    Template{"reverse.explain",
             "{<ref>} is {=<ref>}; backwards it is {=reverse(<ref>)}, and "
             "{=reverse(<ref>)} <op> <c> = <v>."},
    Template{"property.hint",
             "The clue does not tell you the answer: it says what the answer is like."},
    Template{"property.ask",
             "How many <n>-digit numbers fit the clue on its own? | <count> of them: the "
             "crossing answers pick out the one on the board."},
    Template{"prime.tip", "A prime has exactly two factors: 1 and itself, so 1 is not prime."},
    Template{"square.tip", "Square numbers: 1, 4, 9, 16, 25, 36, 49, 64, 81, 100..."},
    Template{"cube.tip", "Cube numbers: 1, 8, 27, 64, 125, 216, 343, 512, 729, 1000..."},
    Template{"multiple.tip", "A multiple of <a> is in the <a> times table."},
    Template{"digitsum.tip", "Add up the digits you know: the missing ones make up the rest."},
    Template{"property.check", "When every digit is in place, check that the number fits."},
    Template{"palindrome.tip", "A palindrome reads the same forwards and backwards, like 121."},
    Template{"reverseof.tip", "Write the digits of {<ref>} in the opposite order."},
    Template{"between.tip", "Both <a> and <b> count."},
    Template{"even.tip", "An even number ends in 0, 2, 4, 6 or 8."},
    Template{"odd.tip", "An odd number ends in 1, 3, 5, 7 or 9."},
    // Written from the grader's trace: how the answer is really reached.
    Template{"trace.read",
             "You cannot work this clue out on its own, but every square of the answer is "
             "shared with another answer: <facts>. Find those answers first and read the "
             "digits off the board."},
    Template{"trace.before",
             " Its clue uses {<ref>}, but you need not find that first: the crossing answers give "
             "every digit."},
    Template{"trace.check", "When you have found {<ref>} as well, work the clue out to check."},
    Template{"trace.one",
             "Find <from> first: <facts>. Then try the <n>-digit numbers with those digits in "
             "those squares: only one of them fits the clue."},
    Template{"trace.one0", "List the <n>-digit numbers that fit the clue: there is only one."},
    Template{"trace.pairs",
             "This answer crosses {<ref>} (hint <h>), whose clue also only says what its "
             "answer is like: <share>. List the numbers that fit each clue and keep only those "
             "that agree in that square."},
    Template{"trace.known", " Use what you know already as well: <facts>."},
    Template{"trace.users", "Once you have it, it helps with <list>."},
    Template{"explain.read",
             "The crossing answers <from> give every digit: <v>. It fits the clue."},
    Template{"explain.one",
             "With the digits from <from> in place, <v> is the only <n>-digit number that fits "
             "the clue."},
    Template{"explain.one0", "<v> is the only <n>-digit number that fits the clue."},
    Template{"explain.pairs.known",
             "With the digits from <from> in place, only <v> of the numbers that fit the clue "
             "agrees in the shared square with a number that fits the clue of {<ref>}."},
    Template{"explain.pairs",
             "Of the numbers that fit the clue, only <v> agrees in the shared square with a "
             "number that fits the clue of {<ref>}."},
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

// What a level asks of a pupil, in reasoning and in number size. Easy needs only computing
// (the crossings only confirm); medium needs the crossings to give every digit of at least
// one answer; hard needs a property clue settled from the digits the crossings give. The
// numbers stay within what a teacher of the level would set:
//  - a two-step clue multiplies by 3 to maxFactor (drawn afresh each time, never 10 or 20)
//    a number of up to maxMultiplicand, and its constant is never larger than the product;
//  - squares and cubes are of bases up to maxSquare and maxCube (in the powers topic a square
//    may be multiplied by 3 to maxFactor, its constant again no larger than the product);
//  - an answer worked out from another (or from its reverse) is off it by at most a quarter of
//    the smaller of the two; one multiplied from another by 2 to 12 is off the product by at
//    most a quarter of it, and one multiplied from a digit sum, by at most the product.
struct Level {
    const char* name;
    int smallest;
    int largest;
    int longest;  // digits of the longest answer
    int64_t maxFactor;
    int64_t maxMultiplicand;
    int64_t maxSquare;
    int64_t maxCube;
};

constexpr std::array kLevels = {
    Level{"easy", 5, 6, 3, 12, 12, 12, 5},
    Level{"medium", 6, 8, 4, 12, 999, 15, 6},
    Level{"hard", 8, 10, 5, 25, 9999, 30, 10},
};

const Level* FindLevel(const std::string& name) {
    for (const Level& level : kLevels) {
        if (name == level.name) {
            return &level;
        }
    }
    return nullptr;
}

enum class Kind : int {
    Times,
    Add,
    Take,
    TwoStep,
    Square,
    Cube,
    SquareTimes,  // a square multiplied, for larger answers in the powers topic
    Double,
    Half,
    RefPlus,  // uses another answer from here on
    RefTimes,
    DigitSum,
    Reverse,
};

bool UsesAnswer(Kind kind) {
    return kind >= Kind::RefPlus;
}

struct Topic {
    const char* tag;  // as the puzzle sources tag their topics
    const char* name;
    std::vector<Kind> kinds;
    std::vector<PropertyKind> properties;
};

// The clue families of each topic the generator can ask for.
const std::vector<Topic>& Topics() {
    static const std::vector<Topic> topics = {
        {"operations",
         "The four operations",
         {Kind::Times, Kind::Add, Kind::Take, Kind::TwoStep, Kind::Double, Kind::Half,
          Kind::RefPlus, Kind::RefTimes},
         {PropertyKind::Between, PropertyKind::Even, PropertyKind::Odd}},
        {"powers",
         "Squares and cubes",
         {Kind::Square, Kind::Cube, Kind::SquareTimes},
         {PropertyKind::Square, PropertyKind::Cube}},
        {"factors",
         "Factors, multiples and primes",
         {Kind::Times, Kind::TwoStep, Kind::RefTimes},
         {PropertyKind::Prime, PropertyKind::MultipleOf, PropertyKind::Even, PropertyKind::Odd}},
        {"place-value",
         "Place value and digits",
         {Kind::Add, Kind::Take, Kind::Double, Kind::Half, Kind::DigitSum, Kind::Reverse},
         {PropertyKind::DigitsAddTo, PropertyKind::Palindrome, PropertyKind::Between}},
    };
    return topics;
}

const Topic* FindTopic(const std::string& tag) {
    for (const Topic& topic : Topics()) {
        if (tag == topic.tag) {
            return &topic;
        }
    }
    return nullptr;
}

std::vector<Kind> LevelKinds(const Level& level) {
    const std::string name = level.name;
    if (name == "easy") {
        return {Kind::Times, Kind::Add, Kind::Take, Kind::Double, Kind::Half};
    }
    if (name == "medium") {
        return {Kind::TwoStep, Kind::Square, Kind::Cube,    Kind::Double,
                Kind::Half,    Kind::Times,  Kind::RefPlus, Kind::RefTimes};
    }
    return {Kind::TwoStep,  Kind::Square,   Kind::Cube,   Kind::RefPlus,
            Kind::RefTimes, Kind::DigitSum, Kind::Reverse};
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
    std::vector<std::string> hints;
    std::string ask;  // "question | answer", or empty
    std::vector<std::string> explains;
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

std::string Reverse(int64_t v) {
    std::string s = Num(v);
    std::reverse(s.begin(), s.end());
    return s;
}

// The leading part of a number: 347 gives 300.
int64_t Top(int64_t v) {
    int64_t place = 1;
    while (place * 10 <= v) {
        place *= 10;
    }
    return v / place * place;
}

constexpr const char* kPlaces[] = {"ones", "tens", "hundreds", "thousands", "ten thousands"};
constexpr const char* kPlace[] = {"one", "ten", "hundred", "thousand", "ten thousand"};

// The places of v that hold something, largest first: 6034 gives "first its thousands, then
// its tens, then its ones", as it has no hundreds to work with.
std::string Places(int64_t v, const char* first, const char* then) {
    const std::string s = Num(v);
    std::string text;
    for (size_t k = std::min<size_t>(s.size(), 5); k-- > 0;) {
        if (s[s.size() - 1 - k] != '0') {
            text += std::string(text.empty() ? first : then) + kPlaces[k];
        }
    }
    return text;
}

// Whether v of two digits or more has only one place that holds something, as 30 or 400:
// then there is nothing to split, and its hint counts in that place instead.
bool Round(int64_t v) {
    return v >= 10 && v == Top(v);
}

// Whether v of two digits or more sits just below a number with one digit that is not 0, as 49
// below 50, 197 below 200 or 995 below 1000: then a pupil works with the round number and puts the
// few back, which is quicker and surer than splitting it into places. Sets "near" and "under" (995:
// 1000, 5).
bool NearRound(int64_t v, Fields& f) {
    if (v < 10) {
        return false;
    }
    for (const auto& [unit, most] : {std::pair<int64_t, int64_t>{1000, 5}, {100, 3}, {10, 2}}) {
        const int64_t near = (v / unit + 1) * unit;
        if (near - v <= most && near - v < v && near == Top(near)) {
            f["near"] = Num(near);
            f["under"] = Num(near - v);
            return true;
        }
    }
    return false;
}

// A round number as a count of its place: "3 tens", "1 hundred", and the same count in the
// place below ("30 ones"), for halving an odd count.
void RoundFields(Fields& f, int64_t v) {
    const size_t k = std::min<size_t>(Num(v).size(), 5) - 1;
    const int64_t count = Num(v)[0] - '0';
    f["d"] = Num(count);
    f["unit"] = count == 1 ? kPlace[k] : kPlaces[k];
    f["d10"] = Num(count * 10);
    f["lower"] = kPlaces[k == 0 ? 0 : k - 1];
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

template <typename T>
const T& Pick(Rng& rng, const std::vector<T>& items) {
    return items[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(items.size()) - 1))];
}

// The clue of kind for v, from the answer w of the slot ref when the kind uses one. False
// when v cannot be written so within the level's bounds.
bool MakeClue(Rng& rng, const Level& level, Kind kind, int64_t v, const EntryRef& ref, int64_t w,
              Clue& clue) {
    Fields f{{"v", Num(v)}, {"ref", ref.Key()}};
    auto done = [&](const std::string& expression, const char* key, const char* hint,
                    const char* ask, const char* explain) {
        clue.expression = expression;
        clue.hints = {Text(std::string(key) + hint, f)};
        clue.ask = ask[0] != '\0' ? Text(std::string(key) + ask, f) : "";
        clue.explains = {Text(std::string(key) + explain, f)};
        return true;
    };
    switch (kind) {
        case Kind::Times: {
            std::vector<std::pair<int64_t, int64_t>> factors;
            for (int64_t a = 2; a <= 12; ++a) {
                if (v % a == 0 && v / a >= a && v / a <= 12) {
                    factors.emplace_back(a, v / a);
                }
            }
            if (factors.empty()) {
                return false;
            }
            auto [a, b] = Pick(rng, factors);
            if (rng.Chance(50)) {
                std::swap(a, b);
            }
            f["a"] = Num(a);
            f["b"] = Num(b);
            f["m"] = Num(a - 1);
            f["n"] = Num((a - 1) * b);
            return done(Num(a) + " * " + Num(b), "times", ".hint", a >= 3 ? ".ask" : "",
                        ".explain");
        }
        case Kind::Add:
        case Kind::Take: {
            const bool add = kind == Kind::Add;
            if (add ? v < 14 : v < 4) {
                return false;
            }
            // Adding: the smaller number is added in parts to the larger; taking away: b is
            // taken away in parts.
            const int64_t b = add ? rng.Between(std::max<int64_t>(3, v / 4), v - v / 4)
                                  : rng.Between(3, std::max<int64_t>(9, v / 2));
            const int64_t a = add ? v - b : v + b;
            const int64_t part = add ? std::min(a, b) : b;
            const int64_t start = add ? std::max(a, b) : a;
            const int64_t t = Top(part);
            f["a"] = Num(a);
            f["b"] = Num(b);
            f["s"] = Num(start);
            f["q"] = Num(part);
            f["t"] = Num(t);
            f["n"] = Num(add ? start + t : start - t);
            f["places"] = Places(part, "first its ", ", then its ");
            RoundFields(f, part);
            const char* key = add ? "add" : "take";
            const bool near = !Round(part) && NearRound(part, f);
            return done(Num(a) + (add ? " + " : " - ") + Num(b), key,
                        part < 10     ? ".hint1"
                        : Round(part) ? ".hintround"
                        : near        ? ".hintnear"
                                      : ".hint",
                        part >= 10 && t != part && !near ? ".ask" : "", ".explain");
        }
        case Kind::TwoStep:
            for (int attempt = 0; attempt < 12; ++attempt) {
                const int64_t a = rng.Between(3, level.maxFactor);
                if (a % 10 == 0) {
                    continue;
                }
                const bool plus = rng.Chance(60);
                // plus: v/2 <= a*b < v, so the constant is at most the product
                const int64_t low = plus ? (v / 2 + a - 1) / a : v / a + 1;
                const int64_t high =
                    std::min(level.maxMultiplicand, plus ? (v - 1) / a : (v + v / 2) / a);
                if (std::max<int64_t>(2, low) > high) {
                    continue;
                }
                const int64_t b = rng.Between(std::max<int64_t>(2, low), high);
                const int64_t p = a * b;
                const int64_t c = v - p;
                // "5 × 20 - 20" is only 4 × 20 in disguise: no constant of whole lots of b.
                if (c == 0 || (c < 0 ? -c : c) > p || c % b == 0) {
                    continue;
                }
                f["a"] = Num(a);
                f["b"] = Num(b);
                f["p"] = Num(p);
                f["t"] = Num(Top(b));
                f["n"] = Num(a * Top(b));
                f["places"] = Places(b, "its ", ", its ");
                f["a1"] = Num(a / 10 * 10);
                f["a0"] = Num(a % 10);
                Adjust(f, c);
                done(Num(a) + " * " + Num(b) + Signed(c), "twostep", ".hint",
                     b >= 10 && Top(b) != b ? ".ask" : "", ".explain");
                // Beyond the times tables the factor is split (21 is 20 and 1), as on paper;
                // within them the other number is worked from the round number just above it
                // (49 is 1 less than 50), or else split by its places, when it has two.
                if (a > 12) {
                    clue.hints.push_back(Text("twostep.splitfactor", f));
                } else if (b >= 20 && !Round(b)) {
                    clue.hints.push_back(
                        Text(NearRound(b, f) ? "twostep.near" : "twostep.split", f));
                }
                return true;
            }
            return false;
        case Kind::Square:
        case Kind::Cube: {
            const bool square = kind == Kind::Square;
            std::vector<int64_t> bases;
            for (int64_t a = 2; a <= (square ? level.maxSquare : level.maxCube); ++a) {
                const int64_t p = square ? a * a : a * a * a;
                if (p != v && p * 2 >= v && p * 2 <= v * 3) {
                    bases.push_back(a);
                }
            }
            if (bases.empty()) {
                return false;
            }
            const int64_t a = Pick(rng, bases);
            const int64_t p = square ? a * a : a * a * a;
            f["a"] = Num(a);
            f["p"] = Num(p);
            f["n"] = Num(a * a);
            Adjust(f, v - p);
            const char* key = square ? "square" : "cube";
            return done((square ? "sq(" : "cube(") + Num(a) + ")" + Signed(v - p), key, ".hint",
                        ".ask", ".explain");
        }
        case Kind::SquareTimes: {
            // a² × b, with the constant no larger than the product, as a two-step clue.
            std::vector<std::pair<int64_t, int64_t>> choices;
            for (int64_t a = 3; a <= level.maxSquare; ++a) {
                for (int64_t b = 3; b <= level.maxFactor; ++b) {
                    const int64_t p = a * a * b;
                    // 12² × 12 is the cube of 12 in disguise: b is never a.
                    if (b % 10 != 0 && b != a && p != v && p * 2 >= v && p * 2 <= v * 3) {
                        choices.emplace_back(a, b);
                    }
                }
            }
            if (choices.empty()) {
                return false;
            }
            const auto [a, b] = Pick(rng, choices);
            f["a"] = Num(a);
            f["b"] = Num(b);
            f["n"] = Num(a * a);
            f["p"] = Num(a * a * b);
            Adjust(f, v - a * a * b);
            return done("sq(" + Num(a) + ") * " + Num(b) + Signed(v - a * a * b), "squaretimes",
                        ".hint", ".ask", ".explain");
        }
        case Kind::Double:
        case Kind::Half: {
            const bool twice = kind == Kind::Double;
            if (twice ? v % 2 != 0 || v < 12 : v > 5000) {
                return false;
            }
            const int64_t a = twice ? v / 2 : v * 2;
            const int64_t t = Top(a);
            f["a"] = Num(a);
            f["t"] = Num(t);
            f["n"] = Num(twice ? t * 2 : t / 2);
            f["places"] = Places(a, "its ", ", its ");
            RoundFields(f, a);
            const bool odd = (Num(a)[0] - '0') % 2 != 0;
            return done(twice ? "2 * " + Num(a) : Num(a) + " / 2", twice ? "double" : "half",
                        a < 10          ? ".hint1"
                        : !Round(a)     ? ".hint"
                        : twice || !odd ? ".hintround"
                                        : ".hintexchange",
                        a >= 10 && t != a && (twice || t % 2 == 0) ? ".ask" : "", ".explain");
        }
        case Kind::RefPlus: {
            const int64_t c = v - w;
            if (c == 0 || (c < 0 ? -c : c) * 4 > std::min(v, w)) {
                return false;
            }
            Adjust(f, c);
            return done(ref.Key() + Signed(c), "ref", ".hint", "", ".explain");
        }
        case Kind::RefTimes:
        case Kind::DigitSum: {
            const bool sum = kind == Kind::DigitSum;
            const int64_t base = sum ? DigitSum(w) : w;
            std::vector<int64_t> factors;
            for (int64_t b = 2; b <= 12 && base >= 2; ++b) {
                const int64_t c = v - base * b;
                if ((c < 0 ? -c : c) * (sum ? 1 : 4) <= base * b) {
                    factors.push_back(b);
                }
            }
            if (factors.empty()) {
                return false;
            }
            const int64_t b = Pick(rng, factors);
            const int64_t c = v - base * b;
            f["b"] = Num(b);
            Adjust(f, c);
            const std::string expression =
                (sum ? "digitsum(" + ref.Key() + ")" : ref.Key()) + " * " + Num(b);
            const char* key = sum ? "digitsum" : "reftimes";
            return c == 0 ? done(expression, key, ".hint0", "", ".explain0")
                          : done(expression + Signed(c), key, ".hint", "", ".explain");
        }
        case Kind::Reverse: {
            if (w % 10 == 0) {
                return false;
            }
            const int64_t back = std::stoll(Reverse(w));
            const int64_t c = v - back;
            if (c == 0 || (c < 0 ? -c : c) * 4 > std::min(v, back)) {
                return false;
            }
            Adjust(f, c);
            return done("reverse(" + ref.Key() + ")" + Signed(c), "reverse", ".hint", "",
                        ".explain");
        }
    }
    return false;
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
    if (Num(v) == Reverse(v)) {
        add(PropertyKind::Palindrome);
    }
    std::vector<int64_t> divisors;
    for (int64_t d = 3; d <= 12; ++d) {
        if (v % d == 0 && d != 10 && d < v) {
            divisors.push_back(d);
        }
    }
    if (!divisors.empty()) {
        add(PropertyKind::MultipleOf, Pick(rng, divisors));
    }
    add(PropertyKind::DigitsAddTo, DigitSum(v));
    int64_t span = 1;
    for (size_t i = 1; i < digits; ++i) {
        span *= 10;
    }
    const int64_t width = std::max<int64_t>(4, span / 3);
    const int64_t low = std::max<int64_t>(span, v - rng.Between(1, width));
    add(PropertyKind::Between, low, std::min(span * 10 - 1, v + rng.Between(1, width)));
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

// What a property clue says and how to use it. When the crossings give every digit there are
// no missing digits to work out: the clue is only a check.
std::string PropertyHint(const Clue& clue, bool given) {
    std::string tips = Text("property.hint");
    for (const Property& p : clue.properties) {
        if (!given || p.kind != PropertyKind::DigitsAddTo) {
            tips += " " + PropertyTip(p);
        }
    }
    return given ? tips + " " + Text("property.check") : tips;
}

void WriteProperties(Clue& clue) {
    clue.property = true;
    clue.uses.clear();
    clue.expression.clear();
    for (const Property& p : clue.properties) {
        clue.expression += (clue.expression.empty() ? "" : " and ") + PropertyText(p);
    }
    clue.hints = {PropertyHint(clue, false)};
    clue.ask.clear();       // asked once the clues stand: see AskHowMany
    clue.explains.clear();  // written from the grader's trace
}

// How many numbers of the length fit the properties and the known digits ('\0' unknown).
size_t CountFitting(const std::vector<Property>& properties, const std::string& known) {
    std::string text;
    for (const Property& p : properties) {
        text += (text.empty() ? "" : " and ") + PropertyText(p);
    }
    ClueExpression clue;
    std::string error;
    if (!clue.Parse(text, error)) {
        return 0;
    }
    int64_t low = 1;
    for (size_t i = 1; i < known.size(); ++i) {
        low *= 10;
    }
    size_t count = 0;
    for (int64_t w = low; w < low * 10; ++w) {
        const std::string s = Num(w);
        bool fits = true;
        for (size_t i = 0; i < s.size() && fits; ++i) {
            fits = known[i] == '\0' || known[i] == s[i];
        }
        count += fits && clue.HoldsAlone(w) ? 1 : 0;
    }
    return count;
}

std::string Source(const Draft& d, const GenerateOptions& o) {
    std::string s = "// Made by quizlex-tool generate --level " + o.level + " --size " +
                    Num(d.board.side) + " --seed " + std::to_string(o.seed) +
                    (o.topic.empty() ? "" : " --topic " + o.topic) + "\n";
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
        for (const std::string& hint : clue.hints) {
            s += "  hint     " + hint + "\n";
        }
        if (!clue.ask.empty()) {
            s += "  ask      " + clue.ask + "\n";
        }
        for (const std::string& explain : clue.explains) {
            s += "  explain  " + explain + "\n";
        }
    }
    return s;
}

// A property clue's question: how many numbers of the answer's length the clue allows alone.
void AskHowMany(Clue& clue, size_t digits, int64_t v) {
    if (!clue.property) {
        return;
    }
    const size_t count = CountFitting(clue.properties, std::string(digits, '\0'));
    const std::string ask = Text("property.ask", {{"n", Num(static_cast<int64_t>(digits))},
                                                  {"count", Num(static_cast<int64_t>(count))}});
    if (count > 1 && !GivesAway(ask, v)) {
        clue.ask = ask;
    }
}

std::string DigitWord(size_t index, size_t length) {
    if (index == 0) {
        return "1st";
    }
    return index + 1 == length ? "last" : Ordinal(static_cast<int64_t>(index + 1));
}

std::string NameWithHint(const Board& board, int slot) {
    return "{" + board.slots[static_cast<size_t>(slot)].ref.Key() + "} (hint " + Num(slot + 1) +
           ")";
}

std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return text;
}

// "its 1st digit is the last digit of {7A} (hint 5)"
std::string CrossFact(const Board& board, int slot, size_t index, int other) {
    const Slot& mine = board.slots[static_cast<size_t>(slot)];
    const Slot& theirs = board.slots[static_cast<size_t>(other)];
    const size_t j =
        static_cast<size_t>(std::find(theirs.cells.begin(), theirs.cells.end(), mine.cells[index]) -
                            theirs.cells.begin());
    return "its " + DigitWord(index, mine.cells.size()) + " digit is the " +
           DigitWord(j, theirs.cells.size()) + " digit of " + NameWithHint(board, other);
}

// Hints and worked answers from the pupil's way through the puzzle: the squares and facts
// that settle an answer, and the answers each one helps with.
void WriteFromTrace(Draft& d, const GradeResult& grade) {
    const Board& board = d.board;
    std::vector<std::vector<int>> helps(board.slots.size());
    for (size_t s = 0; s < board.slots.size(); ++s) {
        for (int used : d.clues[s].uses) {
            helps[static_cast<size_t>(used)].push_back(static_cast<int>(s));
        }
    }
    for (const GradeStep& step : grade.steps) {
        const size_t s = static_cast<size_t>(step.answer);
        Clue& clue = d.clues[s];
        std::vector<std::string> facts;
        std::vector<std::string> from;
        std::vector<int> fromSlots;
        for (const auto& [index, other] : step.known) {
            facts.push_back(CrossFact(board, step.answer, index, other));
            if (std::find(fromSlots.begin(), fromSlots.end(), other) == fromSlots.end()) {
                fromSlots.push_back(other);
                from.push_back("{" + board.slots[static_cast<size_t>(other)].ref.Key() + "}");
                if (step.technique >= Technique::ReadCrossings) {
                    auto& list = helps[static_cast<size_t>(other)];
                    if (std::find(list.begin(), list.end(), step.answer) == list.end()) {
                        list.push_back(step.answer);
                    }
                }
            }
        }
        Fields f{{"facts", Listed(facts)},
                 {"from", Listed(from)},
                 {"v", step.digits},
                 {"n", Num(static_cast<int64_t>(step.digits.size()))}};
        switch (step.technique) {
            case Technique::Compute:
            case Technique::ComputeFromFound:
                continue;
            case Technique::ReadCrossings:
                if (clue.property) {
                    clue.hints = {PropertyHint(clue, true)};
                } else if (!clue.uses.empty()) {
                    clue.hints = {Text(
                        "trace.check",
                        {{"ref", board.slots[static_cast<size_t>(clue.uses.front())].ref.Key()}})};
                }
                // The grader reads an answer off the board only while the answer its clue
                // uses is still unknown, so the page says that this one comes first.
                clue.hints.insert(clue.hints.begin(), Text("trace.read", f));
                for (int used : clue.uses) {
                    clue.hints.front() +=
                        Text("trace.before",
                             {{"ref", board.slots[static_cast<size_t>(used)].ref.Key()}});
                }
                for (const Property& p : clue.properties) {
                    if (p.kind == PropertyKind::ReverseOf) {
                        clue.hints.front() += Text("trace.before", {{"ref", p.ref.Key()}});
                    }
                }
                clue.explains.insert(clue.explains.begin(), Text("explain.read", f));
                break;
            case Technique::OneCandidate:
                clue.hints.push_back(Text(facts.empty() ? "trace.one0" : "trace.one", f));
                clue.explains.insert(clue.explains.begin(),
                                     Text(facts.empty() ? "explain.one0" : "explain.one", f));
                break;
            case Technique::RuleOutPairs: {
                const Slot& mine = board.slots[s];
                const Slot& theirs = board.slots[static_cast<size_t>(step.partner)];
                size_t shared = 0;
                while (std::find(theirs.cells.begin(), theirs.cells.end(), mine.cells[shared]) ==
                       theirs.cells.end()) {
                    ++shared;
                }
                f["ref"] = theirs.ref.Key();
                f["h"] = Num(step.partner + 1);
                f["share"] = CrossFact(board, step.answer, shared, step.partner);
                std::string hint = Text("trace.pairs", f);
                if (!facts.empty()) {
                    hint += Text("trace.known", {{"facts", Listed(facts)}});
                }
                clue.hints.push_back(hint);
                clue.explains.insert(
                    clue.explains.begin(),
                    Text(facts.empty() ? "explain.pairs" : "explain.pairs.known", f));
                break;
            }
        }
    }
    for (size_t s = 0; s < board.slots.size(); ++s) {
        std::vector<std::string> names;
        for (int user : helps[s]) {
            names.push_back(NameWithHint(board, user));
        }
        if (!names.empty()) {
            d.clues[s].hints.push_back(Text("trace.users", {{"list", Listed(names)}}));
        }
    }
}

// The clue texts a pupil reads; a puzzle never shows one twice.
bool AllDifferent(const std::vector<Clue>& clues) {
    std::set<std::string> shown;
    for (const Clue& clue : clues) {
        ClueExpression parsed;
        std::string error;
        if (!parsed.Parse(clue.expression, error) || !shown.insert(parsed.Display()).second) {
            return false;
        }
    }
    return true;
}

std::string Shown(const std::string& expression) {
    ClueExpression parsed;
    std::string error;
    return parsed.Parse(expression, error) ? parsed.Display() : std::string();
}

// The kinds to try for a clue, most wanted first: the topic's own kinds usually lead.
std::vector<Kind> KindsFor(Rng& rng, const Level& level, const Topic* topic, bool earlier) {
    std::vector<Kind> kinds = LevelKinds(level);
    const bool easy = std::string(level.name) == "easy";
    if (topic != nullptr) {
        for (Kind kind : topic->kinds) {
            if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end() &&
                !(easy && UsesAnswer(kind))) {
                kinds.push_back(kind);
            }
        }
    }
    for (size_t i = kinds.size(); i > 1; --i) {
        std::swap(kinds[i - 1],
                  kinds[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(i) - 1))]);
    }
    // How often a clue builds on another answer: never in easy, often in hard.
    const int share = easy ? 0 : std::string(level.name) == "medium" ? 30 : 65;
    const bool useAnswer = earlier && rng.Chance(share);
    std::stable_partition(kinds.begin(), kinds.end(), [&](Kind kind) {
        const bool wanted = topic == nullptr || std::find(topic->kinds.begin(), topic->kinds.end(),
                                                          kind) != topic->kinds.end();
        return UsesAnswer(kind) == useAnswer && (wanted || !rng.Chance(70));
    });
    if (!earlier) {
        kinds.erase(std::remove_if(kinds.begin(), kinds.end(), UsesAnswer), kinds.end());
    }
    return kinds;
}

// One try: a board, its answers and clues. Empty when no puzzle of the level came of it.
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
    const Topic* topic = FindTopic(o.topic);
    const size_t count = d.board.slots.size();
    d.digits.assign(static_cast<size_t>(side * side), '0');
    for (size_t at = 0; at < d.digits.size(); ++at) {
        d.digits[at] = static_cast<char>('0' + rng.Between(0, 9));
    }
    std::vector<int> crossings(d.digits.size(), 0);
    for (const Slot& slot : d.board.slots) {
        if (d.digits[slot.cells.front()] == '0') {
            d.digits[slot.cells.front()] = static_cast<char>('1' + rng.Between(0, 8));
        }
        for (size_t at : slot.cells) {
            ++crossings[at];
        }
    }
    for (const Slot& slot : d.board.slots) {
        int64_t v = 0;
        for (size_t at : slot.cells) {
            v = v * 10 + (d.digits[at] - '0');
        }
        d.values.push_back(v);
    }
    // Which answers get property clues: in medium one or two whose every square is crossed
    // (the crossings give them), made last so that no other clue waits for them; in hard a
    // quarter of those of up to 4 digits, anywhere in the order.
    const std::string name = level.name;
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i) {
        order[i] = static_cast<int>(i);
    }
    for (size_t i = count; i > 1; --i) {
        std::swap(order[i - 1],
                  order[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(i) - 1))]);
    }
    std::vector<char> property(count, 0);
    if (name == "medium") {
        std::vector<int> crossed;
        for (int s : order) {
            const Slot& slot = d.board.slots[static_cast<size_t>(s)];
            if (std::all_of(slot.cells.begin(), slot.cells.end(),
                            [&](size_t at) { return crossings[at] >= 2; })) {
                crossed.push_back(s);
            }
        }
        if (crossed.empty()) {
            return {};
        }
        const size_t wanted = std::min(crossed.size(), count >= 14 ? size_t{2} : size_t{1});
        for (size_t i = 0; i < wanted; ++i) {
            property[static_cast<size_t>(crossed[i])] = 1;
        }
        std::stable_partition(order.begin(), order.end(),
                              [&](int s) { return !property[static_cast<size_t>(s)]; });
    } else if (name == "hard") {
        size_t wanted = (count + 3) / 4;
        for (int s : order) {
            if (wanted > 0 && d.board.slots[static_cast<size_t>(s)].cells.size() <= 4) {
                property[static_cast<size_t>(s)] = 1;
                --wanted;
            }
        }
    }
    d.clues.resize(count);
    std::set<std::string> shown;
    // A kind of clue that has had its share goes to the back, the most used last, so that a
    // puzzle is not six halvings: it comes again only when no other kind can make the answer.
    std::map<Kind, size_t> used;
    const size_t share = std::max<size_t>(2, count / 5);
    for (size_t k = 0; k < count; ++k) {
        const int s = order[k];
        const int64_t v = d.values[static_cast<size_t>(s)];
        Clue clue;
        if (property[static_cast<size_t>(s)]) {
            std::vector<Property> all =
                TrueProperties(rng, v, d.board.slots[static_cast<size_t>(s)].cells.size());
            if (topic != nullptr && rng.Chance(70)) {
                std::stable_partition(all.begin(), all.end(), [&](const Property& p) {
                    return std::find(topic->properties.begin(), topic->properties.end(), p.kind) !=
                           topic->properties.end();
                });
            }
            clue.properties.push_back(all[static_cast<size_t>(
                rng.Between(0, std::min<int64_t>(2, static_cast<int64_t>(all.size()) - 1)))]);
            WriteProperties(clue);
            d.clues[static_cast<size_t>(s)] = clue;
            continue;
        }
        std::vector<int> earlier(order.begin(), order.begin() + static_cast<long>(k));
        for (size_t i = earlier.size(); i > 1; --i) {
            std::swap(earlier[i - 1],
                      earlier[static_cast<size_t>(rng.Between(0, static_cast<int64_t>(i) - 1))]);
        }
        bool found = false;
        std::vector<Kind> kinds = KindsFor(rng, level, topic, !earlier.empty());
        std::stable_sort(kinds.begin(), kinds.end(), [&](Kind x, Kind y) {
            return (used[x] < share ? 0 : used[x]) < (used[y] < share ? 0 : used[y]);
        });
        for (Kind kind : kinds) {
            for (size_t r = 0; r < (UsesAnswer(kind) ? earlier.size() : 1) && !found; ++r) {
                const int other = UsesAnswer(kind) ? earlier[r] : -1;
                Clue attempt;
                const EntryRef ref =
                    other >= 0 ? d.board.slots[static_cast<size_t>(other)].ref : EntryRef{};
                const int64_t w = other >= 0 ? d.values[static_cast<size_t>(other)] : 0;
                if (!MakeClue(rng, level, kind, v, ref, w, attempt)) {
                    continue;
                }
                const std::string text = Shown(attempt.expression);
                bool fair = !text.empty() && shown.count(text) == 0;
                for (const std::string& hint : attempt.hints) {
                    fair = fair && !GivesAway(hint, v);
                }
                if (!fair) {
                    continue;
                }
                if (GivesAway(attempt.ask, v)) {
                    attempt.ask.clear();
                }
                if (other >= 0) {
                    attempt.uses = {other};
                }
                shown.insert(text);
                clue = attempt;
                found = true;
                ++used[kind];
            }
            if (found) {
                break;
            }
        }
        if (!found) {
            return {};
        }
        d.clues[static_cast<size_t>(s)] = clue;
    }
    // In medium, a clue nobody waits for builds on an answer the crossings give, so that the
    // pupil uses what the crossings gave. It must not cross that answer, or each would wait for
    // the other.
    for (size_t p = 0; p < count && name == "medium"; ++p) {
        if (!property[p]) {
            continue;
        }
        const Slot& given = d.board.slots[p];
        for (int x : order) {
            const size_t xs = static_cast<size_t>(x);
            const Slot& slot = d.board.slots[xs];
            const bool waitedFor = std::any_of(d.clues.begin(), d.clues.end(), [&](const Clue& c) {
                return std::find(c.uses.begin(), c.uses.end(), x) != c.uses.end();
            });
            const bool crosses = std::any_of(slot.cells.begin(), slot.cells.end(), [&](size_t at) {
                return std::find(given.cells.begin(), given.cells.end(), at) != given.cells.end();
            });
            if (property[xs] || waitedFor || crosses || !d.clues[xs].uses.empty()) {
                continue;
            }
            Clue attempt;
            const bool written =
                MakeClue(rng, level, Kind::RefTimes, d.values[xs], given.ref, d.values[p],
                         attempt) ||
                MakeClue(rng, level, Kind::RefPlus, d.values[xs], given.ref, d.values[p], attempt);
            const std::string text = written ? Shown(attempt.expression) : std::string();
            if (text.empty() || shown.count(text) != 0 ||
                std::any_of(
                    attempt.hints.begin(), attempt.hints.end(),
                    [&](const std::string& hint) { return GivesAway(hint, d.values[xs]); })) {
                continue;
            }
            attempt.uses = {static_cast<int>(p)};
            shown.insert(text);
            d.clues[xs] = attempt;
            break;
        }
    }
    // Grade as a pupil would; in hard, narrow down a property answer the pupil is stuck on.
    for (int round = 0; round < 30; ++round) {
        if (progress && !progress(round)) {
            stopped = true;
            return {};
        }
        PuzzleSource layout;
        std::vector<std::string> errors;
        if (!ReadPuzzleLayout(Source(d, o), "generated.qzp", layout, errors)) {
            return {};
        }
        const GradeResult grade = GradePuzzle(layout);
        if (grade.solved) {
            if (GradeLevel(grade) != name || !AllDifferent(d.clues)) {
                return {};
            }
            WriteFromTrace(d, grade);
            for (size_t i = 0; i < count; ++i) {
                for (const std::string& hint : d.clues[i].hints) {
                    if (GivesAway(hint, d.values[i])) {
                        return {};  // "(hint 12)" on the page of an answer 12
                    }
                }
            }
            for (size_t i = 0; i < count; ++i) {
                AskHowMany(d.clues[i], d.board.slots[i].cells.size(), d.values[i]);
            }
            const std::string final = Source(d, o);
            PuzzleSource puzzle;
            return ReadPuzzleSource(final, "generated.qzp", puzzle, errors) ? final : std::string();
        }
        if (grade.contradiction || name != "hard") {
            return {};
        }
        // The stuck property answer with the fewest candidates gets the true property that
        // leaves the fewest, given the digits the pupil already has.
        std::vector<char> known(d.digits.size(), 0);
        for (const GradeStep& step : grade.steps) {
            for (size_t at : d.board.slots[static_cast<size_t>(step.answer)].cells) {
                known[at] = 1;
            }
        }
        int best = -1;
        size_t bestCount = 0;
        std::vector<Property> bestProperties;
        for (int a : grade.unsettled) {
            const size_t s = static_cast<size_t>(a);
            Clue& clue = d.clues[s];
            if (!clue.property || clue.properties.size() >= 2) {
                continue;
            }
            std::string digits;
            for (size_t at : d.board.slots[s].cells) {
                digits.push_back(known[at] ? d.digits[at] : '\0');
            }
            const size_t now = CountFitting(clue.properties, digits);
            for (const Property& p : TrueProperties(rng, d.values[s], digits.size())) {
                if (std::any_of(clue.properties.begin(), clue.properties.end(),
                                [&](const Property& q) { return q.kind == p.kind; })) {
                    continue;
                }
                std::vector<Property> more = clue.properties;
                more.push_back(p);
                // A clue that names its answer alone leaves the crossings nothing to do.
                if (CountFitting(more, std::string(digits.size(), '\0')) <= 1) {
                    continue;
                }
                const size_t fewer = CountFitting(more, digits);
                if (fewer < now && (best < 0 || fewer < bestCount)) {
                    best = a;
                    bestCount = fewer;
                    bestProperties = more;
                }
            }
        }
        if (best < 0) {
            return {};
        }
        d.clues[static_cast<size_t>(best)].properties = bestProperties;
        WriteProperties(d.clues[static_cast<size_t>(best)]);
    }
    return {};
}

}  // namespace

std::vector<GeneratorTopic> GeneratorTopics() {
    std::vector<GeneratorTopic> topics;
    for (const Topic& topic : Topics()) {
        topics.push_back({topic.tag, topic.name});
    }
    return topics;
}

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
    if (!options.topic.empty() && FindTopic(options.topic) == nullptr) {
        std::vector<std::string> tags;
        for (const Topic& topic : Topics()) {
            tags.push_back(topic.tag);
        }
        error = "the topic is one of " + Listed(tags) + ", not \"" + options.topic + "\"";
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
    constexpr int kTries = 200;
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
    error = "no puzzle a pupil can finish by reasoning of the level was found in " + Num(kTries) +
            " tries";
    return false;
}

}  // namespace maker
