#pragma once

#include "FormulaProgram.h"
#include "VariableValue.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class VariableList;

/// The values a program's names have during one evaluation, one slot per name: a name the caller binds
/// reads the first binding of that name, any other name the variable of that name, which is undefined
/// until assigned unless the variable list had it. An assignment changes the variable (never the
/// binding); x, y, r and t are left to the caller's bindings and are never stored.
class NameFrame {
public:
    /// Lays the slots out for `program` with the caller's binding names and the variables as they are.
    void layOut(const FormulaProgram& program, const std::string* bindingNames, std::size_t bindingCount,
                const VariableList& variables);
    void layOut(const FormulaProgram& program, const VariableValue* bindings, std::size_t bindingCount,
                const VariableList& variables);

    /// Begins an evaluation: every variable as it was at layOut, the bound names from `bindingValues`,
    /// given in the order of the binding names.
    void start(const double* bindingValues);
    void start(const VariableValue* bindings);

    /// Where the name of that index is read from and assigned to (-1: nowhere).
    std::int32_t readSlot(std::uint32_t name) const { return reads[name]; }
    std::int32_t writeSlot(std::uint32_t name) const { return writes[name]; }
    bool isDefined(std::int32_t slot) const { return defined[slot] != 0; }
    double value(std::int32_t slot) const { return values[slot]; }
    void assign(std::int32_t slot, double value) {
        values[slot] = value;
        defined[slot] = 1;
    }

    /// Writes the variables the evaluation assigned into `variables`, new ones in the order of their
    /// first assignment, as assigning them one by one would have.
    void storeInto(const FormulaProgram& program, VariableList& variables) const;

private:
    void reset();
    template <typename NameOf>
    void layOutWith(const FormulaProgram& program, std::size_t bindingCount, NameOf bindingName,
                    const VariableList& variables);

    std::vector<std::int32_t> reads;
    std::vector<std::int32_t> writes;
    std::vector<double> values;
    std::vector<char> defined;
    std::vector<double> initialValues;
    std::vector<char> initialDefined;
    std::vector<char> existedBefore; // per name: whether the variable list had it at layOut
    struct BoundSlot {
        std::int32_t slot;
        std::uint32_t binding;
    };
    std::vector<BoundSlot> bound;
    std::vector<std::int32_t> assignedSlots; // the variable slots of the assigned names
};
