#pragma once

#include "StepResponseFigures.h"

#include <QString>

#include <cstddef>

// The step-response figures as the interface shows them, wherever it shows them (the dock, the lab
// report): figure i is kStepResponseFigureFields[i]; the figures after them are a check's
// load-disturbance figures (checkFigureName).

/// Its name ("Tempo de subida").
QString StepResponseFigureName(std::size_t figure);
/// Its unit ("s", "%"), empty for a figure in the point's own units or a count.
QString StepResponseFigureUnit(std::size_t figure);
/// What it measures, in a sentence.
QString StepResponseFigureDefinition(std::size_t figure);
/// Its value in `figures` with its decimals and unit, "–" when undefined.
QString StepResponseFigureValue(const StepResponseFigures& figures, std::size_t figure);
/// `value` as figure `figure` is shown: its decimals and unit, "–" when undefined.
QString StepResponseFigureNumber(double value, std::size_t figure);
