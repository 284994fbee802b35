#include "DataFileCache.h"
#include "UnitsFile.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kOneUnit = "****STANDARD****\nlen\nA\nm\nB\nft\n0.3048\nm\nA\n1\n";
const std::string kTwoUnits = kOneUnit + "cm\nA\n100\n";

class DataFileCacheTest : public testing::Test {
protected:
    std::size_t unitCount() { return cache.load()->at(0).units.size(); }

    ScratchFolder folder;
    DataFileCache<UnitCategory> cache{"units.dat", readUnitsFile};
};

TEST_F(DataFileCacheTest, AMissingFileGivesNoRecords) {
    EXPECT_TRUE(cache.load()->empty());
}

TEST_F(DataFileCacheTest, AFileThatIsNotARegularFileGivesNoRecords) {
    std::filesystem::create_directory("units.dat");
    EXPECT_TRUE(cache.load()->empty());
    std::filesystem::remove("units.dat");
    // Opening a pipe would wait for a writer for ever.
    ASSERT_EQ(mkfifo("units.dat", 0600), 0);
    EXPECT_TRUE(cache.load()->empty());
}

TEST_F(DataFileCacheTest, AnOldFileIsReadOnceAndShared) {
    folder.write("units.dat", kOneUnit);
    folder.age("units.dat");
    const auto first = cache.load();
    EXPECT_EQ(cache.load(), first);
    EXPECT_EQ(first->at(0).units.size(), 1u);
}

TEST_F(DataFileCacheTest, AddedChangedAndRemovedFilesAreSeenByTheNextLoad) {
    EXPECT_TRUE(cache.load()->empty());
    folder.write("units.dat", kOneUnit);
    folder.age("units.dat");
    EXPECT_EQ(unitCount(), 1u);
    folder.write("units.dat", kTwoUnits);
    folder.age("units.dat");
    EXPECT_EQ(unitCount(), 2u);
    folder.remove("units.dat");
    EXPECT_TRUE(cache.load()->empty());
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
    EXPECT_EQ(cache.load()->at(0).crossFactor, "0.9144");
}

} // namespace
