#include "WindowSettingsJson.h"

#include "SettingRanges.h"
#include "VorlintView.h"

#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

namespace {

using View = CVorlintView;
/// Where a setting lives in a window, as a reference of its kind.
template <typename T> using Access = T& (*)(View& view);
/// The kinds of setting a `.vrl` file holds. A new kind is an alternative here and its ToJson,
/// Mismatch and FromJson below.
using FieldAccess = std::variant<Access<bool>, Access<double>, Access<std::uint32_t>, Access<std::string>,
                                 Access<int>, Access<AntiWindup>>;

/// One key of a window's object and the member it stands for. A number must lie within `range`;
/// a whole number of the int kind (the lag count) from 0 to SettingRange::kMaxLagCount.
struct WindowSetting {
    const char* key;
    FieldAccess field;
    NumberRange range = NumberRange::Finite;
};

PlantDynamicsSettings& Dynamics(View& v) {
    return v.m_dynamicsSettings;
}
PidOptions& Options(View& v) {
    return v.m_pidOptions;
}

const WindowSetting kWindowSettings[] = {
    {"formula", [](View& v) -> std::string& { return v.m_strFormula; }},
    {"pid", [](View& v) -> bool& { return v.m_bPid; }},
    {"onOff", [](View& v) -> bool& { return v.m_bOnOff; }},
    {"kp", [](View& v) -> double& { return v.m_dKp; }},
    {"ki", [](View& v) -> double& { return v.m_dKi; }},
    {"kd", [](View& v) -> double& { return v.m_dKd; }},
    {"setPoint", [](View& v) -> double& { return v.m_dSetPoint; }},
    {"power", [](View& v) -> double& { return v.m_dPower; }},
    {"simStepMs", [](View& v) -> std::uint32_t& { return v.m_nSimStepMs; }},
    {"realStepMs", [](View& v) -> std::uint32_t& { return v.m_nRealStepMs; }},
    {"showError", [](View& v) -> bool& { return v.m_bShowError; }},
    {"showProportional", [](View& v) -> bool& { return v.m_bShowProportional; }},
    {"showIntegral", [](View& v) -> bool& { return v.m_bShowIntegral; }},
    {"showDerivative", [](View& v) -> bool& { return v.m_bShowDerivative; }},
    {"showPower", [](View& v) -> bool& { return v.m_bShowPower; }},
    {"disturbance", [](View& v) -> double& { return Dynamics(v).disturbance; }, SettingRange::kDisturbance},
    {"deadTimeS", [](View& v) -> double& { return Dynamics(v).deadTimeS; }, SettingRange::kDeadTime},
    {"lagCount", [](View& v) -> int& { return Dynamics(v).lagCount; }},
    {"lagTauS", [](View& v) -> double& { return Dynamics(v).lagTauS; }, SettingRange::kLagTau},
    {"setPointWeight", [](View& v) -> double& { return Options(v).setPointWeight; },
     SettingRange::kSetPointWeight},
    {"derivativeOnMeasurement", [](View& v) -> bool& { return Options(v).derivativeOnMeasurement; }},
    {"derivativeFilterS", [](View& v) -> double& { return Options(v).derivativeFilterS; },
     SettingRange::kDerivativeFilter},
    {"antiWindup", [](View& v) -> AntiWindup& { return Options(v).antiWindup; }},
    {"trackingTimeS", [](View& v) -> double& { return Options(v).trackingTimeS; },
     SettingRange::kTrackingTime},
};

/// The name the file gives an anti-windup choice, or nullptr for a name no choice has.
const AntiWindupName* AntiWindupByName(const QString& name) {
    for (const AntiWindupName& entry : kAntiWindupNames) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

// Each kind: its JSON value, what a value must be to fit it (empty when it fits), and the reading.

QJsonValue ToJson(bool field) {
    return field;
}
QJsonValue ToJson(double field) {
    return field;
}
QJsonValue ToJson(std::uint32_t field) {
    return static_cast<qint64>(field);
}
QJsonValue ToJson(const std::string& field) {
    return QString::fromStdString(field);
}
QJsonValue ToJson(int field) {
    return field;
}
QJsonValue ToJson(AntiWindup field) {
    for (const AntiWindupName& entry : kAntiWindupNames) {
        if (entry.value == field)
            return QLatin1String(entry.name);
    }
    return QJsonValue();
}

bool IsWholeNumberUpTo(const QJsonValue& value, double max) {
    const double number = value.toDouble(-1.0);
    return value.isDouble() && number >= 0.0 && number <= max && number == std::floor(number);
}

std::string Mismatch(const QJsonValue& value, Access<bool>, NumberRange) {
    return value.isBool() ? std::string() : "expected true or false";
}
std::string Mismatch(const QJsonValue& value, Access<double>, NumberRange range) {
    // Every number of the file is finite, whatever its range.
    const NumberRange finite = range == NumberRange::Any ? NumberRange::Finite : range;
    return value.isDouble() && isInRange(value.toDouble(), finite)
               ? std::string()
               : std::string("expected ") + rangeText(finite);
}
std::string Mismatch(const QJsonValue& value, Access<std::uint32_t>, NumberRange) {
    return IsWholeNumberUpTo(value, std::numeric_limits<std::uint32_t>::max())
               ? std::string()
               : "expected a whole number from 0 to 4294967295";
}
std::string Mismatch(const QJsonValue& value, Access<std::string>, NumberRange) {
    return value.isString() ? std::string() : "expected a text";
}
std::string Mismatch(const QJsonValue& value, Access<int>, NumberRange) {
    return IsWholeNumberUpTo(value, SettingRange::kMaxLagCount)
               ? std::string()
               : "expected a whole number from 0 to " + std::to_string(SettingRange::kMaxLagCount);
}
std::string Mismatch(const QJsonValue& value, Access<AntiWindup>, NumberRange) {
    if (AntiWindupByName(value.toString()) != nullptr)
        return std::string();
    std::string expected = "expected";
    const std::size_t count = std::size(kAntiWindupNames);
    for (std::size_t i = 0; i < count; ++i) {
        expected += i == 0 ? " \"" : i + 1 == count ? "\" or \"" : "\", \"";
        expected += kAntiWindupNames[i].name;
    }
    return expected + '"';
}

void FromJson(const QJsonValue& value, bool& field) {
    field = value.toBool();
}
void FromJson(const QJsonValue& value, double& field) {
    field = value.toDouble();
}
void FromJson(const QJsonValue& value, std::uint32_t& field) {
    field = static_cast<std::uint32_t>(value.toDouble());
}
void FromJson(const QJsonValue& value, std::string& field) {
    field = value.toString().toStdString();
}
void FromJson(const QJsonValue& value, int& field) {
    field = static_cast<int>(value.toDouble());
}
void FromJson(const QJsonValue& value, AntiWindup& field) {
    field = AntiWindupByName(value.toString())->value;
}

} // namespace

QJsonObject WindowSettingsToJson(CVorlintView& view, const QJsonObject& unknownKeys) {
    QJsonObject object = unknownKeys;
    for (const WindowSetting& setting : kWindowSettings)
        object.insert(QLatin1String(setting.key),
                      std::visit([&](auto access) { return ToJson(access(view)); }, setting.field));
    return object;
}

bool CheckWindowSettings(const QJsonObject& object, QString& problem) {
    for (const WindowSetting& setting : kWindowSettings) {
        const auto found = object.constFind(QLatin1String(setting.key));
        if (found == object.constEnd())
            continue;
        const QJsonValue value = found.value();
        const std::string what =
            std::visit([&](auto access) { return Mismatch(value, access, setting.range); }, setting.field);
        if (!what.empty()) {
            problem = QStringLiteral("%1: %2").arg(QLatin1String(setting.key), QString::fromStdString(what));
            return false;
        }
    }
    return true;
}

QJsonObject ApplyWindowSettings(const QJsonObject& object, CVorlintView& view) {
    QJsonObject unknownKeys = object;
    for (const WindowSetting& setting : kWindowSettings) {
        const auto found = object.constFind(QLatin1String(setting.key));
        if (found == object.constEnd())
            continue;
        std::visit([&](auto access) { FromJson(found.value(), access(view)); }, setting.field);
        unknownKeys.remove(QLatin1String(setting.key));
    }
    // A file may switch both controllers on; the step would run PID, and so do the panels' rules.
    view.SetPid(view.m_bPid);
    return unknownKeys;
}
