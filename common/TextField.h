// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "Cp932.h"
#include "Cp932Text.h"

namespace jitsu {

// A zero-terminated text field of N bytes holding CP932 bytes, as the files carry them.
template <std::size_t N>
struct TextField {
    char bytes[N] = {};

    // Stores at most N-1 bytes of `text`, cut before a two-byte character that would not fit.
    void assign(std::string_view text) {
        std::size_t length = cp932PrefixLength(text, N - 1);
        std::memcpy(bytes, text.data(), length);
        std::memset(bytes + length, 0, N - length);
    }
    Cp932View view() const { return Cp932View(std::string_view(bytes, strnlen(bytes, N))); }
    bool empty() const { return bytes[0] == '\0'; }
    std::string utf8() const { return view().utf8(); }
};

}  // namespace jitsu
