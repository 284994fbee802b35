#include "DataFileCache.h"
#include "UnitsFile.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kOneUnit = "****STANDARD****\nlen\nA\nm\nB\nft\n0.3048\nm\nA\n1\n";
const std::string kTwoUnits = kOneUnit + "cm\nA\n100\n";

/// Clocks that move only when told to.
class StoppedClock : public DataFileClock {
public:
    FileTime now() const override { return wall; }
    std::int64_t steadyNanoseconds() const override { return steady; }
    void advanceMilliseconds(std::int64_t ms) {
        steady += ms * 1'000'000;
        wall.nanoseconds += ms * 1'000'000;
        wall.seconds += wall.nanoseconds / 1'000'000'000;
        wall.nanoseconds %= 1'000'000'000;
    }

    FileTime wall = systemDataFileClock().now();
    std::int64_t steady = 0;
};

int parses = 0;

/// readUnitsFile, counted.
UnitTable countedRead(std::string_view content) {
    ++parses;
    return readUnitsFile(content);
}

class DataFileCacheTest : public testing::Test {
protected:
    DataFileCacheTest() { parses = 0; }
    std::shared_ptr<const UnitTable> load() { return cache.load({""}); }
    std::size_t unitCount() { return load()->categories().at(0).units.size(); }

    ScratchFolder folder;
    StoppedClock clock;
    DataFileCache<UnitTable> cache{"units.dat", countedRead, clock};
};

TEST_F(DataFileCacheTest, AMissingFileGivesNoRecords) {
    EXPECT_TRUE(load()->categories().empty());
}

TEST_F(DataFileCacheTest, AFileThatIsNotARegularFileGivesNoRecords) {
    std::filesystem::create_directory("units.dat");
    EXPECT_TRUE(load()->categories().empty());
    std::filesystem::remove("units.dat");
    // Opening a pipe would wait for a writer for ever.
    ASSERT_EQ(mkfifo("units.dat", 0600), 0);
    EXPECT_TRUE(load()->categories().empty());
}

TEST_F(DataFileCacheTest, APipePutInTheFilesPlaceIsNeverOpenedForAWriter) {
    // The file was found by its name, and a pipe then took its place: opening must not wait.
    folder.write("units.dat", kOneUnit);
    DataFileStamp identity;
    ASSERT_TRUE(identifyFile("units.dat", identity));
    folder.remove("units.dat");
    ASSERT_EQ(mkfifo("units.dat", 0600), 0);
    std::string content;
    EXPECT_FALSE(readRegularFile("units.dat", content, identity));
}

TEST_F(DataFileCacheTest, AFileLargerThanTheLimitIsNotRead) {
    folder.write("units.dat", kOneUnit + std::string(static_cast<std::size_t>(kMaxDataFileSize), '\n'));
    EXPECT_TRUE(load()->categories().empty());
    EXPECT_EQ(parses, 0);
    folder.write("units.dat", kOneUnit);
    EXPECT_EQ(unitCount(), 1u);
}

TEST_F(DataFileCacheTest, AnOldFileIsReadOnceAndShared) {
    folder.write("units.dat", kOneUnit);
    folder.age("units.dat");
    const auto first = load();
    EXPECT_EQ(load(), first);
    EXPECT_EQ(first->categories().at(0).units.size(), 1u);
    EXPECT_EQ(parses, 1);
}

TEST_F(DataFileCacheTest, AFileDatedFarInTheFutureIsReadOnce) {
    folder.write("units.dat", kOneUnit);
    std::filesystem::last_write_time("units.dat", std::filesystem::file_time_type::clock::now() +
                                                      std::chrono::hours(24 * 365));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(unitCount(), 1u);
        clock.advanceMilliseconds(500);
    }
    EXPECT_EQ(parses, 1);
}

TEST_F(DataFileCacheTest, AddedChangedAndRemovedFilesAreSeenByTheNextLoad) {
    EXPECT_TRUE(load()->categories().empty());
    folder.write("units.dat", kOneUnit);
    folder.age("units.dat");
    EXPECT_EQ(unitCount(), 1u);
    folder.write("units.dat", kTwoUnits);
    folder.age("units.dat");
    EXPECT_EQ(unitCount(), 2u);
    folder.remove("units.dat");
    EXPECT_TRUE(load()->categories().empty());
}

TEST_F(DataFileCacheTest, ARecentFileIsReadAgainSinceARewriteMightKeepItsTimeStamp) {
    folder.write("units.dat", kOneUnit);
    const auto written = std::filesystem::last_write_time("units.dat");
    EXPECT_EQ(unitCount(), 1u);
    // Same size, written within the file system's clock tick: only the content tells them apart.
    std::string sameSize = kOneUnit;
    sameSize.replace(sameSize.find("0.3048"), 6, "0.9144");
    folder.write("units.dat", sameSize);
    std::filesystem::last_write_time("units.dat", written);
    clock.advanceMilliseconds(100);
    EXPECT_EQ(load()->categories().at(0).crossFactor, "0.9144");
}

TEST_F(DataFileCacheTest, ARecentFileIsReadAgainAtMostEveryTenthOfASecond) {
    folder.write("units.dat", kOneUnit);
    clock.wall = systemDataFileClock().now();
    for (int i = 0; i < 10; ++i) {
        load();
        clock.advanceMilliseconds(20);
    }
    EXPECT_EQ(parses, 2); // at 0 and at 100 ms
    // Two seconds after its time stamp, the file has settled: it is not read again.
    clock.advanceMilliseconds(2000);
    load();
    clock.advanceMilliseconds(500);
    load();
    EXPECT_EQ(parses, 3);
}

} // namespace
