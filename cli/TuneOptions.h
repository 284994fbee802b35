#pragma once

#include "CommandLine.h"
#include "SimSettings.h"
#include "TuningLab.h"

#include <string>
#include <vector>

/// What `vorlint-cli tune` was asked to do.
struct TuneOptions {
    std::vector<SimSetting> setupSettings; ///< the plant and the controller's options, in the order given
    TuningRequest request;                 ///< the experiment and its settings; the set point comes later
    bool methodGiven = false;
    bool help = false;
};

/// Reads the arguments after "tune"; false with the reason in `error` on a usage error.
bool parseTuneOptions(const Arguments& args, TuneOptions& options, std::string& error);
