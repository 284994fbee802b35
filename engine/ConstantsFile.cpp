#include "ConstantsFile.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kMarkerLimit = 99;
// Also bounds the nesting: a header holds at most this many stars, and a group only nests below a
// header with more stars than its own depth, so the recursion never goes deeper than this.
constexpr std::size_t kLineLimit = 199;

bool isHeader(std::string_view line) {
    return !line.empty() && line.front() == '*';
}

int levelOf(std::string_view header) {
    return static_cast<int>(std::count(header.begin(), header.end(), '*'));
}

} // namespace

ConstantTable readConstantsFile(std::string_view content) {
    ConstantsCollector groups;
    LineReader reader(content);
    if (reader.next(kMarkerLimit) == "*GROUP*")
        ReadConstantGroups(groups, reader, 1, -1);
    return groups.finish();
}

std::uint32_t ConstantsCollector::beginGroup(std::int32_t parent) {
    groups.push_back({0, parent});
    return static_cast<std::uint32_t>(groups.size() - 1);
}

void ConstantsCollector::nameGroup(std::uint32_t group, std::string_view name) {
    groups[group].nameOffset = addLine(name);
}

void ConstantsCollector::addEntry(std::uint32_t group, std::string_view name, std::string_view valueText) {
    const std::uint32_t offset = addLine(name);
    addLine(valueText);
    entries.push_back({group, offset});
}

ConstantTable ConstantsCollector::finish() {
    return ConstantTable(std::move(text), groups, entries);
}

std::uint32_t ConstantsCollector::addLine(std::string_view line) {
    const auto offset = static_cast<std::uint32_t>(text.size());
    text += line;
    text += '\n';
    return offset;
}

// Every array of groups that is begun holds at least one group, named or not.
int ReadConstantGroups(ConstantsCollector& groups, LineReader& in, int depth, std::int32_t parent) {
    std::uint32_t group = groups.beginGroup(parent);
    if (in.atEnd())
        return -1;
    bool headerMet = false;
    for (std::size_t i = 0;; ++i) {
        if (i > 0)
            group = groups.beginGroup(parent);
        groups.nameGroup(group, in.next(kLineLimit));
        std::string_view line = in.next(kLineLimit);
        bool endedByHeader = false;
        int level = 0;
        while (!in.atEnd() && !endedByHeader) {
            if (isHeader(line)) {
                level = levelOf(line);
                endedByHeader = headerMet = true;
                if (level > depth)
                    level = ReadConstantGroups(groups, in, depth + 1, static_cast<std::int32_t>(group));
            } else {
                groups.addEntry(group, line, in.next(kLineLimit));
            }
            if (!in.atEnd() && !endedByHeader)
                line = in.next(kLineLimit);
        }
        if (endedByHeader && level < depth)
            return level;
        if (in.atEnd())
            return headerMet ? -1 : 0;
    }
}
