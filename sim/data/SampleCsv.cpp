#include "SampleCsv.h"

#include "RoundTripNumber.h"
#include "SampleHistory.h"

#include <charconv>

const char* const kSampleCsvHeader = "step,setPoint,point,power,proportional,integral,derivative,error\n";

namespace {

/// A row's width with room to spare, so that a whole history needs one allocation.
constexpr std::size_t kRowReserve = 9 * 25;

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
    std::string out = sampleCsvHeaderWith(withMeasurement ? "time_s,measurement" : "time_s");
    out.reserve(out.size() + history.size() * kRowReserve);
    const std::uint64_t firstStep = history.appended() - history.size() + 1;
    for (std::size_t i = 0; i < history.size(); ++i) {
        appendSampleRow(out, firstStep + i, history[i]);
        appendColumn(out, history[i].timeS);
        if (withMeasurement) {
            appendColumn(out, history[i].measurement);
        }
    }
    return out;
}
