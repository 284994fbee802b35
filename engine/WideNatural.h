#pragma once

#include <array>
#include <cstdint>

/// A non-negative integer held exactly beyond 64 bits. The lcm of a list and the integer digits of a
/// huge value need exact remainders, which neither a double nor a 64-bit integer can give. The capacity
/// covers the whole double range plus one 32-bit factor.
class WideNatural {
public:
    static constexpr int kLimbCount = 34;

    explicit WideNatural(std::uint64_t value = 0);
    /// The exact value of a whole, finite, non-negative double.
    static WideNatural fromWholeDouble(double x);

    /// Multiplies in place; false (value unspecified) when the product needs more than the capacity.
    bool multiplyBy(std::uint32_t factor);
    /// Divides in place by a nonzero divisor and returns the remainder.
    std::uint32_t divideBy(std::uint32_t divisor);
    /// The remainder of a division by a nonzero divisor.
    std::uint32_t remainder(std::uint32_t divisor) const;

    bool isZero() const { return used_ == 0; }
    int bitLength() const;
    /// The nearest double, ties to even; infinity beyond the double range.
    double toDouble() const;

private:
    bool bit(int index) const { return ((limbs_[index / 32] >> (index % 32)) & 1u) != 0; }
    void trim();

    std::array<std::uint32_t, kLimbCount> limbs_{}; // least significant first
    int used_ = 0;                                  // limbs in use; the top one is nonzero
};
