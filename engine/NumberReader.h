#pragma once

#include <string_view>

/// Reads `text` as a number written in `base` ("," counts as "."; a leading "-" negates). The digits
/// before the point accumulate as value * base + digit and the k-th digit after it adds digit * base^-k,
/// in the order written, so "0.75" reads as 0.7500000000000001. Returns 0, kDigitOutOfBase,
/// kNotADigit (a character the base test lets through that is no digit) or kMultipleDecimalPoints;
/// `value` is written only on 0. An empty text reads as 0.
int readNumber(std::string_view text, int base, double& value);
