// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "StudentNumber.h"

using namespace jitsu;

namespace {

struct NumberCase {
    const char* name;
    std::string typed;  // UTF-8
    std::optional<std::string> normal;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class StudentNumbers : public ::testing::TestWithParam<NumberCase> {};

}  // namespace

// The same typed text through both doors: UTF-8 and its CP932 bytes.
TEST_P(StudentNumbers, AreNormalisedOrRefused) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(normalStudentNumberUtf8(c.typed), c.normal);
    EXPECT_EQ(normalStudentNumber(sj(c.typed.c_str())), c.normal);
}

INSTANTIATE_TEST_SUITE_P(Cases, StudentNumbers,
                         ::testing::Values(NumberCase{"Ascii", "10105", "10105"},
                                           NumberCase{"FullWidth", "１０", "10"},
                                           NumberCase{"Mixed", "1０5", "105"},
                                           NumberCase{"BlanksAround", " \t　１２　 ", "12"},
                                           NumberCase{"LeadingZerosKept", "007", "007"},
                                           NumberCase{"Empty", "", std::nullopt},
                                           NumberCase{"OnlyBlanks", "　 ", std::nullopt},
                                           NumberCase{"BlankInside", "1 2", std::nullopt},
                                           NumberCase{"Letter", "12a", std::nullopt},
                                           NumberCase{"FullWidthLetter", "１Ａ", std::nullopt},
                                           NumberCase{"Sign", "-3", std::nullopt},
                                           NumberCase{"Kanji", "十", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

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
