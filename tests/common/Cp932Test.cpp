// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "Cp932.h"
#include "Cp932Text.h"
#include "Fixtures.h"
#include "TextField.h"

using namespace jitsu;

// CP932 bytes reach UTF-8 through utf8() alone: no conversion, no construction of a string.
static_assert(!std::is_convertible_v<Cp932View, std::string_view>);
static_assert(!std::is_constructible_v<std::string, Cp932View>);
static_assert(!std::is_constructible_v<std::string, Cp932Text>);
static_assert(!std::is_convertible_v<std::string_view, Cp932View>);

TEST(Cp932, TextsGiveTheirBytesAndTheirUtf8) {
    const Cp932Text school(toCp932("髙橋①"));
    EXPECT_EQ(school.view().utf8(), "髙橋①");
    EXPECT_EQ(Cp932Text(school.view()), school);
    EXPECT_EQ(school.bytes().size(), 6u);
}

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
    EXPECT_EQ(field.view().bytes(), sj("あいうえ"));
    field.assign("a" + sj("あいうえお"));  // 11 bytes: the fifth character would be split
    EXPECT_EQ(field.view().bytes(), "a" + sj("あいうえ"));
    field.assign("123456789xyz");
    EXPECT_EQ(field.view().bytes(), "123456789");
    EXPECT_EQ(cp932PrefixLength("\x82", 5), 1u);  // a lone lead byte counts as one
}
