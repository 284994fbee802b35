#include "SampleCsv.h"

#include "RoundTripNumber.h"
#include "RunRecording.h"
#include "SampleHistory.h"

#include <charconv>

const char* const kSampleCsvHeader = "step,setPoint,point,power,proportional,integral,derivative,error\n";

namespace {

/// A row's width with room to spare, so that a whole history needs one allocation.
constexpr std::size_t kRowReserve = 9 * 25;

/// `count` samples as CSV (with their measurement when `withMeasurement`) and their time, the i-th
/// numbered `firstStep` + i and read by `sampleAt(i)`. The command line's columns come first, in its
/// order, and `time_s` last, so that one script reads both.
template <class SampleAt>
std::string samplesCsv(std::size_t count, std::uint64_t firstStep, bool withMeasurement, SampleAt sampleAt) {
    std::string out = sampleCsvHeaderWith(withMeasurement ? "measurement,time_s" : "time_s");
    out.reserve(out.size() + count * kRowReserve);
    for (std::size_t i = 0; i < count; ++i) {
        const Sample& sample = sampleAt(i);
        appendSampleRow(out, firstStep + i, sample);
        if (withMeasurement)
            appendColumn(out, sample.measurement);
        appendColumn(out, sample.timeS);
    }
    return out;
}

} // namespace

std::string sampleCsvHeaderWith(const char* name) {
    std::string header = kSampleCsvHeader;
    header.back() = ',';
    return header + name + '\n';
}

void appendColumn(std::string& out, double value) {
    out.back() = ',';
    appendNumber(out, value);
    out += '\n';
}

void appendSampleRow(std::string& out, std::uint64_t step, const Sample& sample) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, step).ptr);
    for (double field : {sample.setPoint, sample.point, sample.power, sample.proportional, sample.integral,
                         sample.derivative, sample.error}) {
        out += ',';
        appendNumber(out, field);
    }
    out += '\n';
}

std::string historyCsv(const SampleHistory& history, bool withMeasurement) {
    return samplesCsv(history.size(), history.appended() - history.size() + 1, withMeasurement,
                      [&history](std::size_t i) -> const Sample& { return history[i]; });
}

std::string recordingCsv(const RunRecording& recording, std::size_t first, std::size_t last,
                         bool withMeasurement) {
    const std::size_t count = recording.empty() || first > last ? 0 : last - first + 1;
    return samplesCsv(
        count, recording.stepNumber(first), withMeasurement,
        [&recording, first](std::size_t i) -> const Sample& { return recording[first + i].sample; });
}
