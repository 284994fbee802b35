#pragma once

#include "ExprNode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// One step of a formula's program, run by the Evaluator on a stack of values.
struct Instruction {
    enum Code : std::uint8_t {
        kPush,          // pushes `value`
        kLoad,          // pushes the value of the name `name`, negated when `negated`
        kStore,         // assigns the value on top to the name `name` and leaves it there
        kApply,         // replaces the top `operand` values by operator `op` applied to them
        kPushThenApply, // kPush, then kApply: an operation whose last operand is a number
        kLoadThenApply, // kLoad, then kApply: an operation whose last operand is a name
        kFail,          // stops with status `op`: a node the evaluation cannot use
    };
    /// How kApply treats its first operand as an angle (see reducesAngle and takesAngle).
    enum AngleUse : std::uint8_t {
        kNoAngle = 0,
        kTakesAngle = 1,   // converted from degrees in degree mode
        kReducesAngle = 2, // first reduced to one turn
    };

    Code code = kPush;
    std::uint8_t angle = kNoAngle;
    bool negated = false; // the tokenizer writes a negated name with a leading "-"
    std::int32_t op = 0;
    std::uint32_t operand = 0;
    std::uint32_t name = 0; // an index in FormulaProgram::names()
    double value = 0.0;
};

/// An expression tree flattened into instructions in evaluation order: the operands of an operation
/// from the first, then the operation; an assignment's value, then its store. A last operand that is a
/// number or a name is fetched by the operation's own instruction, which halves the steps of a
/// typical formula without changing their order. The tree is evaluated
/// as it was walked, so a node the walk refused (unknown kind, missing operands, unclassified operator,
/// too deep) becomes a kFail at the point where the walk failed, after everything the walk did before.
class FormulaProgram {
public:
    FormulaProgram() = default;
    explicit FormulaProgram(const ExprNode& root);

    const std::vector<Instruction>& code() const { return code_; }
    /// Every name the program reads or assigns, once, in order of first appearance. A read key has no
    /// leading "-"; an assigned name is kept exactly as written.
    const std::vector<std::string>& names() const { return names_; }
    /// The indices in names() of the assigned names, in the order of their first assignment.
    const std::vector<std::uint32_t>& assignedNames() const { return assigned_; }
    /// The most values on the stack at once.
    std::size_t stackDepth() const { return stackDepth_; }

private:
    void emitNode(const ExprNode& node, int depth);
    void emitOperation(const ExprNode& node, int depth);
    void emitAssignment(const ExprNode& node, int depth);
    static bool isLeaf(const ExprNode& node);
    void emitLeaf(const ExprNode& leaf, Instruction& into);
    void emitApply(int op, std::size_t count, const ExprNode* lastLeaf);
    void emitFail(int status);
    void push(const Instruction& instruction, int stackChange);
    std::uint32_t nameIndex(const std::string& name);

    std::vector<Instruction> code_;
    std::vector<std::string> names_;
    std::vector<std::uint32_t> assigned_;
    std::size_t stackDepth_ = 0;
    std::size_t stackNow_ = 0;
    bool failed_ = false;
};
