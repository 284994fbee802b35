#include "SettingsTable.h"

#include "RoundTripNumber.h"
#include "Simulation.h"
#include "TranslationMark.h"
#include "WholeNumberText.h"
#include "WindowState.h"

#include <iterator>
#include <limits>

namespace {

using Read = SettingValue (*)(const SettingSource&);
using Write = void (*)(SettingTarget&, const SettingValue&);

constexpr std::uint32_t kMaxMilliseconds = std::numeric_limits<std::uint32_t>::max();
// The sensor's options keep the measurement finite for every point the plant may reach: a larger σ, or a
// resolution so fine that point / q overflows, would hand the controller an infinite measurement.
constexpr NumberRange kNoiseRange = FiniteFromTo(0.0, 1e6);
constexpr NumberRange kQuantizationRange = OrZero(FiniteFromTo(1e-9, 1e6));

SettingValue Number(double value) {
    return {value, {}};
}

template <std::size_t N>
constexpr SettingRow ChoiceRow(const char* key, const char* option, SettingKind kind, SettingGroup group,
                               const SettingChoice (&choices)[N], const char* help, const char* label,
                               const char* toolTip, Read read, Write write) {
    return {key, option,  kind, group, NumberRange::Any, 0,    choices,
            N,   nullptr, help, label, toolTip,          read, write};
}

constexpr SettingRow NumberRow(const char* key, const char* option, SettingGroup group, NumberRange range,
                               const char* valueName, const char* help, const char* label,
                               const char* toolTip, Read read, Write write) {
    return {key,  option, SettingKind::Number, group, range, 0, nullptr, 0, valueName, help, label, toolTip,
            read, write};
}

constexpr SettingRow CountRow(const char* key, const char* option, SettingGroup group, std::uint32_t max,
                              const char* help, const char* label, const char* toolTip, Read read,
                              Write write) {
    return {key,
            option,
            SettingKind::Count,
            group,
            NumberRange::NotNegative,
            max,
            nullptr,
            0,
            "N",
            help,
            label,
            toolTip,
            read,
            write};
}

/// `row` kept by a window's panel within `range`, narrower than what the command line takes.
constexpr SettingRow WithPanelRange(SettingRow row, NumberRange range) {
    row.panelRange = range;
    return row;
}

constexpr SettingChoice kModes[] = {
    {"manual", static_cast<int>(CSimulation::ControlMode::Manual), QT_TRANSLATE_NOOP("Setting", "Manual")},
    {"pid", static_cast<int>(CSimulation::ControlMode::Pid), "PID"},
    {"onoff", static_cast<int>(CSimulation::ControlMode::OnOff), QT_TRANSLATE_NOOP("Setting", "Lig/Des")}};
constexpr SettingChoice kDerivativeSources[] = {{"measurement", 1, QT_TRANSLATE_NOOP("Setting", "medição")},
                                                {"error", 0, QT_TRANSLATE_NOOP("Setting", "erro")}};
constexpr SettingChoice kOnOff[] = {{"on", 1, QT_TRANSLATE_NOOP("Setting", "sim")},
                                    {"off", 0, QT_TRANSLATE_NOOP("Setting", "não")}};
constexpr SettingChoice kAntiWindups[] = {
    {"none", static_cast<int>(AntiWindup::None), QT_TRANSLATE_NOOP("Setting", "Nenhum")},
    {"conditional", static_cast<int>(AntiWindup::Conditional), QT_TRANSLATE_NOOP("Setting", "Condicional")},
    {"backcalc", static_cast<int>(AntiWindup::BackCalculation),
     QT_TRANSLATE_NOOP("Setting", "Retrocálculo")}};

CSimulation& Sim(SettingTarget& target) {
    return target.simulation;
}
const CSimulation& Sim(const SettingSource& source) {
    return source.simulation;
}

/// A window's own settings are not there in a headless run: reading gives the default, writing nothing.
template <typename T> SettingValue ReadWindow(const SettingSource& source, T CWindowState::*member) {
    static const CWindowState defaults;
    const CWindowState& window = source.window != nullptr ? *source.window : defaults;
    return Number(static_cast<double>(window.*member));
}
template <typename T> void WriteWindow(SettingTarget& target, T CWindowState::*member, double value) {
    if (target.window != nullptr)
        target.window->*member = static_cast<T>(value);
}

/// `row` as part of the plant's model (SettingRow::plantModel).
constexpr SettingRow PlantModel(SettingRow row) {
    row.plantModel = true;
    return row;
}

/// `row` as part of a student's answer (SettingRow::studentAnswer).
constexpr SettingRow StudentAnswer(SettingRow row) {
    row.studentAnswer = true;
    return row;
}

/// A series switch of a window's chart: saved in the file, no option.
template <bool CWindowState::*Shown> constexpr SettingRow SeriesRow(const char* key) {
    return {
        key,
        nullptr,
        SettingKind::Flag,
        SettingGroup::Window,
        NumberRange::Any,
        0,
        kOnOff,
        std::size(kOnOff),
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        [](const SettingSource& source) { return ReadWindow(source, Shown); },
        [](SettingTarget& target, const SettingValue& value) { WriteWindow(target, Shown, value.number); }};
}

const SettingRow kRows[] = {
    PlantModel(
        {"formula", "formula", SettingKind::Text, SettingGroup::Plant, NumberRange::Any, 0, nullptr, 0,
         "TEXT", "plant formula in p, t and dt", nullptr, nullptr,
         [](const SettingSource& source) {
             return SettingValue{0.0, Sim(source).m_strFormula};
         },
         [](SettingTarget& target, const SettingValue& value) { Sim(target).m_strFormula = value.text; }}),
    CountRow(
        "simStepMs", "sim-step-ms", SettingGroup::Plant, kMaxMilliseconds, "simulated step in milliseconds",
        QT_TRANSLATE_NOOP("Setting", "Simulado (ms):"), nullptr,
        [](const SettingSource& source) { return Number(Sim(source).m_nSimStepMs); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_nSimStepMs = static_cast<std::uint32_t>(value.number);
        }),
    WithPanelRange(
        NumberRow(
            "setPoint", "setpoint", SettingGroup::SetPoint, NumberRange::Any, "X", "set point",
            QT_TRANSLATE_NOOP("Setting", "Set point:"), nullptr,
            [](const SettingSource& source) { return Number(Sim(source).m_dSetPoint); },
            [](SettingTarget& target, const SettingValue& value) { Sim(target).m_dSetPoint = value.number; }),
        NumberRange::SetPointScale),
    // On/off before PID: a file that switches both on gets PID, as the step would run it.
    StudentAnswer(ChoiceRow(
        "onOff", nullptr, SettingKind::Flag, SettingGroup::Controller, kOnOff, nullptr, nullptr, nullptr,
        [](const SettingSource& source) { return Number(Sim(source).m_bOnOff); },
        [](SettingTarget& target, const SettingValue& value) { Sim(target).SetOnOff(value.number != 0.0); })),
    StudentAnswer(ChoiceRow(
        "pid", nullptr, SettingKind::Flag, SettingGroup::Controller, kOnOff, nullptr, nullptr, nullptr,
        [](const SettingSource& source) { return Number(Sim(source).m_bPid); },
        [](SettingTarget& target, const SettingValue& value) { Sim(target).SetPid(value.number != 0.0); })),
    StudentAnswer(ChoiceRow(
        nullptr, "mode", SettingKind::Choice, SettingGroup::Controller, kModes, "control mode", nullptr,
        nullptr, [](const SettingSource& source) { return Number(static_cast<int>(Sim(source).Mode())); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).SetControlMode(static_cast<CSimulation::ControlMode>(static_cast<int>(value.number)));
        })),
    StudentAnswer(NumberRow(
        "kp", "kp", SettingGroup::Controller, NumberRange::Finite, "X", "proportional gain, Kp = Kc", nullptr,
        nullptr, [](const SettingSource& source) { return Number(Sim(source).m_dKp); },
        [](SettingTarget& target, const SettingValue& value) { Sim(target).m_dKp = value.number; })),
    // A new Ki clears the integral: what it accumulated under the old divisor would make the term jump.
    StudentAnswer(NumberRow(
        "ki", "ki", SettingGroup::Controller, NumberRange::Finite, "X",
        "integral divisor: the integral term is the error's integral over\nKi (0: none), so Ki = Ti / Kc",
        nullptr, nullptr, [](const SettingSource& source) { return Number(Sim(source).m_dKi); },
        [](SettingTarget& target, const SettingValue& value) { Sim(target).SetKi(value.number); })),
    StudentAnswer(NumberRow(
        "kd", "kd", SettingGroup::Controller, NumberRange::Finite, "X", "derivative gain, Kd = Kc * Td",
        nullptr, nullptr, [](const SettingSource& source) { return Number(Sim(source).m_dKd); },
        [](SettingTarget& target, const SettingValue& value) { Sim(target).m_dKd = value.number; })),
    WithPanelRange(
        NumberRow(
            "power", "power", SettingGroup::Controller, NumberRange::Any, "X", "manual power",
            QT_TRANSLATE_NOOP("Setting", "Potência manual (%):"), nullptr,
            [](const SettingSource& source) { return Number(Sim(source).m_dPower); },
            [](SettingTarget& target, const SettingValue& value) { Sim(target).m_dPower = value.number; }),
        NumberRange::Percent),

