#pragma once

#include "SettingValue.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

/// The setups a run went through: at the start of each response, the value of every row of the
/// settings table, kept when it differs from the one kept before. So a response read back from the
/// recording is shown with the setup it ran under, whatever was changed since. Reading the settings
/// costs an allocation, so it is done where a response begins (a set-point change), never at every step;
/// at most kMostSetups are kept, the oldest going first.
class SetupLog {
public:
    static constexpr std::size_t kMostSetups = 1000;

    /// The setup `values` (setupValues of the settings table) is in effect from step `step` (a run's
    /// step number, from 1) on.
    void Note(std::uint64_t step, SetupValues values);
    /// The setup in effect at step `step`; nullptr when none was noted at or before it.
    const SetupValues* At(std::uint64_t step) const;
    /// Forgets every setup: a new run begins.
    void clear() { m_setups.clear(); }

private:
    struct Setup {
        std::uint64_t step;
        SetupValues values;
    };
    std::deque<Setup> m_setups;
};
