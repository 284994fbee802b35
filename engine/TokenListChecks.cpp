#include "TokenListChecks.h"

#include "EngineLimits.h"
#include "OperatorCode.h"
#include "StatusCodes.h"

int checkTokenList(const std::string& text, const std::vector<Token>& tokens) {
    if (text.empty())
        return kEmptyFormula;
    if (tokens.empty())
        return kNothingToEvaluate;
    const Token& first = tokens.front();
    const Token& last = tokens.back();
    if (tokens.size() == 1 && first.kind == Token::kOperation)
        return kNoOperands;
    if (last.kind == Token::kOperation && last.op != kCloseParen && !isPostfix(last.op))
        return kMissingLastOperand;
    if (first.kind == Token::kOperation && !isFunction(first.op) && first.op != kOpenParen &&
        first.op != kCloseParen)
        return kMissingFirstOperand;
    if (tokens.size() > kMaxTokenCount)
        return kFormulaTooComplex;
    return 0;
}
