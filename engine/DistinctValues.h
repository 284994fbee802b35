#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

/// Gathers the distinct values of a long sequence that holds few different ones (the lengths of a
/// million names), without keeping the sequence: it is tidied whenever it has doubled.
class DistinctValues {
public:
    void add(std::uint32_t value) {
        values.push_back(value);
        if (values.size() > 2 * kept + 64)
            tidy();
    }

    /// The distinct values, ascending.
    std::vector<std::uint32_t> ascending() && {
        tidy();
        values.shrink_to_fit();
        return std::move(values);
    }

private:
    void tidy() {
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        kept = values.size();
    }

    std::vector<std::uint32_t> values;
    std::size_t kept = 0;
};
