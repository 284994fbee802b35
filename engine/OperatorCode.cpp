#include "OperatorCode.h"

#include <cstddef>

namespace {

enum class Kind { Parenthesis, Separator, Function, ListFunction, Binary, Comparison, Postfix };

/// How an operator's first argument is read in degree mode and radian mode (see the evaluator).
enum AngleUse : unsigned char {
    kNoAngle,
    kAngleArgument,        // converted from degrees in degree mode
    kReducedAngleArgument, // reduced to one turn first, then converted as above
};

/// Everything the engine knows about one operator. The rows are in code order.
struct OperatorRow {
    int code;
    std::string_view word; // how it is written as a formula word; empty for operators written as characters
    const char* name;      // as the trace writes it; empty where it has none
    Kind kind;
    int precedence; // -1: none
    AngleUse angle = kNoAngle;
    bool temperature = false;
    ArgumentLimits arguments = {0, -1}; // ":" separators a list function takes
};

// clang-format off
constexpr OperatorRow kOperators[] = {
    {kOpenParen,          "",                 "",                   Kind::Parenthesis,  1},
    {kCloseParen,         "",                 "",                   Kind::Parenthesis,  1},
    {kMin,                "min",              "min",                Kind::ListFunction, 0},
    {kMax,                "max",              "max",                Kind::ListFunction, 0},
    {kLcm,                "lcm",              "lcm",                Kind::ListFunction, 0},
    {kGcd,                "gcd",              "gcd",                Kind::ListFunction, 0},
    {kRound,              "round",            "round",              Kind::Function,     2},
    {kIrand,              "irand",            "irand",              Kind::ListFunction, 0, kNoAngle, false, {1, 1}},
    {kFrand,              "frand",            "frand",              Kind::ListFunction, 0, kNoAngle, false, {1, 1}},
    {kFpart,              "fpart",            "fpart",              Kind::Function,     3},
    {kIpart,              "ipart",            "ipart",              Kind::Function,     3},
    {kInteger,            "int",              "integer",            Kind::Function,     3},
    {kFactorial,          "",                 "!",                  Kind::Postfix,      2},
    {kNpr,                "npr",              "npr",                Kind::Binary,       3},
    {kNcr,                "ncr",              "ncr",                Kind::Binary,       3},
    {kAbs,                "abs",              "abs",                Kind::Function,     2},
    {kLog,                "log",              "log",                Kind::Function,     2},
    {kLn,                 "ln",               "ln",                 Kind::Function,     2},
    {kArcsin,             "arcsin",           "arcsin",             Kind::Function,     5},
    {kArccos,             "arccos",           "arccos",             Kind::Function,     5},
    {kArctan,             "arctan",           "arctan",             Kind::Function,     5},
    {kSin,                "sin",              "sin",                Kind::Function,     5, kReducedAngleArgument},
    {kCos,                "cos",              "cos",                Kind::Function,     5, kReducedAngleArgument},
    {kTan,                "tan",              "tan",                Kind::Function,     5, kReducedAngleArgument},
    {kSinh,               "hypsin",           "sinh",               Kind::Function,     5, kAngleArgument},
    {kCosh,               "hypcos",           "cosh",               Kind::Function,     5, kAngleArgument},
    {kTanh,               "hyptan",           "tanh",               Kind::Function,     5, kAngleArgument},
    {kSeparator,          "",                 ":",                  Kind::Separator,   -1},
    {kPercent,            "",                 "%",                  Kind::Postfix,      2},
    {kFloor,              "floor",            "floor",              Kind::Function,     5},
    {kCeil,               "ceil",             "ceil",               Kind::Function,     5},
    {kSqrt,               "sqrt",             "sqrt",               Kind::Function,     4},
    {kPower,              "",                 "^",                  Kind::Binary,       4},
    {kMultiply,           "",                 "*",                  Kind::Binary,       6},
    {kDivide,             "",                 "/",                  Kind::Binary,       6},
    {kMod,                "mod",              "mod",                Kind::Binary,       7},
    {kPlus,               "",                 "+",                  Kind::Binary,       8},
    {kMinus,              "",                 "-",                  Kind::Binary,       8},
    {kEqual,              "",                 "==",                 Kind::Comparison,   9},
    {kGreater,            "",                 ">",                  Kind::Comparison,   9},
    {kGreaterEqual,       "",                 ">=",                 Kind::Comparison,   9},
    {kLess,               "",                 "<",                  Kind::Comparison,   9},
    {kLessEqual,          "",                 "<=",                 Kind::Comparison,   9},
    {kNotEqual,           "",                 "!=",                 Kind::Comparison,   9},
    {kAssign,             "",                 "=",                  Kind::Binary,      10},
    {kConvbase,           "convbase",         "convbase",           Kind::Binary,      11},
    {kFahrenheitCelsius,  "farenheitcelcius", "farenheit->celcius", Kind::Postfix,      2, kNoAngle, true},
    {kFahrenheitRankine,  "farenheitrankin",  "farenheit->rankin",  Kind::Postfix,      2, kNoAngle, true},
    {kFahrenheitKelvin,   "farenheitkelvin",  "farenheit->kelvin",  Kind::Postfix,      2, kNoAngle, true},
    {kCelsiusFahrenheit,  "celciusfarenheit", "celcius->farenheit", Kind::Postfix,      2, kNoAngle, true},
    {kCelsiusKelvin,      "celciuskelvin",    "celcius->kelvin",    Kind::Postfix,      2, kNoAngle, true},
    {kCelsiusRankine,     "celciusrankin",    "celcius->rankin",    Kind::Postfix,      2, kNoAngle, true},
    {kKelvinFahrenheit,   "kelvinfarenheit",  "kelvin->farenheit",  Kind::Postfix,      2, kNoAngle, true},
    {kKelvinCelsius,      "kelvincelcius",    "kelvin->celcius",    Kind::Postfix,      2, kNoAngle, true},
    {kKelvinRankine,      "kelvinrankin",     "kelvin->rankin",     Kind::Postfix,      2, kNoAngle, true},
    {kRankineFahrenheit,  "rankinfarenheit",  "rankin->farenheit",  Kind::Postfix,      2, kNoAngle, true},
    {kRankineCelsius,     "rankincelcius",    "rankin->celcius",    Kind::Postfix,      2, kNoAngle, true},
    {kRankineKelvin,      "rankinkelvin",     "rankin->kelvin",     Kind::Postfix,      2, kNoAngle, true},
    {kMean,               "mean",             "mean",               Kind::ListFunction, 2},
    {kMedian,             "median",           "median",             Kind::ListFunction, 2},
    {kMode,               "mode",             "mode",               Kind::ListFunction, 2},
    {kStdev,              "stdev",            "stdev",              Kind::ListFunction, 2},
    {kVariance,           "variance",         "variance",           Kind::ListFunction, 2},
    {kFib,                "fib",              "fib",                Kind::ListFunction, 0, kNoAngle, false, {0, 0}},
};
// clang-format on

constexpr int kOperatorCount = static_cast<int>(sizeof kOperators / sizeof kOperators[0]);

constexpr bool rowsInCodeOrder() {
    for (int i = 0; i < kOperatorCount; ++i)
        if (kOperators[i].code != i + 1)
            return false;
    return true;
}
static_assert(rowsInCodeOrder(), "the row of code c must be row c - 1");

/// "ans" is replaced before tokenizing; written with blanks inside ("a ns") it still reaches the
/// tokenizer as one word, which has always read it as "+".
constexpr std::string_view kAnswerWord = "ans";

const OperatorRow* rowOf(int op) {
    return op >= 1 && op <= kOperatorCount ? &kOperators[op - 1] : nullptr;
}

// The categories as bits per code, so that each question the tokenizer, the tree builder and the
// evaluator ask many times per formula is one look-up.
enum CategoryBit : unsigned {
    kBinaryBit = 1,
    kComparisonBit = 2,
    kPostfixBit = 4,
    kListFunctionBit = 8,
    kFunctionBit = 16,
    kTemperatureBit = 32,
    kAngleBit = 64,
    kReducedAngleBit = 128,
};

constexpr unsigned categoryBits(const OperatorRow& row) {
    unsigned bits = 0;
    if (row.kind == Kind::Binary || row.kind == Kind::Comparison)
        bits |= kBinaryBit;
    if (row.kind == Kind::Comparison)
        bits |= kComparisonBit;
    if (row.kind == Kind::Postfix)
        bits |= kPostfixBit;
    if (row.kind == Kind::ListFunction)
        bits |= kListFunctionBit | kFunctionBit;
    if (row.kind == Kind::Function)
        bits |= kFunctionBit;
    if (row.temperature)
        bits |= kTemperatureBit;
    if (row.angle != kNoAngle)
        bits |= kAngleBit;
    if (row.angle == kReducedAngleArgument)
        bits |= kReducedAngleBit;
    return bits;
}

struct CategoryTable {
    unsigned char bits[kOperatorCount + 1] = {}; // indexed by code; code 0 is none
};

constexpr CategoryTable makeCategoryTable() {
    CategoryTable table;
    for (const OperatorRow& row : kOperators)
        table.bits[row.code] = static_cast<unsigned char>(categoryBits(row));
    return table;
}

constexpr CategoryTable kCategories = makeCategoryTable();

bool hasCategory(int op, CategoryBit bit) {
    return op >= 0 && op <= kOperatorCount && (kCategories.bits[op] & bit) != 0;
}

// The words alone, grouped by length, for the look-up the tokenizer makes after every letter of a name:
// most questions are answered by the length or the first letter alone.
struct Word {
    std::string_view text;
    int code;
};

constexpr std::size_t countWords() {
    std::size_t count = 0;
    for (const OperatorRow& row : kOperators)
        count += row.word.empty() ? 0 : 1;
    return count;
}

constexpr std::size_t kLongestWord = 16;

struct WordTable {
    Word words[countWords()] = {};                    // by length
    std::size_t firstOfLength[kLongestWord + 2] = {}; // where the words of each length begin
};

constexpr WordTable makeWordTable() {
    WordTable table;
    std::size_t next = 0;
    for (std::size_t length = 0; length <= kLongestWord; ++length) {
        table.firstOfLength[length] = next;
        for (const OperatorRow& row : kOperators)
            if (!row.word.empty() && row.word.size() == length)
                table.words[next++] = {row.word, row.code};
    }
    table.firstOfLength[kLongestWord + 1] = next;
    return table;
}

constexpr WordTable kWords = makeWordTable();
static_assert(kWords.firstOfLength[kLongestWord + 1] == countWords(), "a word is longer than kLongestWord");

const Word* findWord(std::string_view word) {
    if (word.empty() || word.size() > kLongestWord)
        return nullptr;
    const Word* end = kWords.words + kWords.firstOfLength[word.size() + 1];
    for (const Word* w = kWords.words + kWords.firstOfLength[word.size()]; w != end; ++w)
        if (w->text.front() == word.front() && w->text == word)
            return w;
    return nullptr;
}

} // namespace

