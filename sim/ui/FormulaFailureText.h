#pragma once

#include <QString>

#include <string>

/// Why a plant formula failed, in the interface's language, as the formula dialog's reason line and
/// a window's note show it, as sentences: the engine's message for `status` (CSimulation::kPlantGaveNoNumber
/// for a result that is no number; a capital letter, which the engine reads as a digit, named as an
/// unknown name), and a word on decimal commas when `formula` has a comma.
QString FormulaFailureText(int status, const std::string& formula);
