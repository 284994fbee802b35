#include "LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct LineCase {
    std::string input;
    std::size_t limit;
    std::vector<std::string> lines; // every read up to and including the one that meets the end
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) {
    return out << testing::PrintToString(c.input);
}

class LineReaderTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineReaderTest, ReadsLinesUpToTheOneThatMeetsTheEnd) {
    LineReader reader(GetParam().input);
    std::vector<std::string> lines;
    while (!reader.atEnd() && lines.size() <= GetParam().lines.size())
        lines.emplace_back(reader.next(GetParam().limit));
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, LineReaderTest,
    testing::Values(LineCase{"a\nb\n", 9, {"a", "b", ""}}, LineCase{"a\r\nb\r\n", 9, {"a", "b", ""}},
                    // a last line without its end is still a line; the end is met by the read after it
                    LineCase{"a\nb", 9, {"a", "b", ""}}, LineCase{"", 9, {""}},
                    LineCase{"\n\n", 9, {"", "", ""}},
                    // only a CR right before the LF belongs to the line end
                    LineCase{"x\ry\n", 9, {"x\ry", ""}}, LineCase{"x\r", 9, {"x\r", ""}}));

INSTANTIATE_TEST_SUITE_P(WhiteSpace, LineReaderTest,
                         testing::Values(LineCase{" \t\v\f\rlead\n", 9, {"lead", ""}},
                                         LineCase{"trail \t\n", 9, {"trail \t", ""}},
                                         LineCase{"   \n", 9, {"", ""}},
                                         LineCase{"nul\0byte\n"s, 9, {"nul\0byte"s, ""}}));

INSTANTIATE_TEST_SUITE_P(
    LengthLimit, LineReaderTest,
    testing::Values(LineCase{"abcdef\ngh\n", 3, {"abc", "gh", ""}},
                    LineCase{"abc\r\nd\n", 3, {"abc", "d", ""}}, LineCase{"abcd\r\nd\n", 3, {"abc", "d", ""}},
                    LineCase{"ab\r\r\n", 3, {"ab\r", ""}},
                    // the limit counts the characters as written, leading blanks included
                    LineCase{"  abcdef\n", 3, {"a", ""}},
                    LineCase{std::string(100000, 'x') + "\ny", 5, {"xxxxx", "y", ""}}));

} // namespace
