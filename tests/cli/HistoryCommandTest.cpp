#include <gtest/gtest.h>

#include "BasicData.h"
#include "CliRun.h"
#include "Fixtures.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// Grade 1 of 2026: two classes of two students, subjects S1 and S2, three tests. Tests 1 and 3
// have results (student 2 of class 2 sat neither); test 2's results file was written when
// the grade had three subjects.
class HistoryCommand : public testing::Test {
protected:
    void SetUp() override {
        BasicData data;
        data.year = 2026;
        data.schoolName.assign(sj("第一中学校"));
        data.testName.assign(sj("実力テスト"));
        data.rosterTag.assign("N");
        data.grades[0] = makeGrade(2, 2, 2, 3);
        ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), textsOf(data)));
        writeBytes(rosterPath(dir.path(), "N", 2026, 1),
                   sj("1101,青木\r\n1102,井上\r\n1201,上田\r\n1202,江藤\r\n"));
        for (int test : {1, 3}) {
            auto scores = std::make_unique<TestScores>();
            for (int j = 0; j < 2; ++j)
                for (int e = 0; e < 3; ++e)
                    scores->scores[j][e / 2][e % 2] = 40 + 10 * e + 7 * j + test;
            auto results = std::make_unique<GradeResults>();
            CombinationSet combos = defaultCombinations(test);
            combos[Eikoku] = true;
            computeGradeResults(data.grades[0], *scores, combos, *results);
            ASSERT_TRUE(
                writeResultsFile(resultsPath(dir.path(), 2026, test, 1), data.grades[0], *results));
            if (test == 1) {
                ASSERT_TRUE(writeResultsFile(resultsPath(dir.path(), 2026, 2, 1),
                                             makeGrade(2, 2, 3, 3), *results));
            }
        }
    }

    int run(std::vector<std::string> args, std::string* err = nullptr) {
        args.insert(args.begin(), {"-C", dir.path().string()});
        return runJitsuryoku(args, nullptr, err);
    }

    TempDir dir;
};

}  // namespace

TEST_F(HistoryCommand, TracesTheSheetsAndWarnsOfTheFileLeftOut) {
    std::string err;
    ASSERT_EQ(run({"history", "--year", "2026", "--grade", "1", "--trace", "h.trace"}, &err), 0)
        << err;
    EXPECT_NE(err.find("JK26_2_1.txt: "), std::string::npos) << err;
    EXPECT_NE(err.find(" values, the basic data asks for 3001"), std::string::npos) << err;
    EXPECT_EQ(readBytes(dir / "h.trace"), readBytes(JITSU_TESTDATA_DIR "/history/history.trace"));
}

TEST_F(HistoryCommand, TracesTheTrendPage) {
    ASSERT_EQ(run({"trend", "--year", "2026", "--grade", "1", "--trace", "t.trace"}), 0);
    EXPECT_EQ(readBytes(dir / "t.trace"), readBytes(JITSU_TESTDATA_DIR "/history/trend.trace"));
}

struct Refusal {
    std::vector<std::string> args;
    int status;
    const char* says;
};

class HistoryRefusal : public HistoryCommand, public testing::WithParamInterface<Refusal> {};

TEST_P(HistoryRefusal, EndsWithTheStatusAndTheReason) {
    std::string err;
    EXPECT_EQ(run(GetParam().args, &err), GetParam().status);
    EXPECT_NE(err.find(GetParam().says), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryRefusal,
    testing::Values(
        Refusal{{"history", "--grade", "1", "--trace", "x"}, 2, "--year"},
        Refusal{{"history", "--year", "2026", "--grade", "1", "--classes", "3", "--trace", "x"},
                2,
                "--classes"},
        Refusal{{"history", "--year", "2026", "--grade", "1", "--students", "46", "--trace", "x"},
                2,
                "--students"},
        Refusal{{"trend", "--year", "2026", "--grade", "1", "--pdf", "a", "--trace", "b"}, 2, ""},
        Refusal{
            {"history", "--year", "2026", "--grade", "2", "--trace", "x"}, 1, "nothing to print"},
        Refusal{
            {"trend", "--year", "2025", "--grade", "1", "--trace", "x"}, 1, "nothing to print"}));
