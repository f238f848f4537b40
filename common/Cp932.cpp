// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp932.h"

#include <array>
#include <cstdint>
#include <memory>

#include "Cp932Table.h"

namespace jitsu {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

int leadIndex(unsigned char byte) {
    if (byte >= 0x81 && byte <= 0x9F) return byte - 0x81;
    if (byte >= 0xE0 && byte <= 0xFC) return byte - 0xE0 + 31;
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next character of `text` from `i` on, advancing `i`; nullopt at a sequence that is not
// UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char first = byte(i);
    if (first < 0x80) {
        ++i;
        return first;
    }
    int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 0;
    if (length == 0 || first > 0xF4 || i + length > text.size()) return std::nullopt;
    char32_t c = first & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += length;
    return c;
}

// Each BMP character's bytes (as in CodePair; 0 where it has none), built once from the reading
// tables. Where a character has several codes, Windows writes the first in byte order, except
// that NEC's copy of the IBM extensions (lead bytes 0xED, 0xEE) comes after IBM's own (0xFA-0xFC).
const std::array<std::uint16_t, 0x10000>& encodingTable() {
    static const auto table = [] {
        auto codes = std::make_unique<std::array<std::uint16_t, 0x10000>>();
        codes->fill(0);
        for (int byte = 1; byte < 256; ++byte) {
            std::uint16_t c = cp932::kSingle[byte];
            if (c != cp932::kNotACharacter) (*codes)[c] = static_cast<std::uint16_t>(byte);
        }
        auto addLead = [&](int lead) {
            for (int t = 0; t < cp932::kTrailCount; ++t) {
                std::uint16_t c = cp932::kDouble[leadIndex(lead)][t];
                if (c != 0 && (*codes)[c] == 0)
                    (*codes)[c] = static_cast<std::uint16_t>(lead << 8 | (t + 0x40));
            }
        };
        for (int lead = 0x81; lead <= 0xFC; ++lead)
            if (leadIndex(lead) >= 0 && lead != 0xED && lead != 0xEE) addLead(lead);
        addLead(0xED);
        addLead(0xEE);
        for (const auto& pair : cp932::kBestFit) (*codes)[pair.codePoint] = pair.bytes;
        return codes;
    }();
    return *table;
}

}  // namespace

bool isCp932LeadByte(unsigned char byte) { return leadIndex(byte) >= 0; }

std::size_t cp932PrefixLength(std::string_view text, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t width =
            isCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return i;
}

std::string cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        auto byte = static_cast<unsigned char>(cp932[i]);
        char32_t c = cp932::kSingle[byte];
        if (c == cp932::kNotACharacter) {
            // A lead byte without a trail byte that completes a character stands alone.
            auto trail = i + 1 < cp932.size() ? static_cast<unsigned char>(cp932[i + 1]) : 0;
            c = trail >= 0x40 && trail <= 0xFC ? cp932::kDouble[leadIndex(byte)][trail - 0x40] : 0;
            if (c == 0) {
                c = kReplacement;
            } else {
                ++i;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    const auto& codes = encodingTable();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = nextUtf8(utf8, i);
        if (!c) return std::nullopt;
        if (*c < 0x80) {
            out += static_cast<char>(*c);
            continue;
        }
        std::uint16_t bytes = *c < codes.size() ? codes[*c] : 0;
        if (bytes == 0) return std::nullopt;
        if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
        out += static_cast<char>(bytes & 0xFF);
    }
    return out;
}

bool utf16ToUtf8(std::string_view utf16, bool bigEndian, std::string& utf8) {
    utf8.clear();
    auto unit = [&](std::size_t i) {
        auto high = static_cast<unsigned char>(utf16[bigEndian ? i : i + 1]);
        auto low = static_cast<unsigned char>(utf16[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>(high << 8 | low);
    };
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 3 >= utf16.size()) return false;
            char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(utf8, c);
    }
    return utf16.size() % 2 == 0;
}

std::string toCp932(std::string_view utf8) {
    auto converted = utf8ToCp932(utf8);
    return converted ? *converted : std::string(utf8);
}

}  // namespace jitsu
