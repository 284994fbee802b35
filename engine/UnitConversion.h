#pragma once

#include "UnitCategory.h"

#include <string>
#include <vector>

/// Rewrites the twelve temperature conversions such as "(Fahrenheit->Celsius)" into their postfix
/// operators, then every "(U->W)" between two units of one category into a multiplication by the
/// ratio of their factors. With `decimalComma` the inserted factor texts carry "," for ".". Returns 0,
/// or kFormulaTooComplex as soon as a replacement would make the formula longer than kMaxFormulaLength.
int rewriteUnitConversions(std::string& formula, const std::vector<UnitCategory>& categories,
                           bool decimalComma);
