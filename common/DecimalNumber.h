// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace jitsu {

// An optional sign and decimal digits, as the suite's files, cells and command lines write whole
// numbers. The magnitude saturates: a run of digits of any length is read in full.
struct DecimalNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;  // the largest uint64 for anything larger
    std::size_t digits = 0;       // how many digits, leading zeros included
    std::size_t length = 0;       // characters read: the sign and the digits

    // The value, saturated to the 64-bit range.
    std::int64_t value() const {
        constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        if (magnitude > kMax)
            return negative ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
        return negative ? -static_cast<std::int64_t>(magnitude)
                        : static_cast<std::int64_t>(magnitude);
    }
};

// The number at the start of `text`, up to the first character that is no digit; nullopt, and
// nothing read, when no digit follows the sign. No space is skipped.
inline std::optional<DecimalNumber> leadingNumber(std::string_view text) {
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
    for (; p < text.size() && p - first < kSafeDigits && (text[p] >= '0' && text[p] <= '9'); ++p)
        number.magnitude = number.magnitude * 10 + static_cast<unsigned>(text[p] - '0');
    if (p == first) return std::nullopt;
    for (; p < text.size() && (text[p] >= '0' && text[p] <= '9'); ++p) {
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

// The number that is the whole of `text`; nullopt for any other text, the empty one included.
std::optional<DecimalNumber> wholeNumber(std::string_view text);

// The float that `text` starts with, as the suite's writers write decimals: an optional sign,
// digits, and optionally a point and more digits ("-12", "48.250000", "7."), rounded to the
// nearest float exactly as the C library's "%f" reads it, and the characters it takes. nullopt
// for any other start, and for the rare decimals this quick conversion cannot round exactly
// (more than 15 digits or 22 decimals, or a value halfway between two floats): the caller then
// asks the C library, as it does when other characters follow (an exponent, say).
struct LeadingDecimal {
    float value;
    std::size_t length;
};
std::optional<LeadingDecimal> leadingDecimal(std::string_view text);

}  // namespace jitsu
