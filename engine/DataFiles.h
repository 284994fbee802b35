#pragma once

#include "ConstantGroup.h"
#include "DataFileCache.h"
#include "UnitCategory.h"

#include <memory>
#include <vector>

/// The engine's two data files, "constants.dat" and "units.dat", each parsed once and read again only
/// when it changes. Engines take their records from here when they are built and keep them.
class DataFiles {
public:
    DataFiles();
    DataFiles(const DataFiles&) = delete;
    DataFiles& operator=(const DataFiles&) = delete;

    /// The store of every engine built without one. It is one for the whole process because engines
    /// live for one evaluation (the simulation step builds one per step, the formula dialog one per
    /// keystroke) while the files they read stay the same for hours; it lives until the process ends
    /// so that no engine can outlive it. Tests and tools that want files of their own make their own.
    static DataFiles& shared();

    /// The groups of "constants.dat" as it is now; none when it is missing or unreadable.
    std::shared_ptr<const std::vector<ConstantGroup>> constants() { return constantsFile.load(); }
    /// The categories of "units.dat" as it is now; none when it is missing or unreadable.
    std::shared_ptr<const std::vector<UnitCategory>> units() { return unitsFile.load(); }

private:
    DataFileCache<ConstantGroup> constantsFile;
    DataFileCache<UnitCategory> unitsFile;
};
