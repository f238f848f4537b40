// SPDX-License-Identifier: GPL-3.0-or-later
#include "Format.h"

#include <charconv>
#include <cmath>
#include <utility>

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
    std::string text;
    appendFixed(text, value, decimals);
    return padLeft(std::move(text), width);
}

void appendFixed(std::string& out, double value, int decimals) {
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    char buffer[400];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        out += '?';
        return;
    }
    out.append(buffer, end);
}

void appendInt(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace jitsu
