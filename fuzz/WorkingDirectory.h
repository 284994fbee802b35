#pragma once

namespace fuzz {

enum class DataFileChoice { None, Shipped };

/// Moves the process, once, into a private temporary directory (removed at exit), so that the engine
/// reads "constants.dat" and "units.dat" from there: none, or copies of the shipped files.
void enterPrivateWorkingDirectory(DataFileChoice files);

} // namespace fuzz
