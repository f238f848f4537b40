#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Combinations.h"

namespace jitsu::cli {

// The help text of the --combos option, shared by the commands that take it.
inline constexpr const char* kCombosHelp =
    "    --combos LIST  comma-separated combinations: the labels 英国数, ５教科, 英数理, 英国社,\n"
    "                   英国, 英数, 国数, 英国数理 (or ３＋理), 英国数社 (or ３＋社), the names\n"
    "                   eikokusu, kyouka5, eisuri, eikokusha, eikoku, eisu, kokusu, eikokusuri,\n"
    "                   eikokususha, or all, none. Default: 英国数 for test 1; 英国数, ５教科,\n"
    "                   英数理 and 英国社 for later tests.";

// The combinations named by a comma-separated list of UTF-8 labels, names (in any letter case),
// "all" or "none". Fails with `error` set when an item names no combination or is empty.
std::optional<CombinationSet> parseCombinationList(std::string_view list, std::string& error);

}  // namespace jitsu::cli
