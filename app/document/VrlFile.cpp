#include "VrlFile.h"

#include "EventsJson.h"
#include "ExerciseJson.h"
#include "PlainJson.h"
#include "ReaderProblemText.h"
#include "WindowSettingsJson.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>

namespace {

const QLatin1String kFormatKey("format");
const QLatin1String kVersionKey("version");
const QLatin1String kWindowsKey("windows");
const QLatin1String kEventsKey("events");
const QLatin1String kFormat("vorlint");

/// The whole file, or false when it cannot be read or is larger than a `.vrl` may be.
bool ReadBounded(QIODevice& file, QByteArray& bytes, QString& problem) {
    bytes.resize(VrlContent::kMaxFileSize + 1);
    const qint64 count = file.read(bytes.data(), bytes.size());
    if (count < 0) {
        problem = file.errorString();
        return false;
    }
    if (!VrlContent::FitsFileSize(count)) {
        problem = QCoreApplication::translate("VrlFile", "the file is larger than 1 MB");
        return false;
    }
    bytes.truncate(count);
    return true;
}

/// The key whose value starts before `offset`: what a number the parser could not hold belongs to.
QString KeyBefore(const QByteArray& bytes, int offset) {
    static const QRegularExpression keyAndNumber(
        QStringLiteral("\"([^\"\\\\]{1,64})\"\\s*:\\s*[-+0-9.eE]*$"));
    const QString before = QString::fromUtf8(bytes.left(offset).right(128));
    return keyAndNumber.match(before).captured(1);
}

bool ParseVorlintObject(const QByteArray& bytes, QJsonObject& root, QString& problem) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::IllegalNumber) {
        // JSON itself has no bound, but a double does: 1e999 is a number out of range.
        const QString key = KeyBefore(bytes, error.offset);
        problem = QCoreApplication::translate("VrlFile", "%1: a number out of range (near byte %2)")
                      .arg(key.isEmpty() ? QStringLiteral("?") : key)
                      .arg(error.offset);
        return false;
    }
    if (error.error != QJsonParseError::NoError) {
        problem = QCoreApplication::translate("VrlFile", "not JSON (%1 near byte %2)")
                      .arg(error.errorString())
                      .arg(error.offset);
        return false;
    }
    root = document.object();
    if (!document.isObject() || root.value(kFormatKey) != QJsonValue(kFormat)) {
        problem =
            QCoreApplication::translate("VrlFile", "not a Vorlint file (it lacks \"format\": \"vorlint\")");
        return false;
    }
    return true;
}

bool CheckVersion(const QJsonValue& version, QString& problem) {
    const double number = version.toDouble(-1.0);
    if (!version.isDouble() || number < 1.0 || number != std::floor(number)) {
        problem = QCoreApplication::translate("VrlFile", "version: expected a whole number from 1");
        return false;
    }
    if (number > VrlContent::kVersion) {
        problem = QCoreApplication::translate(
                      "VrlFile", "version %1 comes from a newer Vorlint; this one reads version %2")
                      .arg(number)
                      .arg(VrlContent::kVersion);
        return false;
    }
    return true;
}

/// A window's scheduled events, when it has them; `where` names them in a problem.
bool CheckEvents(const QJsonValue& value, const QString& where, QString& problem) {
    std::vector<ScheduledEvent> events;
    std::string what;
    if (value.isUndefined() || readEvents(PlainJson(value), events, what))
        return true;
    problem = where + ReaderProblemText(what);
    return false;
}

/// Checks entry `index` of the windows as reading and writing both do.
bool CheckWindow(const QJsonValue& window, qsizetype index, QString& problem) {
    const QString where = QStringLiteral("windows[%1]").arg(index);
    if (!window.isObject()) {
        problem = where + QCoreApplication::translate("VrlFile", ": expected an object");
        return false;
    }
    QString what;
    if (!CheckWindowSettings(window.toObject(), what)) {
        problem = where + QLatin1Char('.') + what;
        return false;
    }
    return CheckEvents(window.toObject().value(kEventsKey), where + QLatin1Char('.') + kEventsKey, problem);
}

/// The exercise, when the file has one, checked as the command line's `check` reads it.
bool CheckExercise(const QJsonValue& value, QString& problem) {
    if (value.isUndefined())
        return true;
    if (!value.isObject()) {
        problem = kVrlExerciseKey + QCoreApplication::translate("VrlFile", ": expected an object");
        return false;
    }
    Exercise exercise;
    std::string what;
    if (readExercise(PlainJson(value), exercise, what))
        return true;
    problem = kVrlExerciseKey + QLatin1Char('.') + ReaderProblemText(what);
    return false;
}

bool ReadWindows(const QJsonValue& value, std::vector<QJsonObject>& windows, QString& problem) {
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        problem = QCoreApplication::translate("VrlFile", "windows: expected a list");
        return false;
    }
    const QJsonArray array = value.toArray();
    if (!VrlContent::FitsWindowCount(array.size())) {
        problem = QCoreApplication::translate("VrlFile", "windows: more than %1 windows")
                      .arg(VrlContent::kMaxWindows);
        return false;
    }
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!CheckWindow(array[i], i, problem))
            return false;
        windows.push_back(array[i].toObject());
    }
    return true;
}

} // namespace

bool ReadVrl(QIODevice& file, VrlContent& content, QString& problem) {
    QByteArray bytes;
    if (!ReadBounded(file, bytes, problem))
        return false;
    content = VrlContent();
    if (!bytes.isEmpty()) {
        QJsonObject root;
        if (!ParseVorlintObject(bytes, root, problem) || !CheckVersion(root.value(kVersionKey), problem) ||
            !ReadWindows(root.value(kWindowsKey), content.windows, problem) ||
            !CheckExercise(root.value(kVrlExerciseKey), problem))
            return false;
        for (const QLatin1String& key : {kFormatKey, kVersionKey, kWindowsKey})
            root.remove(key);
        content.unknownKeys = root;
    }
    if (content.windows.empty())
        content.windows.emplace_back();
    return true;
}

bool WriteVrl(QIODevice& file, const VrlContent& content, QString& problem) {
    if (!VrlContent::FitsWindowCount(static_cast<qint64>(content.windows.size()))) {
        problem = QCoreApplication::translate("VrlFile",
                                              "o documento tem %1 janelas; um arquivo guarda no máximo %2")
                      .arg(content.windows.size())
                      .arg(VrlContent::kMaxWindows);
        return false;
    }
    QJsonArray windows;
    for (const QJsonObject& window : content.windows) {
        if (!CheckWindow(window, windows.size(), problem))
            return false;
        windows.append(window);
    }
    QJsonObject root = content.unknownKeys;
    root.insert(kFormatKey, kFormat);
    root.insert(kVersionKey, VrlContent::kVersion);
    root.insert(kWindowsKey, windows);
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    if (!VrlContent::FitsFileSize(bytes.size())) {
        problem = QCoreApplication::translate("VrlFile",
                                              "o arquivo teria %1 bytes; o Vorlint abre arquivos de até 1 MB")
                      .arg(bytes.size());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        problem = file.errorString();
        return false;
    }
    return true;
}

bool VrlExercise(const VrlContent& content, Exercise& exercise) {
    const QJsonValue value = content.unknownKeys.value(kVrlExerciseKey);
    std::string problem;
    return value.isObject() && readExercise(PlainJson(value), exercise, problem);
}
