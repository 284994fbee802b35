#pragma once

#include "ConstantGroup.h"
#include "LineReader.h"

#include <istream>
#include <vector>

/// Reads "constants.dat": the marker line "*GROUP*", then groups nested by the star count of their
/// header lines. A wrong marker gives no groups.
std::vector<ConstantGroup> readConstantsFile(std::istream& in);

/// Fills `groups` with the groups that begin at `depth` (level-1 groups have depth 1). Returns the level
/// of the header that closed them when it is below `depth`, or 0 or -1 when the end of the file did.
int ReadConstantGroups(std::vector<ConstantGroup>& groups, LineReader& in, int depth);
