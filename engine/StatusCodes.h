#pragma once

// The status codes of the engine; 0 is success. The numbers are part of its interface: callers may
// compare with them, so no value changes. ErrorTables.h holds the texts for them.

/// Codes of the parse step: the formula is refused before anything is evaluated.
enum EquationError : int {
    kInvalidCharacter = 1,     // a character the formula language has no use for, or a pair such as "<>"
    kOperatorsInARow = 2,      // also a minus that nothing after it can take, as in 2*-(3)
    kUnmatchedParenthesis = 3, // a ")" without its "(", or a "(" never closed
    kEmptyFormula = 4,
    kNoOperands = 6,          // the formula is one operator alone
    kMissingLastOperand = 7,  // the formula ends with an operator that takes an operand after it
    kMissingFirstOperand = 8, // the formula begins with an operator that takes an operand before it
    kUnexpectedOperator = 9,  // a ":" outside a list call's arguments, or where an argument should begin
    kEmptyParentheses = 10,
    kDigitOutOfBase = 11, // a digit or capital letter beyond the number base in force
    kNotADigit = 12,      // a character between "9" and "A" in a number written in a base above 10
    kMultipleDecimalPoints = 13,
    kMissingCallParenthesis = 14, // a list function such as max not followed by "("
    kMissingOperandAtEnd = 15,    // the formula ends with a function word that needs an operand
    kNothingToEvaluate = 16,      // nothing to evaluate, as in a formula of blanks
    kMissingParameter = 17,       // a list call with too few arguments, or one left open
    kTooManyParameters = 18,
    kAssignmentWithoutVariable = 19, // "=" with no name before it
    kUnknownConstant = 20,           // a "(Group|Name)" reference that no constant matches
    kFormulaTooComplex = 42,         // too long or too deeply nested (see EngineLimits.h)
};

/// Codes of the evaluation: the formula parsed, but computing its value failed.
enum RuntimeError : int {
    kUnclassifiedOperator = 21, // an operation the evaluator knows no rule for; it has no text
    kDivideByZero = 22,
    kNcrOrder = 23,        // ncr(n, r) with n < r
    kNcrIntegers = 24,     // ncr with an operand that is not an integer
    kGcdNotPositive = 25,  // gcd with an argument <= 0
    kFactorialDomain = 26, // "!" of a negative number or a non-integer
    kNprIntegers = 27,     // npr with an operand that is not an integer
    kNprOrder = 28,        // npr(n, r) with n < r
    kGcdIntegers = 29,     // gcd with an argument that is not an integer
    kLcmNotPositive = 30,  // lcm with an argument <= 0
    kLcmIntegers = 31,     // lcm with an argument that is not an integer
    kNoSplitPoint = 32,    // a token range the tree builder cannot split; it never reaches a caller
    kBaseOutOfRange = 33,  // convbase to a base outside 2 to 36
    kFibonacciDomain = 34, // fib of a number below 1 or a non-integer
    kUndefinedName = 35,   // a name that is neither bound by the caller nor a variable
    kMalformedNode = 41,   // a tree node the evaluator cannot use: unknown kind, missing operands, too deep
};
