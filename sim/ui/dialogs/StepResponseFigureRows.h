#pragma once

#include "StepResponseFigures.h"

#include <array>

/// How a step-response figure is shown to users: its name, decimals and unit, and what it measures.
/// The name and the tooltip are translated in the context "CStepResponseDock".
struct StepResponseFigureRow {
    const char* label;
    int decimals;
    const char* unit;
    const char* tooltip;
};

/// In the order of kStepResponseFigureFields.
extern const std::array<StepResponseFigureRow, kStepResponseFigureFields.size()> kStepResponseFigureRows;
