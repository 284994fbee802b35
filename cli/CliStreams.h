#pragma once

#include <cstdio>

/// Where a command reads its input and writes its output and messages: the process's standard
/// streams, or files that a test hands it.
struct CliStreams {
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};
