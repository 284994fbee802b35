#include "TuneOptions.h"

#include "NumberText.h"
#include "QuotedValue.h"
#include "SettingRanges.h"
#include "SetupOptions.h"

namespace {

/// An experiment setting: its option, the values it takes and where it goes.
struct ExperimentNumber {
    const char* option;
    NumberRange range;
    double* (*field)(TuningRequest&);
};

constexpr ExperimentNumber kExperimentNumbers[] = {
    {"--relay-bias", SettingRange::kRelayBias, [](TuningRequest& r) { return &r.relay.bias; }},
    {"--relay-amplitude", SettingRange::kRelayAmplitude, [](TuningRequest& r) { return &r.relay.amplitude; }},
    {"--relay-hysteresis", SettingRange::kRelayHysteresis,
     [](TuningRequest& r) { return &r.relay.hysteresis; }},
    {"--step-power", SettingRange::kStepPower, [](TuningRequest& r) { return &r.stepPower; }},
};

const ExperimentNumber* experimentNumber(const std::string& option) {
    for (const ExperimentNumber& entry : kExperimentNumbers) {
        if (option == entry.option) {
            return &entry;
        }
    }
    return nullptr;
}

bool parseMethod(const std::string& value, TuneOptions& options, std::string& error) {
    if (value == "relay") {
        options.request.method = TuningMethod::Relay;
    } else if (value == "step") {
        options.request.method = TuningMethod::StepTest;
    } else {
        error = "--method must be relay or step, not " + quoted(value);
        return false;
    }
    options.methodGiven = true;
    return true;
}

bool takesValue(const std::string& option) {
    return option == "--method" || experimentNumber(option) != nullptr || isSetupOption(option);
}

} // namespace

bool parseTuneOptions(const Arguments& args, TuneOptions& options, std::string& error) {
    const auto handle = [&](const std::string& option, const std::string& value, std::string& message) {
        if (option == "--method") {
            return parseMethod(value, options, message);
        }
        if (const ExperimentNumber* number = experimentNumber(option)) {
            return parseNumberIn(option, value, number->range, *number->field(options.request), message);
        }
        return takeSetupOption(option, value, options.setupSettings, message);
    };
    if (!parseOptionPairs(args, takesValue, handle, options.help, error)) {
        return false;
    }
    if (!options.methodGiven && !options.help) {
        error = "--method relay or --method step is needed";
        return false;
    }
    return true;
}