    CountRow(
        "realStepMs", nullptr, SettingGroup::Window, kMaxMilliseconds, nullptr,
        QT_TRANSLATE_NOOP("Setting", "Real (ms):"), nullptr,
        [](const SettingSource& source) { return ReadWindow(source, &CWindowState::m_nRealStepMs); },
        [](SettingTarget& target, const SettingValue& value) {
            WriteWindow(target, &CWindowState::m_nRealStepMs, value.number);
        }),
    SeriesRow<&CWindowState::m_bShowError>("showError"),
    SeriesRow<&CWindowState::m_bShowProportional>("showProportional"),
    SeriesRow<&CWindowState::m_bShowIntegral>("showIntegral"),
    SeriesRow<&CWindowState::m_bShowDerivative>("showDerivative"),
    SeriesRow<&CWindowState::m_bShowPower>("showPower"),

    NumberRow(
        "disturbance", "disturbance", SettingGroup::Dynamics, NumberRange::Any, "X",
        "load disturbance added to u, in power units",
        QT_TRANSLATE_NOOP("Setting", "Perturbação de carga d:"),
        QT_TRANSLATE_NOOP("Setting", "Somada à potência do controlador antes da planta (v = u + d), em "
                                     "unidades de potência."),
        [](const SettingSource& source) { return Number(Sim(source).m_dynamicsSettings.disturbance); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_dynamicsSettings.disturbance = value.number;
        }),
    PlantModel(NumberRow(
        "deadTimeS", "dead-time", SettingGroup::Dynamics, NumberRange::NotNegative, "S",
        "dead time in simulated seconds, round(S / dt) steps",
        QT_TRANSLATE_NOOP("Setting", "Tempo morto θ (s):"),
        QT_TRANSLATE_NOOP("Setting", "A fórmula recebe a potência de θ segundos simulados antes "
                                     "(arredondado a passos); 0 = sem tempo morto."),
        [](const SettingSource& source) { return Number(Sim(source).m_dynamicsSettings.deadTimeS); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_dynamicsSettings.deadTimeS = value.number;
        })),
    PlantModel(CountRow(
        "lagCount", "lags", SettingGroup::Dynamics, PlantDynamicsSettings::kMaxLags,
        "first-order lags in a row, 0 to 5", QT_TRANSLATE_NOOP("Setting", "Atrasos de 1ª ordem N (0 a 5):"),
        QT_TRANSLATE_NOOP(
            "Setting", "Quantos atrasos de primeira ordem iguais a potência atravessa, um depois do outro."),
        [](const SettingSource& source) { return Number(Sim(source).m_dynamicsSettings.lagCount); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_dynamicsSettings.lagCount = static_cast<int>(value.number);
        })),
    PlantModel(NumberRow(
        "lagTauS", "lag-tau", SettingGroup::Dynamics, NumberRange::NotNegative, "S",
        "time constant of each lag in simulated seconds",
        QT_TRANSLATE_NOOP("Setting", "Constante de tempo τ (s):"),
        QT_TRANSLATE_NOOP("Setting", "A constante de tempo de cada atraso, em segundos simulados."),
        [](const SettingSource& source) { return Number(Sim(source).m_dynamicsSettings.lagTauS); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_dynamicsSettings.lagTauS = value.number;
        })),

