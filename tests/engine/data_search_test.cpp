#include "DataFiles.h"
#include "DataSearch.h"
#include "data_scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Folders = std::vector<std::string>;

TEST(DataSearch, LooksInTheWorkingDirectoryThenTheUsersThenTheInstalledFolder) {
    EXPECT_EQ(dataFileFolders("/opt/v/bin/vorlint", "/x/data", "/home/u"),
              (Folders{"", "/x/data/vorlint", "/opt/v/share/vorlint"}));
    // Without $XDG_DATA_HOME, or with a relative one, the user's folder is under ~/.local/share.
    EXPECT_EQ(dataFileFolders("/usr/bin/vorlint-cli", nullptr, "/home/u"),
              (Folders{"", "/home/u/.local/share/vorlint", "/usr/share/vorlint"}));
    EXPECT_EQ(dataFileFolders("/usr/bin/vorlint", "data", nullptr), (Folders{"", "/usr/share/vorlint"}));
    EXPECT_EQ(dataFileFolders("", nullptr, nullptr), (Folders{""}));
}

TEST(DataSearch, TheFirstFolderThatHoldsAFileWins) {
    ScratchFolder folder;
    std::filesystem::create_directories("user");
    std::filesystem::create_directories("installed");
    const std::string path = std::filesystem::current_path().string();
    const auto constantsIn = [&](const std::string& where, const std::string& group) {
        folder.write(where + "/constants.dat", "*GROUP*\n" + group + "\nk\n1\n");
    };
    DataFiles files;
    files.setSearchFolders({"", path + "/user", path + "/installed"});
    const auto firstGroup = [&] { return files.constants()->groups().at(0).name; };
    constantsIn("installed", "Installed");
    EXPECT_EQ(firstGroup(), "Installed");
    constantsIn("user", "User");
    EXPECT_EQ(firstGroup(), "User");
    constantsIn(".", "Here");
    EXPECT_EQ(firstGroup(), "Here");
}

} // namespace
