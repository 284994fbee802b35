#pragma once

#include "Sample.h"
#include "StepResponseFigures.h"

#include <cstdint>

/// Measures the response to the latest set-point step as the steps come: constant time per step and no
/// allocation, and no need for the history, so a response longer than the chart's history is still
/// measured whole.
///
/// A response begins at the first step of a run and at every step whose set point differs from the
/// previous step's. Its figures are read from z = (y - y0) / (r - y0), y0 being the point before that step
/// and r the new set point; T(k) is the simulated time from the start of that step to the end of step k.
class StepResponseMeter {
public:
    /// Takes one step: its sample, the point before the step and the step's simulated length in seconds.
    void add(const Sample& sample, double pointBefore, double dt);
    /// The figures of the current response; all undefined before the first step.
    StepResponseFigures figures() const;
    /// Forgets everything: the next step is the first of a run.
    void clear() { *this = StepResponseMeter(); }

    /// Half the width of the settling band, as a fraction of the step.
    static constexpr double kSettlingBand = 0.02;

private:
    void beginResponse(double setPoint, double pointBefore);
    void trackRise(double z);
    void trackPeak(double z, double point);
    void trackSettling(double z);
    void accumulateErrors(double error, double dt);

    std::uint64_t steps_ = 0;
    double lastSetPoint_ = 0.0;

    std::uint64_t startStep_ = 0;
    double initialPoint_ = 0.0;
    double setPoint_ = 0.0;
    double change_ = 0.0;  // r - y0
    double elapsed_ = 0.0; // T of the newest step

    bool reached10_ = false;
    bool reached90_ = false;
    double time10_ = 0.0;
    double time90_ = 0.0;

    bool hasPeak_ = false;
    double peakZ_ = 0.0;
    double peak_ = 0.0;
    double peakTime_ = 0.0;

    bool anyOutside_ = false;
    bool newestOutside_ = false;
    double lastOutsideTime_ = 0.0;

    double error_ = 0.0;
    double iae_ = 0.0;
    double ise_ = 0.0;
    double itae_ = 0.0;
};
