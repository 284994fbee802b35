#include "UnitTable.h"

#include "DistinctValues.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace {

// Below this many units of one name in a category, the pairs are found by looking at each.
constexpr std::size_t kFewUnits = 8;

/// The first unit of a stretch of unit numbers at or after `number`.
const std::uint32_t* firstFrom(const std::uint32_t* begin, const std::uint32_t* end, std::uint32_t number) {
    return std::lower_bound(begin, end, number);
}

} // namespace

UnitTable::UnitTable(std::string lines, std::vector<CategoryRecord> categories,
                     std::vector<std::uint32_t> unitOffsets)
    : text(std::move(lines)), categoryRecords(std::move(categories)), unitNames(std::move(unitOffsets)) {
    byName.resize(unitNames.size());
    DistinctValues nameLengths;
    for (std::uint32_t u = 0; u < byName.size(); ++u) {
        byName[u] = u;
        nameLengths.add(static_cast<std::uint32_t>(nameOf(u).size()));
    }
    lengths = std::move(nameLengths).ascending();
    std::stable_sort(byName.begin(), byName.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return nameOf(a) < nameOf(b); });
}

std::size_t UnitTable::memoryUse() const {
    return sizeof(*this) + text.capacity() + categoryRecords.capacity() * sizeof(CategoryRecord) +
           (unitNames.capacity() + byName.capacity() + lengths.capacity()) * sizeof(std::uint32_t);
}

std::string_view UnitTable::lineAfter(std::uint32_t& offset) const {
    const std::string_view rest = std::string_view(text).substr(offset);
    const std::string_view line = rest.substr(0, rest.find('\n'));
    offset += static_cast<std::uint32_t>(line.size() + 1);
    return line;
}

std::string_view UnitTable::nameOf(std::uint32_t index) const {
    std::uint32_t offset = unitNames[index];
    return lineAfter(offset);
}

UnitTable::Unit UnitTable::unit(std::uint32_t index) const {
    std::uint32_t offset = unitNames[index];
    Unit unit;
    unit.name = lineAfter(offset);
    unit.system = lineAfter(offset);
    unit.factor = lineAfter(offset);
    return unit;
}

UnitTable::Category UnitTable::category(std::size_t index) const {
    std::uint32_t offset = categoryRecords[index].headerOffset;
    Category category;
    lineAfter(offset); // the category's name
    category.firstSystem = lineAfter(offset);
    lineAfter(offset);
    category.secondSystem = lineAfter(offset);
    lineAfter(offset);
    category.crossFactor = lineAfter(offset);
    category.firstUnit = categoryRecords[index].firstUnit;
    category.endUnit = index + 1 < categoryRecords.size() ? categoryRecords[index + 1].firstUnit
                                                          : static_cast<std::uint32_t>(unitNames.size());
    return category;
}

// The last category that begins at or before the unit: any empty ones that begin there come before it.
std::size_t UnitTable::categoryOf(std::uint32_t unit) const {
    const auto after =
        std::upper_bound(categoryRecords.begin(), categoryRecords.end(), unit,
                         [](std::uint32_t u, const CategoryRecord& record) { return u < record.firstUnit; });
    return static_cast<std::size_t>(after - categoryRecords.begin()) - 1;
}

UnitTable::Units UnitTable::unitsNamed(std::string_view name) const {
    struct ByName {
        const UnitTable& table;
        bool operator()(std::uint32_t unit, std::string_view name) const {
            return table.unit(unit).name < name;
        }
        bool operator()(std::string_view name, std::uint32_t unit) const {
            return name < table.unit(unit).name;
        }
    };
    const auto [first, last] = std::equal_range(byName.begin(), byName.end(), name, ByName{*this});
    return {static_cast<std::uint32_t>(first - byName.begin()),
            static_cast<std::uint32_t>(last - byName.begin())};
}

std::optional<UnitTable::Pair> UnitTable::nextPair(Units from, Units to, std::optional<Pair> after) const {
    const std::uint32_t* const fromEnd = byName.data() + from.end;
    const std::uint32_t* u =
        firstFrom(byName.data() + from.begin, fromEnd, after ? static_cast<std::uint32_t>(*after >> 32) : 0);
    while (u != fromEnd) {
        const Category current = category(categoryOf(*u));
        const std::uint32_t* const toBegin = byName.data() + to.begin;
        const std::uint32_t* const toEnd = byName.data() + to.end;
        const Units targets{
            static_cast<std::uint32_t>(firstFrom(toBegin, toEnd, current.firstUnit) - byName.data()),
            static_cast<std::uint32_t>(firstFrom(toBegin, toEnd, current.endUnit) - byName.data())};
        const std::uint32_t* const nextCategory = firstFrom(u, fromEnd, current.endUnit);
        const Units sources{static_cast<std::uint32_t>(u - byName.data()),
                            static_cast<std::uint32_t>(nextCategory - byName.data())};
        if (!targets.empty())
            if (const auto pair = firstPairIn(current, sources, targets, after))
                return pair;
        u = nextCategory;
    }
    return std::nullopt;
}

