// The roster reader on any bytes; with JITSU_ROUND_TRIP, the entries read written one to a
// line ("number,name") and read again.
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "Roster.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    auto read = std::make_unique<GradeRoster>();
    FileHealth health;
    parseRoster(input, *read, &health);
    fuzz::useHealth(input, health);
#ifdef JITSU_ROUND_TRIP
    std::string written;
    for (int i = 0; i < kRosterEntries; ++i)
        written += std::string(read->numberAt(i)) + "," + std::string(read->nameAt(i)) + "\n";
    auto again = std::make_unique<GradeRoster>();
    parseRoster(written, *again);
    for (int i = 0; i < kRosterEntries; ++i)
        fuzz::require(
            again->numberAt(i) == read->numberAt(i) && again->nameAt(i) == read->nameAt(i),
            "roster entries read back as written");
#endif
    return 0;
}
