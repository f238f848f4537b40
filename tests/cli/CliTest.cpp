#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>

#include "Clock.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "Golden.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TestScores.h"
#include "TestYear.h"

using namespace jitsu;

namespace {

CombinationSet setOf(std::initializer_list<Combination> members) {
    CombinationSet set{};
    for (Combination k : members) set[k] = true;
    return set;
}

std::set<std::filesystem::path> filesUnder(const std::filesystem::path& dir) {
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        files.insert(entry.path());
    return files;
}

// `jitsuryoku -C YEAR WORDS…` on the small test year (2026; two classes per grade, tests 1 and 2
// scored).
class Cli : public ::testing::Test {
protected:
    int run(std::vector<std::string> words) {
        words.insert(words.begin(), {"-C", year.path().string()});
        std::ostringstream o, e;
        const int status = cli::runCli(words, o, e);
        out = o.str();
        err = e.str();
        return status;
    }

    // What the statistics and the writer give for a test of grade 1.
    std::string expectedResults(int test, const CombinationSet& ticked) {
        const GradeData& grade = year.data.grades[0];
        auto scores = std::make_unique<TestScores>();
        EXPECT_TRUE(readScores(scorePath(year.path(), 2026, test, 1), grade, *scores));
        auto computed = std::make_unique<GradeResults>();
        computeGradeResults(grade, *scores, ticked, *computed);
        return formatResultsFile(grade, *computed);
    }

    TestYear year;
    std::string out, err;
};

const std::vector<std::string> kTest1 = {"--year", "2026", "--test", "1", "--grade", "1"};

std::vector<std::string> test1(const char* command, std::vector<std::string> extra) {
    std::vector<std::string> words = {command};
    words.insert(words.end(), kTest1.begin(), kTest1.end());
    words.insert(words.end(), extra.begin(), extra.end());
    return words;
}

}  // namespace

// Test 1 computes 英国数 only unless told; --combos names the combinations.
TEST_F(Cli, ResultsWritesWhatTheStatisticsGive) {
    ASSERT_EQ(run(test1("results", {})), 0) << err;
    const auto path = resultsPath(year.path(), 2026, 1, 1);
    EXPECT_EQ(readBytes(path), expectedResults(1, setOf({Eikokusu})));
    ASSERT_EQ(run(test1("results", {"--combos", "英国,３＋理,eisu"})), 0) << err;
    EXPECT_EQ(readBytes(path), expectedResults(1, setOf({Eikoku, Eikokusuri, Eisu})));
}

// The printing commands reach their jobs with every option: the trace pins the pages.
struct TraceCase {
    const char* name;
    std::vector<std::string> words;
};

void PrintTo(const TraceCase& c, std::ostream* os) { *os << c.name; }

class Traces : public Cli, public ::testing::WithParamInterface<TraceCase> {};

TEST_P(Traces, MatchTheGoldenFile) {
    ASSERT_EQ(run(test1("results", {"--combos", "all"})), 0) << err;
    const auto before = readBytes(resultsPath(year.path(), 2026, 1, 1));
    std::vector<std::string> words = GetParam().words;
    words.insert(words.end(), {"--trace", "t.txt"});
    ASSERT_EQ(run(words), 0) << err;
    EXPECT_NE(out.find((year.dir / "t.txt").string()), std::string::npos) << out;
    EXPECT_TRUE(
        matchesGolden(readBytes(year.dir / "t.txt"), std::string(GetParam().name) + "/trace.txt"));
    EXPECT_EQ(readBytes(resultsPath(year.path(), 2026, 1, 1)), before);  // printing saves nothing
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Traces,
    ::testing::Values(
        TraceCase{"cli-checklists", test1("checklists", {"--classes", "2", "--deadline", "3/17",
                                                         "--place", "職員室", "--scale", "80"})},
        TraceCase{"cli-reports",
                  test1("reports", {"--combos", "英国,eisu", "--scale", "80", "--font-scale", "50",
                                    "--copies", "2", "--pages", "2-3"})},
        TraceCase{"cli-summary", test1("summary", {"--lists", "top,freq", "--scale", "50",
                                                   "--font-scale", "30"})}),
    [](const auto& info) { return std::string(info.param.name).substr(4); });

