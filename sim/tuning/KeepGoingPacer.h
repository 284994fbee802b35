#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

/// Asked at the first step and then every kKeepGoingPeriod or so with the number of steps done; false
/// cancels the run.
using KeepGoing = std::function<bool(std::uint64_t stepsDone)>;

/// The longest a run goes without asking keepGoing, besides the step under way: a cancel waits for
/// no more than this and one step, however slow the formula.
inline constexpr std::chrono::milliseconds kKeepGoingPeriod{10};

/// Asks a KeepGoing at the first step and then at the first step after kKeepGoingPeriod has gone by since
/// the last question, whatever a step costs: a run of a slow formula is cancelled as soon as one of a fast
/// formula, and a fast formula does not pay for a question at every step.
class CKeepGoingPacer {
public:
    /// `keepGoing` may be empty: the run then always goes on and the clock is never read.
    explicit CKeepGoingPacer(const KeepGoing& keepGoing) : m_keepGoing(keepGoing) {}

    /// False once keepGoing, asked with `stepsDone` when a question is due, has said to stop.
    bool GoOn(std::uint64_t stepsDone);

private:
    const KeepGoing& m_keepGoing;
    std::chrono::steady_clock::time_point m_nextQuestion{}; // the clock's epoch: the first call asks
};
