#include "OperatingPoint.h"

#include "FrequencyLabTexts.h"
#include "PreparedFormula.h"
#include "Random.h"
#include "SimulationScales.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxHalvings = 100;
constexpr double kPowerTolerance = 1e-12;
constexpr double kRelativeStep = 1e-4;

/// The plant formula as one step evaluates it; NaN when it fails or gives no number.
class PlantFormula {
public:
    PlantFormula(const std::string& formula, double dt) : m_formula(formula), m_dt(dt) {}

    double operator()(double p, double t) {
        const double bindings[] = {p, t, m_dt};
        double result = 0.0;
        if (m_plant.evaluate(m_formula, bindings, result) != 0) {
            return std::nan("");
        }
        return result;
    }

private:
    PreparedFormula m_plant{{"p", "t", "dt"}};
    std::string m_formula;
    double m_dt;
};

bool sameSign(double x, double y) {
    return (x > 0.0 && y > 0.0) || (x < 0.0 && y < 0.0);
}

/// The power in [low, high] where `excess` changes sign; NaN when the formula fails on the way.
template <typename Excess> double bisectPower(Excess excess, double low, double high) {
    double lowValue = excess(low);
    for (int i = 0; i < kMaxHalvings && high - low >= kPowerTolerance; ++i) {
        const double middle = 0.5 * (low + high);
        const double value = excess(middle);
        if (std::isnan(value)) {
            return value;
        }
        if (value == 0.0) {
            return middle;
        }
        if (sameSign(value, lowValue)) {
            low = middle;
            lowValue = value;
        } else {
            high = middle;
        }
    }
    return 0.5 * (low + high);
}

double centralDifference(double plus, double minus, double step) {
    return (plus - minus) / (2.0 * step);
}

} // namespace

OperatingPoint FindOperatingPoint(const std::string& formula, double dt, double p0) {
    const FreshRandomScope freshRandom;
    PlantFormula f(formula, dt);
    const auto excess = [&](double t) { return f(p0, t) - p0; };

    OperatingPoint point;
    point.p0 = p0;
    const double atLow = excess(kPowerScale.low);
    const double atHigh = excess(kPowerScale.high);
    if (std::isnan(atLow) || std::isnan(atHigh)) {
        point.failure = FrequencyLabText::kFormulaGivesNoNumber;
        return point;
    }
    if (sameSign(atLow, atHigh)) {
        point.failure = FrequencyLabText::kNoOperatingPoint;
        return point;
    }
    point.t0 = atLow == 0.0 ? kPowerScale.low : bisectPower(excess, kPowerScale.low, kPowerScale.high);
    const double hp = kRelativeStep * std::max(1.0, std::fabs(p0));
    const double ht = kRelativeStep * std::max(1.0, std::fabs(point.t0));
    point.a = centralDifference(f(p0 + hp, point.t0), f(p0 - hp, point.t0), hp);
    point.b = centralDifference(f(p0, point.t0 + ht), f(p0, point.t0 - ht), ht);
    if (std::isnan(point.t0) || std::isnan(point.a) || std::isnan(point.b)) {
        point.failure = FrequencyLabText::kFormulaGivesNoNumber;
    }
    return point;
}