TEST_F(Cli, PdfsHaveThePaperOfTheirJob) {
    ASSERT_EQ(run(test1("checklists", {"--pdf", "c.pdf"})), 0) << err;
    EXPECT_EQ(pdfPageCount(year.dir / "c.pdf"), 4);  // two pages per class
    EXPECT_NE(
        commandOutput("pdfinfo '" + (year.dir / "c.pdf").string() + "'").find("729 x 1032 pts"),
        std::string::npos);
    ASSERT_EQ(run(test1("reports", {"--classes", "1", "--pdf", "r.pdf"})), 0) << err;
    EXPECT_EQ(pdfPageCount(year.dir / "r.pdf"), 1);  // up to six students a sheet
    EXPECT_NE(pdfText(year.dir / "r.pdf").find(pdfNormalised("第１回実力テスト　個人成績票")),
              std::string::npos);
}

// Every failure: its exit status, a message naming what is wrong, and nothing written.
struct FailureCase {
    std::vector<std::string> words;
    int status;
    std::string message;  // found in standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    for (const std::string& w : c.words) *os << w << ' ';
}

class Failures : public Cli, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, GiveTheirStatusAndWriteNothing) {
    const auto before = filesUnder(year.path());
    EXPECT_EQ(run(GetParam().words), GetParam().status) << err;
    EXPECT_NE(err.find(GetParam().message), std::string::npos) << err;
    EXPECT_EQ(filesUnder(year.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, Failures,
    ::testing::Values(
        FailureCase{{"frobnicate"}, 2, "frobnicate"}, FailureCase{{"demo"}, 2, "jitsuryoku demo: "},
        FailureCase{{"results", "--year", "2026", "--test", "1"}, 2, "jitsuryoku results: "},
        FailureCase{test1("results", {"--combos", "英国,理科"}), 2, "jitsuryoku results: "},
        FailureCase{test1("results", {"extra"}), 2, "jitsuryoku results: "},
        FailureCase{{"results", "--year", "1999", "--test", "1", "--grade", "1"},
                    2,
                    "jitsuryoku results: "},
        FailureCase{{"results", "--year", "2026", "--test", "6", "--grade", "1"},
                    2,
                    "jitsuryoku results: "},
        FailureCase{{"results", "--year", "2026", "--test", "1", "--grade", "4"},
                    2,
                    "jitsuryoku results: "},
        FailureCase{test1("checklists", {"--classes", "3", "--trace", "t"}), 2,
                    "jitsuryoku checklists: "},
        FailureCase{test1("checklists", {"--deadline", "13/1", "--trace", "t"}), 2,
                    "jitsuryoku checklists: "},
        FailureCase{test1("checklists", {"--scale", "79", "--trace", "t"}), 2,
                    "jitsuryoku checklists: "},
        FailureCase{test1("checklists", {"--pdf", "a.pdf", "--trace", "t"}), 2,
                    "jitsuryoku checklists: "},
        FailureCase{test1("reports", {"--pages", "3-2", "--trace", "t"}), 2,
                    "jitsuryoku reports: "},
        FailureCase{test1("reports", {"--copies", "11", "--trace", "t"}), 2,
                    "jitsuryoku reports: "},
        FailureCase{test1("reports", {"--font-scale", "49", "--trace", "t"}), 2,
                    "jitsuryoku reports: "},
        FailureCase{test1("reports", {}), 2, "jitsuryoku reports: "},
        FailureCase{test1("summary", {"--lists", "tops", "--trace", "t"}), 2,
                    "jitsuryoku summary: "}));

INSTANTIATE_TEST_SUITE_P(
    Data, Failures,
    ::testing::Values(FailureCase{{"results", "--year", "2026", "--test", "3", "--grade", "1"},
                                  1,
                                  text::kScoresMissingPrint},
                      FailureCase{{"reports", "--year", "2025", "--test", "1", "--grade", "1",
                                   "--trace", "t"},
                                  1,
                                  text::kRosterMissingPrint},
                      FailureCase{test1("summary", {"--trace", "t"}), 1, text::kResultsNotRead},
                      FailureCase{test1("reports", {"--pages", "900-999", "--pdf", "r.pdf"}), 1,
                                  "nothing to print"},
                      FailureCase{test1("checklists", {"--printer", "no-such-queue"}), 1,
                                  "printer 'no-such-queue': "},
                      FailureCase{{"demo", "."}, 1, "--force"}));

TEST_F(Cli, WithoutBasicDataEveryCommandStopsWithStatusOne) {
    std::filesystem::remove(basicDataPath(year.path()));
    const auto before = filesUnder(year.path());
    for (const char* command : {"checklists", "reports", "summary"}) {
        EXPECT_EQ(run(test1(command, {"--trace", "t"})), 1) << command;
        EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos) << err;
    }
    EXPECT_EQ(run(test1("results", {})), 1);
    EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos) << err;
    EXPECT_EQ(filesUnder(year.path()), before);
}

