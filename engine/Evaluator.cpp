#include "Evaluator.h"

#include "FunctionLibrary.h"
#include "NameFrame.h"
#include "NumberRenderer.h"
#include "OperatorCode.h"
#include "StatusCodes.h"
#include "TraceLog.h"
#include "Truncation.h"

#include <cmath>

namespace {

constexpr double kFullTurnRadians = 6.283185307179586;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kRadiansPerDegree = 0.017453292519943295;

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
void prepareAngle(std::uint8_t use, int angleMode, double& x) {
    if (use & Instruction::kReducesAngle) {
        if (angleMode == kRadians)
            x = std::fmod(x, kFullTurnRadians);
        else if (angleMode == kDegrees)
            x = std::fmod(x, kFullTurnDegrees);
    }
    if (angleMode == kDegrees && (use & Instruction::kTakesAngle))
        x *= kRadiansPerDegree;
}

} // namespace

Evaluator::Evaluator(const EvaluationSettings& settings)
    : settings(settings), convertTarget(settings.convertBase) {}

// The four arithmetic operators are the bulk of every plant formula: they are computed here, inside
// the loop, and everything else out of line.
inline double Evaluator::applyOperator(const Instruction& apply, double* args, int& status) {
    if (settings.trace)
        recordTraceLine(apply.op, args, apply.operand);
    if (apply.angle != Instruction::kNoAngle)
        prepareAngle(apply.angle, settings.angleMode, args[0]);
    const double a = args[0];
    switch (apply.op) {
    case kMultiply:
        return args[1] * a;
    case kDivide:
        if (args[1] == 0.0) {
            status = kDivideByZero;
            return 0.0;
        }
        return a / args[1];
    case kPlus:
        return args[1] + a;
    case kMinus:
        return a - args[1];
    default:
        return applyOtherOperator(apply, args, status);
    }
}

double Evaluator::applyOtherOperator(const Instruction& apply, double* args, int& status) {
    const double a = args[0];
    switch (apply.op) {
    case kMod:
        return std::fmod(a, args[1]);
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
        return applyBuiltin(apply.op, args, apply.operand, settings.angleMode, status);
    }
}

inline bool Evaluator::load(const Instruction& step, const NameFrame& frame, double*& top) {
    const std::int32_t slot = frame.readSlot(step.name);
    if (!frame.isDefined(slot))
        return false;
    const double value = frame.value(slot);
    *top++ = step.negated ? -value : value;
    return true;
}

// A failing operation that is the formula's last gives the value of the whole formula.
inline int Evaluator::apply(const Instruction& step, double*& top, bool last, double& out) {
    top -= step.operand;
    int status = 0;
    const double value = applyOperator(step, top, status);
    if (status != 0) {
        if (last)
            out = value;
        return status;
    }
    *top++ = value;
    return 0;
}

int Evaluator::run(const FormulaProgram& program, NameFrame& frame, double* stack, double& out) {
    const Instruction* const first = program.code().data();
    const Instruction* const end = first + program.code().size();
    double* top = stack; // one past the value on top
    for (const Instruction* step = first; step != end; ++step) {
        switch (step->code) {
        case Instruction::kPush:
            *top++ = step->value;
            break;
        case Instruction::kLoad:
            if (!load(*step, frame, top))
                return kUndefinedName;
            break;
        case Instruction::kStore:
            if (const std::int32_t slot = frame.writeSlot(step->name); slot >= 0)
                frame.assign(slot, top[-1]);
            break;
        case Instruction::kPushThenApply:
            *top++ = step->value;
            if (const int status = apply(*step, top, step + 1 == end, out))
                return status;
            break;
        case Instruction::kLoadThenApply:
            if (!load(*step, frame, top))
                return kUndefinedName;
            if (const int status = apply(*step, top, step + 1 == end, out))
                return status;
            break;
        case Instruction::kApply:
            if (const int status = apply(*step, top, step + 1 == end, out))
                return status;
            break;
        case Instruction::kFail:
            return step->op;
        }
    }
    out = top[-1];
    return 0;
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
    TraceLog& trace = *settings.trace;
    const int base = convertActive ? convertTarget : settings.numberBase;
    if (trace.lines().empty())
        trace.setStyle(settings.style);
    trace.append(op, args, count, base);
    // Rendering a number positionally records its base, as if the line had been written now.
    for (std::size_t i = op == kConvbase ? 1 : 0; i < count; ++i)
        if (!needsScientific(args[i])) {
            settings.renderer->noteRenderBase(base);
            break;
        }
}
