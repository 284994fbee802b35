#include "ConstantsFile.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kMarkerLimit = 99;
// Also bounds the nesting: a header holds at most this many stars, and a group only nests below a
// header with more stars than its own depth, so the recursion never goes deeper than this.
constexpr std::size_t kLineLimit = 199;

bool isHeader(const std::string& line) {
    return !line.empty() && line.front() == '*';
}

int levelOf(const std::string& header) {
    return static_cast<int>(std::count(header.begin(), header.end(), '*'));
}

} // namespace

std::vector<ConstantGroup> readConstantsFile(std::istream& in) {
    std::vector<ConstantGroup> groups;
    LineReader reader(in);
    if (reader.next(kMarkerLimit) == "*GROUP*")
        ReadConstantGroups(groups, reader, 1);
    return groups;
}

int ReadConstantGroups(std::vector<ConstantGroup>& groups, LineReader& in, int depth) {
    groups.assign(1, ConstantGroup{});
    if (in.atEnd())
        return -1;
    bool headerMet = false;
    for (std::size_t i = 0;; ++i) {
        groups.resize(i + 1);
        ConstantGroup& group = groups[i];
        group.name = in.next(kLineLimit);
        std::string line = in.next(kLineLimit);
        bool endedByHeader = false;
        int level = 0;
        while (!in.atEnd() && !endedByHeader) {
            if (isHeader(line)) {
                level = levelOf(line);
                endedByHeader = headerMet = true;
                if (level > depth)
                    level = ReadConstantGroups(group.subgroups, in, depth + 1);
            } else {
                std::string valueText = in.next(kLineLimit);
                group.entries.push_back({std::move(line), std::move(valueText)});
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
