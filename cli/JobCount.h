#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// How many threads a command that works through many items (sweep's combinations, grade's files) runs.

/// The largest --jobs taken.
inline constexpr std::uint64_t kMaxJobs = 1024;
/// More threads than this many per hardware thread would only wait on each other, each holding a
/// simulation.
inline constexpr unsigned kJobsPerHardwareThread = 4;

/// Reads the value of --jobs, from 1 to kMaxJobs; false with the reason in `error`.
bool parseJobCount(const std::string& value, unsigned& jobs, std::string& error);

/// The threads to run: `asked`, at most kJobsPerHardwareThread per hardware thread (saying so on `err`
/// for `command` when it asked for more), or one per hardware thread when it is 0.
unsigned threadsToRun(unsigned asked, const char* command, std::FILE* err);
