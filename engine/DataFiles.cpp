#include "DataFiles.h"

#include "ConstantsFile.h"
#include "UnitsFile.h"

DataFiles::DataFiles()
    : constantsFile("constants.dat", readConstantsFile), unitsFile("units.dat", readUnitsFile) {}

DataFiles& DataFiles::shared() {
    static DataFiles files;
    return files;
}
