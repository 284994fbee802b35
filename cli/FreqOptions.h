#pragma once

#include "CommandLine.h"
#include "FrequencyLab.h"
#include "SimSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// What `vorlint-cli freq` was asked to do.
struct FreqOptions {
    std::vector<SimSetting> setupSettings; ///< the plant and the controller's options, in the order given
    std::vector<SimSetting> gainSettings;  ///< --kp, --ki and --kd, in the order given
    std::optional<double> operatingPoint;  ///< none: the window's set point, or 1500 when that is 0
    std::uint64_t points = FrequencyRequest::kDefaultPoints;
    bool help = false;
};

/// Reads the arguments after "freq"; false with the reason in `error` on a usage error.
bool parseFreqOptions(const Arguments& args, FreqOptions& options, std::string& error);
