#pragma once

#include "StepResponseFigures.h"

#include <string>

/// Appends one "name<TAB>value" line per step-response figure, in the order they are listed to users,
/// each value as "%.17g" writes it and "nan" for a figure that is not defined.
void appendFigureLines(std::string& out, const StepResponseFigures& figures);
