#include "SweepOptions.h"

#include "JobCount.h"
#include "NumberText.h"
#include "QuotedValue.h"
#include "SetupOptions.h"

#include <limits>

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = 0; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

/// FROM:TO:COUNT, or one number X for X:X:1.
bool parseRange(const std::string& option, const std::string& value, GainRange& range, std::string& error) {
    const std::vector<std::string> parts = splitAt(value, ':');
    bool ok = (parts.size() == 1 || parts.size() == 3) &&
              parseNumberIn(option, parts[0], NumberRange::Finite, range.from, error);
    range.to = range.from;
    range.count = 1;
    if (ok && parts.size() == 3) {
        ok = parseNumberIn(option, parts[1], NumberRange::Finite, range.to, error) &&
             parseCount(parts[2], std::numeric_limits<std::uint64_t>::max(), range.count) && range.count > 0;
    }
    if (!ok) {
        error = option + " needs FROM:TO:COUNT (finite numbers, COUNT from 1) or one finite number, not " +
                quoted(value);
    }
    return ok;
}

/// I/N with I below N.
bool parseShard(const std::string& value, SweepOptions& options, std::string& error) {
    const std::vector<std::string> parts = splitAt(value, '/');
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    if (parts.size() != 2 || !parseCount(parts[0], max, options.shard) ||
        !parseCount(parts[1], max, options.shardCount) || options.shard >= options.shardCount) {
        error = "--shard needs I/N, whole numbers with I below N, not " + quoted(value);
        return false;
    }
    return true;
}

GainRange* rangeOf(const std::string& option, GainGrid& grid) {
    if (option == "--kp") {
        return &grid.kp;
    }
    if (option == "--ki") {
        return &grid.ki;
    }
    return option == "--kd" ? &grid.kd : nullptr;
}

bool takesValue(const std::string& option) {
    GainGrid grid;
    return rangeOf(option, grid) != nullptr || option == "--steps" || option == "--jobs" ||
           option == "--shard" || isSetupOption(option);
}

bool checkGrid(const GainGrid& grid, bool kpGiven, std::string& error) {
    if (!kpGiven) {
        error = "--kp FROM:TO:COUNT is needed";
        return false;
    }
    const std::uint64_t size = grid.Size();
    if (size == 0 || size > kMaxSweepCombinations) {
        error = "too many combinations (" + (size == 0 ? std::string("beyond 2^64") : std::to_string(size)) +
                "): a sweep has at most " + std::to_string(kMaxSweepCombinations);
        return false;
    }
    return true;
}

} // namespace

bool parseSweepOptions(const Arguments& args, SweepOptions& options, std::string& error) {
    bool kpGiven = false;
    const auto handle = [&](const std::string& option, const std::string& value, std::string& message) {
        if (GainRange* range = rangeOf(option, options.grid)) {
            kpGiven = kpGiven || option == "--kp";
            return parseRange(option, value, *range, message);
        }
        if (option == "--steps") {
            return parseStepCount(value, options.steps, message);
        }
        if (option == "--jobs") {
            return parseJobCount(value, options.jobs, message);
        }
        if (option == "--shard") {
            return parseShard(value, options, message);
        }
        return takeSetupOption(option, value, options.setupSettings, message);
    };
    return parseOptionPairs(args, takesValue, handle, options.help, error) &&
           (options.help || checkGrid(options.grid, kpGiven, error));
}
