#pragma once

#include <string>

/// A named value: an element of a caller's bindings and of an engine's variable list.
struct VariableValue {
    std::string name;
    double value = 0.0;
};
