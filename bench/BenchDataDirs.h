#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

/// Two scratch working directories for the engine, which reads "constants.dat" and "units.dat"
/// from the working directory: one with copies of the shipped data files, one without any.
class BenchDataDirs {
public:
    BenchDataDirs() {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "vorlint-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        m_root = pattern;
        fs::create_directory(m_root / "with-files");
        fs::create_directory(m_root / "without-files");
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(VORLINT_DATA_DIR, error)) {
            if (entry.path().extension() == ".dat") {
                fs::copy_file(entry.path(), m_root / "with-files" / entry.path().filename());
                m_haveFiles = true;
            }
        }
    }
    ~BenchDataDirs() {
        std::error_code error;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
        if (!m_root.empty()) {
            std::filesystem::remove_all(m_root, error);
        }
    }

    /// Moves into the directory that state.range(0) asks for (1: with the data files, 0: without);
    /// false, with the benchmark marked as skipped, when that is not possible.
    bool enter(benchmark::State& state) const {
        const bool withFiles = state.range(0) != 0;
        if (m_root.empty() || (withFiles && !m_haveFiles)) {
            state.SkipWithError("no data files in " VORLINT_DATA_DIR);
            return false;
        }
        std::error_code error;
        std::filesystem::current_path(m_root / (withFiles ? "with-files" : "without-files"), error);
        return !error;
    }

private:
    std::filesystem::path m_root;
    bool m_haveFiles = false;
};

/// The directories of this run, created before the first benchmark and removed after the last.
inline const BenchDataDirs* benchDataDirs = nullptr;

inline int runBenchmarksInDataDirs(int argc, char** argv) {
    const BenchDataDirs dirs;
    benchDataDirs = &dirs;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
