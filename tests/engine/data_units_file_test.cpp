#include "UnitsFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

/// "name(first|third|second|fifth|cross)[unit:system:factor,...]" for each category, separated by ";".
std::string describe(const std::vector<UnitCategory>& categories) {
    std::string text;
    for (const UnitCategory& c : categories) {
        if (&c != &categories.front())
            text += ";";
        text += c.name + "(" + c.firstSystem + "|" + c.thirdHeaderLine + "|" + c.secondSystem + "|" +
                c.fifthHeaderLine + "|" + c.crossFactor + ")[";
        for (const UnitDefinition& unit : c.units)
            text +=
                (&unit == &c.units.front() ? "" : ",") + unit.name + ":" + unit.system + ":" + unit.factor;
        text += "]";
    }
    return text;
}

std::string describeFile(const std::string& content) {
    return describe(readUnitsFile(content).categories());
}

const std::string kMarker = "****STANDARD****\n";
const std::string kHeader = "len\nA\nm\nB\nft\n0.3048\n";

struct FileCase {
    std::string content;
    std::string categories;
};

std::ostream& operator<<(std::ostream& out, const FileCase& c) {
    return out << testing::PrintToString(c.content);
}

class UnitsFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(UnitsFileTest, ReadsCategoriesAsWritten) {
    EXPECT_EQ(describeFile(GetParam().content), GetParam().categories);
}

INSTANTIATE_TEST_SUITE_P(
    Marker, UnitsFileTest,
    testing::Values(FileCase{"", ""}, FileCase{"****STANDARD**** \n" + kHeader, ""},
                    FileCase{"****standard****\n" + kHeader, ""},
                    FileCase{"  " + kMarker + kHeader + "m\nA\n1\n", "len(A|m|B|ft|0.3048)[m:A:1]"},
                    FileCase{"****STANDARD****\r\nlen\r\nA\r\nm\r\nB\r\nft\r\n0.3048\r\nm\r\nA\r\n1\r\n",
                             "len(A|m|B|ft|0.3048)[m:A:1]"}));

INSTANTIATE_TEST_SUITE_P(Categories, UnitsFileTest,
                         testing::Values(FileCase{kMarker + kHeader + "m\nA\n1\ncm\nA\n100\nft\nB\n1\n",
                                                  "len(A|m|B|ft|0.3048)[m:A:1,cm:A:100,ft:B:1]"},
                                         FileCase{kMarker + kHeader + "m\nA\n1\n" + kMarker +
                                                      "mass\nA\nkg\nB\nlb\n0.45\nkg\nA\n1\n",
                                                  "len(A|m|B|ft|0.3048)[m:A:1];mass(A|kg|B|lb|0.45)[kg:A:1]"},
                                         // a file that ends with the marker gets one more, empty category
                                         FileCase{kMarker + kHeader + "m\nA\n1\n" + kMarker,
                                                  "len(A|m|B|ft|0.3048)[m:A:1];(||||)[]"},
                                         FileCase{kMarker, "(||||)[]"}));

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, UnitsFileTest,
    testing::Values(FileCase{kMarker + "len\nA\n", "len(A||||)[]"},
                    FileCase{kMarker + kHeader + "m\nA\n", "len(A|m|B|ft|0.3048)[m:A:]"},
                    FileCase{kMarker + kHeader + "m", "len(A|m|B|ft|0.3048)[m::]"},
                    FileCase{kMarker + kHeader + "\n\n\n", "len(A|m|B|ft|0.3048)[::]"},
                    FileCase{kMarker + kHeader + "m \n A \n 1 \n", "len(A|m|B|ft|0.3048)[m :A :1 ]"},
                    // a unit line is read as a name whatever it holds, so a category ends only at the marker
                    FileCase{kMarker + kHeader + "****\nA\n1\n", "len(A|m|B|ft|0.3048)[****:A:1]"}));

TEST(UnitsFileLimits, OverlongLinesAreCutAndLoadingGoesOn) {
    const auto categories =
        readUnitsFile(kMarker + kHeader + std::string(3000, 'u') + "\nA\n1\ncm\nA\n100\n").categories();
    ASSERT_EQ(categories.size(), 1u);
    ASSERT_EQ(categories[0].units.size(), 2u);
    EXPECT_EQ(categories[0].units[0].name, std::string(255, 'u'));
    EXPECT_EQ(categories[0].units[1].name, "cm");
    EXPECT_EQ(categories[0].units[1].factor, "100");
}

TEST(UnitsFileLimits, AnOverlongMarkerLineIsCutToItsLimit) {
    EXPECT_EQ(describeFile(std::string(40, ' ') + kMarker + kHeader), "");
}

TEST(UnitsFileLimits, RandomBytesAfterTheMarkerLoadWithoutFault) {
    std::mt19937 random(4711);
    for (int file = 0; file < 200; ++file) {
        std::string content = kMarker;
        const int size = 1 + static_cast<int>(random() % 20000);
        for (int i = 0; i < size; ++i) {
            const unsigned pick = random() % 16;
            content += pick < 1   ? kMarker
                       : pick < 6 ? std::string("\n")
                                  : std::string(1, char(random() % 256));
        }
        const auto categories = readUnitsFile(content).categories();
        EXPECT_FALSE(categories.empty());
        for (const UnitCategory& category : categories)
            for (const UnitDefinition& unit : category.units)
                EXPECT_LE(unit.name.size() + unit.system.size() + unit.factor.size(), 3u * 255u);
    }
}

} // namespace
