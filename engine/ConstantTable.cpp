#include "ConstantTable.h"

#include "DistinctValues.h"
#include "KeyHash.h"

#include <algorithm>
#include <utility>

namespace {

std::uint32_t highHalf(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 32);
}

} // namespace

ConstantTable::ConstantTable(std::string lines, const std::vector<GroupRecord>& groups,
                             const std::vector<EntryRecord>& entries)
    : text(std::move(lines)) {
    orderGroups(groups, entries);
    indexReferences();
}

// Groups are read in pre-order (each before its subgroups), and the substitution takes them in
// post-order (each after its subgroups). A group's subtree is the stretch of pre-order from the group
// on, its size long, so its post-order number is its pre-order number less its depth plus its size
// less one.
void ConstantTable::orderGroups(const std::vector<GroupRecord>& groups,
                                const std::vector<EntryRecord>& entries) {
    const std::size_t count = groups.size();
    std::vector<std::uint32_t> depth(count, 0);
    std::vector<std::uint32_t> size(count, 1);
    for (std::size_t g = 0; g < count; ++g)
        if (groups[g].parent >= 0)
            depth[g] = depth[static_cast<std::size_t>(groups[g].parent)] + 1;
    for (std::size_t g = count; g-- > 0;)
        if (groups[g].parent >= 0)
            size[static_cast<std::size_t>(groups[g].parent)] += size[g];
    std::vector<std::uint32_t> turnOf(count);
    for (std::size_t g = 0; g < count; ++g)
        turnOf[g] = static_cast<std::uint32_t>(g - depth[g] + size[g] - 1);

    groupsByTurn.assign(count, Group{});
    for (std::size_t g = 0; g < count; ++g) {
        Group& group = groupsByTurn[turnOf[g]];
        const std::int32_t parent = groups[g].parent;
        const std::string_view name = lineAt(groups[g].nameOffset);
        group.nameOffset = groups[g].nameOffset;
        group.parent = parent < 0 ? -1 : static_cast<std::int32_t>(turnOf[static_cast<std::size_t>(parent)]);
        // A parent precedes its subgroups in pre-order, so its path is known here.
        const Group* above = parent < 0 ? nullptr : &groupsByTurn[turnOf[static_cast<std::size_t>(parent)]];
        const std::uint64_t start = above ? above->pathHash : extendKeyHash(0, "(");
        group.pathHash = extendKeyHash(extendKeyHash(start, name), "|");
        group.pathLength = static_cast<std::uint32_t>((above ? above->pathLength : 1) + name.size() + 1);
    }

    // Entries by the turn of their group, in file order within it.
    std::vector<std::uint32_t> firstOfTurn(count + 1, 0);
    for (const EntryRecord& entry : entries)
        ++firstOfTurn[turnOf[entry.group] + 1];
    for (std::size_t t = 0; t < count; ++t)
        firstOfTurn[t + 1] += firstOfTurn[t];
    entryNames.assign(entries.size(), 0);
    std::vector<std::uint32_t> next(firstOfTurn.begin(), firstOfTurn.end() - 1);
    for (const EntryRecord& entry : entries)
        entryNames[next[turnOf[entry.group]]++] = entry.nameOffset;
    for (std::size_t t = 0; t < count; ++t) {
        groupsByTurn[t].firstEntry = firstOfTurn[t];
        groupsByTurn[t].endEntry = firstOfTurn[t + 1];
    }
}

void ConstantTable::indexReferences() {
    byKey.resize(entryNames.size());
    DistinctValues lengths;
    for (std::uint32_t e = 0; e < entryNames.size(); ++e) {
        byKey[e] = {highHalf(keyHash(e)), e};
        lengths.add(static_cast<std::uint32_t>(keyLength(e)));
    }
    keyLengths = std::move(lengths).ascending();
    longestKey = keyLengths.empty() ? 0 : keyLengths.back();
    std::sort(byKey.begin(), byKey.end(), [](const KeyedEntry& a, const KeyedEntry& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.entry < b.entry;
    });
}

std::size_t ConstantTable::memoryUse() const {
    return sizeof(*this) + text.capacity() + groupsByTurn.capacity() * sizeof(Group) +
           byKey.capacity() * sizeof(KeyedEntry) +
           (entryNames.capacity() + keyLengths.capacity()) * sizeof(std::uint32_t);
}

