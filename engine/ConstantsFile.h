#pragma once

#include "ConstantTable.h"
#include "LineReader.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Reads "constants.dat": the marker line "*GROUP*", then groups nested by the star count of their
/// header lines. A wrong marker gives no groups.
ConstantTable readConstantsFile(std::string_view content);

/// Gathers the groups and entries as they are read, for the table made of them at the end.
class ConstantsCollector {
public:
    /// A new group, unnamed until named, inside `parent` (-1: at the top level).
    std::uint32_t beginGroup(std::int32_t parent);
    void nameGroup(std::uint32_t group, std::string_view name);
    void addEntry(std::uint32_t group, std::string_view name, std::string_view valueText);
    ConstantTable finish();

private:
    std::uint32_t addLine(std::string_view line);

    std::string text = "\n"; // an unnamed group's name is the empty line at 0
    std::vector<ConstantTable::GroupRecord> groups;
    std::vector<ConstantTable::EntryRecord> entries;
};

/// Reads the groups that begin at `depth` (level-1 groups have depth 1) into `parent` (-1: the top
/// level). Returns the level of the header that closed them when it is below `depth`, or 0 or -1 when
/// the end of the file did.
int ReadConstantGroups(ConstantsCollector& groups, LineReader& in, int depth, std::int32_t parent);