// A pair has a factor when the target is of the source's system or of one of the category's two.
// With many targets, the first of each system is looked up rather than found again for each source.
std::optional<UnitTable::Pair> UnitTable::firstPairIn(const Category& category, Units from, Units to,
                                                      std::optional<Pair> after) const {
    const auto hasFactor = [&](std::string_view fromSystem, std::string_view toSystem) {
        return toSystem == fromSystem || toSystem == category.secondSystem ||
               toSystem == category.firstSystem;
    };
    std::unordered_map<std::string_view, std::uint32_t> firstOfSystem;
    std::optional<std::uint32_t> firstOfCategorySystems;
    const bool many = to.end - to.begin > kFewUnits;
    if (many) {
        for (std::uint32_t i = to.begin; i < to.end; ++i) {
            const std::string_view system = unit(byName[i]).system;
            firstOfSystem.emplace(system, byName[i]);
            if (!firstOfCategorySystems &&
                (system == category.firstSystem || system == category.secondSystem))
                firstOfCategorySystems = byName[i];
        }
    }
    for (std::uint32_t i = from.begin; i < from.end; ++i) {
        const std::uint32_t source = byName[i];
        const std::string_view system = unit(source).system;
        const bool continuesAfter = after && source == static_cast<std::uint32_t>(*after >> 32);
        std::optional<std::uint32_t> target;
        if (many && !continuesAfter) {
            const auto same = firstOfSystem.find(system);
            if (same != firstOfSystem.end())
                target = same->second;
            if (firstOfCategorySystems && (!target || *firstOfCategorySystems < *target))
                target = firstOfCategorySystems;
        } else {
            const std::uint32_t threshold = continuesAfter ? static_cast<std::uint32_t>(*after) + 1 : 0;
            for (std::uint32_t j = to.begin; j < to.end && !target; ++j)
                if (byName[j] >= threshold && hasFactor(system, unit(byName[j]).system))
                    target = byName[j];
        }
        if (target)
            return (static_cast<Pair>(source) << 32) | *target;
    }
    return std::nullopt;
}

std::string UnitTable::conversionOf(Pair pair) const {
    return "(" + std::string(unit(static_cast<std::uint32_t>(pair >> 32)).name) + "->" +
           std::string(unit(static_cast<std::uint32_t>(pair)).name) + ")";
}

std::string UnitTable::factorOf(Pair pair) const {
    const Unit from = unit(static_cast<std::uint32_t>(pair >> 32));
    const Unit to = unit(static_cast<std::uint32_t>(pair));
    const Category in = category(categoryOf(static_cast<std::uint32_t>(pair)));
    return conversionFactor(in.firstSystem, in.secondSystem, in.crossFactor, from.system, from.factor,
                            to.system, to.factor);
}

std::vector<UnitCategory> UnitTable::categories() const {
    std::vector<UnitCategory> result;
    for (std::size_t c = 0; c < categoryRecords.size(); ++c) {
        UnitCategory& category = result.emplace_back();
        std::uint32_t offset = categoryRecords[c].headerOffset;
        for (std::string* line : {&category.name, &category.firstSystem, &category.thirdHeaderLine,
                                  &category.secondSystem, &category.fifthHeaderLine, &category.crossFactor})
            *line = lineAfter(offset);
        const Category range = this->category(c);
        for (std::uint32_t u = range.firstUnit; u < range.endUnit; ++u) {
            const Unit unit = this->unit(u);
            category.units.push_back(
                {std::string(unit.name), std::string(unit.factor), std::string(unit.system)});
        }
    }
    return result;
}

std::string conversionFactor(std::string_view firstSystem, std::string_view secondSystem,
                             std::string_view crossFactor, std::string_view fromSystem,
                             std::string_view fromFactor, std::string_view toSystem,
                             std::string_view toFactor) {
    const std::string to(toFactor);
    const std::string from(fromFactor);
    const std::string cross(crossFactor);
    if (toSystem == fromSystem)
        return "*((" + to + ")/(" + from + "))";
    if (toSystem == secondSystem)
        return "*((" + to + ")/((" + from + ")*(" + cross + ")))";
    if (toSystem == firstSystem)
        return "*(((" + to + ")*(" + cross + "))/(" + from + "))";
    return {};
}
