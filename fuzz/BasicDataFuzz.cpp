// The basic data reader on any bytes; with JITSU_ROUND_TRIP, what it read written and read again.
#include <memory>

#include "BasicData.h"
#include "FuzzCheck.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    auto read = std::make_unique<BasicData>();
    FileHealth health;
    parseBasicData(input, *read, &health);
    fuzz::useHealth(input, health);
#ifdef JITSU_ROUND_TRIP
    // A sound file has every field its counts call for; the writer keeps them all but the
    // roster tag, which it always writes as "N". A damaged one may miss fields: no promise.
    if (health.damaged()) return 0;
    const std::string written = formatBasicData(textsOf(*read));
    auto again = std::make_unique<BasicData>();
    parseBasicData(written, *again);
    fuzz::require(formatBasicData(textsOf(*again)) == written, "basic data reads back as written");
#endif
    return 0;
}
