#include "Temperature.h"

#include "OperatorCode.h"

namespace {

constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kNineFifths = 1.8;
constexpr double kFahrenheitFreezing = 32;
constexpr double kRankineOffset = 459.67;
constexpr double kKelvinOffset = 273.15;

} // namespace

double convertTemperature(int op, double x) {
    switch (op) {
    case kFahrenheitCelsius:
        return (x - kFahrenheitFreezing) * kFiveNinths;
    case kFahrenheitRankine:
        return x + kRankineOffset;
    case kFahrenheitKelvin:
        return (x - kFahrenheitFreezing) * kFiveNinths + kKelvinOffset;
    case kCelsiusFahrenheit:
        return x * kNineFifths + kFahrenheitFreezing;
    case kCelsiusKelvin:
        return x + kKelvinOffset;
    case kCelsiusRankine:
        return x * kNineFifths + kFahrenheitFreezing + kRankineOffset;
    case kKelvinFahrenheit:
        return (x - kKelvinOffset) * kNineFifths + kFahrenheitFreezing;
    case kKelvinCelsius:
        return x - kKelvinOffset;
    case kKelvinRankine:
        return x * kNineFifths;
    case kRankineFahrenheit:
        return x - kRankineOffset;
    case kRankineCelsius:
        return (x - kRankineOffset - kFahrenheitFreezing) * kFiveNinths;
    case kRankineKelvin:
        return x * kFiveNinths;
    default:
        return 0.0;
    }
}
