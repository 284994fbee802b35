#pragma once

#include "NumberRange.h"
#include "SettingValue.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CSimulation;
struct PidGains;
class CWindowState;

// A window's settings, each described once: its `.vrl` key, its command-line option (which is also its
// `--at` name), its kind and range, where it lives and what setting it also does. The file, the command
// line, the plant-and-controller dialog, the print header and the help read these rows; adding a
// setting is one row here, its use in the step and its translation.

/// What a setting is read from and written to: a simulation and, for a window, what the window keeps
/// besides its simulation. A headless run has no window state.
struct SettingTarget {
    CSimulation& simulation;
    CWindowState* window = nullptr;
};
/// What a setting is read from.
struct SettingSource {
    const CSimulation& simulation;
    const CWindowState* window = nullptr;

    SettingSource(const CSimulation& simulation, const CWindowState* window = nullptr)
        : simulation(simulation), window(window) {}
    SettingSource(const SettingTarget& target) : simulation(target.simulation), window(target.window) {}
};

enum class SettingKind {
    Number, ///< a double within the row's range
    Count,  ///< a whole number from 0 to the row's maxCount
    Flag,   ///< on or off; the command line names the two states by the row's choices
    Choice, ///< one of the row's choices, by name
    Text,
    /// a whole number from 0 to 2^64 - 1, carried as its decimal digits in `text`: a double holds
    /// exactly only those up to 2^53
    Seed,
};

/// Where a setting belongs: the help's sections and the plant-and-controller dialog's groups.
enum class SettingGroup {
    Window,     ///< a window's own: its "Real" period and the series it shows
    Controller, ///< the mode, the gains and the manual power
    SetPoint,   ///< the set point, which headless tuning and sweeps also take
    Plant,      ///< the formula and the simulated step
    Dynamics,   ///< between the power and the formula's t
    Options,    ///< the controller's options
    Sensor,     ///< between the point and the controller, and the actuator after it
};

/// One value of a Choice or Flag setting: the name the file and the command line give it, its value
/// and the words the interface shows (translated in context "Setting").
struct SettingChoice {
    const char* name;
    int value;
    const char* label;
};

struct SettingRow {
    const char* fileKey; ///< the key of a window's `.vrl` object; nullptr for the command line's own
    const char* option;  ///< the command-line option without "--", also the `--at` name; nullptr for none
    SettingKind kind;
    SettingGroup group;
    NumberRange range;
    std::uint32_t maxCount;
    const SettingChoice* choices;
    std::size_t choiceCount;
    const char* valueName; ///< what the help calls the value ("S", "N", "measurement|error")
    const char* help;      ///< what the help says of it, lines after the first indented by the reader
    /// The setting's name in the interface (context "Setting"), as the plant-and-controller dialog's
    /// fields and the printed setup show it; nullptr for none.
    const char* label;
    const char* toolTip; ///< the dialog's explanation (context "Setting")
    SettingValue (*read)(const SettingSource& source);
    /// Sets the value and does what setting it also does (a new Ki clears the integral, PID and on/off
    /// exclude each other). Only applySetting calls it.
    void (*write)(SettingTarget& target, const SettingValue& value);
    /// Where a window's panel keeps a number (the set point and the power: their trackbars' travel),
    /// narrower than what the command line takes; Any when the panel keeps the row's range.
    NumberRange panelRange = NumberRange::Any;
    /// What an exercise that hides the plant does not show: the formula and the dynamics the power goes
    /// through before it (dead time, lags). The load disturbance is the student's to apply.
    bool plantModel = false;
    /// Part of a student's answer to an exercise (the control mode, the gains and the controller's
    /// options): what grading takes from the student's file; everything else is the exercise's.
    bool studentAnswer = false;

    /// Part of a simulation's setup (the set point, the plant and the controller's options): what a
    /// headless tuning or sweep takes from a window or the command line.
    bool isSetup() const {
        return group == SettingGroup::SetPoint || group == SettingGroup::Plant ||
               group == SettingGroup::Dynamics || group == SettingGroup::Options ||
               group == SettingGroup::Sensor;
    }
    bool isWindowOnly() const { return group == SettingGroup::Window; }
};

/// A setting and the value it is to take.
struct SettingChange {
    const SettingRow* row = nullptr;
    SettingValue value;
};

/// Every row, in the order a file's settings are applied.
const SettingRow* settingRowsBegin();
const SettingRow* settingRowsEnd();
struct SettingRows {
    const SettingRow* begin() const { return settingRowsBegin(); }
    const SettingRow* end() const { return settingRowsEnd(); }
};
inline SettingRows settingRows() {
    return {};
}

/// The row whose command-line option is `option` (without "--"), or nullptr.
const SettingRow* settingByOption(const std::string& option);
/// The row whose `.vrl` key is `key`, or nullptr.
const SettingRow* settingByFileKey(const std::string& key);

/// Every change of a setting from outside the panels (a file, a dialog, the command line, an event)
/// goes through here, so that what the setting also does is never forgotten.
void applySetting(SettingTarget& target, const SettingRow& row, const SettingValue& value);

/// Applies each change whose value differs from the setting's own; true when any did.
bool applyChanges(SettingTarget& target, const std::vector<SettingChange>& changes);
/// What the tuning dialog's "Aplicar" changes: the gains, and PID control on.
std::vector<SettingChange> pidGainChanges(const PidGains& gains);
/// A set-point step to `setPoint`.
SettingChange setPointChange(double setPoint);
/// A new plant formula.
SettingChange formulaChange(const std::string& formula);

/// The interface's word for the simulation's control mode ("Manual", "PID", "Lig/Des"; context
/// "Setting"), as the panels and the print header show it.
const char* controlModeLabel(const CSimulation& simulation);

/// What a `.vrl` file may hold for a number: what a window keeps, every value finite.
NumberRange fileRange(const SettingRow& row);

/// The choice of `row` named `name`, or nullptr.
const SettingChoice* choiceByName(const SettingRow& row, const std::string& name);
/// The choice of `row` whose value is `value`, or nullptr.
const SettingChoice* choiceByValue(const SettingRow& row, int value);
/// The names of `row`'s choices as a sentence: "a, b or c", each between `quote`s as a file writes
/// them ("\"a\", \"b\" or \"c\"") when one is given.
std::string choiceNames(const SettingRow& row, const char* quote = "");
/// The value of `row` in a window as the command line and the help write it ("0.5", "backcalc").
std::string settingValueText(const SettingRow& row, const SettingValue& value);
/// The values of the rows `keep` selects, each as settingValueText writes it, ended by a NUL: equal texts,
/// equal settings. What shows that a window's settings changed without a signal from every place that
/// changes them.
std::string settingsSnapshot(const SettingSource& source, bool (*keep)(const SettingRow& row));

/// The value of every row of `source`, in the table's order: a whole setup to keep and apply again.
SetupValues setupValues(const SettingSource& source);
/// The value of `row` in `values`.
const SettingValue& ValueOf(const SetupValues& values, const SettingRow& row);
/// Sets every setting of `target` to its value in `values`, through applySetting.
void ApplySetup(SettingTarget& target, const SetupValues& values);
