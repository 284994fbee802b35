#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

/// Scratch working directories for the engine, which reads "constants.dat" and "units.dat" from the
/// working directory, each made when a benchmark first asks for it. Every file is dated an hour back,
/// as files that have been there a while are: a file written moments ago is read again now and then,
/// and would not show the steady state.
class BenchDataDirs {
public:
    enum Dir : int {
        kWithoutFiles = 0,
        kShippedFiles = 1,
        kMillionEntries = 2, // the shipped files and a million more constants and units
        kThousandUnits = 3,  // one category of a thousand units
    };

    BenchDataDirs() {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "vorlint-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        m_root = pattern;
        m_haveFiles = fs::exists(fs::path(VORLINT_DATA_DIR) / "constants.dat");
    }
    ~BenchDataDirs() {
        std::error_code error;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
        if (!m_root.empty()) {
            std::filesystem::remove_all(m_root, error);
        }
    }

    /// Moves into the directory that state.range(0) asks for (a Dir); false, with the benchmark marked
    /// as skipped, when that is not possible.
    bool enter(benchmark::State& state) const {
        static const char* const kNames[] = {"without-files", "with-files", "million", "thousand-units"};
        const auto dir = static_cast<Dir>(state.range(0));
        if (m_root.empty() || (dir != kWithoutFiles && !m_haveFiles)) {
            state.SkipWithError("no data files in " VORLINT_DATA_DIR);
            return false;
        }
        namespace fs = std::filesystem;
        const fs::path path = m_root / kNames[dir];
        std::error_code error;
        if (!fs::exists(path)) {
            make(dir, path);
            for (const auto& entry : fs::directory_iterator(path, error)) {
                fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(1),
                                    error);
            }
        }
        fs::current_path(path, error);
        return !error;
    }

private:
    static void make(Dir dir, const std::filesystem::path& path) {
        namespace fs = std::filesystem;
        fs::create_directory(path);
        if (dir == kShippedFiles || dir == kMillionEntries) {
            for (const char* name : {"constants.dat", "units.dat"}) {
                fs::copy_file(fs::path(VORLINT_DATA_DIR) / name, path / name);
            }
        }
        if (dir == kMillionEntries) {
            appendMillionEntries(path);
        } else if (dir == kThousandUnits) {
            writeThousandUnits(path);
        }
    }

    static void appendMillionEntries(const std::filesystem::path& dir) {
        std::ofstream constants(dir / "constants.dat", std::ios::app);
        constants << "*\nG\n";
        std::ofstream units(dir / "units.dat", std::ios::app);
        units << "****STANDARD****\nmany\nA\nx\nB\nx\n2\n";
        for (int i = 0; i < 1000000; ++i) {
            constants << 'c' << i << "\n1\n";
            units << 'u' << i << "\nA\n1\n";
        }
    }

    static void writeThousandUnits(const std::filesystem::path& dir) {
        std::ofstream units(dir / "units.dat");
        units << "****STANDARD****\ncat\nA\nx\nB\nx\n2\n";
        for (int i = 0; i < 1000; ++i) {
            units << 'u' << i << "\nA\n1\n";
        }
    }

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