    StudentAnswer(NumberRow(
        "setPointWeight", "setpoint-weight", SettingGroup::Options, NumberRange::NotNegative, "B",
        "proportional term (B * setpoint - point) * Kp", QT_TRANSLATE_NOOP("Setting", "Peso do set point b:"),
        QT_TRANSLATE_NOOP("Setting", "O termo proporcional é (b·set point − point)·Kp; com b abaixo de 1 o "
                                     "degrau do set point é respondido com mais calma. 1 = o controlador de "
                                     "sempre."),
        [](const SettingSource& source) { return Number(Sim(source).m_pidOptions.setPointWeight); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_pidOptions.setPointWeight = value.number;
        })),
    StudentAnswer(ChoiceRow(
        "derivativeOnMeasurement", "derivative-on", SettingKind::Flag, SettingGroup::Options,
        kDerivativeSources, "slope of the point (no kick at a set-point step) or of the error",
        QT_TRANSLATE_NOOP("Setting", "Derivada sobre a medição"),
        QT_TRANSLATE_NOOP("Setting", "Deriva o point em vez do erro: sem o pico da derivada quando o set "
                                     "point muda."),
        [](const SettingSource& source) { return Number(Sim(source).m_pidOptions.derivativeOnMeasurement); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_pidOptions.derivativeOnMeasurement = value.number != 0.0;
        })),
    StudentAnswer(NumberRow(
        "derivativeFilterS", "derivative-filter", SettingGroup::Options, NumberRange::NotNegative, "S",
        "time constant Tf of the derivative's filter; 0 is off",
        QT_TRANSLATE_NOOP("Setting", "Filtro da derivada Tf (s):"),
        QT_TRANSLATE_NOOP("Setting", "Constante de tempo do filtro de primeira ordem do termo derivativo; "
                                     "0 = sem filtro."),
        [](const SettingSource& source) { return Number(Sim(source).m_pidOptions.derivativeFilterS); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_pidOptions.derivativeFilterS = value.number;
        })),
    StudentAnswer(ChoiceRow(
        "antiWindup", "anti-windup", SettingKind::Choice, SettingGroup::Options, kAntiWindups,
        "hold the integral while it winds into the clamp, or track the clamped\noutput back into it",
        QT_TRANSLATE_NOOP("Setting", "Anti-windup:"),
        QT_TRANSLATE_NOOP("Setting", "Condicional: a integral para enquanto a saída está saturada e ela "
                                     "empurraria mais. Retrocálculo: a integral volta por Ki·(u − uRaw)·"
                                     "(1 − e^(−dt/Tt)) depois da saturação."),
        [](const SettingSource& source) {
            return Number(static_cast<int>(Sim(source).m_pidOptions.antiWindup));
        },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_pidOptions.antiWindup = static_cast<AntiWindup>(static_cast<int>(value.number));
        })),
    StudentAnswer(NumberRow(
        "trackingTimeS", "tracking-time", SettingGroup::Options, NumberRange::Positive, "S",
        "Tt of backcalc, above 0; each step the integral term gives\nback 1 - exp(-dt / Tt) of the clamped "
        "excess",
        QT_TRANSLATE_NOOP("Setting", "Tempo de rastreamento Tt (s):"),
        QT_TRANSLATE_NOOP("Setting", "O Tt do retrocálculo, em segundos simulados, acima de 0."),
        [](const SettingSource& source) { return Number(Sim(source).m_pidOptions.trackingTimeS); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_pidOptions.trackingTimeS = value.number;
        })),

    NumberRow(
        "noiseStd", "noise", SettingGroup::Sensor, kNoiseRange, "X",
        "standard deviation of the measurement noise, in point units, 0 to 1e6;\n0 is off",
        QT_TRANSLATE_NOOP("Setting", "Ruído da medição σ:"),
        QT_TRANSLATE_NOOP("Setting", "Desvio-padrão do ruído gaussiano somado ao point que o controlador "
                                     "lê, em unidades do point; 0 = sem ruído."),
        [](const SettingSource& source) { return Number(Sim(source).m_sensorActuatorSettings.noiseStd); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_sensorActuatorSettings.noiseStd = value.number;
        }),
    // A new seed starts the noise again from it, so a run can repeat a stretch of noise.
    {"noiseSeed", "noise-seed", SettingKind::Seed, SettingGroup::Sensor, NumberRange::NotNegative, 0, nullptr,
     0, "N", "seed of the noise, 0 to 18446744073709551615; setting it starts\nthe noise again",
     QT_TRANSLATE_NOOP("Setting", "Semente do ruído:"),
     QT_TRANSLATE_NOOP("Setting", "A mesma semente dá o mesmo ruído; mudá-la recomeça a sequência. De 0 a "
                                  "18446744073709551615."),
     [](const SettingSource& source) {
         return SettingValue{0.0, std::to_string(Sim(source).m_sensorActuatorSettings.noiseSeed)};
     },
     [](SettingTarget& target, const SettingValue& value) {
         // Every reader of a seed checked its digits already.
         std::uint64_t seed = 0;
         if (parseCount(value.text, std::numeric_limits<std::uint64_t>::max(), seed))
             Sim(target).SetNoiseSeed(seed);
     }},
    NumberRow(
        "quantization", "quantization", SettingGroup::Sensor, kQuantizationRange, "Q",
        "resolution of the sensor: the measurement is rounded to a multiple\nof Q, 1e-9 to 1e6; 0 is off",
        QT_TRANSLATE_NOOP("Setting", "Quantização q:"),
        QT_TRANSLATE_NOOP("Setting", "A medição é arredondada ao múltiplo de q mais próximo, em unidades do "
                                     "point; 0 = sem quantização."),
        [](const SettingSource& source) { return Number(Sim(source).m_sensorActuatorSettings.quantization); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_sensorActuatorSettings.quantization = value.number;
        }),
    NumberRow(
        "rateLimit", "rate-limit", SettingGroup::Sensor, NumberRange::NotNegative, "R",
        "fastest change of the power under PID and on/off, in power units\nper simulated second; 0 is off",
        QT_TRANSLATE_NOOP("Setting", "Limite de taxa do atuador R (/s):"),
        QT_TRANSLATE_NOOP("Setting", "Quanto a potência pode mudar por segundo simulado sob PID e Lig/Des; "
                                     "0 = sem limite."),
        [](const SettingSource& source) { return Number(Sim(source).m_sensorActuatorSettings.rateLimit); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_sensorActuatorSettings.rateLimit = value.number;
        }),
    StudentAnswer(ChoiceRow(
        "bumpless", "bumpless", SettingKind::Flag, SettingGroup::Sensor, kOnOff,
        "a switch to PID continues from the power in use",
        QT_TRANSLATE_NOOP("Setting", "Transferência sem solavanco"),
        QT_TRANSLATE_NOOP("Setting", "Ao passar de Manual ou Lig/Des para PID, a integral é ajustada para "
                                     "que a saída continue da potência em uso."),
        [](const SettingSource& source) { return Number(Sim(source).m_sensorActuatorSettings.bumpless); },
        [](SettingTarget& target, const SettingValue& value) {
            Sim(target).m_sensorActuatorSettings.bumpless = value.number != 0.0;
        })),
};

} // namespace

