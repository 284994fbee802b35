#pragma once

#include <cstdint>
#include <string_view>

/// Code of every parenthesis, operator, separator and built-in function of the formula language.
enum OperatorCode : std::int32_t {
    kNoOperator = 0, // what functionCode answers for a word that is none of the language's
    kOpenParen = 1,
    kCloseParen = 2,
    kMin = 3,
    kMax = 4,
    kLcm = 5,
    kGcd = 6,
    kRound = 7,
    kIrand = 8,
    kFrand = 9,
    kFpart = 10,
    kIpart = 11,
    kInteger = 12,
    kFactorial = 13,
    kNpr = 14,
    kNcr = 15,
    kAbs = 16,
    kLog = 17,
    kLn = 18,
    kArcsin = 19,
    kArccos = 20,
    kArctan = 21,
    kSin = 22,
    kCos = 23,
    kTan = 24,
    kSinh = 25,
    kCosh = 26,
    kTanh = 27,
    kSeparator = 28,
    kPercent = 29,
    kFloor = 30,
    kCeil = 31,
    kSqrt = 32,
    kPower = 33,
    kMultiply = 34,
    kDivide = 35,
    kMod = 36,
    kPlus = 37,
    kMinus = 38,
    kEqual = 39,
    kGreater = 40,
    kGreaterEqual = 41,
    kLess = 42,
    kLessEqual = 43,
    kNotEqual = 44,
    kAssign = 45,
    kConvbase = 46,
    kFahrenheitCelsius = 47,
    kFahrenheitRankine = 48,
    kFahrenheitKelvin = 49,
    kCelsiusFahrenheit = 50,
    kCelsiusKelvin = 51,
    kCelsiusRankine = 52,
    kKelvinFahrenheit = 53,
    kKelvinCelsius = 54,
    kKelvinRankine = 55,
    kRankineFahrenheit = 56,
    kRankineCelsius = 57,
    kRankineKelvin = 58,
    kMean = 59,
    kMedian = 60,
    kMode = 61,
    kStdev = 62,
    kVariance = 63,
    kFib = 64,
};

// The categories of the codes; OperatorCode.cpp holds one row per operator with its word, trace name,
// category, precedence class and argument rules.
bool isBinary(int op); // the comparisons included
bool isComparison(int op);
bool isPostfix(int op);
bool isListFunction(int op);
bool isFunction(int op); // the list functions included
bool isTemperatureConversion(int op);
/// True for the functions whose argument is an angle (sin to tanh): converted from degrees in degree mode.
bool takesAngle(int op);
/// True for sin, cos and tan, whose argument is first reduced to one turn.
bool reducesAngle(int op);

/// Binding class of an operator: higher binds more loosely; -1 for ":" and unknown codes.
int precedenceClass(int op);

/// Allowed count of ":" separators inside a list function's parentheses.
struct ArgumentLimits {
    int min;
    int max; // -1: no maximum
};
ArgumentLimits argumentLimits(int op);

/// True for every word of the formula language (functions, word operators, temperature words) and "ans".
bool isFunctionName(std::string_view word);
/// The code of a formula word ("ans", which reaches the tokenizer only when written with blanks inside,
/// reads as "+"); kNoOperator for a word it does not know.
int functionCode(std::string_view word);

/// Display name of a code, as the trace writes it; "(unknown operator)" for other codes.
const char* operatorName(int op);

bool isOperatorChar(char c);
