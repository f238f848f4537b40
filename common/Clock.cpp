#include "Clock.h"

#include <cstdlib>
#include <ctime>

namespace jitsu {

LocalDate SystemClock::today() const {
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return LocalDate{local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

}  // namespace jitsu
