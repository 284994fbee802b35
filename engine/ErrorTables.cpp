#include "ErrorTables.h"

#include "EngineLimits.h"

// The texts are the engine's own, spelling included; callers show them as they stand.

const char* equationErrorMessage(int code) {
    switch (code) {
    case 2:
        return "You are not allowed multiple operators in a row";
    case 3:
        return "Unmatched parenthesis";
    case 4:
        return "Please enter an equation first";
    case 6:
        return "You did not enter any operands";
    case 7:
        return "You did not enter an operand for the last operator";
    case 8:
        return "Missing operand before first operator";
    case 9:
        return "Unexpected operator";
    case 10:
        return "Empty set of parenthesis";
    case 11:
        return "character in formula is out of range for the current base";
    case 12:
        return "unknown error converting base";
    case 13:
        return "multiple decimals";
    case 14:
        return "Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)";
    case 15:
        return "Missing operand(s) at end of expression";
    case 16:
        return "The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All "
               "constants must be enclosed in parenthesis";
    case 17:
        return "Missing parameter to function.  Make sure you have entered the corrcet number of parameters";
    case 18:
        return "Too many parameters to funciton.  Make sure you have entered the corrcet number of "
               "parameters";
    case 19:
        return "A Variable must precede '='";
    case 20:
        return "Unknown constant in expression";
    case kFormulaTooComplex:
        return "The formula is too long or too deeply nested";
    default:
        return nullptr;
    }
}

const char* runtimeErrorMessage(int code) {
    switch (code) {
    case 22:
        return "Illegal attempt to divide by zero";
    case 23:
        return "The first value in nCr must be larger than the second";
    case 24:
        return "nCr requires integers only";
    case 25:
        return "gcd requires non 0 values";
    case 26:
        return "Factorial requires positive integers";
    case 27:
        return "nPr requires integers only";
    case 28:
        return "The first value in nPr must be larger than the second";
    case 29:
        return "gcd must take integer parameters";
    case 30:
        return "lcm requires non 0 values";
    case 31:
        return "lcm must take integer parameters";
    case 32:
        return "Stack index out of range!";
    case 33:
        return "You can only convert values to a base between 2 and 36";
    case 34:
        return "You must enter a positive integer for a fibonacci number - eg fib(6)";
    case 35:
        return "Undefined constant";
    case 41:
        return "Unknown operator type";
    default:
        return nullptr;
    }
}
