#include "OperatorCode.h"
#include "TraceLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Application {
    int op;
    std::vector<double> args;
    int base;
};

std::string render(const std::vector<Application>& applications, const NumberStyle& style = {}) {
    TraceLog log;
    log.setStyle(style);
    for (const Application& a : applications)
        log.append(a.op, a.args.data(), a.args.size(), a.base);
    std::string text;
    log.render(text);
    return text;
}

struct LineRow {
    Application application;
    const char* line;
};

const LineRow kLines[] = {
    {{kPlus, {2, 3}, 10}, "2 + 3\n"},
    {{kMax, {1, 2.5, 3}, 10}, "max(1:2.5:3)\n"},
    {{kFactorial, {5}, 10}, "5!\n"},
    {{kSin, {0.5}, 10}, "sin(0.5)\n"},
    {{kInteger, {2.5}, 10}, "integer(2.5)\n"},
    {{kNcr, {5, 2}, 10}, "5 ncr 2\n"},
    {{kCelsiusFahrenheit, {100}, 10}, "100celcius->farenheit\n"},
    {{kPercent, {50}, 10}, "50%\n"},
    {{kConvbase, {255, 16}, 10}, "the entire expression will be converted to base 16\n"},
    {{kPlus, {255, 1}, 16}, "FF + 1\n"},
    {{kMultiply, {1e20, std::nan("")}, 10}, "1.000000e+020 * nan\n"},
    {{kDivide, {1234567, 1.0 / 0.0}, 10}, "1,234,567 / overflow\n"},
    {{kSeparator, {1, 2}, 10}, "\n"},
};

TEST(EvalTraceLog, OneLinePerApplicationInItsCategoryFormat) {
    for (const LineRow& row : kLines)
        EXPECT_EQ(render({row.application}), row.line);
}

TEST(EvalTraceLog, LinesKeepTheirOrderAndTheStyleOfTheEvaluation) {
    NumberStyle comma;
    comma.decimalComma = 1;
    EXPECT_EQ(render({{kMultiply, {3, 4}, 10}, {kPlus, {2, 12}, 10}}), "3 * 4\n2 + 12\n");
    EXPECT_EQ(render({{kMultiply, {2.5, 1000}, 10}}, comma), "2,5 * 1,000\n");
}

TEST(EvalTraceLog, ClearEmptiesTheLog) {
    TraceLog log;
    const double args[] = {1, 2};
    log.append(kPlus, args, 2, 10);
    log.clear();
    std::string text;
    log.render(text);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(log.lines().empty());
}

} // namespace
