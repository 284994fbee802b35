#pragma once

#include "Simulation.h"

#include <cstdint>
#include <string>

/// One change of a simulation field, as the panels make it: the starting options and the --at events
/// of `vorlint-cli sim` are both lists of these.
struct SimSetting {
    enum class Field { SetPoint, Power, Kp, Ki, Kd, Mode, SimStepMs, Formula, Reset };
    using Mode = CSimulation::ControlMode;

    Field field = Field::Reset;
    double number = 0.0;     // SetPoint, Power, Kp, Ki, Kd: stored exactly as given
    std::uint32_t count = 0; // SimStepMs
    Mode mode = Mode::Manual;
    std::string text; // Formula
};

enum class SettingParse { Ok, UnknownName, BadValue };

/// Reads NAME=VALUE (NAME one of setpoint, power, kp, ki, kd, mode, sim-step-ms, formula); on a bad
/// value `error` says what was expected.
SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error);
/// Whether `name` is one of the names parseSetting knows.
bool isSettingName(const std::string& name);

/// Applies the change through the simulation's panel rules: a new Ki clears the integral, PID and
/// on/off exclude each other, and Reset clears the integral only.
void applySetting(CSimulation& simulation, const SimSetting& setting);
