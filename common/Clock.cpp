#include "Clock.h"

#include <cstdlib>
#include <ctime>

namespace jitsu {

namespace {

std::tm japanNow() {
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

}  // namespace

LocalDate SystemClock::today() const {
    const std::tm local = japanNow();
    return LocalDate{local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

LocalTime SystemClock::timeOfDay() const {
    const std::tm local = japanNow();
    return LocalTime{local.tm_hour, local.tm_min};
}

}  // namespace jitsu
