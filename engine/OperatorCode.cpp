#include "OperatorCode.h"

#include <cstddef>

namespace {

struct Word {
    std::string_view text;
    int code;
};

// How each code is written in a formula. "ans" is a word too, but it is replaced before tokenizing.
constexpr Word kWords[] = {
    {"min", kMin},
    {"max", kMax},
    {"lcm", kLcm},
    {"gcd", kGcd},
    {"round", kRound},
    {"irand", kIrand},
    {"frand", kFrand},
    {"fpart", kFpart},
    {"ipart", kIpart},
    {"int", kInteger},
    {"npr", kNpr},
    {"ncr", kNcr},
    {"abs", kAbs},
    {"log", kLog},
    {"ln", kLn},
    {"arcsin", kArcsin},
    {"arccos", kArccos},
    {"arctan", kArctan},
    {"sin", kSin},
    {"cos", kCos},
    {"tan", kTan},
    {"hypsin", kSinh},
    {"hypcos", kCosh},
    {"hyptan", kTanh},
    {"floor", kFloor},
    {"ceil", kCeil},
    {"sqrt", kSqrt},
    {"mod", kMod},
    {"convbase", kConvbase},
    {"farenheitcelcius", kFahrenheitCelsius},
    {"farenheitrankin", kFahrenheitRankine},
    {"farenheitkelvin", kFahrenheitKelvin},
    {"celciusfarenheit", kCelsiusFahrenheit},
    {"celciuskelvin", kCelsiusKelvin},
    {"celciusrankin", kCelsiusRankine},
    {"kelvinfarenheit", kKelvinFahrenheit},
    {"kelvincelcius", kKelvinCelsius},
    {"kelvinrankin", kKelvinRankine},
    {"rankinfarenheit", kRankineFahrenheit},
    {"rankincelcius", kRankineCelsius},
    {"rankinkelvin", kRankineKelvin},
    {"mean", kMean},
    {"median", kMedian},
    {"mode", kMode},
    {"stdev", kStdev},
    {"variance", kVariance},
    {"fib", kFib},
};

// Display names for codes 1 to 64, as the trace writes them; empty where a code has none.
constexpr const char* kNames[65] = {
    "",
    "",
    "",
    "min",
    "max",
    "lcm",
    "gcd",
    "round",
    "irand",
    "frand",
    "fpart",
    "ipart",
    "integer",
    "!",
    "npr",
    "ncr",
    "abs",
    "log",
    "ln",
    "arcsin",
    "arccos",
    "arctan",
    "sin",
    "cos",
    "tan",
    "sinh",
    "cosh",
    "tanh",
    ":",
    "%",
    "floor",
    "ceil",
    "sqrt",
    "^",
    "*",
    "/",
    "mod",
    "+",
    "-",
    "==",
    ">",
    ">=",
    "<",
    "<=",
    "!=",
    "=",
    "convbase",
    "farenheit->celcius",
    "farenheit->rankin",
    "farenheit->kelvin",
    "celcius->farenheit",
    "celcius->kelvin",
    "celcius->rankin",
    "kelvin->farenheit",
    "kelvin->celcius",
    "kelvin->rankin",
    "rankin->farenheit",
    "rankin->celcius",
    "rankin->kelvin",
    "mean",
    "median",
    "mode",
    "stdev",
    "variance",
    "fib",
};

// Precedence class per code 0 to 64; -1 where a code has none.
// clang-format off
constexpr int kClasses[65] = {
    -1,                     // 0
    1,  1,                  // ( )
    0,  0,  0,  0,          // min max lcm gcd
    2,                      // round
    0,  0,                  // irand frand
    3,  3,  3,              // fpart ipart int
    2,                      // !
    3,  3,                  // npr ncr
    2,  2,  2,              // abs log ln
    5,  5,  5,              // arcsin arccos arctan
    5,  5,  5,              // sin cos tan
    5,  5,  5,              // hypsin hypcos hyptan
    -1,                     // :
    2,                      // %
    5,  5,                  // floor ceil
    4,                      // sqrt
    4,                      // ^
    6,  6,                  // * /
    7,                      // mod
    8,  8,                  // + -
    9,  9,  9,  9,  9,  9,  // comparisons
    10,                     // =
    11,                     // convbase
    2,  2,  2,  2,  2,  2,  // temperature conversions
    2,  2,  2,  2,  2,  2,
    2,  2,  2,  2,  2,      // mean median mode stdev variance
    0,                      // fib
};
// clang-format on

bool inRange(int op) {
    return op >= 1 && op <= 64;
}

constexpr std::size_t shortestWordLength() {
    std::size_t length = kWords[0].text.size();
    for (const Word& w : kWords)
        length = w.text.size() < length ? w.text.size() : length;
    return length;
}

constexpr std::size_t longestWordLength() {
    std::size_t length = 0;
    for (const Word& w : kWords)
        length = w.text.size() > length ? w.text.size() : length;
    return length;
}

// The tokenizer asks after every letter of a name, so most questions are answered by the length or
// the first letter alone.
const Word* findWord(std::string_view word) {
    if (word.size() < shortestWordLength() || word.size() > longestWordLength())
        return nullptr;
    for (const Word& w : kWords)
        if (w.text.size() == word.size() && w.text.front() == word.front() && w.text == word)
            return &w;
    return nullptr;
}

} // namespace

bool isBinary(int op) {
    return op == kNpr || op == kNcr || (op >= kPower && op <= kConvbase);
}

bool isComparison(int op) {
    return op >= kEqual && op <= kNotEqual;
}

bool isPostfix(int op) {
    return op == kFactorial || op == kPercent || (op >= kFahrenheitCelsius && op <= kRankineKelvin);
}

bool isListFunction(int op) {
    return (op >= kMin && op <= kGcd) || op == kIrand || op == kFrand || (op >= kMean && op <= kFib);
}

bool isFunction(int op) {
    return op == kRound || (op >= kFpart && op <= kInteger) || (op >= kAbs && op <= kTanh) ||
           (op >= kFloor && op <= kSqrt) || isListFunction(op);
}

int precedenceClass(int op) {
    return inRange(op) ? kClasses[op] : -1;
}

ArgumentLimits argumentLimits(int op) {
    switch (op) {
    case kIrand:
    case kFrand:
        return {1, 1};
    case kFib:
        return {0, 0};
    default:
        return {0, -1};
    }
}

bool isFunctionName(std::string_view word) {
    return word == "ans" || findWord(word) != nullptr;
}

int functionCode(std::string_view word) {
    const Word* found = findWord(word);
    return found != nullptr ? found->code : kPlus;
}

const char* operatorName(int op) {
    if (!inRange(op) || kNames[op][0] == '\0')
        return "(unknown operator)";
    return kNames[op];
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
