#include "FunctionLibrary.h"

#include "Combinatorics.h"
#include "Divisibility.h"
#include "MathFunctions.h"
#include "OperatorCode.h"
#include "Random.h"
#include "Statistics.h"
#include "StatusCodes.h"
#include "Temperature.h"
#include "Truncation.h"

double applyBuiltin(int op, double* args, std::size_t count, int angleMode, int& status) {
    switch (op) {
    case kMin:
        return listMinimum(args, count);
    case kMax:
        return listMaximum(args, count);
    case kLcm:
        return listLcm(args, count, status);
    case kGcd:
        return listGcd(args, count, status);
    case kMean:
        return listMean(args, count);
    case kMedian:
        return listMedian(args, count);
    case kMode:
        return listMode(args, count);
    case kStdev:
        return listStdev(args, count);
    case kVariance:
        return listVariance(args, count);
    case kIrand:
        return irandValue(args[0], args[1], rand15());
    case kFrand:
        return frandValue(args[0], args[1], rand15());
    case kRound:
        return roundHalfUp(args[0]);
    case kIpart:
    case kInteger:
        return trunc32(args[0]);
    case kFpart:
        return fractionPart(args[0]);
    case kFactorial:
        return factorialOperator(args[0], status);
    case kNpr:
        return permutations(args[0], args[1], status);
    case kNcr:
        return combinations(args[0], args[1], status);
    case kFib:
        return fibonacci(args[0], status);
    case kPercent:
        return args[0] * 0.01;
    case kAbs:
    case kLog:
    case kLn:
    case kSqrt:
    case kSin:
    case kCos:
    case kTan:
    case kSinh:
    case kCosh:
    case kTanh:
    case kArcsin:
    case kArccos:
    case kArctan:
    case kFloor:
    case kCeil:
        return realFunction(op, args[0], angleMode);
    default:
        break;
    }
    if (isTemperatureConversion(op))
        return convertTemperature(op, args[0]);
    status = kUnclassifiedOperator;
    return 0.0;
}
