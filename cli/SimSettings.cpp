#include "SimSettings.h"

#include "NumberText.h"
#include "SettingRanges.h"

#include <limits>

namespace {

using Field = SimSetting::Field;
using Mode = SimSetting::Mode;

struct NumberField {
    const char* name;
    Field field;
    NumberRange range;
};

constexpr NumberField kNumberFields[] = {
    {"setpoint", Field::SetPoint, NumberRange::Any},
    {"power", Field::Power, NumberRange::Any},
    {"kp", Field::Kp, NumberRange::Any},
    {"ki", Field::Ki, NumberRange::Any},
    {"kd", Field::Kd, NumberRange::Any},
    {"disturbance", Field::Disturbance, SettingRange::kDisturbance},
    {"dead-time", Field::DeadTime, SettingRange::kDeadTime},
    {"lag-tau", Field::LagTau, SettingRange::kLagTau},
    {"setpoint-weight", Field::SetPointWeight, SettingRange::kSetPointWeight},
    {"derivative-filter", Field::DerivativeFilter, SettingRange::kDerivativeFilter},
    {"tracking-time", Field::TrackingTime, SettingRange::kTrackingTime},
};

template <typename Value> struct Choice {
    const char* name;
    Value value;
};

constexpr Choice<Mode> kModes[] = {{"manual", Mode::Manual}, {"pid", Mode::Pid}, {"onoff", Mode::OnOff}};
constexpr Choice<bool> kDerivativeSources[] = {{"measurement", true}, {"error", false}};

/// Picks the choice named `value`; otherwise says "NAME must be A, B or C, not 'VALUE'".
template <typename Entry, typename Value, std::size_t N>
void parseChoice(const std::string& name, const std::string& value, const Entry (&choices)[N], Value& chosen,
                 std::string& error) {
    std::string names;
    for (std::size_t i = 0; i < N; ++i) {
        if (value == choices[i].name) {
            chosen = choices[i].value;
            return;
        }
        names += i == 0 ? "" : i + 1 == N ? " or " : ", ";
        names += choices[i].name;
    }
    error = name + " must be " + names + ", not '" + value + "'";
}

bool parseNumberField(const std::string& name, const std::string& value, SimSetting& setting,
                      std::string& error) {
    for (const NumberField& entry : kNumberFields) {
        if (name == entry.name) {
            setting.field = entry.field;
            parseNumberIn(name, value, entry.range, setting.number, error);
            return true;
        }
    }
    return false;
}

void parseWholeNumber(const std::string& name, const std::string& value, std::uint32_t max,
                      std::uint32_t& count, std::string& error) {
    std::uint64_t parsed = 0;
    if (parseCount(value, max, parsed)) {
        count = static_cast<std::uint32_t>(parsed);
    } else {
        error = name + " needs a whole number from 0 to " + std::to_string(max) + ", not '" + value + "'";
    }
}

/// The fields that are not plain numbers; false for a name no field has.
bool parseOtherField(const std::string& name, const std::string& value, SimSetting& setting,
                     std::string& error) {
    if (name == "mode") {
        setting.field = Field::Mode;
        parseChoice(name, value, kModes, setting.mode, error);
    } else if (name == "derivative-on") {
        setting.field = Field::DerivativeOn;
        parseChoice(name, value, kDerivativeSources, setting.onMeasurement, error);
    } else if (name == "anti-windup") {
        setting.field = Field::AntiWindup;
        parseChoice(name, value, kAntiWindupNames, setting.antiWindup, error);
    } else if (name == "sim-step-ms") {
        setting.field = Field::SimStepMs;
        parseWholeNumber(name, value, std::numeric_limits<std::uint32_t>::max(), setting.count, error);
    } else if (name == "lags") {
        setting.field = Field::Lags;
        parseWholeNumber(name, value, SettingRange::kMaxLagCount, setting.count, error);
    } else if (name == "formula") {
        setting.field = Field::Formula;
        setting.text = value;
    } else {
        return false;
    }
    return true;
}

/// The dynamics' and the controller options' fields.
void applyOption(CSimulation& simulation, const SimSetting& setting) {
    PlantDynamicsSettings& dynamics = simulation.m_dynamicsSettings;
    PidOptions& options = simulation.m_pidOptions;
    switch (setting.field) {
    case Field::Disturbance:
        dynamics.disturbance = setting.number;
        break;
    case Field::DeadTime:
        dynamics.deadTimeS = setting.number;
        break;
    case Field::Lags:
        dynamics.lagCount = static_cast<int>(setting.count);
        break;
    case Field::LagTau:
        dynamics.lagTauS = setting.number;
        break;
    case Field::SetPointWeight:
        options.setPointWeight = setting.number;
        break;
    case Field::DerivativeOn:
        options.derivativeOnMeasurement = setting.onMeasurement;
        break;
    case Field::DerivativeFilter:
        options.derivativeFilterS = setting.number;
        break;
    case Field::AntiWindup:
        options.antiWindup = setting.antiWindup;
        break;
    case Field::TrackingTime:
        options.trackingTimeS = setting.number;
        break;
    default:
        break;
    }
}

} // namespace

SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error) {
    error.clear();
    if (!parseNumberField(name, value, setting, error) && !parseOtherField(name, value, setting, error)) {
        return SettingParse::UnknownName;
    }
    return error.empty() ? SettingParse::Ok : SettingParse::BadValue;
}

bool isSettingName(const std::string& name) {
    SimSetting ignored;
    std::string error;
    return parseSetting(name, std::string(), ignored, error) != SettingParse::UnknownName;
}

bool isSetupSetting(SimSetting::Field field) {
    switch (field) {
    case Field::Power:
    case Field::Kp:
    case Field::Ki:
    case Field::Kd:
    case Field::Mode:
    case Field::Reset:
        return false;
    default:
        return true;
    }
}

void applySetting(CSimulation& simulation, const SimSetting& setting) {
    switch (setting.field) {
    case Field::SetPoint:
        simulation.m_dSetPoint = setting.number;
        break;
    case Field::Power:
        simulation.m_dPower = setting.number;
        break;
    case Field::Kp:
        simulation.m_dKp = setting.number;
        break;
    case Field::Ki:
        simulation.SetKi(setting.number);
        break;
    case Field::Kd:
        simulation.m_dKd = setting.number;
        break;
    case Field::Mode:
        simulation.SetControlMode(setting.mode);
        break;
    case Field::SimStepMs:
        simulation.m_nSimStepMs = setting.count;
        break;
    case Field::Formula:
        simulation.m_strFormula = setting.text;
        break;
    case Field::Reset:
        simulation.ResetIntegral();
        break;
    default:
        applyOption(simulation, setting);
    }
}
