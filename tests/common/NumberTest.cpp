// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "DecimalNumber.h"

using namespace jitsu;

namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

struct NumberCase {
    const char* text;
    std::size_t length;  // 0: no number at the start
    std::int64_t value;
    bool whole;
};

}  // namespace

TEST(DecimalNumber, TakesASignAndEveryDigitAndSaturates) {
    const NumberCase cases[] = {{"0", 1, 0, true},
                                {"+7", 2, 7, true},
                                {"-085x", 4, -85, false},
                                {"12 3", 2, 12, false},
                                {"0x1F", 1, 0, false},
                                {"-9223372036854775808", 20, kMin, true},
                                {"9223372036854775808", 19, kMax, true},
                                {"-123456789012345678901234567890", 31, kMin, true},
                                {"", 0, 0, false},
                                {"+", 0, 0, false},
                                {"-x", 0, 0, false},
                                {" 5", 0, 0, false},
                                {"+-5", 0, 0, false}};
    for (const NumberCase& c : cases) {
        const auto leading = leadingNumber(c.text);
        ASSERT_EQ(leading.has_value(), c.length > 0) << c.text;
        if (leading) {
            EXPECT_EQ(leading->length, c.length) << c.text;
            EXPECT_EQ(leading->value(), c.value) << c.text;
        }
        EXPECT_EQ(wholeNumber(c.text).has_value(), c.whole) << c.text;
    }
}
