// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalNumber.h"

#include <array>
#include <bit>
#include <limits>

namespace jitsu {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<DecimalNumber> leadingNumber(std::string_view text) {
    DecimalNumber number;
    std::size_t p = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        p = 1;
    }
    const std::size_t first = p;
    // Nineteen digits always fit in 64 bits; only a longer run needs its overflow checked. A
    // plain loop: every number of a year's files passes here, most of them two or three digits.
    constexpr std::size_t kSafeDigits = 19;
    for (; p < text.size() && p - first < kSafeDigits && isDigit(text[p]); ++p)
        number.magnitude = number.magnitude * 10 + static_cast<unsigned>(text[p] - '0');
    if (p == first) return std::nullopt;
    for (; p < text.size() && isDigit(text[p]); ++p) {
        std::uint64_t next;
        if (__builtin_mul_overflow(number.magnitude, 10u, &next) ||
            __builtin_add_overflow(next, static_cast<unsigned>(text[p] - '0'), &next))
            next = std::numeric_limits<std::uint64_t>::max();
        number.magnitude = next;
    }
    number.digits = p - first;
    number.length = p;
    return number;
}

std::optional<DecimalNumber> wholeNumber(std::string_view text) {
    auto number = leadingNumber(text);
    if (!number || number->length != text.size()) return std::nullopt;
    return number;
}

std::optional<float> decimalFloat(std::string_view text) {
    const auto whole = leadingNumber(text);
    if (!whole) return std::nullopt;
    std::string_view rest = text.substr(whole->length);
    DecimalNumber fraction;
    if (!rest.empty()) {
        if (rest[0] != '.') return std::nullopt;
        rest.remove_prefix(1);
        if (!rest.empty()) {
            if (rest[0] == '+' || rest[0] == '-') return std::nullopt;
            const auto digits = wholeNumber(rest);
            if (!digits) return std::nullopt;
            fraction = *digits;
        }
    }
    // Both parts as one integer over a power of ten: each exact in a double while the digits
    // stay below 2^53 (15 digits always do) and the power below 10^23, so that one division
    // rounds once, correctly.
    static constexpr std::array<double, 23> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (whole->digits + fraction.digits > 15 || fraction.digits >= kPowers.size())
        return std::nullopt;
    const double digits = static_cast<double>(whole->magnitude) * kPowers[fraction.digits] +
                          static_cast<double>(fraction.magnitude);
    double value = digits / kPowers[fraction.digits];
    // Rounding that double to a float rounds twice; that differs from rounding once only when
    // the double lies exactly halfway between two floats (the 29 bits a float drops are 1000…0).
    constexpr std::uint64_t kDropped = (std::uint64_t{1} << 29) - 1;
    if ((std::bit_cast<std::uint64_t>(value) & kDropped) == (std::uint64_t{1} << 28))
        return std::nullopt;
    if (whole->negative) value = -value;
    return static_cast<float>(value);
}

}  // namespace jitsu
