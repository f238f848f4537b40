// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jitsu {

// How printed pages write the school year: 西暦 (2026年度) or the Japanese era (令和８年度).
enum class Era { Seireki, Wareki };

// "seireki" or "wareki": the word of the settings file and of --era.
std::string_view eraWord(Era era);
std::optional<Era> parseEra(std::string_view word);

// The school year as a printed page writes it, without "年度": "2026", or the era's name and
// the year in it in full-width digits as the pages print their other numbers ("令和８",
// "令和元" for 2019, "平成３０" for 2018).
std::string printedYear(unsigned year, Era era);

}  // namespace jitsu
