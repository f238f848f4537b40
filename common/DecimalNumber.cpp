// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalNumber.h"

#include <array>
#include <bit>
#include <charconv>
#include <limits>

namespace jitsu {

std::int64_t DecimalNumber::value() const {
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > kMax)
        return negative ? std::numeric_limits<std::int64_t>::min()
                        : std::numeric_limits<std::int64_t>::max();
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

std::optional<DecimalNumber> leadingNumber(std::string_view text) {
    DecimalNumber number;
    std::size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        start = 1;
    }
    // Unsigned, so that from_chars takes no sign of its own after ours.
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, number.magnitude);
    if (error == std::errc::invalid_argument) return std::nullopt;
    // Out of range, from_chars still reads every digit.
    if (error == std::errc::result_out_of_range)
        number.magnitude = std::numeric_limits<std::uint64_t>::max();
    number.digits = static_cast<std::size_t>(end - first);
    number.length = start + number.digits;
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
