// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <chrono>

namespace jitsu {

namespace {

// Japan keeps no daylight saving time: its time is always UTC + 9 hours. Computed here rather
// than through the C library's time zone, which is process-wide state.
std::chrono::sys_time<std::chrono::minutes> japanNow() {
    return std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now()) +
           std::chrono::hours(9);
}

}  // namespace

LocalDate SystemClock::today() const {
    const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(japanNow())};
    return LocalDate{int(date.year()), int(unsigned(date.month())) - 1, int(unsigned(date.day()))};
}

LocalTime SystemClock::timeOfDay() const {
    const auto now = japanNow();
    const std::chrono::hh_mm_ss time{now - std::chrono::floor<std::chrono::days>(now)};
    return LocalTime{int(time.hours().count()), int(time.minutes().count())};
}

}  // namespace jitsu
