#include "DecimalNumber.h"

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

}  // namespace jitsu
