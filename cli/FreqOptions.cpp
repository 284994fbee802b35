#include "FreqOptions.h"

#include "NumberText.h"
#include "QuotedValue.h"
#include "SetupOptions.h"

namespace {

constexpr std::uint64_t kMaxPoints = 100000;

/// --kp, --ki and --kd: the settings the tuning dialog's "Aplicar" gives a window, but the mode.
bool isGainOption(const std::string& option) {
    if (option.rfind("--", 0) != 0) {
        return false;
    }
    const SettingRow* row = settingByOption(option.substr(2));
    for (const SettingChange& change : pidGainChanges(PidGains())) {
        if (change.row == row && row->kind == SettingKind::Number) {
            return true;
        }
    }
    return false;
}

bool parsePoints(const std::string& value, std::uint64_t& points, std::string& error) {
    if (!parseCount(value, kMaxPoints, points) || points < 2) {
        error = "--points needs a whole number from 2 to " + std::to_string(kMaxPoints) + ", not " +
                quoted(value);
        return false;
    }
    return true;
}

} // namespace

bool parseFreqOptions(const Arguments& args, FreqOptions& options, std::string& error) {
    const auto takesValue = [&](const std::string& option) {
        return option == "--operating-point" || option == "--points" || isGainOption(option) ||
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
        return takeSetupOption(option, value,
                               isGainOption(option) ? options.gainSettings : options.setupSettings, message);
    };
    return parseOptionPairs(args, takesValue, handle, options.help, error);
}
