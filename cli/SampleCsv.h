#pragma once

#include "Sample.h"

#include <cstdint>
#include <string>

/// The header line of the history as CSV, line feed included.
extern const char* const kSampleCsvHeader;

/// Appends one CSV row: the step number, then the sample's seven fields in their order, each as
/// "%.17g" writes it.
void appendSampleRow(std::string& out, std::uint64_t step, const Sample& sample);
