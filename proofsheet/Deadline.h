// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

namespace jitsu {

// The day by which corrected check lists come back.
struct Deadline {
    int month = 1;  // 1 … 12
    int day = 1;    // 1 … 31

    friend bool operator==(const Deadline&, const Deadline&) = default;
};

// The deadline preset when the window opens: two days after `today`, into the next month where
// the month is shorter (28 February gives 2 March, 29 April 1 May; a printed 30 February would
// send students to a day that does not exist); from the 30th on, the 1st of the next month
// (December → January).
Deadline deadlineFor(const LocalDate& today);

}  // namespace jitsu
