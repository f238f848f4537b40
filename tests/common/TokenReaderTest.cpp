#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "TokenReader.h"

using jitsu::TextField;
using jitsu::TokenReader;

TEST(TokenReader, FailedNumberLeavesFieldAndTokenForTheNextRead) {
    TokenReader in("abc 5");
    std::int32_t value = 42;
    EXPECT_FALSE(in.readInt(value));
    EXPECT_EQ(value, 42);
    TextField<10> text;
    EXPECT_TRUE(in.readText(text));  // the same token again
    EXPECT_EQ(text.view(), "abc");
    EXPECT_TRUE(in.readInt(value));
    EXPECT_EQ(value, 5);
}

TEST(TokenReader, NumberStopsAtTheFirstNonDigit) {
    TokenReader in("12abc +3 - 4");
    std::int32_t value = 0;
    EXPECT_TRUE(in.readInt(value));
    EXPECT_EQ(value, 12);
    TextField<10> rest;
    in.readText(rest);
    EXPECT_EQ(rest.view(), "abc");
    EXPECT_TRUE(in.readInt(value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(in.readInt(value));  // a lone sign is no number
    EXPECT_EQ(value, 3);
}

TEST(TokenReader, UnsignedWrapsNegativesAndIntClampsOverflow) {
    TokenReader in("-1 99999999999 -99999999999");
    std::uint32_t u = 0;
    std::int32_t i = 0;
    EXPECT_TRUE(in.readUnsigned(u));
    EXPECT_EQ(u, 0xFFFFFFFFu);
    EXPECT_TRUE(in.readInt(i));
    EXPECT_EQ(i, 2147483647);
    EXPECT_TRUE(in.readInt(i));
    EXPECT_EQ(i, -2147483647 - 1);
}

TEST(TokenReader, ReadsPastTheEndLeaveTargetsUnchanged) {
    TokenReader in("   ");
    std::int32_t i = 9;
    float f = 1.5f;
    TextField<4> text;
    text.assign("x");
    EXPECT_FALSE(in.readInt(i));
    EXPECT_FALSE(in.readFloat(f));
    EXPECT_FALSE(in.readText(text));
    EXPECT_EQ(i, 9);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(text.view(), "x");
}

// readFloat stands for "%f": the same texts accepted, the same value, the same bytes consumed.
class FloatLikeScanf : public ::testing::TestWithParam<const char*> {};

TEST_P(FloatLikeScanf, AcceptsAndConvertsAsTheCLibrary) {
    const std::string text = GetParam();
    float expected = -7.0f;
    int used = 0;
    const bool accepted = std::sscanf(text.c_str(), "%f%n", &expected, &used) == 1;
    const std::string input = text + " 5";
    TokenReader in(input);
    float value = -7.0f;
    ASSERT_EQ(in.readFloat(value), accepted);
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(value));
    else
        EXPECT_EQ(value, expected);
    std::string rest;
    in.readToken(rest);
    EXPECT_EQ(rest, accepted && std::size_t(used) == text.size()
                        ? "5"
                        : text.substr(accepted ? used : 0));
}

INSTANTIATE_TEST_SUITE_P(OddInputs, FloatLikeScanf,
                         ::testing::Values("1e39", "-1e39", "1e-50", "+-2", "-+2", "0x10", "0x1p3",
                                           "0x.8", "0x", "inf", "-Infinity", "nan", "NAN(1)",
                                           "infx", "1e", "1e+", "5.", ".5", ".", "+", "e5", ".e1",
                                           "1.5e3x", "86.666664", "-1.000000", "1,5", "0009",
                                           "3.4028236e38"));
