#include "Evaluator.h"

#include "EngineLimits.h"
#include "FunctionLibrary.h"
#include "NumberRenderer.h"
#include "OperatorCode.h"
#include "StatusCodes.h"
#include "TraceLog.h"
#include "Truncation.h"
#include "VariableList.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kNameNode = 1;
constexpr std::int32_t kNumberNode = 2;
constexpr std::int32_t kOperationNode = 3;

constexpr double kFullTurnRadians = 6.283185307179586;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kRadiansPerDegree = 0.017453292519943295;

/// The operands of one operation node. Nearly every operation has one or two, which live on the
/// stack; only long argument lists of list functions need the heap.
class ArgumentVector {
public:
    explicit ArgumentVector(std::size_t count) : count_(count) {
        if (count > kInline)
            heap_.assign(count, 0.0);
    }
    double* data() { return count_ > kInline ? heap_.data() : inline_.data(); }
    std::size_t size() const { return count_; }

private:
    static constexpr std::size_t kInline = 4;
    std::array<double, kInline> inline_{};
    std::vector<double> heap_;
    std::size_t count_;
};

/// Operands an operation reads; a node with fewer children is malformed.
std::size_t requiredOperands(int op) {
    return isBinary(op) || op == kIrand || op == kFrand ? 2 : 1;
}

bool isReservedName(const std::string& name) {
    return name == "x" || name == "y" || name == "r" || name == "t";
}

/// A negative base raised to the reciprocal of an odd integer is the real odd root: (-8)^(1/3) is -2.
double power(double a, double b) {
    if (!(a < 0))
        return std::pow(a, b);
    const double reciprocal = 1.0 / b;
    const std::int32_t n = trunc32(reciprocal);
    if (static_cast<double>(n) == reciprocal && n % 2 != 0)
        return -std::pow(-a, b);
    return std::pow(a, b);
}

double truth(bool value) {
    return value ? 1.0 : 0.0;
}

/// Reduces the argument of sin, cos and tan to one turn and converts every trigonometric and
/// hyperbolic argument from degrees in degree mode. Other angle modes leave it as it is.
void prepareAngle(int op, int angleMode, double& x) {
    if (reducesAngle(op)) {
        if (angleMode == kRadians)
            x = std::fmod(x, kFullTurnRadians);
        else if (angleMode == kDegrees)
            x = std::fmod(x, kFullTurnDegrees);
    }
    if (angleMode == kDegrees && takesAngle(op))
        x *= kRadiansPerDegree;
}

} // namespace

Evaluator::Evaluator(const EvaluationSettings& settings, VariableList& variables, TraceLog& trace,
                     NumberRenderer& renderer)
    : settings(settings), variables(variables), trace(trace), renderer(renderer),
      convertTarget(settings.convertBase) {}

int Evaluator::evaluateNode(const ExprNode& node, double& out, int depth) {
    if (depth > kMaxTreeDepth)
        return kMalformedNode;
    switch (node.kind) {
    case kNumberNode:
        out = node.value;
        return 0;
    case kNameNode:
        return lookUpName(node.name, out) ? 0 : kUndefinedName;
    case kOperationNode:
        return evaluateOperation(node, out, depth);
    default:
        return kMalformedNode;
    }
}

int Evaluator::evaluateOperation(const ExprNode& node, double& out, int depth) {
    const int op = node.op;
    if (op == kAssign)
        return evaluateAssignment(node, out, depth);
    const bool function = isFunction(op);
    if (!function && !isBinary(op) && !isPostfix(op))
        return kUnclassifiedOperator;
    if (node.children.size() < requiredOperands(op))
        return kMalformedNode;
    // Functions take every child; binary operators their two operands, postfix operators one.
    ArgumentVector args(function ? node.children.size() : requiredOperands(op));
    for (std::size_t i = 0; i < args.size(); ++i)
        if (const int status = evaluateNode(node.children[i], args.data()[i], depth + 1); status != 0)
            return status;
    int status = 0;
    out = applyOperator(op, args.data(), args.size(), status);
    return status;
}

int Evaluator::evaluateAssignment(const ExprNode& node, double& out, int depth) {
    if (node.children.size() < 2)
        return kMalformedNode;
    double value = 0.0;
    if (const int status = evaluateNode(node.children[1], value, depth + 1); status != 0)
        return status;
    // x, y, r and t are left to the caller's bindings: assigning them yields the value but stores nothing.
    const std::string& name = node.children[0].name;
    if (!isReservedName(name))
        variables.assign(name, value);
    out = value;
    return 0;
}

double Evaluator::applyOperator(int op, double* args, std::size_t count, int& status) {
    if (settings.writeTrace)
        recordTraceLine(op, args, count);
    prepareAngle(op, settings.angleMode, args[0]);
    const double a = args[0];
    switch (op) {
    case kMultiply:
        return args[1] * a;
    case kDivide:
        if (args[1] == 0.0) {
            status = kDivideByZero;
            return 0.0;
        }
        return a / args[1];
    case kMod:
        return std::fmod(a, args[1]);
    case kPlus:
        return args[1] + a;
    case kMinus:
        return a - args[1];
    case kPower:
        return power(a, args[1]);
    case kEqual:
        return truth(a == args[1]);
    case kGreater:
        return truth(a > args[1]);
    case kGreaterEqual:
        return truth(a >= args[1]);
    case kLess:
        return truth(a < args[1]);
    case kLessEqual:
        return truth(a <= args[1]);
    case kNotEqual:
        return truth(!(a == args[1]));
    case kConvbase:
        return convertTo(a, args[1], status);
    default:
        return applyBuiltin(op, args, count, settings.angleMode, status);
    }
}

// Bases outside 2 to 36 have no digits; refusing them here keeps them from every rendering.
double Evaluator::convertTo(double value, double base, int& status) {
    const std::int32_t target = trunc32(base);
    if (target < 2 || target > 36) {
        status = kBaseOutOfRange;
        return 0.0;
    }
    convertTarget = target;
    convertActive = true;
    return value;
}

void Evaluator::recordTraceLine(int op, const double* args, std::size_t count) {
    const int base = convertActive ? convertTarget : settings.numberBase;
    if (trace.lines().empty())
        trace.setStyle(settings.style);
    trace.append(op, args, count, base);
    // Rendering a number positionally records its base, as if the line had been written now.
    for (std::size_t i = op == kConvbase ? 1 : 0; i < count; ++i)
        if (!needsScientific(args[i])) {
            renderer.noteRenderBase(base);
            break;
        }
}

bool Evaluator::lookUpName(const std::string& name, double& value) const {
    // The tokenizer writes a negated name with a leading "-": the value of the rest, negated.
    const bool negated = !name.empty() && name[0] == '-';
    const std::string_view key = std::string_view(name).substr(negated ? 1 : 0);
    const VariableValue* found =
        findByName(settings.bindings, settings.bindings ? settings.bindingCount : 0, key);
    if (!found)
        found = variables.find(key);
    if (!found)
        return false;
    value = negated ? -found->value : found->value;
    return true;
}
