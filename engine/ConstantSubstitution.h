#pragma once

#include "ConstantTable.h"

#include <string>

/// Replaces every reference "(Group|Sub|Name)" in `formula` by the entry's value text in parentheses,
/// entry by entry in the table's order (subgroups before their group's own entries), so that a value
/// text may refer to an entry replaced later. With `decimalComma` the inserted value texts carry "," for
/// ".". Returns 0, or kFormulaTooComplex as soon as a replacement would make the formula longer than
/// kMaxFormulaLength. The cost depends on the references the formula makes, not on the table's size.
/// False when `formula` holds no reference, so that no constants table changes it.
bool mayReferToConstants(const std::string& formula);

int substituteConstants(std::string& formula, const ConstantTable& table, bool decimalComma);
