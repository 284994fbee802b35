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

bool hasKind(int op, Kind kind) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr && row->kind == kind;
}

constexpr std::size_t shortestWordLength() {
    std::size_t length = kAnswerWord.size();
    for (const OperatorRow& row : kOperators)
        if (!row.word.empty() && row.word.size() < length)
            length = row.word.size();
    return length;
}

constexpr std::size_t longestWordLength() {
    std::size_t length = kAnswerWord.size();
    for (const OperatorRow& row : kOperators)
        if (row.word.size() > length)
            length = row.word.size();
    return length;
}

// The tokenizer asks after every letter of a name, so most questions are answered by the length or
// the first letter alone.
const OperatorRow* findWord(std::string_view word) {
    if (word.size() < shortestWordLength() || word.size() > longestWordLength())
        return nullptr;
    for (const OperatorRow& row : kOperators)
        if (row.word.size() == word.size() && row.word.front() == word.front() && row.word == word)
            return &row;
    return nullptr;
}

} // namespace

bool isBinary(int op) {
    return hasKind(op, Kind::Binary) || hasKind(op, Kind::Comparison);
}

bool isComparison(int op) {
    return hasKind(op, Kind::Comparison);
}

bool isPostfix(int op) {
    return hasKind(op, Kind::Postfix);
}

bool isListFunction(int op) {
    return hasKind(op, Kind::ListFunction);
}

bool isFunction(int op) {
    return hasKind(op, Kind::Function) || isListFunction(op);
}

bool isTemperatureConversion(int op) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr && row->temperature;
}

bool takesAngle(int op) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr && row->angle != kNoAngle;
}

bool reducesAngle(int op) {
    const OperatorRow* row = rowOf(op);
    return row != nullptr && row->angle == kReducedAngleArgument;
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
    const OperatorRow* found = findWord(word);
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
