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

// The deadline preset when the window opens: two days after `today` in the same month, with no
// calendar check (the 28th gives the 30th, the 29th the 31st, whatever the month's length);
// from the 30th on, the 1st of the next month (December → January).
Deadline deadlineFor(const LocalDate& today);

}  // namespace jitsu
