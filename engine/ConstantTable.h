#pragma once

#include "ConstantGroup.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The groups and entries of "constants.dat", held compactly (their lines in one block of text, the
/// records as offsets into it), with an index of the references "(Group|Sub|Name)" that the
/// substitution looks formulas up in. Entries are numbered in the order the substitution takes them:
/// each group's subgroups before its own entries, entries in file order.
class ConstantTable {
public:
    /// A group as read, in file order.
    struct GroupRecord {
        std::uint32_t nameOffset; // into the text
        std::int32_t parent;      // index of the enclosing group; -1 for a top-level group
    };
    /// An entry as read, in file order.
    struct EntryRecord {
        std::uint32_t group;      // index of its group
        std::uint32_t nameOffset; // into the text; the value text is the line after the name
    };

    /// No groups.
    ConstantTable() = default;
    /// `text` holds every name and value text as a line ended by "\n".
    ConstantTable(std::string text, const std::vector<GroupRecord>& groups,
                  const std::vector<EntryRecord>& entries);

    /// The bytes the table holds.
    std::size_t memoryUse() const;
    /// The groups as a plain tree, for tests and checks.
    std::vector<ConstantGroup> groups() const;

    // The look-ups of the substitution pass.
    std::size_t longestReference() const { return longestKey; }
    /// Every length a reference has, ascending.
    const std::vector<std::uint32_t>& referenceLengths() const { return keyLengths; }
    /// The entry numbered after `after` (from the first when none) whose reference is `reference`,
    /// written in a formula with the hash `hash`.
    std::optional<std::uint32_t> nextEntry(std::string_view reference, std::uint64_t hash,
                                           std::optional<std::uint32_t> after) const;
    /// The reference of an entry and its value text.
    std::string referenceOf(std::uint32_t entry) const;
    std::string_view valueOf(std::uint32_t entry) const;

private:
    /// A group in the order the substitution takes them: each group after its subgroups.
    struct Group {
        std::uint32_t nameOffset;
        std::int32_t parent; // -1 for a top-level group
        std::uint32_t firstEntry;
        std::uint32_t endEntry;
        std::uint64_t pathHash;   // of "(" and the path "Group|Sub|" up to this group's name and "|"
        std::uint32_t pathLength; // of that text
    };

    std::string_view lineAt(std::uint32_t offset) const;
    std::uint32_t groupOf(std::uint32_t entry) const;
    std::uint64_t keyHash(std::uint32_t entry) const;
    std::size_t keyLength(std::uint32_t entry) const;
    bool hasReference(std::uint32_t entry, std::string_view reference) const;
    void orderGroups(const std::vector<GroupRecord>& groups, const std::vector<EntryRecord>& entries);
    void indexReferences();

    std::string text;
    std::vector<Group> groupsByTurn;
    std::vector<std::uint32_t> entryNames; // name offsets, by turn
    struct KeyedEntry {
        std::uint32_t hash; // the high half of the reference's hash: enough to find it, and half the memory
        std::uint32_t entry;
    };
    std::vector<KeyedEntry> byKey; // sorted by reference hash, then entry
    std::vector<std::uint32_t> keyLengths;
    std::size_t longestKey = 0;
};
