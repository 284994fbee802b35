#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

/// A command line that is a usage error, and a text its message must contain.
struct UsageCase {
    std::vector<std::string> args;
    const char* errorText;
};

inline void PrintTo(const UsageCase& c, std::ostream* os) {
    for (const std::string& arg : c.args) {
        *os << '[' << arg << "] ";
    }
}

/// Each command's test file instantiates this with its own cases: every one exits with status 2,
/// writes nothing to standard output and explains itself on standard error.
class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};
