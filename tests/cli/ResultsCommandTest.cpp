#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "BasicData.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "CliRun.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A directory holding the demo year (basic data, rosters, score files of tests 1 and 2).
class ResultsCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", "."}), 0); }

    int results(std::vector<std::string> args, std::string* err = nullptr) {
        args.insert(args.begin(), {"-C", dir.path().string(), "results"});
        return runJitsuryoku(args, nullptr, err);
    }

    // What computing the grade and writing its file give, built from the library directly.
    std::string expectedFile(int test, int grade, const CombinationSet& ticked) {
        BasicData basic;
        EXPECT_TRUE(readBasicData(basicDataPath(dir.path()), basic));
        const GradeData& gradeData = basic.grades[grade - 1];
        auto scores = std::make_unique<TestScores>();
        EXPECT_TRUE(readScores(scorePath(dir.path(), 2026, test, grade), gradeData, *scores));
        auto computed = std::make_unique<GradeResults>();
        computeGradeResults(gradeData, *scores, ticked, *computed);
        return formatResultsFile(gradeData, *computed);
    }

    TempDir dir;
};

CombinationSet setOf(std::initializer_list<Combination> members) {
    CombinationSet set{};
    for (Combination k : members) set[k] = true;
    return set;
}

}  // namespace

TEST_F(ResultsCommand, WritesWhatTheStatisticsAndTheWriterGive) {
    std::string out;
    ASSERT_EQ(
        runJitsuryoku({"-C", dir.path().string(), "results", "--year", "2026", "--test", "2", "--grade", "3"},
            &out),
        0);
    const auto path = resultsPath(dir.path(), 2026, 2, 3);
    EXPECT_TRUE(contains(out, "JK26_2_3.txt"));
    EXPECT_EQ(readBytes(path), expectedFile(2, 3, defaultCombinations(2)));
    EXPECT_TRUE(contains(readBytes(path), "\r\n1 1 1 1 0 0 0 0 0"));
}

TEST_F(ResultsCommand, FirstTestComputesEnglishJapaneseMathsOnly) {
    ASSERT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1"}), 0);
    std::string file = readBytes(resultsPath(dir.path(), 2026, 1, 1));
    EXPECT_EQ(file, expectedFile(1, 1, setOf({Eikokusu})));
    EXPECT_EQ(file.substr(file.size() - 18), "\n0 1 0 0 0 0 0 0 0");
}

TEST_F(ResultsCommand, CombosOptionChoosesTheCombinations) {
    ASSERT_EQ(results({"--year", "2026", "--test", "2", "--grade", "2", "--combos",
                       "英国,３＋理,eikokususha"}),
              0);
    EXPECT_EQ(readBytes(resultsPath(dir.path(), 2026, 2, 2)),
              expectedFile(2, 2, setOf({Eikoku, Eikokusuri, Eikokususha})));
    ASSERT_EQ(results({"--year", "2026", "--test", "1", "--grade", "2", "--combos", "none"}), 0);
    EXPECT_EQ(readBytes(resultsPath(dir.path(), 2026, 1, 2)), expectedFile(1, 2, {}));
}

TEST_F(ResultsCommand, MissingFilesGiveTheSuitesMessagesAndStatusOne) {
    std::string err;
    EXPECT_EQ(results({"--year", "2026", "--test", "3", "--grade", "1"}, &err), 1);
    EXPECT_TRUE(contains(err, text::kScoresMissingPrint));
    EXPECT_TRUE(contains(err, "JT26_3_1.txt"));
    EXPECT_EQ(results({"--year", "2027", "--test", "1", "--grade", "1"}, &err), 1);  // other year
    EXPECT_FALSE(std::filesystem::exists(resultsPath(dir.path(), 2027, 1, 1)));

    std::filesystem::remove(basicDataPath(dir.path()));
    EXPECT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1"}, &err), 1);
    EXPECT_TRUE(contains(err, text::kBasicDataMissing));
    EXPECT_FALSE(std::filesystem::exists(resultsPath(dir.path(), 2026, 1, 1)));
}

