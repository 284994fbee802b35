#pragma once

#include "UnitTable.h"

#include <string_view>

/// Reads "units.dat": the marker line "****STANDARD****", then categories of six header lines and units
/// in threes (name, system, factor), each category ended by the marker or by the end of the file.
/// A wrong marker gives no categories.
UnitTable readUnitsFile(std::string_view content);
