#include "TraceLog.h"

#include "OperatorCode.h"

namespace {

// A typical formula applies a handful of operators; reserving once spares the growth steps.
constexpr std::size_t kInitialLines = 16;
constexpr std::size_t kInitialArgs = 32;

} // namespace

void TraceLog::clear() {
    lines_.clear();
    args_.clear();
}

void TraceLog::append(int op, const double* args, std::size_t count, int base) {
    if (lines_.capacity() == 0) {
        lines_.reserve(kInitialLines);
        args_.reserve(kInitialArgs);
    }
    // Both sizes stay below the node count of a tree, which the builder limits. The operands go in
    // first: should memory run out, no line is left naming operands that are not there.
    const auto firstArg = static_cast<std::uint32_t>(args_.size());
    args_.insert(args_.end(), args, args + count);
    lines_.push_back({op, base, firstArg, static_cast<std::uint32_t>(count)});
}

void TraceLog::render(std::string& out) const {
    for (const Line& line : lines_)
        renderLine(out, line);
}

void TraceLog::renderLine(std::string& out, const Line& line) const {
    const double* args = argsOf(line);
    const auto number = [&](std::size_t i) { return formatInBase(args[i], 0, line.base, style_); };
    const char* name = operatorName(line.op);
    if (line.op == kConvbase) {
        out += "the entire expression will be converted to base ";
        out += number(1);
    } else if (isFunction(line.op)) {
        out += name;
        out += '(';
        for (std::size_t i = 0; i < line.argCount; ++i) {
            if (i > 0)
                out += ':';
            out += number(i);
        }
        out += ')';
    } else if (isBinary(line.op)) {
        out += number(0) + ' ' + name + ' ' + number(1);
    } else if (isPostfix(line.op)) {
        out += number(0) + name;
    }
    out += '\n';
}
