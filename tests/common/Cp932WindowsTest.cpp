// SPDX-License-Identifier: GPL-3.0-or-later
// The suite's own code page 932 against the system's (MultiByteToWideChar and
// WideCharToMultiByte with code page 932), over every byte sequence and every BMP character.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "Cp932.h"

using namespace jitsu;

namespace {

std::string utf8Of(std::wstring_view text) {
    std::string utf16, utf8;
    for (wchar_t c : text) {
        utf16 += static_cast<char>(c >> 8);
        utf16 += static_cast<char>(c & 0xFF);
    }
    utf16ToUtf8(utf16, true, utf8);
    return utf8;
}

}  // namespace

TEST(Cp932Table, ReadsEveryByteSequenceAsTheSystemDoes) {
    // Single bytes Windows reads as U+0080 and private-use characters; wine reads them as
    // nothing.
    const std::map<int, char32_t> windowsOnly = {
        {0x80, 0x80}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};
    int compared = 0;
    for (int lead = 0; lead < 256; ++lead) {
        const bool isLead = isCp932LeadByte(static_cast<unsigned char>(lead));
        for (int trail = isLead ? 0x40 : -1; trail <= (isLead ? 0xFC : -1); ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (isLead) bytes += static_cast<char>(trail);
            wchar_t wide[4];
            const int n = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), wide, 4);
            const std::string ours = cp932ToUtf8(bytes);
            if (n == 0 && windowsOnly.contains(lead)) {
                const wchar_t windows = static_cast<wchar_t>(windowsOnly.at(lead));
                EXPECT_EQ(ours, utf8Of(std::wstring_view(&windows, 1))) << std::hex << lead;
            } else if (n > 0)
                EXPECT_EQ(ours, utf8Of(std::wstring_view(wide, n)))
                    << std::hex << lead << ' ' << trail;
            else
                EXPECT_EQ(ours.substr(0, 3), "\xEF\xBF\xBD") << std::hex << lead << ' ' << trail;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 196 + 60 * 189);
}

TEST(Cp932Table, WritesEveryBmpCharacterAsTheSystemDoes) {
    // Characters the suite writes as another character's bytes (as glibc does), where the
    // system writes none without its best-fit guesses.
    const std::set<char32_t> oneWay = {0xA2,   0xA3,   0xA5,   0xAC,  0x2014,
                                       0x2016, 0x203E, 0x2212, 0x301C};
    int written = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const wchar_t wide = static_cast<wchar_t>(c);
        char bytes[4];
        BOOL guessed = FALSE;
        const int n =
            ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 4, nullptr, &guessed);
        const auto ours = utf8ToCp932(utf8Of(std::wstring_view(&wide, 1)));
        if (oneWay.count(c)) {
            EXPECT_TRUE(ours) << std::hex << static_cast<unsigned>(c);
        } else if (n > 0 && !guessed) {
            ASSERT_TRUE(ours) << std::hex << static_cast<unsigned>(c);
            EXPECT_EQ(*ours, std::string(bytes, n)) << std::hex << static_cast<unsigned>(c);
            ++written;
        } else {
            EXPECT_FALSE(ours) << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_GT(written, 7000);
}
