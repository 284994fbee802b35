#pragma once

#include "NumberFormat.h"

#include <string>

/// The engine's number rendering (formatNumber, renderInBase) with the one thing it remembers: the
/// base of the last positional rendering (renderBase), which the text of "ans" is read back in.
class NumberRenderer {
public:
    /// The automatic rendering (precision 0) or fixed notation with `precision` decimals.
    std::string formatNumber(double x, int precision, int base, const NumberStyle& style);
    /// Positional rendering in `base`.
    std::string renderInBase(double x, int base, int decimalComma);
    /// Records `base` as the base of the last positional rendering.
    void noteRenderBase(int base);
    int renderBase() const { return lastRenderBase; }

private:
    int lastRenderBase = 10;
    bool keepRenderBase = false; // part of the engine's interface; nothing in this program sets it
};
