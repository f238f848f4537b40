#include <gtest/gtest.h>

#include "Paths.h"
#include "PrintScale.h"
#include "TestList.h"

using namespace jitsu;

TEST(Paths, FileNames) {
    const std::filesystem::path dir = "/work/year";
    EXPECT_EQ(basicDataPath(dir), "/work/year/wqnmkiso.txt");
    EXPECT_EQ(rosterPath(dir, "N", 2005, 2), "/work/year/N052.csv");
    EXPECT_EQ(rosterPath(dir, "N", 2010, 3), "/work/year/N103.csv");
    EXPECT_EQ(scorePath(dir, 2001, 2, 3), "/work/year/JT01_2_3.txt");
    EXPECT_EQ(scorePath(dir, 2001, 10, 1), "/work/year/JT01_10_1.txt");
    EXPECT_EQ(resultsPath(dir, 2001, 3, 2), "/work/year/JK01_3_2.txt");
    EXPECT_EQ(resultsPath(dir, 2100, 10, 3), "/work/year/JK00_10_3.txt");
}

TEST(TestList, LabelsAndLength) {
    EXPECT_EQ(testList(3), (std::vector<std::string>{"第１回", "第２回", "第３回"}));
    EXPECT_EQ(testList(15).size(), 10u);
    EXPECT_EQ(testList(15).back(), "第１０回");
    EXPECT_TRUE(testList(0).empty());
    EXPECT_EQ(testLabel(0) + testLabel(11), "");
}

struct DefaultCase {
    int month, n, expected;
};

class DefaultTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultTest, ByMonthAndTestCount) {
    EXPECT_EQ(defaultTestIndex(GetParam().month, GetParam().n), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Months, DefaultTest,
                         ::testing::Values(DefaultCase{6, 3, 1},  // July, 3 tests → 第２回
                                           DefaultCase{6, 1, 0},  // July, 1 test → 第１回
                                           DefaultCase{5, 2, 1}, DefaultCase{7, 3, 2},
                                           DefaultCase{8, 2, 0},  // September needs 3
                                           DefaultCase{8, 3, 2},
                                           DefaultCase{11, 3, 0},  // December needs 4
                                           DefaultCase{9, 4, 3}, DefaultCase{0, 5, 4},
                                           DefaultCase{1, 4, 0}, DefaultCase{2, 10, 0},
                                           DefaultCase{4, 10, 0}, DefaultCase{3, 0, -1},
                                           DefaultCase{11, 0, -1}));

TEST(PrintScale, TruncatesTowardZero) {
    PrintScale scale{50, 80};
    EXPECT_EQ(scale.scaleLayout(300), 150);
    EXPECT_EQ(scale.scaleLayout(295), 147);
    EXPECT_EQ(scale.scaleFont(14), 11);
    EXPECT_EQ(PrintScale::scale(1348, 80), 1078);
    EXPECT_EQ(PrintScale::scale(-5, 50), -2);
    EXPECT_EQ(PrintScale::scale(12, 50), 6);
}
