#pragma once

#include <cstdint>
#include <string>

/// One element of a cache slot's token list.
struct Token {
    static constexpr std::int32_t kName = 1;
    static constexpr std::int32_t kNumber = 2;
    static constexpr std::int32_t kOperation = 3;

    std::int32_t kind = 0;
    double value = 0.0;
    std::string text;
    std::int32_t op = 0;
};
