// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalNumber.h"

#include <array>
#include <bit>
#include <limits>

namespace jitsu {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<DecimalNumber> wholeNumber(std::string_view text) {
    auto number = leadingNumber(text);
    if (!number || number->length != text.size()) return std::nullopt;
    return number;
}

std::optional<LeadingDecimal> leadingDecimal(std::string_view text) {
    // The digits of both parts read as one integer over a power of ten: exact in a double while
    // there are at most 15 digits (below 2^53) and the power is below 10^23, so that one
    // division rounds once, correctly. More digits wrap the integer, which is then not used.
    static constexpr std::array<double, 23> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::size_t kExactDigits = 15;
    const bool negative = !text.empty() && text[0] == '-';
    std::size_t p = !text.empty() && (negative || text[0] == '+') ? 1 : 0;
    std::uint64_t digits = 0;
    auto readDigits = [&] {
        const std::size_t first = p;
        for (; p < text.size() && isDigit(text[p]); ++p)
            digits = digits * 10 + static_cast<unsigned>(text[p] - '0');
        return p - first;
    };
    std::size_t count = readDigits(), decimals = 0;
    if (count == 0) return std::nullopt;
    if (p < text.size() && text[p] == '.') {
        ++p;
        decimals = readDigits();
        count += decimals;
    }
    if (count > kExactDigits || decimals >= kPowers.size()) return std::nullopt;
    double value = static_cast<double>(digits) / kPowers[decimals];
    // Rounding that double to a float rounds twice; that differs from rounding once only when
    // the double lies exactly halfway between two floats (the 29 bits a float drops are 1000…0).
    constexpr std::uint64_t kDropped = (std::uint64_t{1} << 29) - 1;
    if ((std::bit_cast<std::uint64_t>(value) & kDropped) == (std::uint64_t{1} << 28))
        return std::nullopt;
    if (negative) value = -value;
    return LeadingDecimal{static_cast<float>(value), p};
}

}  // namespace jitsu