std::string_view ConstantTable::lineAt(std::uint32_t offset) const {
    const std::string_view rest = std::string_view(text).substr(offset);
    return rest.substr(0, rest.find('\n'));
}

std::uint32_t ConstantTable::groupOf(std::uint32_t entry) const {
    // The last group whose entries begin at or before the entry and that has any.
    const auto after =
        std::upper_bound(groupsByTurn.begin(), groupsByTurn.end(), entry,
                         [](std::uint32_t e, const Group& group) { return e < group.firstEntry; });
    auto group = after - 1;
    while (group->endEntry <= entry)
        ++group;
    return static_cast<std::uint32_t>(group - groupsByTurn.begin());
}

std::uint64_t ConstantTable::keyHash(std::uint32_t entry) const {
    const std::uint64_t path = groupsByTurn[groupOf(entry)].pathHash;
    return extendKeyHash(extendKeyHash(path, lineAt(entryNames[entry])), ")");
}

std::size_t ConstantTable::keyLength(std::uint32_t entry) const {
    return groupsByTurn[groupOf(entry)].pathLength + lineAt(entryNames[entry]).size() + 1;
}

// Compared from the end: the name, then the group names up to the top-level one.
bool ConstantTable::hasReference(std::uint32_t entry, std::string_view reference) const {
    if (reference.size() != keyLength(entry) || reference.front() != '(' || reference.back() != ')')
        return false;
    std::size_t end = reference.size() - 1;
    std::string_view name = lineAt(entryNames[entry]);
    std::int32_t group = static_cast<std::int32_t>(groupOf(entry));
    while (true) {
        if (reference.compare(end - name.size(), name.size(), name) != 0)
            return false;
        end -= name.size();
        if (group < 0)
            return end == 1;
        if (reference[end - 1] != '|')
            return false;
        --end;
        name = lineAt(groupsByTurn[static_cast<std::size_t>(group)].nameOffset);
        group = groupsByTurn[static_cast<std::size_t>(group)].parent;
    }
}

std::optional<std::uint32_t> ConstantTable::nextEntry(std::string_view reference, std::uint64_t hash,
                                                      std::optional<std::uint32_t> after) const {
    const std::uint32_t first = after ? *after + 1 : 0;
    auto it = std::lower_bound(byKey.begin(), byKey.end(), KeyedEntry{highHalf(hash), first},
                               [](const KeyedEntry& a, const KeyedEntry& b) {
                                   return a.hash != b.hash ? a.hash < b.hash : a.entry < b.entry;
                               });
    for (; it != byKey.end() && it->hash == highHalf(hash); ++it)
        if (hasReference(it->entry, reference))
            return it->entry;
    return std::nullopt;
}

std::string ConstantTable::referenceOf(std::uint32_t entry) const {
    std::vector<std::string_view> names{lineAt(entryNames[entry])};
    for (std::int32_t g = static_cast<std::int32_t>(groupOf(entry)); g >= 0;
         g = groupsByTurn[static_cast<std::size_t>(g)].parent)
        names.push_back(lineAt(groupsByTurn[static_cast<std::size_t>(g)].nameOffset));
    std::string reference = "(";
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        reference += *name;
        reference += name + 1 == names.rend() ? ")" : "|";
    }
    return reference;
}

std::string_view ConstantTable::valueOf(std::uint32_t entry) const {
    const std::uint32_t name = entryNames[entry];
    return lineAt(static_cast<std::uint32_t>(name + lineAt(name).size() + 1));
}

std::vector<ConstantGroup> ConstantTable::groups() const {
    std::vector<ConstantGroup> byTurn(groupsByTurn.size());
    for (std::size_t t = 0; t < groupsByTurn.size(); ++t) {
        byTurn[t].name = lineAt(groupsByTurn[t].nameOffset);
        for (std::uint32_t e = groupsByTurn[t].firstEntry; e < groupsByTurn[t].endEntry; ++e)
            byTurn[t].entries.push_back({std::string(lineAt(entryNames[e])), std::string(valueOf(e))});
    }
    // Subgroups come before their group, in file order among themselves.
    std::vector<ConstantGroup> topLevel;
    for (std::size_t t = 0; t < groupsByTurn.size(); ++t) {
        const std::int32_t parent = groupsByTurn[t].parent;
        (parent < 0 ? topLevel : byTurn[static_cast<std::size_t>(parent)].subgroups)
            .push_back(std::move(byTurn[t]));
    }
    return topLevel;
}
