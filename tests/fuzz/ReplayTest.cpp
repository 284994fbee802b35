// Runs the seeds and the kept findings of one fuzz target (chosen by the build) through its harness.
// A broken invariant aborts the program with a message that names the file.
#include "Harnesses.h"
#include "Invariant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The budget of the fuzz build is for optimised code; this build may be unoptimised, so it holds
// every input to the bound users are promised: no formula takes more than about a second.
constexpr std::chrono::milliseconds kReplayTimeBudget{1000};

std::vector<fs::path> replayInputs() {
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(VORLINT_FUZZ_DIR) / kind / VORLINT_FUZZ_TARGET;
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string testName(const testing::TestParamInfo<fs::path>& info) {
    std::string name =
        info.param.parent_path().parent_path().filename().string() + "_" + info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name + "_" + std::to_string(info.index);
}

class FuzzReplay : public testing::TestWithParam<fs::path> {};

TEST_P(FuzzReplay, KeepsEveryInvariant) {
    fuzz::setTimeBudget(kReplayTimeBudget);
    fuzz::setInputLabel(GetParam().string());
    const std::string bytes = readBytes(GetParam());
    VORLINT_FUZZ_HARNESS(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplay, testing::ValuesIn(replayInputs()), testName);

// A wrong folder would replay nothing and pass.
TEST(FuzzReplayInputs, IncludeTheSeeds) {
    EXPECT_FALSE(replayInputs().empty());
}

} // namespace
