#include "EngineLimits.h"
#include "EquationEngine.h"
#include "NumberReader.h"
#include "OperatorCode.h"
#include "StatusCodes.h"
#include "TextReplace.h"
#include "Tokenizer.h"

#include <algorithm>

namespace {

/// The text that stands for "ans": the previous answer with its exponent written as a power of ten,
/// or else re-read in the base it was rendered in and rendered again in the base in force.
std::string answerReplacement(EquationEngine& engine, const std::string& answer, int answerBase) {
    if (answer.find("e+") != std::string::npos || answer.find("e-") != std::string::npos) {
        std::string text = answer;
        replaceAll(text, "e+", "*10^", kMaxFormulaLength);
        replaceAll(text, "e-", "*10^-", kMaxFormulaLength);
        return text;
    }
    double value = 0.0;
    readNumber(answer, answerBase, value);
    return engine.renderInBase(value);
}

/// The checks on a complete token list, in order; an open list call or parenthesis is the tokenizer's.
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

} // namespace

int EquationEngine::Parse(int slot) {
    scratchTokens.clear();
    std::vector<Token>& tokens = slotTokens[slot];
    tokens.clear();
    const std::string& text = slotTexts[slot];
    if (text.size() > kMaxFormulaLength)
        return kFormulaTooComplex;
    std::string work = text;
    if (const int code = RewriteUnits(work))
        return code;
    if (const int code = SubstituteConstants(*constantGroups, std::string(), work))
        return code;
    if (work.size() > kMaxFormulaLength)
        return kFormulaTooComplex;
    if (work.find('|') != std::string::npos)
        return kUnknownConstant;
    convertBaseActive = false;
    // No caller of this system keeps answers, so "ans" is rare: render the answer only when it is written.
    if (work.find("ans") != std::string::npos &&
        !replaceAll(work, "ans", answerReplacement(*this, answerText, renderBase), kMaxFormulaLength))
        return kFormulaTooComplex;
    // Seldom more tokens than characters: one allocation in nearly every case.
    tokens.reserve(std::min(work.size(), kMaxTokenCount) + 1);
    if (const int code = Tokenizer(*this, work, tokens).run())
        return code;
    if (const int code = checkTokenList(text, tokens))
        return code;
    return BuildTree(slot);
}
