#pragma once

#include "ConstantTable.h"
#include "DataFileCache.h"
#include "UnitTable.h"

#include <memory>
#include <string>
#include <vector>

/// The engine's two data files, "constants.dat" and "units.dat", each parsed once and read again only
/// when it changes. Engines take their tables from here when they are built and keep them.
class DataFiles {
public:
    explicit DataFiles(const DataFileClock& clock = systemDataFileClock());
    DataFiles(const DataFiles&) = delete;
    DataFiles& operator=(const DataFiles&) = delete;

    /// The store of every engine built without one. It is one for the whole process because engines
    /// live for one evaluation (the simulation step builds one per step, the formula dialog one per
    /// keystroke) while the files they read stay the same for hours; it lives until the process ends
    /// so that no engine can outlive it. Tests and tools that want files of their own make their own.
    static DataFiles& shared();

    /// The folders searched for the files, first to last ("" is the working directory, the only one
    /// until this is called). Set it before any engine reads from this store.
    void setSearchFolders(std::vector<std::string> folders) { searchFolders = std::move(folders); }

    /// The table of "constants.dat" as it is now; an empty one when it is missing or unreadable.
    std::shared_ptr<const ConstantTable> constants() { return constantsFile.load(searchFolders); }
    /// The table of "units.dat" as it is now; an empty one when it is missing or unreadable.
    std::shared_ptr<const UnitTable> units() { return unitsFile.load(searchFolders); }

private:
    std::vector<std::string> searchFolders{""};
    DataFileCache<ConstantTable> constantsFile;
    DataFileCache<UnitTable> unitsFile;
};
