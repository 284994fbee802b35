#pragma once

#include <string>
#include <vector>

struct JsonMember;

/// A JSON value as the toolkit-free reader gives it: the command line reads `.vrl` files with it, where
/// the application has its toolkit's JSON.
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };

    Type type = Type::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members; ///< in the order the text gives them; no key twice

    bool isObject() const { return type == Type::Object; }
    /// The member named `key`, or nullptr (also when this is not an object).
    const JsonValue* find(const std::string& key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

inline const JsonValue* JsonValue::find(const std::string& key) const {
    for (const JsonMember& member : members) {
        if (member.key == key)
            return &member.value;
    }
    return nullptr;
}
