#pragma once

#include "TuningLab.h"

#include <QString>

/// What a tuning run identified, as the tuning dialog and the lab report say it: the ultimate cycle
/// (with a warning when Tu is too short for the sampling) or the first-order model with dead time (with
/// a warning when the fit found a negative dead time, naming the rules that therefore do not apply);
/// empty when it found neither.
QString TuningModelText(const TuningResult& result);
