#include "Invariant.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

std::string inputLabel;
std::chrono::milliseconds timeBudget{100};

constexpr std::size_t kShownBytes = 300;

} // namespace

void setInputLabel(std::string label) {
    inputLabel = std::move(label);
}

void invariantBroken(std::string_view rule, std::string_view detail) {
    std::fprintf(stderr, "\n==== vorlint fuzz: %.*s\n", static_cast<int>(rule.size()), rule.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "==== %.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    if (!inputLabel.empty()) {
        std::fprintf(stderr, "==== input: %s\n", inputLabel.c_str());
    }
    std::fflush(stderr);
    std::abort();
}

std::string printable(std::string_view bytes) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size() && i < kShownBytes; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    out += '"';
    if (bytes.size() > kShownBytes) {
        out += " ... (" + std::to_string(bytes.size()) + " bytes)";
    }
    return out;
}

void setTimeBudget(std::chrono::milliseconds budget) {
    timeBudget = budget;
}

bool WorkTimer::exceeded() const {
    return std::chrono::steady_clock::now() - start_ > timeBudget;
}

void WorkTimer::fail(std::string_view work, std::string_view text) const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    invariantBroken("slow input: " + std::to_string(ms) + " ms, over the budget of " +
                        std::to_string(timeBudget.count()) + " ms",
                    std::string(work) + " " + printable(text));
}

} // namespace fuzz
