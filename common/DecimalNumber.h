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
std::optional<DecimalNumber> leadingNumber(std::string_view text);

// The number that is the whole of `text`; nullopt for any other text, the empty one included.
std::optional<DecimalNumber> wholeNumber(std::string_view text);

// The float that the whole of `text` spells as the suite's writers write decimals: an optional
// sign, digits, and optionally a point and more digits ("-12", "48.250000", "7."), rounded to the
// nearest float exactly as the C library's "%f" reads it. nullopt for any other text, and for the
// rare ones this quick conversion cannot round exactly (more than 15 digits or 22 decimals, or a
// value halfway between two floats): the caller then asks the C library.
std::optional<float> decimalFloat(std::string_view text);

}  // namespace jitsu
