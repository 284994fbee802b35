#pragma once

#include "PidOptions.h"
#include "Simulation.h"

#include <cstdint>
#include <string>

/// One change of a simulation field, as the panels make it: the starting options and the --at events
/// of `vorlint-cli sim` are both lists of these.
struct SimSetting {
    enum class Field {
        SetPoint,
        Power,
        Kp,
        Ki,
        Kd,
        Mode,
        SimStepMs,
        Formula,
        Reset,
        Disturbance,
        DeadTime,
        Lags,
        LagTau,
        SetPointWeight,
        DerivativeOn,
        DerivativeFilter,
        AntiWindup,
        TrackingTime,
    };
    using Mode = CSimulation::ControlMode;

    Field field = Field::Reset;
    double number = 0.0;     // the fields that hold a number: stored exactly as given
    std::uint32_t count = 0; // SimStepMs, Lags
    Mode mode = Mode::Manual;
    bool onMeasurement = false; // DerivativeOn
    AntiWindup antiWindup = AntiWindup::None;
    std::string text; // Formula
};

enum class SettingParse { Ok, UnknownName, BadValue };

/// Reads NAME=VALUE (NAME one of setpoint, power, kp, ki, kd, mode, sim-step-ms, formula, disturbance,
/// dead-time, lags, lag-tau, setpoint-weight, derivative-on, derivative-filter, anti-windup,
/// tracking-time); on a bad value `error` says what was expected. Times and the set-point weight must
/// be finite and not negative, the tracking time above 0.
SettingParse parseSetting(const std::string& name, const std::string& value, SimSetting& setting,
                          std::string& error);
/// Whether `name` is one of the names parseSetting knows.
bool isSettingName(const std::string& name);
/// Whether the setting describes the plant or the controller's options rather than the gains, the
/// mode, the power or the integral: what a headless tuning or sweep copies from a window.
bool isSetupSetting(SimSetting::Field field);

/// Applies the change through the simulation's panel rules: a new Ki clears the integral, PID and
/// on/off exclude each other, and Reset clears the integral only.
void applySetting(CSimulation& simulation, const SimSetting& setting);
