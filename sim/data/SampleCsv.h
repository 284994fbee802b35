#pragma once

#include "Sample.h"

#include <cstdint>
#include <string>

class RunRecording;
class SampleHistory;

/// The header line of the history as CSV, line feed included.
extern const char* const kSampleCsvHeader;

/// Appends one CSV row: the step number, then the sample's seven fields in their order, each as
/// "%.17g" writes it.
void appendSampleRow(std::string& out, std::uint64_t step, const Sample& sample);

/// The header line with one more column, `name`, at its end.
std::string sampleCsvHeaderWith(const char* name);
/// Replaces the line feed that ends `out` by "," and `value` as "%.17g" writes it, and a line feed.
void appendColumn(std::string& out, double value);

/// A window's history as CSV, oldest sample first: the columns of appendSampleRow, each row numbered
/// with the step that made it, followed, when `withMeasurement` (CSimulation::MeasurementDiffersFromPoint),
/// by `measurement`, what the controller read, as `vorlint-cli sim` writes them, and last by `time_s`, the
/// sample's simulated time in seconds.
std::string historyCsv(const SampleHistory& history, bool withMeasurement);
/// The steps [first, last] (indices) of a run's recording as CSV, in the columns of historyCsv; only the
/// header when the recording is empty.
std::string recordingCsv(const RunRecording& recording, std::size_t first, std::size_t last,
                         bool withMeasurement);
