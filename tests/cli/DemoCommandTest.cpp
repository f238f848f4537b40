#include <gtest/gtest.h>

#include <sstream>

#include "BasicData.h"
#include "Commands.h"
#include "Paths.h"
#include "Roster.h"
#include "CliRun.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

TEST(DemoCommand, WritesAYearThatTheReadersReadBack) {
    TempDir dir;
    std::string out;
    ASSERT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", "year"}, &out), 0);
    const auto year = dir / "year";
    BasicData data;
    ASSERT_TRUE(readBasicData(basicDataPath(year), data));
    EXPECT_EQ(data.year, 2026u);
    EXPECT_EQ(data.testName.utf8(), "実力テスト");
    EXPECT_NE(out.find("wqnmkiso.txt"), std::string::npos);
    for (int g = 0; g < 3; ++g) {
        const GradeData& grade = data.grades[g];
        EXPECT_GE(grade.classCount, 4u);
        EXPECT_LE(grade.classCount, 6u);
        EXPECT_EQ(grade.subjectCount, 5u);
        EXPECT_EQ(grade.testCount, 5u);
        auto roster = std::make_unique<GradeRoster>();
        ASSERT_TRUE(readRoster(rosterPath(year, "N", 2026, g + 1), *roster));
        classRanges(grade, *roster);
        int students = 0;
        for (int k = 0; k < grade.classes(); ++k) {
            EXPECT_GE(grade.headCounts[k], 28u);
            EXPECT_LE(grade.headCounts[k], 36u);
            students += grade.headCounts[k];
        }
        EXPECT_FALSE(roster->studentNames[students - 1].empty());  // one line per student
        EXPECT_TRUE(roster->studentNames[students].empty());
        for (int t = 1; t <= 2; ++t) {
            auto scores = std::make_unique<TestScores>();
            ASSERT_TRUE(readScores(scorePath(year, 2026, t, g + 1), grade, *scores));
            int absent = 0;
            for (int k = 0; k < grade.classes(); ++k)
                for (unsigned s = 0; s < grade.headCounts[k]; ++s) {
                    if (scores->scores[0][k][s] < 0) ++absent;
                    for (int j = 0; j < 5; ++j) EXPECT_LE(scores->scores[j][k][s], grade.fullMarks[t - 1][j]);
                }
            EXPECT_LT(absent, students / 5);
        }
        EXPECT_FALSE(std::filesystem::exists(scorePath(year, 2026, 3, g + 1)));
    }
    EXPECT_EQ(data.grades[0].fullMarks[1][4], 50);
}

TEST(DemoCommand, RefusesToOverwriteWithoutForce) {
    TempDir dir;
    ASSERT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", "."}), 0);
    std::string err;
    EXPECT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", "."}, nullptr, &err), 1);
    EXPECT_NE(err.find("--force"), std::string::npos);
    EXPECT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", ".", "--force"}), 0);
}

TEST(Cli, UsageErrorsExitWithTwo) {
    std::string out;
    EXPECT_EQ(runJitsuryoku({}), 2);
    EXPECT_EQ(runJitsuryoku({"frobnicate"}), 2);
    EXPECT_EQ(runJitsuryoku({"demo"}), 2);
    EXPECT_EQ(runJitsuryoku({"demo", "a", "--bogus"}), 2);
    EXPECT_EQ(runJitsuryoku({"-C"}), 2);
    EXPECT_EQ(runJitsuryoku({"--help"}, &out), 0);
    EXPECT_NE(out.find("demo DIR"), std::string::npos);
}

TEST(DemoCommand, TakesTheDataFolderAsDataDirAndTellsTheVersion) {
    TempDir dir;
    ASSERT_EQ(runJitsuryoku({"--data-dir", dir.path().string(), "demo", "."}), 0);
    EXPECT_TRUE(std::filesystem::exists(basicDataPath(dir.path())));
    std::string out;
    EXPECT_EQ(runJitsuryoku({"--version"}, &out), 0);
    EXPECT_EQ(out, "jitsuryoku " JITSU_VERSION "\n");
}
