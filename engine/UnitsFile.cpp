#include "UnitsFile.h"

#include "LineReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMarkerLimit = 49;
constexpr std::size_t kLineLimit = 255;
constexpr std::string_view kMarker = "****STANDARD****";
constexpr int kHeaderLines = 6;

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

} // namespace

UnitTable readUnitsFile(std::string_view content) {
    LineReader reader(content);
    if (reader.next(kMarkerLimit) != kMarker)
        return {};
    std::string text;
    std::vector<UnitTable::CategoryRecord> categories;
    std::vector<std::uint32_t> units;
    do {
        categories.push_back(
            {static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(units.size())});
        for (int i = 0; i < kHeaderLines; ++i)
            appendLine(text, reader.next(kLineLimit));
        std::string_view line = reader.next(kLineLimit);
        while (!reader.atEnd() && line != kMarker) {
            // A unit: its name, then its system and factor.
            units.push_back(static_cast<std::uint32_t>(text.size()));
            appendLine(text, line);
            appendLine(text, reader.next(kLineLimit));
            appendLine(text, reader.next(kLineLimit));
            if (!reader.atEnd())
                line = reader.next(kLineLimit);
        }
    } while (!reader.atEnd());
    return UnitTable(std::move(text), std::move(categories), std::move(units));
}
