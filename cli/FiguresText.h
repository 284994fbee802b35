#pragma once

#include "ResponseSegment.h"
#include "StepResponseFigures.h"

#include <string>

/// Appends one "name<TAB>value" line per step-response figure, in the order they are listed to users,
/// each value as "%.17g" writes it and "nan" for a figure that is not defined.
void appendFigureLines(std::string& out, const StepResponseFigures& figures);
/// The same lines for the figures of `figures`' kind: the step-response figures or the load-disturbance
/// figures.
void appendFigureLines(std::string& out, const ResponseFigures& figures);
