// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Cp932.h"
#include "Fixtures.h"
#include "TextField.h"

using namespace jitsu;

TEST(Cp932, RoundTripsJapaneseAndTheVendorExtensions) {
    for (const char* text : {"実力テスト", "第１０回", "～①Ⅲ髙", "ＨＲ  成績一覧", "abc 123"}) {
        auto bytes = utf8ToCp932(text);
        ASSERT_TRUE(bytes) << text;
        EXPECT_EQ(cp932ToUtf8(*bytes), text);
    }
    // The wave dash of CP932 is the full-width tilde, not U+301C.
    EXPECT_EQ(*utf8ToCp932("～"), "\x81\x60");
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(cp932ToUtf8("a\x81\x7F"), "a\xEF\xBF\xBD\x7F");  // no character at 0x817F
    EXPECT_EQ(cp932ToUtf8("\x82"), "\xEF\xBF\xBD");            // a lead byte cut off at the end
    EXPECT_EQ(cp932ToUtf8(sj("日本") + "\x85\x40" + sj("語")), "日本\xEF\xBF\xBD@語");
}

TEST(Cp932, UnrepresentableTextIsReported) {
    EXPECT_FALSE(utf8ToCp932("한국어"));
    EXPECT_FALSE(utf8ToCp932("emoji 😀"));
    for (const char* broken : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(utf8ToCp932(broken)) << broken;  // cut off, overlong, surrogate, too high
}

TEST(Cp932, FieldsCutAtCharacterBoundaries) {
    TextField<10> field;
    field.assign(sj("あいうえおか"));  // 12 bytes into 9
    EXPECT_EQ(field.view(), sj("あいうえ"));
    field.assign("a" + sj("あいうえお"));  // 11 bytes: the fifth character would be split
    EXPECT_EQ(field.view(), "a" + sj("あいうえ"));
    field.assign("123456789xyz");
    EXPECT_EQ(field.view(), "123456789");
    EXPECT_EQ(cp932PrefixLength("\x82", 5), 1u);  // a lone lead byte counts as one
}
