#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets. libFuzzer calls them through FuzzEntry.cpp; the replay test calls them on
// every seed and every kept finding. Each aborts with a message when an invariant breaks.

/// Arbitrary bytes as formula text: on a fresh engine (again in a decimal-comma locale, to the same
/// outcome), and as a '\n'-separated session of formulas on a long-lived engine whose options come
/// from the input's last byte.
void FuzzFormula(const std::uint8_t* data, std::size_t size);

/// Arbitrary bytes as "constants.dat" and "units.dat", then formulas that use what was loaded.
void FuzzDataFiles(const std::uint8_t* data, std::size_t size);

/// A stream of panel-like events (gains, modes, set point, power, step times, formulas, resets, steps)
/// driving one simulation; each step is checked, and timed on its own.
void FuzzSimulation(const std::uint8_t* data, std::size_t size);

/// Arbitrary bytes as a `.vrl` file read without a toolkit, as `vorlint-cli check` reads it.
void FuzzVrlFile(const std::uint8_t* data, std::size_t size);
