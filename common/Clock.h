// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Limits.h"

namespace jitsu {

// A calendar date in Japan time.
struct LocalDate {
    int year = kFirstYear;
    int month = 0;  // 0 = January … 11 = December
    int day = 1;    // 1 … 31
};

// A time of day in Japan time.
struct LocalTime {
    int hour = 0;    // 0 … 23
    int minute = 0;  // 0 … 59
};

// Where the programs read today's date; tests replace it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDate today() const = 0;
    virtual LocalTime timeOfDay() const = 0;
};

// The system clock in Japan time, whatever the process's time zone.
class SystemClock : public Clock {
public:
    LocalDate today() const override;
    LocalTime timeOfDay() const override;
};

// A clock that always gives the same date and time.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDate date, LocalTime time = {}) : date_(date), time_(time) {}
    LocalDate today() const override { return date_; }
    LocalTime timeOfDay() const override { return time_; }

private:
    LocalDate date_;
    LocalTime time_;
};

}  // namespace jitsu
