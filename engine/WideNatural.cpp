#include "WideNatural.h"

#include <cmath>

WideNatural::WideNatural(std::uint64_t value) {
    limbs_[0] = static_cast<std::uint32_t>(value);
    limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    used_ = 2;
    trim();
}

WideNatural WideNatural::fromWholeDouble(double x) {
    constexpr double kTwoTo64 = 18446744073709551616.0;
    if (x < kTwoTo64)
        return WideNatural(static_cast<std::uint64_t>(x));
    // From 2^64 on a double is its 53-bit significand shifted left by at least 11 bits.
    int exponent = 0;
    const double significand = std::frexp(x, &exponent);
    WideNatural result(static_cast<std::uint64_t>(std::ldexp(significand, 53)));
    for (int shift = exponent - 53; shift > 0; shift -= 31)
        result.multiplyBy(std::uint32_t{1} << (shift < 31 ? shift : 31));
    return result;
}

bool WideNatural::multiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < used_; ++i) {
        const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
        limbs_[i] = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        if (used_ == kLimbCount) {
            trim();
            return false;
        }
        limbs_[used_++] = static_cast<std::uint32_t>(carry);
    }
    trim();
    return true;
}

std::uint32_t WideNatural::divideBy(std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (int i = used_ - 1; i >= 0; --i) {
        const std::uint64_t current = (rest << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(current / divisor);
        rest = current % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(rest);
}

std::uint32_t WideNatural::remainder(std::uint32_t divisor) const {
    std::uint64_t rest = 0;
    for (int i = used_ - 1; i >= 0; --i)
        rest = ((rest << 32) | limbs_[i]) % divisor;
    return static_cast<std::uint32_t>(rest);
}

int WideNatural::bitLength() const {
    if (used_ == 0)
        return 0;
    int bits = 32 * (used_ - 1);
    for (std::uint32_t top = limbs_[used_ - 1]; top != 0; top >>= 1)
        ++bits;
    return bits;
}

double WideNatural::toDouble() const {
    const int length = bitLength();
    if (length <= 64)
        return static_cast<double>((std::uint64_t{limbs_[1]} << 32) | limbs_[0]);
    // Keep the top 64 bits and fold every lower bit into the lowest one, so that the conversion
    // to 53 bits rounds exactly as the full value would.
    const int shift = length - 64;
    std::uint64_t top = 0;
    for (int i = length - 1; i >= shift; --i)
        top = (top << 1) | (bit(i) ? 1u : 0u);
    for (int i = 0; i < shift; ++i)
        if (bit(i)) {
            top |= 1u;
            break;
        }
    return std::ldexp(static_cast<double>(top), shift);
}

void WideNatural::trim() {
    while (used_ > 0 && limbs_[used_ - 1] == 0)
        --used_;
}