TEST_F(Cli, UnwritableOutputsGiveStatusOneNamingTheFileOnce) {
    const auto results = resultsPath(year.path(), 2026, 1, 1);
    std::filesystem::create_directory(results);
    EXPECT_EQ(run(test1("results", {})), 1);
    EXPECT_NE(err.find(text::kResultsNotSaved), std::string::npos) << err;
    EXPECT_EQ(err.find(results.string()), err.rfind(results.string())) << err;
    std::filesystem::create_directory(year.dir / "t.txt");
    EXPECT_EQ(run(test1("checklists", {"--trace", "t.txt"})), 1);
    EXPECT_EQ(run(test1("reports", {"--pdf", "no/such/r.pdf"})), 1);
}

// A file of the year spoilt as a teacher might find it: refused in one line naming the file and
// the finding, the old results file kept; --force goes on with the finding as a warning.
struct DamageCase {
    const char* name;
    const char* file;
    std::string (*damage)(std::string);
    std::string finding;
    int forcedStatus;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class Damaged : public Cli, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(Damaged, IsRefusedUnlessForced) {
    ASSERT_EQ(run(test1("results", {})), 0);
    const auto results = resultsPath(year.path(), 2026, 1, 1);
    const std::string before = readBytes(results);
    const auto damaged = year.dir / GetParam().file;
    writeBytes(damaged, GetParam().damage(readBytes(damaged)));

    EXPECT_EQ(run(test1("results", {})), 1);
    const std::string line = damaged.string() + ": " + GetParam().finding;
    EXPECT_EQ(err.rfind("jitsuryoku results: " + line, 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(readBytes(results), before);

    std::filesystem::remove(results);
    EXPECT_EQ(run(test1("results", {"--force"})), GetParam().forcedStatus);
    EXPECT_NE(err.find("warning: " + line), std::string::npos) << err;
    EXPECT_EQ(std::filesystem::exists(results), GetParam().forcedStatus == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Damaged,
    ::testing::Values(DamageCase{"EmptyScoreFile", "JT26_1_1.txt",
                                 [](std::string) { return std::string(); }, "empty", 0},
                      DamageCase{"EmptyBasicData", "wqnmkiso.txt",
                                 [](std::string) { return std::string(); }, "empty", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CombinationList, NamesTheCombinationsOrRefuses) {
    std::string error;
    EXPECT_EQ(cli::parseCombinationList("英国数,５教科,３＋理,３＋社", error),
              setOf({Eikokusu, Kyouka5, Eikokusuri, Eikokususha}));
    EXPECT_EQ(cli::parseCombinationList("Kyouka5,EIKOKU,eikoku", error), setOf({Kyouka5, Eikoku}));
    EXPECT_EQ(cli::parseCombinationList("none", error), setOf({}));
    CombinationSet all;
    all.fill(true);
    EXPECT_EQ(cli::parseCombinationList("all", error), all);
    for (const char* list : {"", "英国,", "英国,,英数", "英語", "3+理", "eikoku "}) {
        EXPECT_FALSE(cli::parseCombinationList(list, error)) << list;
        EXPECT_FALSE(error.empty()) << list;
    }
}

TEST(CliOptions, HelpVersionAndDataDir) {
    TempDir dir;
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "jitsuryoku " JITSU_VERSION "\n");
    EXPECT_EQ(cli::runCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("demo DIR"), std::string::npos);
    EXPECT_EQ(cli::runCli({"--data-dir", dir.path().string(), "demo", "."}, out, err), 0);
    EXPECT_TRUE(std::filesystem::exists(basicDataPath(dir.path())));
    EXPECT_EQ(cli::runCli({"-C"}, out, err), 2);
}

// Without --deadline, the check lists' deadline comes from the clock the tool is given.
TEST(CliOptions, ChecklistsDeadlineComesFromTheClock) {
    TestYear year;
    std::ostringstream out, err;
    const FixedClock january30(LocalDate{2026, 0, 30});
    ASSERT_EQ(cli::runCli({"-C", year.path().string(), "checklists", "--year", "2026", "--test",
                           "1", "--grade", "1"},
                          out, err, january30),
              0)
        << err.str();
    EXPECT_NE(out.str().find("期限は 2月 1日です。"), std::string::npos);  // from the 30th: the 1st
}
