// SPDX-License-Identifier: GPL-3.0-or-later
// The suite's own code page 932 against glibc's, over every byte sequence and every BMP
// character. The two differ only where Windows does, and the suite follows Windows.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <set>
#include <string>

#include "Cp932.h"

using namespace jitsu;

namespace {

std::optional<std::string> viaIconv(const char* to, const char* from, std::string in) {
    iconv_t cd = iconv_open(to, from);
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char buffer[16];
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || srcLeft != 0) return std::nullopt;
    return std::string(buffer, dst);
}

std::string utf8Of(char32_t c) {
    std::string utf16{static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)}, utf8;
    utf16ToUtf8(utf16, true, utf8);
    return utf8;
}

}  // namespace

TEST(Cp932Table, ReadsEveryByteSequenceAsWindowsDoes) {
    // Bytes glibc leaves undefined and Windows reads as U+0080 and private-use characters.
    const std::set<int> windowsOnly = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
    int compared = 0;
    for (int lead = 0; lead < 256; ++lead) {
        bool isLead = isCp932LeadByte(static_cast<unsigned char>(lead));
        for (int trail = isLead ? 0x40 : -1; trail <= (isLead ? 0xFC : -1); ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (isLead) bytes += static_cast<char>(trail);
            auto expected = viaIconv("UTF-8", "CP932", bytes);
            std::string ours = cp932ToUtf8(bytes);
            if (windowsOnly.count(lead)) {
                EXPECT_FALSE(expected) << lead;
                EXPECT_EQ(ours, utf8Of(lead == 0x80   ? 0x80
                                       : lead == 0xA0 ? 0xF8F0
                                                      : 0xF8F1 + lead - 0xFD));
            } else if (expected) {
                EXPECT_EQ(ours, *expected) << std::hex << lead << ' ' << trail;
            } else {
                EXPECT_EQ(ours.substr(0, 3), "\xEF\xBF\xBD") << std::hex << lead << ' ' << trail;
            }
            ++compared;
        }
    }
    EXPECT_EQ(compared, 196 + 60 * 189);
}

TEST(Cp932Table, WritesEveryBmpCharacterAsWindowsDoes) {
    // Characters Windows writes but glibc has no bytes for.
    const std::set<char32_t> windowsOnly = {0x80, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};
    // Characters both write as another character's bytes; reading gives that character.
    const std::set<char32_t> oneWay = {0xA2,   0xA3,   0xA5,   0xAC,  0x2014,
                                       0x2016, 0x203E, 0x2212, 0x301C};
    int written = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string text = utf8Of(c);
        auto ours = utf8ToCp932(text);
        auto expected = viaIconv("CP932", "UTF-8", text);
        if (windowsOnly.count(c)) {
            EXPECT_FALSE(expected);
            ASSERT_TRUE(ours);
        } else {
            ASSERT_EQ(ours, expected) << std::hex << static_cast<unsigned>(c);
        }
        if (!ours) continue;
        ++written;
        EXPECT_EQ(cp932ToUtf8(*ours) == text, !oneWay.count(c))
            << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_GT(written, 7000);
}
