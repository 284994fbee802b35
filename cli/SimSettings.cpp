#include "SimSettings.h"

#include "NumberText.h"

#include <limits>

namespace {

using Field = SimSetting::Field;
using Mode = SimSetting::Mode;

struct NamedField {
    const char* name;
    Field field;
};

constexpr NamedField kNumberFields[] = {
    {"setpoint", Field::SetPoint},
    {"power", Field::Power},
    {"kp", Field::Kp},
    {"ki", Field::Ki},
    {"kd", Field::Kd},
};

bool parseMode(const std::string& value, Mode& mode) {
    if (value == "manual") {
        mode = Mode::Manual;
    } else if (value == "pid") {
        mode = Mode::Pid;
    } else if (value == "onoff") {
        mode = Mode::OnOff;
    } else {
        return false;
    }
    return true;
}

bool parseNumberField(const std::string& name, const std::string& value, SimSetting& setting,
                      std::string& error) {
    for (const NamedField& entry : kNumberFields) {
        if (name == entry.name) {
            setting.field = entry.field;
            if (!parseNumber(value, setting.number)) {
                error = name + " needs a number, not '" + value + "'";
            }
            return true;
        }
    }
    return false;
}

} // namespace

SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error) {
    error.clear();
    if (parseNumberField(name, value, setting, error)) {
        return error.empty() ? SettingParse::Ok : SettingParse::BadValue;
    }
    if (name == "mode") {
        setting.field = Field::Mode;
        if (!parseMode(value, setting.mode)) {
            error = "mode must be manual, pid or onoff, not '" + value + "'";
        }
    } else if (name == "sim-step-ms") {
        setting.field = Field::SimStepMs;
        std::uint64_t count = 0;
        if (parseCount(value, std::numeric_limits<std::uint32_t>::max(), count)) {
            setting.count = static_cast<std::uint32_t>(count);
        } else {
            error = "sim-step-ms needs a whole number from 0 to 4294967295, not '" + value + "'";
        }
    } else if (name == "formula") {
        setting.field = Field::Formula;
        setting.text = value;
    } else {
        return SettingParse::UnknownName;
    }
    return error.empty() ? SettingParse::Ok : SettingParse::BadValue;
}

bool isSettingName(const std::string& name) {
    SimSetting ignored;
    std::string error;
    return parseSetting(name, std::string(), ignored, error) != SettingParse::UnknownName;
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
    }
}
