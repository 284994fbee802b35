#pragma once

#include <string>

class NumberRenderer;

/// Replaces every "ans" in `formula` by the previous answer: `answer` with its exponent written as a
/// power of ten, or else read in the base it was rendered in (the renderer's renderBase) and rendered
/// again in `base`. False when the formula would grow beyond kMaxFormulaLength.
bool replaceAnswer(std::string& formula, const std::string& answer, NumberRenderer& renderer, int base,
                   int decimalComma);
