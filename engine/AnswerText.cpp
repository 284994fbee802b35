#include "AnswerText.h"

#include "EngineLimits.h"
#include "NumberReader.h"
#include "NumberRenderer.h"
#include "TextReplace.h"

namespace {

std::string answerReplacement(const std::string& answer, NumberRenderer& renderer, int base,
                              int decimalComma) {
    if (answer.find("e+") != std::string::npos || answer.find("e-") != std::string::npos) {
        std::string text = answer;
        replaceAll(text, "e+", "*10^", kMaxFormulaLength);
        replaceAll(text, "e-", "*10^-", kMaxFormulaLength);
        return text;
    }
    double value = 0.0;
    readNumber(answer, renderer.renderBase(), value);
    return renderer.renderInBase(value, base, decimalComma);
}

} // namespace

bool replaceAnswer(std::string& formula, const std::string& answer, NumberRenderer& renderer, int base,
                   int decimalComma) {
    // No caller of this system keeps answers, so "ans" is rare: render the answer only when it is written.
    if (formula.find("ans") == std::string::npos)
        return true;
    return replaceAll(formula, "ans", answerReplacement(answer, renderer, base, decimalComma),
                      kMaxFormulaLength);
}
