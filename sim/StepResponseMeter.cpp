#include "StepResponseMeter.h"

#include <algorithm>
#include <cmath>

void StepResponseMeter::add(const Sample& sample, double pointBefore, double dt) {
    ++steps_;
    // NaN != NaN: a set point that is not a number starts a new response at every step, as a plain
    // comparison of the recorded set points would say.
    if (steps_ == 1 || sample.setPoint != lastSetPoint_) {
        beginResponse(sample.setPoint, pointBefore);
    }
    lastSetPoint_ = sample.setPoint;
    elapsed_ += dt;
    accumulateErrors(sample.error, dt);
    if (change_ != 0.0) {
        const double z = (sample.point - initialPoint_) / change_;
        trackRise(z);
        trackPeak(z, sample.point);
        trackSettling(z);
    }
}

StepResponseFigures StepResponseMeter::figures() const {
    StepResponseFigures f;
    if (steps_ == 0) {
        return f;
    }
    f.responseStartStep = static_cast<double>(startStep_);
    f.initialPoint = initialPoint_;
    f.setPoint = setPoint_;
    f.steadyStateError = error_;
    f.iae = iae_;
    f.ise = ise_;
    f.itae = itae_;
    // Without a step there is nothing to rise, overshoot or settle.
    if (change_ == 0.0) {
        return f;
    }
    if (reached10_ && reached90_) {
        f.riseTimeS = time90_ - time10_;
    }
    if (hasPeak_) {
        f.overshootPct = std::max(0.0, (peakZ_ - 1.0) * 100.0);
        f.peak = peak_;
        f.peakTimeS = peakTime_;
    }
    if (!newestOutside_) {
        f.settlingTimeS = anyOutside_ ? lastOutsideTime_ : 0.0;
    }
    return f;
}

void StepResponseMeter::beginResponse(double setPoint, double pointBefore) {
    const std::uint64_t steps = steps_;
    clear();
    steps_ = steps;
    startStep_ = steps;
    initialPoint_ = pointBefore;
    setPoint_ = setPoint;
    change_ = setPoint - pointBefore;
}

void StepResponseMeter::trackRise(double z) {
    if (!reached10_ && z >= 0.1) {
        reached10_ = true;
        time10_ = elapsed_;
    }
    if (!reached90_ && z >= 0.9) {
        reached90_ = true;
        time90_ = elapsed_;
    }
}

void StepResponseMeter::trackPeak(double z, double point) {
    // The first sample with the largest z; a z that is not a number is never a peak.
    if (hasPeak_ ? z > peakZ_ : !std::isnan(z)) {
        hasPeak_ = true;
        peakZ_ = z;
        peak_ = point;
        peakTime_ = elapsed_;
    }
}

void StepResponseMeter::trackSettling(double z) {
    newestOutside_ = !(std::fabs(z - 1.0) <= kSettlingBand);
    if (newestOutside_) {
        anyOutside_ = true;
        lastOutsideTime_ = elapsed_;
    }
}

void StepResponseMeter::accumulateErrors(double error, double dt) {
    error_ = error;
    iae_ += std::fabs(error) * dt;
    ise_ += error * error * dt;
    itae_ += elapsed_ * std::fabs(error) * dt;
}
