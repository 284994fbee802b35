#include "WorkingDirectory.h"

#include "Invariant.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#ifndef VORLINT_DATA_DIR
#error "VORLINT_DATA_DIR must name the folder of the shipped data files"
#endif

namespace fuzz {

namespace fs = std::filesystem;

namespace {

fs::path privateDirectory;

void removePrivateDirectory() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(privateDirectory, ignored);
}

void copyShippedDataFiles() {
    for (const char* name : {"constants.dat", "units.dat"}) {
        const fs::path shipped = fs::path(VORLINT_DATA_DIR) / name;
        std::error_code error;
        if (!fs::exists(shipped, error)) {
            continue;
        }
        // The copy keeps the original's time stamp, so the engine sees a settled file at once, as
        // users' engines do, rather than one that has just been written.
        const fs::path copy = privateDirectory / name;
        fs::copy_file(shipped, copy, error);
        if (!error) {
            fs::last_write_time(copy, fs::last_write_time(shipped), error);
        }
        require(!error, "cannot copy a shipped data file", shipped.string());
    }
}

} // namespace

void enterPrivateWorkingDirectory(DataFileChoice files) {
    if (!privateDirectory.empty()) {
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "vorlint-fuzz-XXXXXX").string();
    require(mkdtemp(pattern.data()) != nullptr, "cannot create a private working directory", pattern);
    privateDirectory = pattern;
    std::atexit(removePrivateDirectory);
    if (files == DataFileChoice::Shipped) {
        copyShippedDataFiles();
    }
    std::error_code error;
    fs::current_path(privateDirectory, error);
    require(!error, "cannot enter the private working directory", pattern);
}

} // namespace fuzz
