// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Deadline.h"

using namespace jitsu;

// Two days on, into the next month where the month is shorter, or the first of the next month
// from the 30th.
TEST(Deadline, TwoDaysOnOrTheFirstOfNextMonth) {
    const std::pair<LocalDate, Deadline> cases[] = {
        // month 0 = January
        {{2026, 2, 15}, {3, 17}}, {{2026, 1, 26}, {2, 28}}, {{2026, 1, 27}, {3, 1}},
        {{2026, 1, 28}, {3, 2}},  {{2028, 1, 27}, {2, 29}}, {{2028, 1, 29}, {3, 2}},
        {{2100, 1, 27}, {3, 1}},  {{2000, 1, 27}, {2, 29}}, {{2026, 3, 28}, {4, 30}},
        {{2026, 3, 29}, {5, 1}},  {{2026, 3, 30}, {5, 1}},  {{2026, 11, 29}, {12, 31}},
        {{2026, 11, 31}, {1, 1}}};
    for (const auto& [today, deadline] : cases)
        EXPECT_EQ(deadlineFor(today), deadline)
            << today.year << "/" << today.month + 1 << "/" << today.day;
}
