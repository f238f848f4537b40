// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "StudentNumber.h"

using namespace jitsu;

// The same typed text through both doors, UTF-8 and its CP932 bytes: digits, full-width or not,
// with blanks around and leading zeros kept, or nothing.
TEST(StudentNumbers, AreNormalisedOrRefused) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"10105", "10105"},     {"１０", "10"},        {"1０5", "105"},
        {" \t　１２　 ", "12"}, {"007", "007"},        {"", std::nullopt},
        {"　 ", std::nullopt},  {"1 2", std::nullopt}, {"12a", std::nullopt},
        {"１Ａ", std::nullopt}, {"-3", std::nullopt},  {"十", std::nullopt}};
    for (const auto& [typed, normal] : cases) {
        EXPECT_EQ(normalStudentNumberUtf8(typed), normal) << typed;
        EXPECT_EQ(normalStudentNumber(sj(typed)), normal) << typed;
    }
}

TEST(StudentNumbers, CompareByValue) {
    struct Order {
        const char *a, *b;
        int sign;
    };
    for (const Order& o :
         {Order{"2", "10", -1}, Order{"10", "2", 1}, Order{"19", "2", 1}, Order{"01", "1", 0},
          Order{"0", "000", 0}, Order{"10105", "10106", -1}, Order{"99", "100", -1}}) {
        const int got = compareStudentNumbers(o.a, o.b);
        EXPECT_EQ((got > 0) - (got < 0), o.sign) << o.a << " vs " << o.b;
    }
}
