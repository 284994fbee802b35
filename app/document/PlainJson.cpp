#include "PlainJson.h"

#include <QJsonArray>
#include <QJsonObject>

JsonValue PlainJson(const QJsonValue& value) {
    JsonValue plain;
    switch (value.type()) {
    case QJsonValue::Bool:
        plain.type = JsonValue::Type::Bool;
        plain.boolean = value.toBool();
        break;
    case QJsonValue::Double:
        plain.type = JsonValue::Type::Number;
        plain.number = value.toDouble();
        break;
    case QJsonValue::String:
        plain.type = JsonValue::Type::String;
        plain.text = value.toString().toStdString();
        break;
    case QJsonValue::Array:
        plain.type = JsonValue::Type::Array;
        for (const QJsonValue& item : value.toArray())
            plain.items.push_back(PlainJson(item));
        break;
    case QJsonValue::Object: {
        plain.type = JsonValue::Type::Object;
        const QJsonObject object = value.toObject();
        for (auto member = object.begin(); member != object.end(); ++member)
            plain.members.push_back({member.key().toStdString(), PlainJson(member.value())});
        break;
    }
    default:
        break;
    }
    return plain;
}
