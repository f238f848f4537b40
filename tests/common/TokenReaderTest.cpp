// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string_view>

#include "TokenReader.h"

using jitsu::TextField;
using jitsu::TokenReader;

namespace {

// Reads one field after another from `text`, each of the kind named by a letter of `kinds`
// ('i' readInt, 'u' readUnsigned, 'f' readFloat, 't' readText) into a target holding 42 (a text
// field "x"): what each target holds afterwards, after "!" when the read failed.
std::vector<std::string> reads(const char* text, std::string_view kinds) {
    TokenReader in(text);
    std::vector<std::string> held;
    for (char kind : kinds) {
        std::int32_t i = 42;
        std::uint32_t u = 42;
        float f = 42;
        TextField<10> t;
        t.assign("x");
        const bool ok = kind == 'i'   ? in.readInt(i)
                        : kind == 'u' ? in.readUnsigned(u)
                        : kind == 'f' ? in.readFloat(f)
                                      : in.readText(t);
        std::ostringstream out;
        out << (ok ? "" : "!");
        kind == 'i'   ? out << i
        : kind == 'u' ? out << u
        : kind == 'f' ? out << f
                      : out << t.view().bytes();
        held.push_back(out.str());
    }
    return held;
}

using Held = std::vector<std::string>;

}  // namespace

TEST(TokenReader, ReadsFieldAfterField) {
    // A failed number leaves its field, and its token for the next read; a number stops at the
    // first non-digit; a lone sign is no number.
    EXPECT_EQ(reads("abc 12abc - 4", "ititi"), (Held{"!42", "abc", "12", "abc", "!42"}));
    // "%u" wraps a negative number, "%d" clamps to the 32-bit range.
    EXPECT_EQ(reads("-1 99999999999 -99999999999", "uii"),
              (Held{"4294967295", "2147483647", "-2147483648"}));
    // Past the end every target is left as it was.
    EXPECT_EQ(reads("   ", "ift"), (Held{"!42", "!42", "!x"}));
}

// A reader's loops stop where no read of their kind can go on: at the end, or at a token refused
// as a whole number (and, for readers of any number, refused as a number too); a token some read
// may still take keeps them going.
TEST(TokenReader, IsExhaustedOnlyWhereNoReadOfItsKindCanGoOn) {
    const struct {
        const char* text;
        const char* tried;  // reads before asking: 'i' readInt, 'f' readFloat
        bool wholeNumbers, anyNumbers;
    } cases[] = {
        {"", "", true, true},          {" \r\n ", "", true, true}, {"12 x", "", false, false},
        {"12 x", "i", false, false},    // stands before "x", not yet refused
        {"12 x", "ii", true, false},    // "x" refused as a whole number only
        {"12 x", "iif", true, true},    // and as a number
        {"nan 3", "i", true, false},    // refused as a whole number, a number all the same
        {"nan 3", "if", false, false},  // read as a number: the loops go on
        {"1.5", "i", false, false},     // "1" read, ".5" not yet refused
        {"1.5", "ii", true, false},    {"1.5", "iif", true, true},  // read as a number: at the end
    };
    for (const auto& c : cases) {
        TokenReader in(c.text);
        std::int32_t i = 0;
        float f = 0;
        for (const char* kind = c.tried; *kind; ++kind)
            *kind == 'i' ? in.readInt(i) : in.readFloat(f);
        EXPECT_EQ(in.exhausted(false), c.wholeNumbers) << c.text << " after " << c.tried;
        EXPECT_EQ(in.exhausted(true), c.anyNumbers) << c.text << " after " << c.tried;
    }
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

INSTANTIATE_TEST_SUITE_P(
    OddInputs, FloatLikeScanf,
    ::testing::Values("1e39", "-1e39", "1e-50", "+-2", "-+2", "0x10", "0x1p3", "0x.8", "0x", "inf",
                      "-Infinity", "nan", "NAN(1)", "infx", "1e", "1e+", "5.", ".5", ".", "+", "e5",
                      ".e1", "1.5e3x", "86.666664", "-1.000000", "1,5", "0009", "3.4028236e38",
                      // The decimals the suite writes, read without the
                      // C library where that rounds exactly.
                      "48.250000", "-0.000000", "+7", "0.1", "16777217", "-16777219.0",
                      "123456789012.345", "1234567890123.456", "0.0000000000000000000001",
                      "1.00000000000000000000001", "99999999999999999999"));

// Random decimals of the suite's shape, each read as "%f" reads it: the quick conversion must
// round every one as the C library does.
TEST(TokenReader, DecimalsRoundAsTheCLibrary) {
    std::mt19937 dice(29);
    for (int i = 0; i < 200000; ++i) {
        std::string text = (dice() % 4 == 0 ? "-" : "") + std::to_string(dice() % 100000000);
        if (const unsigned decimals = dice() % 10; decimals > 0) {
            text += '.';
            for (unsigned d = 0; d < decimals; ++d) text += static_cast<char>('0' + dice() % 10);
        }
        float expected = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%f", &expected), 1);
        float value = 0;
        TokenReader in(text);
        ASSERT_TRUE(in.readFloat(value)) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(expected))
            << text;
    }
}
