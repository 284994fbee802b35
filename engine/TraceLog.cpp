#include "TraceLog.h"

void TraceLog::clear() {
    lines_.clear();
    args_.clear();
}

void TraceLog::append(int, const double*, std::size_t, int) {}
