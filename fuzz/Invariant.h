#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace fuzz {

/// Names the input being run in every failure message; the replay test sets the file's name.
void setInputLabel(std::string label);

/// Stops the process with a message naming the broken rule and the input: libFuzzer keeps the input
/// as a crash, and the replay test fails on it.
[[noreturn]] void invariantBroken(std::string_view rule, std::string_view detail);

inline void require(bool holds, std::string_view rule, std::string_view detail = {}) {
    if (!holds) {
        invariantBroken(rule, detail);
    }
}

/// Bytes in a form fit for a one-line message: escaped, and cut short when long.
std::string printable(std::string_view bytes);

/// The longest time one input may take before it counts as a finding.
void setTimeBudget(std::chrono::milliseconds budget);

/// Measures the work of one input against the time budget.
class WorkTimer {
public:
    WorkTimer() : start_(std::chrono::steady_clock::now()) {}
    bool exceeded() const;
    /// Fails when the input has run longer than the budget; `work` and `text` say what it was doing.
    void check(std::string_view work, std::string_view text) const {
        if (exceeded()) {
            fail(work, text);
        }
    }
    [[noreturn]] void fail(std::string_view work, std::string_view text) const;

private:
    std::chrono::steady_clock::time_point start_;
};

} // namespace fuzz