TEST_F(ResultsCommand, UnwritableResultsFileGivesStatusOneNamingItOnce) {
    const auto path = resultsPath(dir.path(), 2026, 1, 1);
    std::filesystem::create_directory(path);
    std::string err;
    EXPECT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1"}, &err), 1);
    EXPECT_TRUE(contains(err, text::kResultsNotSaved));
    EXPECT_TRUE(contains(err, path.string() + ": "));
    EXPECT_EQ(err.find(path.string()), err.rfind(path.string())) << err;
}

namespace {

// A file of the demo year spoilt as the teacher found it, and what the command says.
struct DamageCase {
    const char* name;
    const char* file;                   // in the demo year
    std::string (*damage)(std::string);  // the new content from the old
    const char* finding;
    int forcedExit;  // with --force
};

class DamagedInput : public ResultsCommand, public ::testing::WithParamInterface<DamageCase> {};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

// Refused with one line naming the file and the finding; the old results file stays as it was.
// --force goes on and prints the finding as a warning.
TEST_P(DamagedInput, IsRefusedUnlessForced) {
    const std::vector<std::string> args = {"--year", "2026", "--test", "1", "--grade", "1"};
    ASSERT_EQ(results(args), 0);
    const auto resultsFile = resultsPath(dir.path(), 2026, 1, 1);
    const std::string before = readBytes(resultsFile);
    const auto damaged = dir / GetParam().file;
    writeBytes(damaged, GetParam().damage(readBytes(damaged)));

    std::string err;
    EXPECT_EQ(results(args, &err), 1);
    const std::string line = "jitsuryoku results: " + damaged.string() + ": " + GetParam().finding;
    EXPECT_EQ(err.substr(0, line.size()), line) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_TRUE(readBytes(resultsFile) == before);

    std::filesystem::remove(resultsFile);
    std::string forced;
    EXPECT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1", "--force"}, &forced),
              GetParam().forcedExit);
    EXPECT_TRUE(contains(forced, "jitsuryoku results: warning: " + line.substr(20))) << forced;
    EXPECT_EQ(std::filesystem::exists(resultsFile), GetParam().forcedExit == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedInput,
    ::testing::Values(
        DamageCase{"EmptyScoreFile", "JT26_1_1.txt", [](std::string) { return std::string(); },
                   "empty", 0},
        DamageCase{"StrayLetters", "JT26_1_1.txt",
                   [](std::string t) { return replaced(replaced(t, "83", "x3"), "50", "5o"); },
                   "2 tokens that are not numbers from line 1, column 1", 0},
        DamageCase{"TruncatedScoreFile", "JT26_1_1.txt",
                   [](std::string t) { return t.substr(0, t.find("\r\n", 1000) + 2); },
                   "truncated: 295 of 1125 values", 0},
        DamageCase{"ScoreFileOfAnotherShape", "JT26_1_1.txt",
                   [](std::string t) { return t + t; },
                   "written for another shape: 2250 values, 1125 expected", 0},
        DamageCase{"ClassCountAboveTheLimit", "wqnmkiso.txt",
                   [](std::string t) { return replaced(t, "N\r\n5 ", "N\r\n999 "); },
                   "grade 1 class count 999 clamped to 20; ", 0},
        DamageCase{"NulInAClassLine", "wqnmkiso.txt",
                   [](std::string t) { return replaced(t, "\x82P 35", std::string("\x82\0 35", 5)); },
                   "bytes that are not CP932 text", 0},
        DamageCase{"EmptyBasicData", "wqnmkiso.txt", [](std::string) { return std::string(); },
                   "empty", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsCommand, RefusesWhatIsNoRegularFileOfItsSizeWithoutWaiting) {
    const auto scores = scorePath(dir.path(), 2026, 1, 1);
    std::filesystem::remove(scores);
    ASSERT_EQ(::mkfifo(scores.c_str(), 0600), 0);
    std::string err;
    EXPECT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1"}, &err), 1);
    EXPECT_TRUE(contains(err, scores.string() + ": is not a regular file")) << err;
    std::filesystem::remove(scores);
    writeBytes(scores, std::string(kMaxScoreFileBytes + 1, '\0'));
    EXPECT_EQ(results({"--year", "2026", "--test", "1", "--grade", "1", "--force"}, &err), 1);
    EXPECT_TRUE(contains(err, scores.string() + ": larger than")) << err;
    EXPECT_FALSE(std::filesystem::exists(resultsPath(dir.path(), 2026, 1, 1)));
}

TEST_F(ResultsCommand, WrongUsageGivesStatusTwoAndWritesNothing) {
    const std::vector<std::vector<std::string>> wrong = {
        {"--year", "2026", "--test", "0", "--grade", "1"},
        {"--year", "2026", "--test", "11", "--grade", "1"},
        {"--year", "2026", "--test", "6", "--grade", "1"},  // the demo grades have 5 tests
        {"--year", "2026", "--test", "1", "--grade", "0"},
        {"--year", "2026", "--test", "1", "--grade", "4"},
        {"--year", "1999", "--test", "1", "--grade", "1"},
        {"--year", "2101", "--test", "1", "--grade", "1"},
        {"--year", "x", "--test", "1", "--grade", "1"},
        {"--test", "1", "--grade", "1"},
        {"--year", "2026", "--grade", "1"},
        {"--year", "2026", "--test", "1"},
        {"--year", "2026", "--test", "1", "--grade", "1", "--combos", "英国,理科"},
        {"--year", "2026", "--test", "1", "--grade", "1", "--combos"},
        {"--year", "2026", "--test", "1", "--grade", "1", "extra"},
        {"--year", "2026", "--test", "1", "--grade", "1", "--bogus", "1"},
    };
    for (const auto& args : wrong) {
        std::string err;
        EXPECT_EQ(results(args, &err), 2) << args[args.size() - 1];
        EXPECT_TRUE(contains(err, "jitsuryoku results: ")) << err;
    }
    for (int t = 1; t <= 10; ++t)
        for (int g = 1; g <= 3; ++g)
            EXPECT_FALSE(std::filesystem::exists(resultsPath(dir.path(), 2026, t, g)));
}

struct ListCase {
    const char* list;
    CombinationSet expected;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.list; }

class CombinationList : public ::testing::TestWithParam<ListCase> {};

TEST_P(CombinationList, NamesTheCombinations) {
    std::string error;
    auto parsed = cli::parseCombinationList(GetParam().list, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(*parsed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CombinationList,
    ::testing::Values(ListCase{"英国数,５教科,英数理,英国社",
                               setOf({Eikokusu, Kyouka5, Eisuri, Eikokusha})},
                      ListCase{"英国,英数,国数", setOf({Eikoku, Eisu, Kokusu})},
                      ListCase{"英国数理,英国数社", setOf({Eikokusuri, Eikokususha})},
                      ListCase{"３＋理", setOf({Eikokusuri})},
                      ListCase{"３＋社", setOf({Eikokususha})},
                      ListCase{"eikokusu,kyouka5,eisuri,eikokusha",
                               setOf({Eikokusu, Kyouka5, Eisuri, Eikokusha})},
                      ListCase{"eikoku,eisu,kokusu,eikokusuri,eikokususha",
                               setOf({Eikoku, Eisu, Kokusu, Eikokusuri, Eikokususha})},
                      ListCase{"Kyouka5,EIKOKU", setOf({Kyouka5, Eikoku})},
                      ListCase{"all", setOf({Eikokusu, Kyouka5, Eisuri, Eikokusha, Eikoku, Eisu,
                                             Kokusu, Eikokusuri, Eikokususha})},
                      ListCase{"none", setOf({})}, ListCase{"英国,英国", setOf({Eikoku})}));

TEST(CombinationList, RefusesWhatNamesNoCombination) {
    for (const char* list :
         {"", "英国,", ",英国", "英国,,英数", "英語", "５ 教科", "3+理", "eikoku ", "ALLx"}) {
        std::string error;
        EXPECT_FALSE(cli::parseCombinationList(list, error)) << list;
        EXPECT_FALSE(error.empty()) << list;
    }
}
