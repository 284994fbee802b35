#include "SimOptions.h"

#include "NumberText.h"
#include "QuotedValue.h"
#include "SetupOptions.h"
#include "WholeNumberText.h"

#include <algorithm>
#include <limits>

namespace {

bool parseEvent(const std::string& text, SimEvent& event, std::string& error) {
    const auto colon = text.find(':');
    if (colon == std::string::npos ||
        !parseCount(text.substr(0, colon), std::numeric_limits<std::uint64_t>::max(), event.step) ||
        event.step == 0) {
        error = "bad event '" + text + "': expected STEP:NAME=VALUE or STEP:reset with STEP from 1";
        return false;
    }
    const std::string change = text.substr(colon + 1);
    const auto equals = change.find('=');
    if (equals == std::string::npos) {
        event.setting = SimSetting{};
        if (change != "reset") {
            error = "bad event '" + text + "': expected NAME=VALUE or reset after the step";
        }
        return change == "reset";
    }
    const std::string name = change.substr(0, equals);
    if (parseSetting(name, change.substr(equals + 1), event.setting, error) == SettingParse::UnknownName) {
        error = "bad event " + quoted(text) + ": unknown setting " + quoted(name);
    }
    return error.empty();
}

/// The options that take a value: --steps, --csv, --metrics, --at and one per setting (--kp X and so on).
bool isValueOption(const std::string& option) {
    return option == "--steps" || option == "--csv" || option == "--metrics" || option == "--at" ||
           option == "--response-from" || option == "--response-to" ||
           (option.rfind("--", 0) == 0 && settingByOption(option.substr(2)) != nullptr);
}

/// Handles one option that takes a value; false with a message in `error` on a bad option or value.
bool parseValueOption(const std::string& option, const std::string& value, SimOptions& options,
                      std::string& error) {
    if (option == "--steps") {
        parseStepCount(value, options.steps, error);
    } else if (option == "--csv" || option == "--metrics") {
        std::string& path = option == "--csv" ? options.csvPath : options.metricsPath;
        path = value;
        if (path.empty()) {
            error = option + " needs a file name or '-', not ''";
        }
    } else if (option == "--response-from" || option == "--response-to") {
        std::uint64_t& step = option == "--response-from" ? options.responseFromStep : options.responseToStep;
        if (!parseCount(value, std::numeric_limits<std::uint64_t>::max(), step) || step == 0)
            error = option + " needs a step from 1, not '" + value + "'";
    } else if (option == "--at") {
        SimEvent event;
        if (parseEvent(value, event, error)) {
            options.events.push_back(event);
        }
    } else {
        SimSetting setting;
        if (parseSetting(option.substr(2), value, setting, error) == SettingParse::Ok) {
            options.initialSettings.push_back(setting);
        }
    }
    return error.empty();
}

/// --response-from and --response-to name steps of the run, in order, for the figures.
bool checkResponseSteps(SimOptions& options, std::string& error) {
    if (options.responseFromStep == 0 && options.responseToStep == 0)
        return true;
    if (options.metricsPath.empty() || options.responseFromStep == 0) {
        error = options.metricsPath.empty() ? "--response-from and --response-to need --metrics"
                                            : "--response-to needs --response-from";
        return false;
    }
    if (options.responseFromStep > options.steps) {
        error = "--response-from step " + std::to_string(options.responseFromStep) +
                " is after the last step (--steps " + std::to_string(options.steps) + ")";
        return false;
    }
    if (options.responseToStep == 0)
        options.responseToStep = options.steps;
    if (options.responseToStep < options.responseFromStep || options.responseToStep > options.steps) {
        error = "--response-to " + std::to_string(options.responseToStep) + " is not from --response-from " +
                std::to_string(options.responseFromStep) + " to the last step (--steps " +
                std::to_string(options.steps) + ")";
        return false;
    }
    return true;
}

} // namespace

bool parseSimOptions(const Arguments& args, SimOptions& options, std::string& error) {
    const auto handle = [&](const std::string& option, const std::string& value, std::string& message) {
        return parseValueOption(option, value, options, message);
    };
    if (!parseOptionPairs(args, isValueOption, handle, options.help, error)) {
        return false;
    }
    if (options.metricsPath == "-" && options.csvPath == "-") {
        error = "--metrics - needs --csv FILE: standard output already carries the CSV";
        return false;
    }
    if (!checkResponseSteps(options, error))
        return false;
    // Events of one step apply in the order given.
    std::stable_sort(options.events.begin(), options.events.end(),
                     [](const SimEvent& a, const SimEvent& b) { return a.step < b.step; });
    if (!options.events.empty() && options.events.back().step > options.steps) {
        error = "--at step " + std::to_string(options.events.back().step) +
                " is after the last step (--steps " + std::to_string(options.steps) + ")";
        return false;
    }
    return true;
}
