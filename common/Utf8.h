// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace jitsu {

// The length (1 to 4) of the well-formed UTF-8 sequence starting at byte `at` of `text`, or 0
// when the bytes there are not one (a stray byte, a cut sequence, an overlong form, a
// surrogate, a code point beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

}  // namespace jitsu
