#pragma once

#include "VariableValue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// An engine's variables: seeded with "pi", "e" and "n", extended and changed by assignments.
class VariableList {
public:
    VariableList();

    /// The variable of that name, or nullptr.
    const VariableValue* find(std::string_view name) const;
    /// Changes the variable of that name in place, or appends it.
    void assign(const std::string& name, double value);
    const std::vector<VariableValue>& all() const { return variables; }

private:
    std::vector<VariableValue> variables;
};

/// The first of `count` values from `first` with that name, or nullptr.
const VariableValue* findByName(const VariableValue* first, std::size_t count, std::string_view name);
