#include "SampleCsv.h"

#include "NumberText.h"

#include <charconv>

const char* const kSampleCsvHeader = "step,setPoint,point,power,proportional,integral,derivative,error\n";

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
