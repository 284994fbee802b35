#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

/// A fresh temporary folder that is the working directory while the object lives, since the engine
/// reads its data files from the working directory. The previous directory is restored afterwards.
class ScratchFolder {
public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlint-data-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::filesystem::filesystem_error("mkdtemp",
                                                    std::error_code(errno, std::generic_category()));
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    /// Writes `content` byte for byte as the file `name` of this folder.
    void write(const std::string& name, const std::string& content) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << content;
        ASSERT_TRUE(out.good()) << name;
    }

    /// Sets the file's modification time back an hour, as for a file that has been there for a while.
    void age(const std::string& name) const {
        const auto file = path_ / name;
        std::filesystem::last_write_time(file,
                                         std::filesystem::last_write_time(file) - std::chrono::hours(1));
    }

    void remove(const std::string& name) const { std::filesystem::remove(path_ / name); }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
