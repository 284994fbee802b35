#pragma once

#include "UnitTable.h"

#include <string>

/// Rewrites the twelve temperature conversions such as "(Fahrenheit->Celsius)" into their postfix
/// operators, then every "(U->W)" between two units of one category into a multiplication by the
/// ratio of their factors, pair by pair in the table's order. With `decimalComma` the inserted factor
/// texts carry "," for ".". Returns 0, or kFormulaTooComplex as soon as a replacement would make the
/// formula longer than kMaxFormulaLength. The cost depends on the conversions the formula writes, not
/// on the table's size.
/// False when `formula` holds no conversion, so that no units table changes it.
bool mayConvertUnits(const std::string& formula);

int rewriteUnitConversions(std::string& formula, const UnitTable& units, bool decimalComma);
