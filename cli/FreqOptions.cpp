#include "FreqOptions.h"

#include "NumberText.h"
#include "SetupOptions.h"

namespace {

constexpr std::uint64_t kMaxPoints = 100000;

/// Where --kp, --ki or --kd goes; null for another option.
double* gainOf(const std::string& option, PidGains& gains) {
    SimSetting setting;
    std::string error;
    if (option.rfind("--", 0) != 0 ||
        parseSetting(option.substr(2), std::string(), setting, error) == SettingParse::UnknownName) {
        return nullptr;
    }
    switch (setting.field) {
    case SimSetting::Field::Kp:
        return &gains.kp;
    case SimSetting::Field::Ki:
        return &gains.ki;
    case SimSetting::Field::Kd:
        return &gains.kd;
    default:
        return nullptr;
    }
}

bool parsePoints(const std::string& value, std::uint64_t& points, std::string& error) {
    if (!parseCount(value, kMaxPoints, points) || points < 2) {
        error =
            "--points needs a whole number from 2 to " + std::to_string(kMaxPoints) + ", not '" + value + "'";
        return false;
    }
    return true;
}

bool parseGain(const std::string& option, const std::string& value, double& gain, std::string& error) {
    SimSetting setting;
    if (parseSetting(option.substr(2), value, setting, error) != SettingParse::Ok) {
        return false;
    }
    gain = setting.number;
    return true;
}

} // namespace

bool parseFreqOptions(const Arguments& args, FreqOptions& options, std::string& error) {
    const auto takesValue = [&](const std::string& option) {
        return option == "--operating-point" || option == "--points" || gainOf(option, options.gains) ||
               isSetupOption(option);
    };
    const auto handle = [&](const std::string& option, const std::string& value, std::string& message) {
        if (option == "--operating-point") {
            double point = 0.0;
            if (!parseNumberIn(option, value, NumberRange::Finite, point, message)) {
                return false;
            }
            options.operatingPoint = point;
            return true;
        }
        if (option == "--points") {
            return parsePoints(value, options.points, message);
        }
        if (double* gain = gainOf(option, options.gains)) {
            return parseGain(option, value, *gain, message);
        }
        return takeSetupOption(option, value, options.setupSettings, message);
    };
    return parseOptionPairs(args, takesValue, handle, options.help, error);
}
