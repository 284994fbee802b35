#include "StepTestExperiment.h"

#include <algorithm>
#include <cmath>

StepTestExperiment::StepTestExperiment(double stepPower, double initialPoint)
    : stepPower_(stepPower), points_{initialPoint}, times_{0.0} {}

void StepTestExperiment::addStep(double point, double dt) {
    if (finished()) {
        return;
    }
    // Strictly less: while the point has not moved at all (the dead time) it has not settled either.
    const bool quiet =
        std::fabs(point - points_.back()) < kQuietFraction * std::fabs(point - points_.front());
    quietSteps_ = quiet ? quietSteps_ + 1 : 0;
    points_.push_back(point);
    times_.push_back(times_.back() + dt);
}

std::optional<ProcessModel> StepTestExperiment::result() const {
    if (!finished()) {
        return std::nullopt;
    }
    const double t28 = timeToReach(0.283);
    const double t63 = timeToReach(0.632);
    const double tau = 1.5 * (t63 - t28);
    return ProcessModel{(points_.back() - points_.front()) / stepPower_, tau, std::max(0.0, t63 - tau)};
}

double StepTestExperiment::timeToReach(double fraction) const {
    const double start = points_.front();
    const double change = points_.back() - start;
    double previous = 0.0;
    for (std::size_t k = 1; k < points_.size(); ++k) {
        const double reached = (points_[k] - start) / change;
        if (reached >= fraction) {
            return times_[k - 1] + (times_[k] - times_[k - 1]) * (fraction - previous) / (reached - previous);
        }
        previous = reached;
    }
    return times_
        .back(); // the last point has gone the whole way: only a point that is not a number gets here
}
