#include "NameFrame.h"

#include "VariableList.h"

#include <algorithm>
#include <string_view>

namespace {

bool isReservedName(std::string_view name) {
    return name == "x" || name == "y" || name == "r" || name == "t";
}

} // namespace

void NameFrame::layOut(const FormulaProgram& program, const std::string* bindingNames,
                       std::size_t bindingCount, const VariableList& variables) {
    layOutWith(
        program, bindingCount, [&](std::size_t i) -> const std::string& { return bindingNames[i]; },
        variables);
}

void NameFrame::layOut(const FormulaProgram& program, const VariableValue* bindings, std::size_t bindingCount,
                       const VariableList& variables) {
    layOutWith(
        program, bindings ? bindingCount : 0,
        [&](std::size_t i) -> const std::string& { return bindings[i].name; }, variables);
}

// Each name has a variable slot; a bound name has a second slot that holds the binding.
template <typename NameOf>
void NameFrame::layOutWith(const FormulaProgram& program, std::size_t bindingCount, NameOf bindingName,
                           const VariableList& variables) {
    const std::vector<std::string>& names = program.names();
    reads.assign(names.size(), -1);
    writes.assign(names.size(), -1);
    existedBefore.assign(names.size(), 0);
    initialValues.clear();
    initialDefined.clear();
    bound.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto variableSlot = static_cast<std::int32_t>(initialValues.size());
        const VariableValue* variable = variables.find(names[i]);
        existedBefore[i] = variable != nullptr;
        initialValues.push_back(variable ? variable->value : 0.0);
        initialDefined.push_back(variable != nullptr);
        reads[i] = variableSlot;
        if (!isReservedName(names[i]))
            writes[i] = variableSlot;
        for (std::size_t b = 0; b < bindingCount; ++b) {
            if (bindingName(b) == names[i]) {
                reads[i] = static_cast<std::int32_t>(initialValues.size());
                bound.push_back({reads[i], static_cast<std::uint32_t>(b)});
                initialValues.push_back(0.0);
                initialDefined.push_back(1);
                break;
            }
        }
    }
    values = initialValues;
    defined = initialDefined;
    assignedSlots.clear();
    for (const std::uint32_t name : program.assignedNames())
        if (writes[name] >= 0)
            assignedSlots.push_back(writes[name]);
}

// Only assignments change a variable's slot, and a binding's slot is filled anew at every start.
void NameFrame::reset() {
    for (const std::int32_t slot : assignedSlots) {
        values[slot] = initialValues[slot];
        defined[slot] = initialDefined[slot];
    }
}

void NameFrame::start(const double* bindingValues) {
    reset();
    for (const BoundSlot& slot : bound)
        values[slot.slot] = bindingValues[slot.binding];
}

void NameFrame::start(const VariableValue* bindings) {
    reset();
    for (const BoundSlot& slot : bound)
        values[slot.slot] = bindings[slot.binding].value;
}

void NameFrame::storeInto(const FormulaProgram& program, VariableList& variables) const {
    for (const std::uint32_t name : program.assignedNames()) {
        const std::int32_t slot = writes[name];
        // A variable that was there keeps its place; one that was not joins only if assigned.
        if (slot >= 0 && (existedBefore[name] || defined[slot]))
            variables.assign(program.names()[name], values[slot]);
    }
}
