// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Deadline.h"

using namespace jitsu;

// Two days on, or the first of the next month from the 30th; no calendar check (29 February,
// 31 April).
TEST(Deadline, TwoDaysOnOrTheFirstOfNextMonth) {
    const std::pair<LocalDate, Deadline> cases[] = {
        // month 0 = January
        {{2026, 2, 15}, {3, 17}}, {{2026, 1, 27}, {2, 29}},   {{2026, 3, 29}, {4, 31}},
        {{2026, 3, 30}, {5, 1}},  {{2026, 11, 29}, {12, 31}}, {{2026, 11, 31}, {1, 1}}};
    for (const auto& [today, deadline] : cases)
        EXPECT_EQ(deadlineFor(today), deadline) << today.month + 1 << "/" << today.day;
}
