#pragma once

#include "ScheduledEvent.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// The step of what never happens: beyond any run.
inline constexpr std::uint64_t kNeverStep = UINT64_MAX;

/// The step (from 1, the run's first) before which an event at `atS` applies: round(atS / dtS) + 1, so
/// that it lands on the step nearest its time. With dtS 0 the simulated time stands still at 0: an
/// event at 0 applies before step 1 and a later one never (kNeverStep).
std::uint64_t eventStep(double atS, double dtS);

/// How many steps of `dtS` a run of `runS` simulated seconds takes: ceil(runS / dtS); kNeverStep when
/// that is not a count (dtS 0).
std::uint64_t stepsToRun(double runS, double dtS);

/// A run's events in the order they apply: by step, and the events of one step in list order. Whoever
/// steps the simulation applies TakeDue's changes before each step; the steps are fixed by the step time at
/// the run's start, so an event that changes the step time does not move the later ones.
class CEventSchedule {
public:
    CEventSchedule(const std::vector<ScheduledEvent>& events, double dtS);

    /// The changes, in order, of the events not taken yet whose step is `step` or earlier, for the
    /// settings table to apply.
    std::vector<SettingChange> TakeDue(std::uint64_t step);
    /// Takes `events` in place of the run's as from its next step: the steps stay those of the step time
    /// at the run's start, and an event whose step has been taken already waits for the next run.
    void Replace(const std::vector<ScheduledEvent>& events);

private:
    struct Due {
        std::uint64_t step;
        SettingChange change;
    };
    double m_dtS;
    std::vector<Due> m_due;
    std::size_t m_next = 0;
    std::uint64_t m_taken = 0; ///< the newest step TakeDue was asked about
};
