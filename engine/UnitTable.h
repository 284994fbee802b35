#pragma once

#include "UnitCategory.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The categories and units of "units.dat", held compactly (their lines in one block of text, the
/// records as offsets into it), with an index of the unit names that the conversion pass looks
/// formulas up in. Units are numbered in file order, across categories; a conversion pair "(U->W)" of
/// one category is numbered by its two units, in the order the pass takes them.
class UnitTable {
public:
    using Pair = std::uint64_t; // the unit converted from in the high half, the one converted to in the low

    /// Where the lines of a category begin: its six header lines, then its units in threes.
    struct CategoryRecord {
        std::uint32_t headerOffset;
        std::uint32_t firstUnit;
    };
    /// A stretch of the name index: the units of one name, in file order.
    struct Units {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
        bool empty() const { return begin == end; }
    };

    /// No units.
    UnitTable() = default;
    /// `text` holds every line as read, each ended by "\n"; `unitOffsets` where each unit's name line begins.
    UnitTable(std::string text, std::vector<CategoryRecord> categories,
              std::vector<std::uint32_t> unitOffsets);

    bool hasUnits() const { return !unitNames.empty(); }
    /// The bytes the table holds.
    std::size_t memoryUse() const;
    /// The categories as plain records, for tests and checks.
    std::vector<UnitCategory> categories() const;

    // The look-ups of the conversion pass.
    /// Every length a unit name has, ascending.
    const std::vector<std::uint32_t>& nameLengths() const { return lengths; }
    std::size_t longestName() const { return lengths.empty() ? 0 : lengths.back(); }
    Units unitsNamed(std::string_view name) const;
    /// The first pair after `after` (from the first when none) that converts a unit of `from` into a
    /// unit of `to` of the same category, among the pairs that have a factor.
    std::optional<Pair> nextPair(Units from, Units to, std::optional<Pair> after) const;
    /// The written conversion "(U->W)" of a pair, and the multiplication it is rewritten to.
    std::string conversionOf(Pair pair) const;
    std::string factorOf(Pair pair) const;

private:
    struct Unit {
        std::string_view name;
        std::string_view system;
        std::string_view factor;
    };
    struct Category {
        std::string_view firstSystem;
        std::string_view secondSystem;
        std::string_view crossFactor;
        std::uint32_t firstUnit;
        std::uint32_t endUnit;
    };

    std::string_view lineAfter(std::uint32_t& offset) const;
    Unit unit(std::uint32_t index) const;
    std::string_view nameOf(std::uint32_t index) const;
    Category category(std::size_t index) const;
    std::size_t categoryOf(std::uint32_t unit) const;
    std::optional<Pair> firstPairIn(const Category& category, Units from, Units to,
                                    std::optional<Pair> after) const;

    std::string text;
    std::vector<CategoryRecord> categoryRecords;
    std::vector<std::uint32_t> unitNames; // name offsets, by unit number
    std::vector<std::uint32_t> byName;    // unit numbers sorted by name, then number
    std::vector<std::uint32_t> lengths;
};

/// The multiplication that converts a value in `from` to `to`, units of a category whose systems and
/// cross factor are given; empty when `to` belongs to neither system and is not of `from`'s.
std::string conversionFactor(std::string_view firstSystem, std::string_view secondSystem,
                             std::string_view crossFactor, std::string_view fromSystem,
                             std::string_view fromFactor, std::string_view toSystem,
                             std::string_view toFactor);