const SettingRow* settingRowsBegin() {
    return std::begin(kRows);
}
const SettingRow* settingRowsEnd() {
    return std::end(kRows);
}

const SettingRow* settingByOption(const std::string& option) {
    for (const SettingRow& row : kRows) {
        if (row.option != nullptr && option == row.option)
            return &row;
    }
    return nullptr;
}

const SettingRow* settingByFileKey(const std::string& key) {
    for (const SettingRow& row : kRows) {
        if (row.fileKey != nullptr && key == row.fileKey)
            return &row;
    }
    return nullptr;
}

void applySetting(SettingTarget& target, const SettingRow& row, const SettingValue& value) {
    row.write(target, value);
}

bool applyChanges(SettingTarget& target, const std::vector<SettingChange>& changes) {
    bool changed = false;
    for (const SettingChange& change : changes) {
        const SettingValue now = change.row->read(target);
        if (now.number == change.value.number && now.text == change.value.text)
            continue;
        applySetting(target, *change.row, change.value);
        changed = true;
    }
    return changed;
}

std::vector<SettingChange> pidGainChanges(const PidGains& gains) {
    return {{settingByOption("kp"), Number(gains.kp)},
            {settingByOption("ki"), Number(gains.ki)},
            {settingByOption("kd"), Number(gains.kd)},
            {settingByOption("mode"), Number(static_cast<int>(CSimulation::ControlMode::Pid))}};
}

