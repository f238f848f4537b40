// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Deadline.h"

using namespace jitsu;

namespace {

struct DeadlineCase {
    LocalDate today;  // month 0 = January
    Deadline expected;
};

void PrintTo(const DeadlineCase& c, std::ostream* os) {
    *os << c.today.month + 1 << "/" << c.today.day;
}

class DeadlineRule : public ::testing::TestWithParam<DeadlineCase> {};

TEST_P(DeadlineRule, TwoDaysOnOrTheFirstOfNextMonth) {
    EXPECT_EQ(deadlineFor(GetParam().today), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DeadlineRule,
    ::testing::Values(DeadlineCase{{2026, 2, 15}, {3, 17}},  // 15 March
                      DeadlineCase{{2026, 1, 27}, {2, 29}},  // no calendar check
                      DeadlineCase{{2026, 3, 29}, {4, 31}},  // 29 April gives 31 April
                      DeadlineCase{{2026, 3, 30}, {5, 1}}, DeadlineCase{{2026, 11, 29}, {12, 31}},
                      DeadlineCase{{2026, 11, 31}, {1, 1}}));  // 31 December

}  // namespace
