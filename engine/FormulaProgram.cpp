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
    if (isLeaf(node)) {
        Instruction leaf;
        emitLeaf(node, leaf);
        return push(leaf, 1);
    }
    if (node.kind == kOperationNode)
        return emitOperation(node, depth);
    emitFail(kMalformedNode);
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
    const ExprNode& last = node.children[count - 1];
    const bool lastIsLeaf = isLeaf(last) && depth + 1 <= kMaxTreeDepth;
    for (std::size_t i = 0; i + (lastIsLeaf ? 1 : 0) < count; ++i)
        emitNode(node.children[i], depth + 1);
    emitApply(op, count, lastIsLeaf ? &last : nullptr);
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
    store.name = name;
    push(store, 0);
}

bool FormulaProgram::isLeaf(const ExprNode& node) {
    return node.kind == kNumberNode || node.kind == kNameNode;
}

void FormulaProgram::emitLeaf(const ExprNode& leaf, Instruction& into) {
    if (leaf.kind == kNumberNode) {
        into.code = Instruction::kPush;
        into.value = leaf.value;
        return;
    }
    into.code = Instruction::kLoad;
    into.negated = !leaf.name.empty() && leaf.name[0] == '-';
    into.name = nameIndex(into.negated ? leaf.name.substr(1) : leaf.name);
}

void FormulaProgram::emitApply(int op, std::size_t count, const ExprNode* lastLeaf) {
    if (failed_)
        return;
    Instruction apply;
    if (lastLeaf) {
        emitLeaf(*lastLeaf, apply);
        // The operand is on the stack, if only for a moment, before the operation takes it.
        stackDepth_ = std::max(stackDepth_, stackNow_ + 1);
        stackNow_ += 1;
    }
    apply.code = !lastLeaf                          ? Instruction::kApply
                 : apply.code == Instruction::kPush ? Instruction::kPushThenApply
                                                    : Instruction::kLoadThenApply;
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
