// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace jitsu {

// True for a byte that begins a two-byte CP932 character.
bool isCp932LeadByte(unsigned char byte);

// Length of the longest prefix of `text` that fits in `maxBytes` without splitting a two-byte
// character.
std::size_t cp932PrefixLength(std::string_view text, std::size_t maxBytes);

// CP932 bytes as UTF-8. A byte that does not begin a valid character becomes U+FFFD and the
// conversion goes on with the next byte.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 as CP932 bytes; nullopt when the text is not valid UTF-8 or holds a character that
// CP932 cannot represent.
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// For texts that are known to be representable (the suite's own literals): CP932, or the
// bytes unchanged if conversion fails.
std::string toCp932(std::string_view utf8);

// Sets `utf8` to UTF-16 bytes (without their byte order mark) as UTF-8. False at an invalid or
// incomplete sequence, with `utf8` holding the text before it.
bool utf16ToUtf8(std::string_view utf16, bool bigEndian, std::string& utf8);

}  // namespace jitsu
