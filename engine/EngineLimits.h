#pragma once

#include "StatusCodes.h"

#include <cstddef>

// Beyond these sizes a formula is refused with kFormulaTooComplex before it can exhaust the stack,
// memory or time. They are far above anything written by hand.
inline constexpr std::size_t kMaxFormulaLength = 20000; // characters, also after the unit and constant passes
inline constexpr std::size_t kMaxTokenCount = 20000;
inline constexpr int kMaxParenthesisDepth = 1000;
inline constexpr int kMaxTreeDepth = 1000;
