// SPDX-License-Identifier: GPL-3.0-or-later
#include "Deadline.h"

namespace jitsu {

namespace {

int daysInMonth(int year, int month) {  // month 0 = January
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 1 && leap ? 29 : kDays[month];
}

}  // namespace

Deadline deadlineFor(const LocalDate& today) {
    const int nextMonth = today.month == 11 ? 1 : today.month + 2;
    if (today.day >= 30) return Deadline{nextMonth, 1};
    const int day = today.day + 2;
    const int length = daysInMonth(today.year, today.month);
    if (day > length) return Deadline{nextMonth, day - length};
    return Deadline{today.month + 1, day};
}

}  // namespace jitsu
