#include "VariableList.h"

// "e" is the eleven-decimal value, not the double nearest to e.
VariableList::VariableList() : variables({{"pi", 3.141592653589793}, {"e", 2.71828182846}, {"n", 1.0}}) {}

const VariableValue* VariableList::find(std::string_view name) const {
    return findByName(variables.data(), variables.size(), name);
}

void VariableList::assign(const std::string& name, double value) {
    for (VariableValue& variable : variables)
        if (variable.name == name) {
            variable.value = value;
            return;
        }
    variables.push_back({name, value});
}

const VariableValue* findByName(const VariableValue* first, std::size_t count, std::string_view name) {
    for (std::size_t i = 0; i < count; ++i)
        if (first[i].name == name)
            return first + i;
    return nullptr;
}
