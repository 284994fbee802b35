#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// One node of an expression tree; owns its children. Trees are never deeper than
/// kMaxTreeDepth (EngineLimits.h), so the recursive destructor is bounded too.
struct ExprNode {
    std::int32_t kind = 0;
    std::int32_t op = 0;
    double value = 0.0;
    std::string name;
    std::vector<ExprNode> children;
};
