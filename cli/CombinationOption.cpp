// SPDX-License-Identifier: GPL-3.0-or-later
#include "CombinationOption.h"

#include <algorithm>

#include "Reason.h"

namespace jitsu::cli {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// Adds the combinations that `item` names to `ticked`; false when it names none.
bool addItem(std::string_view item, CombinationSet& ticked) {
    if (item == "all") {
        ticked.fill(true);
        return true;
    }
    if (item == "none") return true;
    for (int k = 0; k < kCombinations; ++k) {
        const SubjectCombination& combination = kSubjectCombinations[k];
        if (item == combination.shortLabel || item == combination.longLabel ||
            equalsIgnoringCase(item, combination.name)) {
            ticked[k] = true;
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<CombinationSet> parseCombinationList(std::string_view list, std::string& error) {
    CombinationSet ticked{};
    for (std::size_t start = 0;;) {
        std::size_t comma = std::min(list.find(',', start), list.size());
        std::string_view item = list.substr(start, comma - start);
        if (!addItem(item, ticked)) {
            error = item.empty()
                        ? Reason(N_("--combos has an empty item")).text()
                        : because(N_("--combos: no combination is called '{1}'"), std::string(item))
                              .text();
            return std::nullopt;
        }
        if (comma == list.size()) return ticked;
        start = comma + 1;
    }
}

}  // namespace jitsu::cli
