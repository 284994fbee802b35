#pragma once

#include "CommandLine.h"
#include "SimSettings.h"

#include <cstdint>
#include <string>
#include <vector>

/// A change the panels would make before step `step` (from 1).
struct SimEvent {
    std::uint64_t step = 0;
    SimSetting setting;
};

/// What `vorlint-cli sim` was asked to do.
struct SimOptions {
    std::uint64_t steps = 100;
    std::vector<SimSetting> initialSettings;
    std::vector<SimEvent> events; ///< by step; the events of one step in the order given
    std::string csvPath = "-";    ///< "-" is the output stream
    std::string metricsPath;      ///< where the step-response figures go after the run; empty: nowhere
    /// With --metrics: the steps whose response is measured, from 1 and included; responseFromStep 0
    /// measures the latest step response instead.
    std::uint64_t responseFromStep = 0;
    std::uint64_t responseToStep = 0; ///< 0: the run's last step
    bool help = false;
};

/// Reads the arguments after "sim"; false with the reason in `error` on a usage error.
bool parseSimOptions(const Arguments& args, SimOptions& options, std::string& error);
