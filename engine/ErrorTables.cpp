#include "ErrorTables.h"

#include "StatusCodes.h"

// The texts are the engine's own, spelling included; callers show them as they stand.

const char* equationErrorMessage(int code) {
    switch (code) {
    case kOperatorsInARow:
        return "You are not allowed multiple operators in a row";
    case kUnmatchedParenthesis:
        return "Unmatched parenthesis";
    case kEmptyFormula:
        return "Please enter an equation first";
    case kNoOperands:
        return "You did not enter any operands";
    case kMissingLastOperand:
        return "You did not enter an operand for the last operator";
    case kMissingFirstOperand:
        return "Missing operand before first operator";
    case kUnexpectedOperator:
        return "Unexpected operator";
    case kEmptyParentheses:
        return "Empty set of parenthesis";
    case kDigitOutOfBase:
        return "character in formula is out of range for the current base";
    case kNotADigit:
        return "unknown error converting base";
    case kMultipleDecimalPoints:
        return "multiple decimals";
    case kMissingCallParenthesis:
        return "Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)";
    case kMissingOperandAtEnd:
        return "Missing operand(s) at end of expression";
    case kNothingToEvaluate:
        return "The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All "
               "constants must be enclosed in parenthesis";
    case kMissingParameter:
        return "Missing parameter to function.  Make sure you have entered the corrcet number of parameters";
    case kTooManyParameters:
        return "Too many parameters to funciton.  Make sure you have entered the corrcet number of "
               "parameters";
    case kAssignmentWithoutVariable:
        return "A Variable must precede '='";
    case kUnknownConstant:
        return "Unknown constant in expression";
    case kFormulaTooComplex:
        return "The formula is too long or too deeply nested";
    default:
        return nullptr;
    }
}

const char* runtimeErrorMessage(int code) {
    switch (code) {
    case kDivideByZero:
        return "Illegal attempt to divide by zero";
    case kNcrOrder:
        return "The first value in nCr must be larger than the second";
    case kNcrIntegers:
        return "nCr requires integers only";
    case kGcdNotPositive:
        return "gcd requires non 0 values";
    case kFactorialDomain:
        return "Factorial requires positive integers";
    case kNprIntegers:
        return "nPr requires integers only";
    case kNprOrder:
        return "The first value in nPr must be larger than the second";
    case kGcdIntegers:
        return "gcd must take integer parameters";
    case kLcmNotPositive:
        return "lcm requires non 0 values";
    case kLcmIntegers:
        return "lcm must take integer parameters";
    case kNoSplitPoint:
        return "Stack index out of range!";
    case kBaseOutOfRange:
        return "You can only convert values to a base between 2 and 36";
    case kFibonacciDomain:
        return "You must enter a positive integer for a fibonacci number - eg fib(6)";
    case kUndefinedName:
        return "Undefined constant";
    case kMalformedNode:
        return "Unknown operator type";
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
