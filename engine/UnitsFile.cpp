#include "UnitsFile.h"

#include "LineReader.h"

#include <cstddef>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kMarkerLimit = 49;
constexpr std::size_t kLineLimit = 255;
constexpr const char* kMarker = "****STANDARD****";

void readHeader(UnitCategory& category, LineReader& in) {
    category.name = in.next(kLineLimit);
    category.firstSystem = in.next(kLineLimit);
    category.thirdHeaderLine = in.next(kLineLimit);
    category.secondSystem = in.next(kLineLimit);
    category.fifthHeaderLine = in.next(kLineLimit);
    category.crossFactor = in.next(kLineLimit);
}

UnitDefinition readUnit(std::string name, LineReader& in) {
    UnitDefinition unit;
    unit.name = std::move(name);
    unit.system = in.next(kLineLimit);
    unit.factor = in.next(kLineLimit);
    return unit;
}

} // namespace

std::vector<UnitCategory> readUnitsFile(std::istream& in) {
    std::vector<UnitCategory> categories;
    LineReader reader(in);
    if (reader.next(kMarkerLimit) != kMarker)
        return categories;
    do {
        UnitCategory& category = categories.emplace_back();
        readHeader(category, reader);
        std::string line = reader.next(kLineLimit);
        while (!reader.atEnd() && line != kMarker) {
            category.units.push_back(readUnit(std::move(line), reader));
            if (!reader.atEnd())
                line = reader.next(kLineLimit);
        }
    } while (!reader.atEnd());
    return categories;
}
