#include "MathFunctions.h"

#include "EngineModes.h"
#include "OperatorCode.h"
#include "Truncation.h"

#include <cmath>

namespace {

constexpr double kDegreesPerHalfTurn = 180.0;
constexpr double kOneOverPi = 0.3183098861837907;

double toAngleUnit(double radians, int angleMode) {
    return angleMode == kDegrees ? radians * kDegreesPerHalfTurn * kOneOverPi : radians;
}

} // namespace

double zeroSnap(double value) {
    return value > -1e-15 && value < 1e-15 ? 0.0 : value;
}

double realFunction(int op, double x, int angleMode) {
    switch (op) {
    case kAbs:
        return x >= 0 ? x : x * -1;
    case kLog:
        return std::log10(x);
    case kLn:
        return std::log(x);
    case kSqrt:
        return std::sqrt(x);
    case kSin:
        return zeroSnap(std::sin(x));
    case kCos:
        return zeroSnap(std::cos(x));
    case kTan:
        return zeroSnap(std::tan(x));
    case kSinh:
        return std::sinh(x);
    case kCosh:
        return std::cosh(x);
    case kTanh:
        return std::tanh(x);
    case kArcsin:
        return toAngleUnit(std::asin(x), angleMode);
    case kArccos:
        return toAngleUnit(std::acos(x), angleMode);
    case kArctan:
        return toAngleUnit(std::atan2(x, 1.0), angleMode);
    case kFloor:
        return std::floor(x);
    case kCeil:
        return std::ceil(x);
    default:
        return 0.0;
    }
}

double roundHalfUp(double x) {
    // In doubles, so that the step past a saturated truncation cannot overflow.
    const double whole = trunc32(x);
    if (x > 0)
        return x - whole >= 0.5 ? whole + 1 : whole;
    return x - whole < -0.5 ? whole - 1 : whole;
}

double fractionPart(double x) {
    return x - trunc32(x);
}
