// SPDX-License-Identifier: GPL-3.0-or-later
#include "Format.h"

#include <charconv>
#include <cmath>

namespace jitsu {

namespace {

std::string padLeft(std::string text, int width) {
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string formatInt(long long value, int width) { return padLeft(std::to_string(value), width); }

std::string formatFixed(double value, int decimals, int width) {
    if (std::isnan(value)) return padLeft(std::signbit(value) ? "-nan" : "nan", width);
    if (std::isinf(value)) return padLeft(value < 0 ? "-inf" : "inf", width);
    char buffer[400];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return padLeft("?", width);
    return padLeft(std::string(buffer, end), width);
}

}  // namespace jitsu
