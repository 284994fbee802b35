#include "ErrorTables.h"

#include "StatusCodes.h"

// The texts are the engine's own, spelling included; the command line shows them as they stand. The
// interface translates them (context "EngineStatus"); the translation tool finds them by this macro's
// name, and here it is only the text.
#define QT_TRANSLATE_NOOP(context, text) text

const char* equationErrorMessage(int code) {
    switch (code) {
    case kOperatorsInARow:
        return QT_TRANSLATE_NOOP("EngineStatus", "You are not allowed multiple operators in a row");
    case kUnmatchedParenthesis:
        return QT_TRANSLATE_NOOP("EngineStatus", "Unmatched parenthesis");
    case kEmptyFormula:
        return QT_TRANSLATE_NOOP("EngineStatus", "Please enter an equation first");
    case kNoOperands:
        return QT_TRANSLATE_NOOP("EngineStatus", "You did not enter any operands");
    case kMissingLastOperand:
        return QT_TRANSLATE_NOOP("EngineStatus", "You did not enter an operand for the last operator");
    case kMissingFirstOperand:
        return QT_TRANSLATE_NOOP("EngineStatus", "Missing operand before first operator");
    case kUnexpectedOperator:
        return QT_TRANSLATE_NOOP("EngineStatus", "Unexpected operator");
    case kEmptyParentheses:
        return QT_TRANSLATE_NOOP("EngineStatus", "Empty set of parenthesis");
    case kDigitOutOfBase:
        return QT_TRANSLATE_NOOP("EngineStatus", "character in formula is out of range for the current base");
    case kNotADigit:
        return QT_TRANSLATE_NOOP("EngineStatus", "unknown error converting base");
    case kMultipleDecimalPoints:
        return QT_TRANSLATE_NOOP("EngineStatus", "multiple decimals");
    case kMissingCallParenthesis:
        return QT_TRANSLATE_NOOP(
            "EngineStatus",
            "Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)");
    case kMissingOperandAtEnd:
        return QT_TRANSLATE_NOOP("EngineStatus", "Missing operand(s) at end of expression");
    case kNothingToEvaluate:
        return QT_TRANSLATE_NOOP(
            "EngineStatus",
            "The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All "
            "constants must be enclosed in parenthesis");
    case kMissingParameter:
        return QT_TRANSLATE_NOOP(
            "EngineStatus",
            "Missing parameter to function.  Make sure you have entered the corrcet number of parameters");
    case kTooManyParameters:
        return QT_TRANSLATE_NOOP(
            "EngineStatus",
            "Too many parameters to funciton.  Make sure you have entered the corrcet number of "
            "parameters");
    case kAssignmentWithoutVariable:
        return QT_TRANSLATE_NOOP("EngineStatus", "A Variable must precede '='");
    case kUnknownConstant:
        return QT_TRANSLATE_NOOP("EngineStatus", "Unknown constant in expression");
    case kFormulaTooComplex:
        return QT_TRANSLATE_NOOP("EngineStatus", "The formula is too long or too deeply nested");
    default:
        return nullptr;
    }
}

const char* runtimeErrorMessage(int code) {
    switch (code) {
    case kDivideByZero:
        return QT_TRANSLATE_NOOP("EngineStatus", "Illegal attempt to divide by zero");
    case kNcrOrder:
        return QT_TRANSLATE_NOOP("EngineStatus", "The first value in nCr must be larger than the second");
    case kNcrIntegers:
        return QT_TRANSLATE_NOOP("EngineStatus", "nCr requires integers only");
    case kGcdNotPositive:
        return QT_TRANSLATE_NOOP("EngineStatus", "gcd requires non 0 values");
    case kFactorialDomain:
        return QT_TRANSLATE_NOOP("EngineStatus", "Factorial requires positive integers");
    case kNprIntegers:
        return QT_TRANSLATE_NOOP("EngineStatus", "nPr requires integers only");
    case kNprOrder:
        return QT_TRANSLATE_NOOP("EngineStatus", "The first value in nPr must be larger than the second");
    case kGcdIntegers:
        return QT_TRANSLATE_NOOP("EngineStatus", "gcd must take integer parameters");
    case kLcmNotPositive:
        return QT_TRANSLATE_NOOP("EngineStatus", "lcm requires non 0 values");
    case kLcmIntegers:
        return QT_TRANSLATE_NOOP("EngineStatus", "lcm must take integer parameters");
    case kNoSplitPoint:
        return QT_TRANSLATE_NOOP("EngineStatus", "Stack index out of range!");
    case kBaseOutOfRange:
        return QT_TRANSLATE_NOOP("EngineStatus", "You can only convert values to a base between 2 and 36");
    case kFibonacciDomain:
        return QT_TRANSLATE_NOOP("EngineStatus",
                                 "You must enter a positive integer for a fibonacci number - eg fib(6)");
    case kUndefinedName:
        return QT_TRANSLATE_NOOP("EngineStatus", "Undefined constant");
    case kMalformedNode:
        return QT_TRANSLATE_NOOP("EngineStatus", "Unknown operator type");
    default:
        return nullptr;
    }
}

const char* errorMessage(int code) {
    const char* message = equationErrorMessage(code);
    if (message == nullptr)
        message = runtimeErrorMessage(code);
    return message != nullptr ? message : "";
}
