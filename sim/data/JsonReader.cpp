#include "JsonReader.h"

#include "CLocaleNumber.h"

#include <cmath>
#include <cstdint>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The length of the valid UTF-8 sequence at `at` (1 to 4), or 0 for bytes that are not one (a stray
/// continuation, an overlong form, a surrogate, beyond U+10FFFF or cut short).
std::size_t utf8SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    // The second byte's range rules out overlong forms, surrogates and code points beyond U+10FFFF.
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class JsonParser {
public:
    explicit JsonParser(const std::string& text) : m_text(text) {}

    bool ParseDocument(JsonValue& value) {
        SkipBlanks();
        if (!ParseValue(value, 0))
            return false;
        SkipBlanks();
        return m_pos == m_text.size() || Fail("expected the end of the text");
    }

    const std::string& Error() const { return m_error; }
    bool OutOfRange() const { return m_outOfRange; }

private:
    bool Fail(const std::string& what) {
        m_error = what + " at byte " + std::to_string(m_pos);
        return false;
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void SkipBlanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++m_pos;
    }
    bool Take(char c) {
        if (Peek() != c || AtEnd())
            return false;
        ++m_pos;
        return true;
    }

    bool ParseValue(JsonValue& value, int depth) {
        switch (Peek()) {
        case '{':
            return ParseObject(value, depth + 1);
        case '[':
            return ParseArray(value, depth + 1);
        case '"':
            value.type = JsonValue::Type::String;
            return ParseString(value.text);
        case 't':
            value.type = JsonValue::Type::Bool;
            value.boolean = true;
            return ParseWord("true");
        case 'f':
            value.type = JsonValue::Type::Bool;
            return ParseWord("false");
        case 'n':
            return ParseWord("null");
        default:
            return ParseNumber(value);
        }
    }

    bool ParseWord(const char* word) {
        const std::string expected(word);
        if (m_text.compare(m_pos, expected.size(), expected) != 0)
            return Fail("expected a value");
        m_pos += expected.size();
        return true;
    }

    bool Nest(int depth) {
        if (depth > kMaxJsonDepth)
            return Fail("nested deeper than " + std::to_string(kMaxJsonDepth));
        ++m_pos;
        SkipBlanks();
        return true;
    }

    bool ParseArray(JsonValue& value, int depth) {
        value.type = JsonValue::Type::Array;
        if (!Nest(depth))
            return false;
        if (Take(']'))
            return true;
        do {
            SkipBlanks();
            value.items.emplace_back();
            if (!ParseValue(value.items.back(), depth))
                return false;
            SkipBlanks();
        } while (Take(','));
        return Take(']') || Fail("expected ',' or ']'");
    }

    bool ParseObject(JsonValue& value, int depth) {
        value.type = JsonValue::Type::Object;
        if (!Nest(depth))
            return false;
        if (Take('}'))
            return true;
        do {
            SkipBlanks();
            JsonMember member;
            const std::size_t keyAt = m_pos;
            if (Peek() != '"' || !ParseString(member.key))
                return m_error.empty() ? Fail("expected a key in double quotes") : false;
            if (value.find(member.key) != nullptr) {
                m_pos = keyAt;
                return Fail("the key \"" + member.key + "\" comes twice");
            }
            SkipBlanks();
            if (!Take(':'))
                return Fail("expected ':'");
            SkipBlanks();
            value.members.push_back(std::move(member));
            if (!ParseValue(value.members.back().value, depth))
                return false;
            SkipBlanks();
        } while (Take(','));
        return Take('}') || Fail("expected ',' or '}'");
    }

    bool ParseHex4(std::uint32_t& code) {
        code = 0;
        for (int i = 0; i < 4; ++i, ++m_pos) {
            const char c = Peek();
            const int digit = isDigit(c)             ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return Fail("expected four hexadecimal digits");
            code = code * 16 + static_cast<std::uint32_t>(digit);
        }
        return true;
    }

    /// A \u escape, a surrogate pair taken whole; a lone surrogate has no UTF-8.
    bool ParseUnicodeEscape(std::string& out) {
        std::uint32_t code = 0;
        if (!ParseHex4(code))
            return false;
        if (code >= 0xD800 && code <= 0xDBFF && m_text.compare(m_pos, 2, "\\u") == 0) {
            m_pos += 2;
            std::uint32_t low = 0;
            if (!ParseHex4(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return Fail("expected the second half of a surrogate pair");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            return Fail("a lone surrogate");
        }
        appendUtf8(out, code);
        return true;
    }

    bool ParseEscape(std::string& out) {
        const char c = Peek();
        ++m_pos;
        const char* const escapes = "\"\"\\\\//b\bf\fn\nr\rt\t";
        for (const char* e = escapes; *e != '\0'; e += 2) {
            if (c == *e) {
                out += e[1];
                return true;
            }
        }
        if (c == 'u')
            return ParseUnicodeEscape(out);
        --m_pos;
        return Fail("a bad escape");
    }

    bool ParseString(std::string& out) {
        ++m_pos;
        while (!AtEnd() && Peek() != '"') {
            if (static_cast<unsigned char>(Peek()) < 0x20)
                return Fail("a control character in a string");
            if (Take('\\')) {
                if (!ParseEscape(out))
                    return false;
                continue;
            }
            const std::size_t length = utf8SequenceLength(m_text, m_pos);
            if (length == 0)
                return Fail("not UTF-8");
            out.append(m_text, m_pos, length);
            m_pos += length;
        }
        return Take('"') || Fail("an unfinished string");
    }

    void SkipDigits() {
        while (isDigit(Peek()))
            ++m_pos;
    }

    /// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)? and nothing else: no "+1", ".5", "1.", "inf", "NaN".
    bool ParseNumber(JsonValue& value) {
        const std::size_t start = m_pos;
        Take('-');
        if (!isDigit(Peek()))
            return Fail("expected a value");
        if (!Take('0'))
            SkipDigits();
        if (Take('.')) {
            if (!isDigit(Peek()))
                return Fail("expected a digit");
            SkipDigits();
        }
        if (Take('e') || Take('E')) {
            if (!Take('+'))
                Take('-');
            if (!isDigit(Peek()))
                return Fail("expected a digit");
            SkipDigits();
        }
        const std::string number = m_text.substr(start, m_pos - start);
        const char* end = nullptr;
        value.type = JsonValue::Type::Number;
        value.number = cLocaleLeadingNumber(number.c_str(), &end);
        if (!std::isfinite(value.number)) {
            m_pos = start;
            m_outOfRange = true;
            return Fail("a number out of range (" + number + ")");
        }
        return true;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
    std::string m_error;
    bool m_outOfRange = false;
};

} // namespace

JsonParse parseJson(const std::string& text, JsonValue& value, std::string& error) {
    value = JsonValue();
    error.clear();
    if (text.size() > kMaxJsonBytes) {
        error = "larger than " + std::to_string(kMaxJsonBytes) + " bytes";
        return JsonParse::NotJson;
    }
    JsonParser parser(text);
    if (parser.ParseDocument(value))
        return JsonParse::Ok;
    error = parser.Error();
    return parser.OutOfRange() ? JsonParse::NumberOutOfRange : JsonParse::NotJson;
}
