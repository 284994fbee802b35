#include "JsonReader.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonReaderTest, ReadsStrictJsonExactly) {
    JsonValue value;
    std::string error;
    ASSERT_EQ(
        parseJson(" {\"a\": [0.1, -2e-3, 1E2, true, null, \"\\u00e9\\ud83d\\ude00\\n\"]} ", value, error),
        JsonParse::Ok)
        << error;
    const JsonValue& list = *value.find("a");
    ASSERT_EQ(list.items.size(), 6u);
    EXPECT_EQ(list.items[0].number, 0.1);
    EXPECT_EQ(list.items[1].number, -0.002);
    EXPECT_EQ(list.items[2].number, 100.0);
    EXPECT_TRUE(list.items[3].boolean);
    EXPECT_EQ(list.items[4].type, JsonValue::Type::Null);
    EXPECT_EQ(list.items[5].text, "\xc3\xa9\xf0\x9f\x98\x80\n");
    ASSERT_EQ(parseJson("1e-400", value, error), JsonParse::Ok) << "too small for a double is 0";
    EXPECT_EQ(value.number, 0.0);
}

TEST(JsonReaderTest, RefusesWhatIsNotStrictJsonSayingWhere) {
    const std::string deepest = std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']');
    const std::pair<std::string, std::string> rows[] = {
        {"[" + deepest + "]", "nested deeper than 32 at byte 32"},
        {std::string(kMaxJsonBytes + 1, ' '), "larger than 1048576 bytes"},
        {"", "expected a value at byte 0"},
        {"01", "expected the end of the text at byte 1"},
        {"1.", "expected a digit at byte 2"},
        {".5", "expected a value at byte 0"},
        {"+1", "expected a value at byte 0"},
        {"1e", "expected a digit at byte 2"},
        {"NaN", "expected a value at byte 0"},
        {"-Infinity", "expected a value at byte 1"},
        {"[1,]", "expected a value at byte 3"},
        {"{\"a\":1,\"a\":2}", "the key \"a\" comes twice at byte 7"},
        {"{a:1}", "expected a key in double quotes at byte 1"},
        {"\"\\ud800\"", "a lone surrogate at byte 7"},
        {"\"\xc0\xaf\"", "not UTF-8 at byte 1"},
        {"\"a\tb\"", "a control character in a string at byte 2"},
        {"\"\\x\"", "a bad escape at byte 2"},
        {"\"abc", "an unfinished string at byte 4"},
        {"[1] 2", "expected the end of the text at byte 4"},
    };
    for (const auto& [text, expected] : rows) {
        JsonValue value;
        std::string error;
        EXPECT_EQ(parseJson(text, value, error), JsonParse::NotJson) << text.substr(0, 40);
        EXPECT_EQ(error, expected) << text.substr(0, 40);
    }
    JsonValue value;
    std::string error;
    ASSERT_EQ(parseJson(deepest, value, error), JsonParse::Ok) << "the deepest nesting allowed";
    EXPECT_EQ(parseJson("[1, -1e999]", value, error), JsonParse::NumberOutOfRange);
    EXPECT_EQ(error, "a number out of range (-1e999) at byte 4");
}

} // namespace
