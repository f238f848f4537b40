// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "NumberList.h"

using namespace jitsu;

namespace {

struct ListCase {
    const char* text;
    int max;
    std::optional<std::vector<int>> numbers;
};

class NumberLists : public testing::TestWithParam<ListCase> {};

TEST_P(NumberLists, NameTheNumbersWithinTheRange) {
    const ListCase& c = GetParam();
    EXPECT_EQ(numbersNamed(c.text, c.max), c.numbers) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberLists,
    testing::Values(
        ListCase{"1,3", 3, std::vector<int>{1, 3}}, ListCase{"1 3", 3, std::vector<int>{1, 3}},
        ListCase{" 2, 1,,3 ", 3, std::vector<int>{2, 1, 3}},
        ListCase{"03,+2", 3, std::vector<int>{3, 2}}, ListCase{"\t45", 45, std::vector<int>{45}},
        ListCase{"", 3, std::vector<int>{}}, ListCase{" , ", 3, std::vector<int>{}},
        ListCase{"4", 3, std::nullopt}, ListCase{"0", 3, std::nullopt},
        ListCase{"-1", 3, std::nullopt}, ListCase{"1-2", 3, std::nullopt},
        ListCase{"1;2", 3, std::nullopt}, ListCase{"a", 3, std::nullopt},
        ListCase{"99999999999999999999", 3, std::nullopt}, ListCase{"1", 0, std::nullopt}));

TEST(ClassesNamed, AnEmptyListTicksEveryClassOfTheGradeAndNoOther) {
    const auto all = classesNamed("", 3);
    ASSERT_TRUE(all);
    std::array<bool, kMaxClasses> expected{};
    expected[0] = expected[1] = expected[2] = true;
    EXPECT_EQ(*all, expected);

    const auto some = classesNamed("3, 1", 4);
    ASSERT_TRUE(some);
    expected[1] = false;
    EXPECT_EQ(*some, expected);

    EXPECT_FALSE(classesNamed("5", 4));
    const std::array<bool, kMaxClasses> none{};
    EXPECT_EQ(classesNamed("", 0), none);
}

}  // namespace
