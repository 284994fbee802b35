#pragma once

#include "UnitCategory.h"

#include <istream>
#include <vector>

/// Reads "units.dat": the marker line "****STANDARD****", then categories of six header lines and units
/// in threes (name, system, factor), each category ended by the marker or by the end of the file.
/// A wrong marker gives no categories.
std::vector<UnitCategory> readUnitsFile(std::istream& in);