bool isBinary(int op) {
    return hasCategory(op, kBinaryBit);
}

bool isComparison(int op) {
    return hasCategory(op, kComparisonBit);
}

bool isPostfix(int op) {
    return hasCategory(op, kPostfixBit);
}

bool isListFunction(int op) {
    return hasCategory(op, kListFunctionBit);
}

bool isFunction(int op) {
    return hasCategory(op, kFunctionBit);
}

bool isTemperatureConversion(int op) {
    return hasCategory(op, kTemperatureBit);
}

bool takesAngle(int op) {
    return hasCategory(op, kAngleBit);
}

bool reducesAngle(int op) {
    return hasCategory(op, kReducedAngleBit);
}

int precedenceClass(int op) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr ? row->precedence : -1;
}

ArgumentLimits argumentLimits(int op) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr ? row->arguments : ArgumentLimits{0, -1};
}

bool isFunctionName(std::string_view word) {
    return word == kAnswerWord || findWord(word) != nullptr;
}

int functionCode(std::string_view word) {
    if (word == kAnswerWord)
        return kPlus;
    const Word* found = findWord(word);
    return found != nullptr ? found->code : kNoOperator;
}

const char* operatorName(int op) {
    const OperatorRow* row = rowOf(op);
    if (row == nullptr || row->name[0] == '\0')
        return "(unknown operator)";
    return row->name;
}

bool isOperatorChar(char c) {
    switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '^':
    case '%':
    case '(':
    case ')':
    case '!':
    case ':':
        return true;
    default:
        return false;
    }
}
