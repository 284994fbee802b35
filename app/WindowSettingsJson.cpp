#include "WindowSettingsJson.h"

#include "VorlintView.h"

#include <QCoreApplication>
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
using FieldAccess = std::variant<Access<bool>, Access<double>, Access<std::uint32_t>, Access<std::string>>;

/// One key of a window's object and the member it stands for.
struct WindowSetting {
    const char* key;
    FieldAccess field;
};

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
};

// Each kind: its JSON value, what a value must be to fit it (nullptr when it fits), and the reading.

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

const char* Mismatch(const QJsonValue& value, Access<bool>) {
    return value.isBool() ? nullptr : QT_TRANSLATE_NOOP("WindowSettingsJson", "expected true or false");
}
const char* Mismatch(const QJsonValue& value, Access<double>) {
    return value.isDouble() && std::isfinite(value.toDouble())
               ? nullptr
               : QT_TRANSLATE_NOOP("WindowSettingsJson", "expected a finite number");
}
const char* Mismatch(const QJsonValue& value, Access<std::uint32_t>) {
    const double number = value.toDouble(-1.0);
    const bool fits = value.isDouble() && number >= 0.0 &&
                      number <= std::numeric_limits<std::uint32_t>::max() && number == std::floor(number);
    return fits ? nullptr
                : QT_TRANSLATE_NOOP("WindowSettingsJson", "expected a whole number from 0 to 4294967295");
}
const char* Mismatch(const QJsonValue& value, Access<std::string>) {
    return value.isString() ? nullptr : QT_TRANSLATE_NOOP("WindowSettingsJson", "expected a text");
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
        if (const char* what =
                std::visit([&](auto access) { return Mismatch(value, access); }, setting.field)) {
            problem = QStringLiteral("%1: %2").arg(QLatin1String(setting.key),
                                                   QCoreApplication::translate("WindowSettingsJson", what));
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
