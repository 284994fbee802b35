#include "NumberRenderer.h"

std::string NumberRenderer::formatNumber(double x, int precision, int base, const NumberStyle& style) {
    if (precision == 0 && !needsScientific(x))
        noteRenderBase(base);
    return formatInBase(x, precision, base, style);
}

std::string NumberRenderer::renderInBase(double x, int base, int decimalComma) {
    noteRenderBase(base);
    return renderDigits(x, base, decimalComma);
}

void NumberRenderer::noteRenderBase(int base) {
    if (!keepRenderBase)
        lastRenderBase = base;
}
