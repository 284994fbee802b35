#pragma once

#include "NumberFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The operator applications of one evaluation, kept as numbers and rendered to text only when
/// the trace is read: the simulation step evaluates every millisecond and never reads it.
class TraceLog {
public:
    void clear();
    /// Records one operator application with the operands its line shows (both of a binary operator,
    /// the one of a postfix operator, every argument of a function) and the base numbers render in now.
    void append(int op, const double* args, std::size_t count, int base);
    /// The decimal mark and grouping of the evaluation, which the lines are rendered with.
    void setStyle(const NumberStyle& style) { style_ = style; }
    /// Appends one text line per application, exactly as it would have been written at the time.
    void render(std::string& out) const;

    struct Line {
        int op;
        int base;
        std::uint32_t firstArg;
        std::uint32_t argCount;
    };
    const std::vector<Line>& lines() const { return lines_; }
    const double* argsOf(const Line& line) const { return args_.data() + line.firstArg; }

private:
    void renderLine(std::string& out, const Line& line) const;

    std::vector<Line> lines_;
    std::vector<double> args_;
    NumberStyle style_;
};
