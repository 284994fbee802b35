#include "FormulaProgram.h"

#include "EngineLimits.h"
#include "OperatorCode.h"
#include "StatusCodes.h"

#include <algorithm>

namespace {

constexpr std::int32_t kNameNode = 1;
constexpr std::int32_t kNumberNode = 2;
constexpr std::int32_t kOperationNode = 3;

/// Operands an operation reads; a node with fewer children is malformed.
std::size_t requiredOperands(int op) {
    return isBinary(op) || op == kIrand || op == kFrand ? 2 : 1;
}

std::uint8_t angleUseOf(int op) {
    return static_cast<std::uint8_t>((takesAngle(op) ? Instruction::kTakesAngle : 0) |
                                     (reducesAngle(op) ? Instruction::kReducesAngle : 0));
}

} // namespace

FormulaProgram::FormulaProgram(const ExprNode& root) {
    emitNode(root, 0);
}

void FormulaProgram::emitNode(const ExprNode& node, int depth) {
    if (failed_)
        return;
    if (depth > kMaxTreeDepth)
        return emitFail(kMalformedNode);
    switch (node.kind) {
    case kNumberNode: {
        Instruction push;
        push.value = node.value;
        return this->push(push, 1);
    }
    case kNameNode:
        return emitLoad(node.name);
    case kOperationNode:
        return emitOperation(node, depth);
    default:
        return emitFail(kMalformedNode);
    }
}

void FormulaProgram::emitOperation(const ExprNode& node, int depth) {
    const int op = node.op;
    if (op == kAssign)
        return emitAssignment(node, depth);
    const bool function = isFunction(op);
    if (!function && !isBinary(op) && !isPostfix(op))
        return emitFail(kUnclassifiedOperator);
    if (node.children.size() < requiredOperands(op))
        return emitFail(kMalformedNode);
    // Functions take every child; binary operators their two operands, postfix operators one.
    const std::size_t count = function ? node.children.size() : requiredOperands(op);
    for (std::size_t i = 0; i < count; ++i)
        emitNode(node.children[i], depth + 1);
    emitApply(op, count);
}

void FormulaProgram::emitAssignment(const ExprNode& node, int depth) {
    if (node.children.size() < 2)
        return emitFail(kMalformedNode);
    emitNode(node.children[1], depth + 1);
    if (failed_)
        return;
    const std::uint32_t name = nameIndex(node.children[0].name);
    if (std::find(assigned_.begin(), assigned_.end(), name) == assigned_.end())
        assigned_.push_back(name);
    Instruction store;
    store.code = Instruction::kStore;
    store.operand = name;
    push(store, 0);
}

void FormulaProgram::emitLoad(const std::string& name) {
    const bool negated = !name.empty() && name[0] == '-';
    Instruction load;
    load.code = negated ? Instruction::kLoadNegated : Instruction::kLoad;
    load.operand = nameIndex(negated ? name.substr(1) : name);
    push(load, 1);
}

void FormulaProgram::emitApply(int op, std::size_t count) {
    Instruction apply;
    apply.code = Instruction::kApply;
    apply.op = op;
    apply.angle = angleUseOf(op);
    apply.operand = static_cast<std::uint32_t>(count);
    push(apply, 1 - static_cast<int>(count));
}

void FormulaProgram::emitFail(int status) {
    Instruction fail;
    fail.code = Instruction::kFail;
    fail.op = status;
    push(fail, 0);
}

// Nothing after a failure runs, so nothing after it is kept: a program ends at its first kFail.
void FormulaProgram::push(const Instruction& instruction, int stackChange) {
    if (failed_)
        return;
    failed_ = instruction.code == Instruction::kFail;
    code_.push_back(instruction);
    stackNow_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(stackNow_) + stackChange);
    stackDepth_ = std::max(stackDepth_, stackNow_);
}

std::uint32_t FormulaProgram::nameIndex(const std::string& name) {
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found != names_.end())
        return static_cast<std::uint32_t>(found - names_.begin());
    names_.push_back(name);
    return static_cast<std::uint32_t>(names_.size() - 1);
}
