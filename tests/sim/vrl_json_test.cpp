#include "VrlJson.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using json = nlohmann::json;

TEST(VrlJsonTest, ReadsStrictJsonExactly) {
    json value;
    std::string problem;
    ASSERT_TRUE(parseVrlJson("\xEF\xBB\xBF {\"a\": [0.1, -2e-3, 1E2, true, null, \"\\u00e9\\ud83d\\ude00\\n\", "
                             "18446744073709551615, 1e-400, 4.9e-324]} ",
                             value, problem))
        << problem;
    const json& list = value["a"];
    ASSERT_EQ(list.size(), 9u);
    EXPECT_EQ(list[0].get<double>(), 0.1);
    EXPECT_EQ(list[1].get<double>(), -0.002);
    EXPECT_EQ(list[2].get<double>(), 100.0);
    EXPECT_TRUE(list[3].get<bool>());
    EXPECT_TRUE(list[4].is_null());
    EXPECT_EQ(list[5].get<std::string>(), "\xc3\xa9\xf0\x9f\x98\x80\n");
    EXPECT_EQ(list[6].get<std::uint64_t>(), UINT64_MAX) << "a whole number up to 2^64 - 1, exactly";
    EXPECT_EQ(list[7].get<double>(), 0.0) << "too small for a double: the nearest one";
    EXPECT_EQ(list[8].get<double>(), 4.9e-324) << "the smallest double";
}

TEST(VrlJsonTest, RefusesWhatTheFormatDoesNotTakeSayingWhere) {
    const std::string deepest = std::string(kMaxVrlDepth, '[') + std::string(kMaxVrlDepth, ']');
    json value;
    std::string problem;
    ASSERT_TRUE(parseVrlJson(deepest, value, problem)) << "the deepest nesting allowed";
    const std::pair<std::string, std::string> rows[] = {
        {"[" + deepest + "]", "nested deeper than 32"},
        {std::string(kMaxVrlBytes + 1, ' '), "the file is larger than 1 MB"},
        {R"({"a": {"b": [1, {"c": 1, "c": 2}]}})", "a.b[1].c: the key comes twice"},
        {R"({"a": 1, "a": 1})", "a: the key comes twice"},
        {R"({"w": [1, -1e999]})", "w[1]: a number out of range (-1e999)"},
        {R"({"f": "p\ud800"})", "f: a lone surrogate"},
        {R"({"f": "\udc00"})", "f: a lone surrogate"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_FALSE(parseVrlJson(text, value, problem)) << text.substr(0, 40);
        EXPECT_EQ(problem, expected) << text.substr(0, 40);
    }
    // What is not JSON at all: the parser's words, and where.
    for (const char* text : {"", "01", "1.", ".5", "+1", "1e", "NaN", "[1,]", "{a:1}", "\"\xc0\xaf\"",
                             "\"\xed\xa0\x80\"", "\"a\tb\"", "\"\\x\"", "\"abc", "[1] 2", "\xEF\xBB"}) {
        EXPECT_FALSE(parseVrlJson(text, value, problem)) << text;
        EXPECT_EQ(problem.rfind("not JSON (", 0), 0u) << problem;
        EXPECT_NE(problem.find(" at byte "), std::string::npos) << problem;
    }
    EXPECT_FALSE(parseVrlJson(".5", value, problem));
    EXPECT_EQ(problem, "not JSON (syntax error while parsing value - invalid literal at byte 1)");
}

} // namespace
