#include "RelayExperiment.h"

#include <algorithm>

RelayExperiment::RelayExperiment(const RelaySettings& settings, double initialPoint)
    : settings_(settings), power_(settings.bias + settings.amplitude), lastPoint_(initialPoint) {
    switchOn(initialPoint);
}

void RelayExperiment::addStep(double point, double dt) {
    if (finished()) {
        return;
    }
    noteCrossing(point, dt);
    elapsed_ += dt;
    if (measuring()) {
        lowest_ = std::min(lowest_, point);
        highest_ = std::max(highest_, point);
    }
    lastPoint_ = point;
    switchOn(point);
}

std::optional<UltimateCycle> RelayExperiment::result() const {
    if (!finished()) {
        return std::nullopt;
    }
    const double amplitude = (highest_ - lowest_) / 2.0;
    constexpr double kPi = 3.14159265358979323846;
    return UltimateCycle{4.0 * settings_.amplitude / (kPi * amplitude),
                         (lastMeasuredCrossing_ - firstMeasuredCrossing_) / kMeasuredCycles};
}

void RelayExperiment::switchOn(double point) {
    const double error = settings_.setPoint - point;
    if (error > settings_.hysteresis) {
        power_ = settings_.bias + settings_.amplitude;
    } else if (error < -settings_.hysteresis) {
        power_ = settings_.bias - settings_.amplitude;
    }
}

void RelayExperiment::noteCrossing(double point, double dt) {
    const double r = settings_.setPoint;
    if (!(lastPoint_ < r && point >= r)) {
        return;
    }
    const double time = elapsed_ + dt * (r - lastPoint_) / (point - lastPoint_);
    ++crossings_;
    if (crossings_ == kDiscardedCycles + 1) {
        firstMeasuredCrossing_ = time;
        lowest_ = point;
        highest_ = point;
    }
    lastMeasuredCrossing_ = time;
}