SettingChange formulaChange(const std::string& formula) {
    return {settingByOption("formula"), {0.0, formula}};
}

const char* controlModeLabel(const CSimulation& simulation) {
    return choiceByValue(*settingByOption("mode"), static_cast<int>(simulation.Mode()))->label;
}

SettingChange setPointChange(double setPoint) {
    return {settingByOption("setpoint"), Number(setPoint)};
}

NumberRange fileRange(const SettingRow& row) {
    if (row.panelRange != NumberRange::Any)
        return row.panelRange;
    return row.range == NumberRange::Any ? NumberRange::Finite : row.range;
}

const SettingChoice* choiceByName(const SettingRow& row, const std::string& name) {
    for (std::size_t i = 0; i < row.choiceCount; ++i) {
        if (name == row.choices[i].name)
            return &row.choices[i];
    }
    return nullptr;
}

const SettingChoice* choiceByValue(const SettingRow& row, int value) {
    for (std::size_t i = 0; i < row.choiceCount; ++i) {
        if (row.choices[i].value == value)
            return &row.choices[i];
    }
    return nullptr;
}

std::string choiceNames(const SettingRow& row, const char* quote) {
    std::string names;
    for (std::size_t i = 0; i < row.choiceCount; ++i) {
        names += i == 0 ? "" : i + 1 == row.choiceCount ? " or " : ", ";
        names += quote + std::string(row.choices[i].name) + quote;
    }
    return names;
}

std::string settingValueText(const SettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Text:
    case SettingKind::Seed:
        return value.text;
    case SettingKind::Flag:
    case SettingKind::Choice: {
        const SettingChoice* choice = choiceByValue(row, static_cast<int>(value.number));
        return choice != nullptr ? choice->name : std::string();
    }
    default:
        return numberText(value.number);
    }
}

std::string settingsSnapshot(const SettingSource& source, bool (*keep)(const SettingRow& row)) {
    std::string snapshot;
    for (const SettingRow& row : settingRows()) {
        if (keep(row)) {
            snapshot += settingValueText(row, row.read(source));
            snapshot += '\0';
        }
    }
    return snapshot;
}

SetupValues setupValues(const SettingSource& source) {
    SetupValues values;
    for (const SettingRow& row : settingRows())
        values.push_back(row.read(source));
    return values;
}

const SettingValue& ValueOf(const SetupValues& values, const SettingRow& row) {
    return values[static_cast<std::size_t>(&row - settingRowsBegin())];
}

void ApplySetup(SettingTarget& target, const SetupValues& values) {
    for (const SettingRow& row : settingRows())
        applySetting(target, row, ValueOf(values, row));
}
