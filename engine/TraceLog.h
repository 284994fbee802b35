#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The operator applications of one evaluation, kept as numbers and rendered to text only when
/// the trace is read: the simulation step evaluates every millisecond and never reads it.
class TraceLog {
public:
    void clear();
    /// Records one operator application with its arguments and the base numbers render in now.
    void append(int op, const double* args, std::size_t count, int base);

    struct Line {
        int op;
        int base;
        std::uint32_t firstArg;
        std::uint32_t argCount;
    };
    const std::vector<Line>& lines() const { return lines_; }
    const double* argsOf(const Line& line) const { return args_.data() + line.firstArg; }

private:
    std::vector<Line> lines_;
    std::vector<double> args_;
};
