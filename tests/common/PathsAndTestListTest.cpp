// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Golden.h"
#include "Paths.h"
#include "PrintScale.h"
#include "TestList.h"

using namespace jitsu;

TEST(Paths, FileNames) {
    const std::filesystem::path dir = "/work/year";
    EXPECT_EQ(basicDataPath(dir), "/work/year/wqnmkiso.txt");
    EXPECT_EQ(rosterPath(dir, "N", 2005, 2), "/work/year/N052.csv");
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

// The test preselected by month (a row each, January first) and number of tests (a column each,
// 0 to 10): the golden file reads as a calendar of the school year.
TEST(TestList, DefaultTestByMonthAndTestCount) {
    std::string grid;
    for (int month = 0; month < 12; ++month) {
        for (int n = 0; n <= 10; ++n) grid += " " + std::to_string(defaultTestIndex(month, n));
        grid += "\n";
    }
    EXPECT_TRUE(matchesGolden(grid, "test-list/default-test.txt"));
}

TEST(PrintScale, TruncatesTowardZero) {
    PrintScale scale{50, 80};
    EXPECT_EQ(scale.scaleLayout(295), 147);
    EXPECT_EQ(scale.scaleFont(14), 11);
    EXPECT_EQ(PrintScale::scale(1348, 80), 1078);
    EXPECT_EQ(PrintScale::scale(-5, 50), -2);
}
