#include "ConstantsFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

/// "Group[name=value,...]{subgroups}" for each group, groups separated by ";".
std::string describe(const std::vector<ConstantGroup>& groups) {
    std::string text;
    for (const ConstantGroup& group : groups) {
        if (&group != &groups.front())
            text += ";";
        text += group.name + "[";
        for (const ConstantEntry& entry : group.entries)
            text += (&entry == &group.entries.front() ? "" : ",") + entry.name + "=" + entry.valueText;
        text += "]";
        if (!group.subgroups.empty())
            text += "{" + describe(group.subgroups) + "}";
    }
    return text;
}

std::string describeFile(const std::string& content) {
    return describe(readConstantsFile(content).groups());
}

int depthOf(const std::vector<ConstantGroup>& groups) {
    int deepest = 0;
    for (const ConstantGroup& group : groups)
        deepest = std::max(deepest, depthOf(group.subgroups));
    return groups.empty() ? 0 : deepest + 1;
}

bool everyArrayHoldsAGroup(const std::vector<ConstantGroup>& groups) {
    for (const ConstantGroup& group : groups)
        if (!group.subgroups.empty() && !everyArrayHoldsAGroup(group.subgroups))
            return false;
    return !groups.empty();
}

struct FileCase {
    const char* content;
    const char* groups;
};

std::ostream& operator<<(std::ostream& out, const FileCase& c) {
    return out << testing::PrintToString(c.content);
}

class ConstantsFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(ConstantsFileTest, ReadsGroupsAsWritten) {
    EXPECT_EQ(describeFile(GetParam().content), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(Marker, ConstantsFileTest,
                         testing::Values(FileCase{"", ""}, FileCase{"*GROUP* \nG\na\n1\n", ""},
                                         FileCase{"*group*\nG\na\n1\n", ""}, FileCase{"GROUP\nG\na\n1\n", ""},
                                         FileCase{" \t*GROUP*\nG\na\n1\n", "G[a=1]"},
                                         FileCase{"*GROUP*\r\nG\r\na\r\n1\r\n", "G[a=1]"},
                                         // the marker alone still begins the array of groups
                                         FileCase{"*GROUP*\n", "[]"}, FileCase{"*GROUP*", "[]"}));

INSTANTIATE_TEST_SUITE_P(
    Nesting, ConstantsFileTest,
    testing::Values(FileCase{"*GROUP*\nG\na\n1\nb\n2\n", "G[a=1,b=2]"},
                    FileCase{"*GROUP*\nG\na\n1\n**\nS\nx\n2\n*\nH\ny\n3\n", "G[a=1]{S[x=2]};H[y=3]"},
                    FileCase{"*GROUP*\nG\n**\nS\n**\nT\nx\n1\n", "G[]{S[];T[x=1]}"},
                    // a header's level counts its stars anywhere in the line
                    FileCase{"*GROUP*\nG\n*sub*\nS\nx\n1\n* 1 *\nT\n", "G[]{S[x=1];T[]}"},
                    // more stars than one level deeper still open just one level deeper
                    FileCase{"*GROUP*\nG\n****\nS\nx\n1\n*\nH\n", "G[]{S[x=1]};H[]"},
                    FileCase{"*GROUP*\nG\n**\nS\n***\nT\nx\n1\n*\nH\ny\n2\n", "G[]{S[]{T[x=1]}};H[y=2]"},
                    FileCase{"*GROUP*\nG\n**\nS\n***\nT\n**\nU\nx\n1\n", "G[]{S[]{T[]};U[x=1]}"}));

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, ConstantsFileTest,
    testing::Values(FileCase{"*GROUP*\nG\na\n", "G[a=]"}, FileCase{"*GROUP*\nG\na", "G[a=]"},
                    FileCase{"*GROUP*\nG\na\n1\n*\n", "G[a=1];[]"}, FileCase{"*GROUP*\nG\n**\n", "G[]{[]}"},
                    FileCase{"*GROUP*\nG\n**", "G[]{[]}"}, FileCase{"*GROUP*\n*\n", "*[]"},
                    FileCase{"*GROUP*\n\n\n\nb\n2\n", "[=,b=2]"},
                    FileCase{"*GROUP*\n  G \n\t a  \n  1 \n", "G [a  =1 ]"}));

struct ReaderCase {
    const char* content;
    int depth;
    int returned;
    const char* groups;
};

std::ostream& operator<<(std::ostream& out, const ReaderCase& c) {
    return out << testing::PrintToString(c.content);
}

class ReadConstantGroupsTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReadConstantGroupsTest, ReturnsTheLevelThatClosedItsGroups) {
    LineReader reader(GetParam().content);
    ConstantsCollector groups;
    EXPECT_EQ(ReadConstantGroups(groups, reader, GetParam().depth, -1), GetParam().returned);
    EXPECT_EQ(describe(groups.finish().groups()), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(ReturnValues, ReadConstantGroupsTest,
                         testing::Values(ReaderCase{"G\na\n1\n", 1, 0, "G[a=1]"},
                                         ReaderCase{"G\n*\nH\n", 1, -1, "G[];H[]"},
                                         ReaderCase{"S\nx\n1\n*\nH\n", 2, 1, "S[x=1]"},
                                         ReaderCase{"T\n**\nU\n", 3, 2, "T[]"},
                                         // no read has met the end yet, so the first group is begun
                                         ReaderCase{"", 1, 0, "[]"}));

TEST(ConstantsFileLimits, OverlongLinesAreCutAndLoadingGoesOn) {
    const std::string name(5000, 'n');
    const auto groups = [&] { return readConstantsFile("*GROUP*\nG\n" + name + "\n1\nb\n2\n").groups(); }();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].entries.size(), 2u);
    EXPECT_EQ(groups[0].entries[0].name, std::string(199, 'n'));
    EXPECT_EQ(groups[0].entries[1].name, "b");
    EXPECT_EQ(groups[0].entries[1].valueText, "2");
}

TEST(ConstantsFileLimits, NestingStopsAtTheLongestHeaderALineCanHold) {
    std::string content = "*GROUP*\nG\n";
    for (int stars = 2; stars <= 400; ++stars)
        content += std::string(stars, '*') + "\nS\n";
    content += std::string(100000, '*') + "\nLast\nx\n1\n";
    const auto groups = readConstantsFile(content).groups();
    EXPECT_EQ(depthOf(groups), 199);
}

TEST(ConstantsFileLimits, RandomBytesAfterTheMarkerLoadWithoutFault) {
    std::mt19937 random(20240601);
    for (int file = 0; file < 200; ++file) {
        std::string content = "*GROUP*\n";
        const int size = 1 + static_cast<int>(random() % 20000);
        for (int i = 0; i < size; ++i) {
            // Mostly stars and line ends, so that headers and deep nesting do occur.
            const unsigned pick = random() % 8;
            content += pick < 3 ? '*' : pick < 5 ? '\n' : static_cast<char>(random() % 256);
        }
        const auto groups = readConstantsFile(content).groups();
        EXPECT_TRUE(everyArrayHoldsAGroup(groups));
        EXPECT_LE(depthOf(groups), 199);
    }
}

} // namespace
