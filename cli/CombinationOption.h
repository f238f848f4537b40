// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Combinations.h"

namespace jitsu::cli {

// The combinations named by a comma-separated list of UTF-8 labels, names (in any letter case),
// "all" or "none". Fails with `error` set when an item names no combination or is empty.
std::optional<CombinationSet> parseCombinationList(std::string_view list, std::string& error);

}  // namespace jitsu::cli
