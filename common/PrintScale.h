// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace jitsu {

// The two print magnifications in percent: positions (print magnification) and font sizes
// (character magnification). Both scale by v × percent ÷ 100, truncating.
struct PrintScale {
    std::int32_t layoutPercent = 100;
    std::int32_t fontPercent = 100;

    std::int32_t scaleLayout(std::int32_t v) const { return scale(v, layoutPercent); }
    std::int32_t scaleFont(std::int32_t v) const { return scale(v, fontPercent); }

    static std::int32_t scale(std::int32_t v, std::int32_t percent) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(v) * percent / 100);
    }
};

}  // namespace jitsu
