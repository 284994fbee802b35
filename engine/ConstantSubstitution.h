#pragma once

#include "ConstantGroup.h"

#include <string>
#include <vector>

/// Replaces every reference "(Group|Sub|Name)" in `formula` by the entry's value text in parentheses,
/// subgroups before their group's own entries, so that a value text may refer to an entry replaced later.
/// With `decimalComma` the inserted value texts carry "," for ".". Returns 0, or kFormulaTooComplex as
/// soon as a replacement would make the formula longer than kMaxFormulaLength.
int substituteConstants(const std::vector<ConstantGroup>& groups, const std::string& prefix,
                        std::string& formula, bool decimalComma);
