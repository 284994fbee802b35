#include "DataFiles.h"

#include "ConstantsFile.h"
#include "UnitsFile.h"

DataFiles::DataFiles(const DataFileClock& clock)
    : constantsFile("constants.dat", readConstantsFile, clock), unitsFile("units.dat", readUnitsFile, clock) {
}

DataFiles& DataFiles::shared() {
    static DataFiles files;
    return files;
}
