#pragma once

#include <cstddef>
#include <cstdint>
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
    std::int64_t value() const;
};

// The number at the start of `text`, up to the first character that is no digit; nullopt, and
// nothing read, when no digit follows the sign. No space is skipped.
std::optional<DecimalNumber> leadingNumber(std::string_view text);

// The number that is the whole of `text`; nullopt for any other text, the empty one included.
std::optional<DecimalNumber> wholeNumber(std::string_view text);

}  // namespace jitsu
