// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <sstream>

#include "Clock.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "FolderSettings.h"
#include "Golden.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
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

// `jitsuryoku -C YEAR LINE` on the small test year (2026; two classes per grade, tests 1 and 2
// scored) on 15 March. The line's words are split at blanks; "TEST1" stands for test 1 of
// grade 1.
class Cli : public ::testing::Test {
protected:
    int run(std::string line) {
        if (const auto at = line.find("TEST1"); at != std::string::npos)
            line.replace(at, 5, "--year 2026 --test 1 --grade 1");
        std::vector<std::string> words = {"-C", year.path().string()};
        std::istringstream in(line);
        for (std::string word; in >> word;) words.push_back(word);
        std::ostringstream o, e;
        const int status = cli::runCli(words, o, e, march15);
        out = o.str();
        err = e.str();
        return status;
    }

    TestYear year;
    const FixedClock march15{LocalDate{2026, 2, 15}};
    const std::filesystem::path results = resultsPath(year.path(), 2026, 1, 1);
    std::string out, err;
};

}  // namespace

// Test 1 computes 英国数 only unless told; --combos names the combinations.
TEST_F(Cli, ResultsHoldTheCombinationsAskedFor) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    EXPECT_TRUE(matchesGolden(readBytes(results), "cli-results/default.txt"));
    ASSERT_EQ(run("results TEST1 --combos 英国,３＋理,eisu"), 0) << err;
    EXPECT_TRUE(matchesGolden(readBytes(results), "cli-results/combos.txt"));
}

// Every command that writes a page or a file reaches its job with every option: the file, named
// by the line's last word, matches tests/data/cli-COMMAND/FILE. The command names the file it
// wrote and saves nothing else.
class Outputs : public Cli, public ::testing::WithParamInterface<std::string> {};

TEST_P(Outputs, MatchTheGoldenFile) {
    ASSERT_EQ(run("results TEST1 --combos all"), 0) << err;
    ASSERT_EQ(run("results --year 2026 --test 2 --grade 1"), 0) << err;
    const auto before = readBytes(results);
    const std::string& line = GetParam();
    const std::string command = line.substr(0, line.find(' ')),
                      file = line.substr(line.rfind(' ') + 1);
    ASSERT_EQ(run(line), 0) << err;
    EXPECT_NE(out.find((year.dir / file).string()), std::string::npos) << out;
    EXPECT_TRUE(matchesGolden(readBytes(year.dir / file), "cli-" + command + "/" + file));
    EXPECT_EQ(readBytes(results), before);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Outputs,
    ::testing::Values(
        "checklists TEST1 --classes 2 --deadline 3/17 --place 職員室 --scale 80 --trace trace.txt",
        // Without --deadline, two days from the clock's date; two identical pages per class in
        // class order, the place before まで.
        "checklists TEST1 --place 職員室 --trace small.txt",
        // The year in the Japanese era: 令和８年度.
        "checklists TEST1 --classes 1 --era wareki --trace wareki.txt",
        "reports TEST1 --combos 英国,eisu --scale 80 --font-scale 50 --copies 2 --pages 2-3 "
        "--trace trace.txt",
        // Test 2's default combinations: nine columns.
        "reports --year 2026 --test 2 --grade 1 --trace small.txt",
        // Every combination, fourteen columns: the name line moves right.
        "reports --year 2026 --test 1 --grade 3 --combos all --scale 80 --font-scale 50 "
        "--copies 2 --trace wide.txt",
        "summary TEST1 --lists top,freq --scale 50 --font-scale 30 --trace trace.txt",
        "history --year 2026 --grade 1 --classes 2 --students 1,3 --trace trace.txt",
        "trend --year 2026 --grade 1 --trace trace.txt",
        "export --year 2026 --test 2 --grade 1 --format csv -o utf8.csv",
        "export --year 2026 --test 2 --grade 1 --format csv --encoding cp932 -o cp932.csv"));

// The folder's settings choose how the check lists print the year; --era overrides them.
TEST_F(Cli, TheFolderChoosesTheEraAndTheOptionOverridesIt) {
    ASSERT_TRUE(writeFolderSettings(year.path(), {Era::Wareki}));
    ASSERT_EQ(run("checklists TEST1 --classes 1 --trace w.txt"), 0) << err;
    EXPECT_NE(readBytes(year.dir / "w.txt").find("令和８年度"), std::string::npos);
    ASSERT_EQ(run("checklists TEST1 --classes 1 --era seireki --trace s.txt"), 0) << err;
    EXPECT_NE(readBytes(year.dir / "s.txt").find("  2026年度"), std::string::npos);
    writeBytes(folderSettingsPath(year.path()), "era=taisho\r\n");
    EXPECT_EQ(run("checklists TEST1 --classes 1 --trace t.txt"), 1);
    EXPECT_NE(err.find("jitsuryoku-settings.txt:1:"), std::string::npos) << err;
}

TEST_F(Cli, WritesAPdf) {
    ASSERT_EQ(run("reports TEST1 --classes 1 --pdf r.pdf"), 0) << err;
    EXPECT_EQ(pdfPageCount(year.dir / "r.pdf"), 1);  // up to six students a sheet
}

// Every failure, test 1 of grade 1 having results: its exit status, a message naming what is
// wrong, and nothing written.
struct FailureCase {
    std::string line;
    int status;
    std::string message;  // found in standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.line; }

// Usage errors: status 2 and a message naming the command, or what follows " | ".
std::vector<FailureCase> usageErrors(std::initializer_list<std::string> lines) {
    std::vector<FailureCase> cases;
    for (const std::string& line : lines) {
        const auto bar = line.find(" | ");
        cases.push_back({line.substr(0, bar), 2,
                         bar != std::string::npos
                             ? line.substr(bar + 3)
                             : "jitsuryoku " + line.substr(0, line.find(' ')) + ": "});
    }
    return cases;
}

class Failures : public Cli, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, GiveTheirStatusAndWriteNothing) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    writeBytes(year.dir / "ok.csv", "組,番号,氏名\n1,1,佐藤\n");
    writeBytes(year.dir / "in.csv", "組,番号,氏名\n1,1,佐藤\n9,1,鈴木\n");
    const auto before = filesUnder(year.path());
    const std::string roster = readBytes(year.dir / "N261.csv");
    EXPECT_EQ(run(GetParam().line), GetParam().status) << err;
    EXPECT_NE(err.find(GetParam().message), std::string::npos) << err;
    EXPECT_EQ(filesUnder(year.path()), before);
    EXPECT_EQ(readBytes(year.dir / "N261.csv"), roster);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, Failures,
    ::testing::ValuesIn(usageErrors(
        {"results --year 1999 --test 1 --grade 1", "results --year 2026 --test 6 --grade 1",
         "checklists TEST1 --classes 3 --trace t", "checklists TEST1 --deadline 13/1 --trace t",
         "checklists TEST1 --scale 79 --trace t", "checklists TEST1 --pdf a.pdf --trace t",
         "reports TEST1 --pages 3-2 --trace t", "reports TEST1 --pages 0-2 --trace t",
         "checklists TEST1 --deadline 3-1 --trace t", "reports TEST1 --copies 11 --trace t",
         "reports TEST1 --font-scale 49 --trace t", "reports TEST1 --pdf a.pdf --trace t",
         "summary TEST1 --lists tops --trace t", "history --grade 1 --trace t | --year",
         "checklists TEST1 --era reiwa --trace t | --era",
         "history --year 2026 --grade 1 --students 46 --trace t | --students",
         "trend --year 2026 --grade 1 --pdf a --trace t"})));

INSTANTIATE_TEST_SUITE_P(VersionsUsage, Failures,
                         ::testing::ValuesIn(usageErrors(
                             {"versions | give the FILE", "versions ../N261.csv | no file name",
                              "restore N261.csv | give the FILE VERSION",
                              "restore N261.csv 21 | a number from 1 to 20"})));

const std::vector<FailureCase>& dataFailures() {
    static const std::vector<FailureCase> cases = {
        FailureCase{"results --year 2026 --test 3 --grade 1", 1, text::kScoresMissingPrint},
        FailureCase{"reports --year 2025 --test 1 --grade 1 --trace t", 1,
                    text::kRosterMissingPrint},
        FailureCase{"summary --year 2026 --test 2 --grade 1 --trace t", 1, text::kResultsNotRead},
        FailureCase{"reports TEST1 --pages 900-999 --pdf r.pdf", 1, "nothing to print"},
        FailureCase{"checklists TEST1 --printer no-such-queue", 1, "printer 'no-such-queue': "},
        FailureCase{"history --year 2026 --grade 2 --trace t", 1, "nothing to print"},
        FailureCase{"trend --year 2025 --grade 1 --trace t", 1, "nothing to print"},
        FailureCase{"import-roster ok.csv --grade 1", 1,
                    "N261.csv exists already and the grade has scores"},
        FailureCase{"import-roster in.csv --grade 1 --force", 1, "in.csv:3: class \"9\""},
        FailureCase{"restore N261.csv 1", 1, "N261.csv: no version 1 (0 kept)"},
        FailureCase{"demo .", 1, "--force"}};
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Data, Failures, ::testing::ValuesIn(dataFailures()));

// The failure table and a few usage errors as a person reads them, in English (LANG=C) and in
// Japanese (LANG=ja_JP.UTF-8): one language a run, the data folder written DIR.
TEST_F(Cli, TheFailuresReadInTheLocalesLanguage) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    writeBytes(year.dir / "ok.csv", "組,番号,氏名\n1,1,佐藤\n");
    writeBytes(year.dir / "in.csv", "組,番号,氏名\n1,1,佐藤\n9,1,鈴木\n");
    for (const char* lang : {"C", "ja_JP.UTF-8"}) {
        ::setenv("LANG", lang, 1);
        std::string table;
        std::vector<std::string> lines = {"results",
                                          "results TEST1 --bogus",
                                          "nosuchcommand",
                                          "checklists TEST1 --deadline 13/1 --trace t",
                                          "reports TEST1 --pdf a.pdf --trace t",
                                          "restore N261.csv"};
        for (const FailureCase& c : dataFailures()) lines.push_back(c.line);
        for (const std::string& line : lines) {
            run(line);
            for (auto at = err.find(year.path().string()); at != std::string::npos;
                 at = err.find(year.path().string()))
                err.replace(at, year.path().string().size(), "DIR");
            table += "$ " + line + "\n" + err;
        }
        ::setenv("LANG", "C.UTF-8", 1);
        EXPECT_TRUE(matchesGolden(table, std::string("cli-failures/") + lang + ".txt"));
    }
}

// A results file computed again is listed with its earlier version, which restore puts back.
TEST_F(Cli, VersionsListsAndRestorePutsBack) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    const std::string first = readBytes(results);
    ASSERT_EQ(run("versions JK26_1_1.txt"), 0) << err;
    EXPECT_EQ(out, "no earlier version of JK26_1_1.txt is kept\n");
    ASSERT_EQ(run("results TEST1 --combos all"), 0) << err;
    ASSERT_EQ(run("versions JK26_1_1.txt"), 0) << err;
    EXPECT_TRUE(out.starts_with("  1  20")) << out;
    EXPECT_NE(out.find("  cli_tests  " + std::to_string(first.size()) + " bytes\n"),
              std::string::npos)
        << out;
    ASSERT_EQ(run("restore JK26_1_1.txt 1"), 0) << err;
    EXPECT_EQ(readBytes(results), first);
    EXPECT_TRUE(out.starts_with("restored JK26_1_1.txt from version   1  20")) << out;
}

// Results older than their scores: every command that uses them refuses naming both files;
// --force uses them with a warning, --recompute computes them again first.
TEST_F(Cli, OutOfDateResultsAreRefusedUnlessForcedOrRecomputed) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    const auto scores = scorePath(year.path(), 2026, 1, 1);
    std::filesystem::last_write_time(
        results, std::filesystem::last_write_time(scores) - std::chrono::seconds(10));
    for (const char* line : {"summary TEST1 --trace t.txt", "export TEST1 --format csv",
                             "history --year 2026 --grade 1 --trace t.txt",
                             "trend --year 2026 --grade 1 --trace t.txt"}) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_NE(err.find(": JK26_1_1.txt (saved 20"), std::string::npos) << err;
        EXPECT_NE(err.find(") is out of date: JT26_1_1.txt was saved after it (20"),
                  std::string::npos)
            << err;
    }
    EXPECT_EQ(run("summary TEST1 --trace t.txt --force"), 0) << err;
    EXPECT_NE(err.find("warning: JK26_1_1.txt"), std::string::npos) << err;
    EXPECT_EQ(run("export TEST1 --format csv --recompute"), 0) << err;
    EXPECT_NE(err.find("computed again"), std::string::npos) << err;
    EXPECT_EQ(run("summary TEST1 --trace t.txt"), 0) << err;
}

TEST_F(Cli, WithoutBasicDataEveryCommandStopsWithStatusOne) {
    std::filesystem::remove(basicDataPath(year.path()));
    const auto before = filesUnder(year.path());
    for (const char* line : {"results TEST1", "checklists TEST1 --trace t",
                             "reports TEST1 --trace t", "summary TEST1 --trace t"}) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos) << err;
    }
    EXPECT_EQ(filesUnder(year.path()), before);
}

TEST_F(Cli, UnwritableOutputsGiveStatusOneNamingTheFileOnce) {
    std::filesystem::create_directory(results);
    EXPECT_EQ(run("results TEST1"), 1);
    EXPECT_NE(err.find(text::kResultsNotSaved), std::string::npos) << err;
    EXPECT_EQ(err.find(results.string()), err.rfind(results.string())) << err;
    std::filesystem::create_directory(year.dir / "t.txt");
    EXPECT_EQ(run("checklists TEST1 --trace t.txt"), 1);
    EXPECT_EQ(run("reports TEST1 --pdf no/such/r.pdf"), 1);
}

// A file of the year spoilt as a teacher might find it: refused in one line naming the file and
// the finding, the old results file kept; --force goes on with the finding as a warning (and
// stops all the same without basic data).
TEST_F(Cli, ADamagedFileIsRefusedUnlessForced) {
    ASSERT_EQ(run("results TEST1"), 0);
    const std::string before = readBytes(results);
    for (const auto& [file, forcedStatus] : {std::pair{"JT26_1_1.txt", 0}, {"wqnmkiso.txt", 1}}) {
        const std::string sound = readBytes(year.dir / file);
        writeBytes(year.dir / file, "");
        EXPECT_EQ(run("results TEST1"), 1);
        const std::string line = (year.dir / file).string() + ": empty";
        EXPECT_EQ(err, "jitsuryoku results: " + line + "\n");
        EXPECT_EQ(readBytes(results), before);
        EXPECT_EQ(run("results TEST1 --force"), forcedStatus);
        EXPECT_NE(err.find("warning: " + line), std::string::npos) << err;
        EXPECT_EQ(readBytes(results) == before, forcedStatus != 0) << file;
        writeBytes(year.dir / file, sound);
        writeBytes(results, before);
    }
}

// Every kind of file damaged, or a link out of the folder (the other ways a file is spoilt are
// the readers' own tests): each command that reads it stops with status 1, names the file, and
// writes nothing; nothing outside the folder is read or replaced.
TEST_F(Cli, EveryCommandReadingASpoiltFileStopsNamingIt) {
    ASSERT_EQ(run("results TEST1"), 0) << err;
    TempDir outside;
    writeBytes(outside / "notes.txt", "private\n");
    const auto firstTokenSpoilt = [](std::string bytes) {
        return "99999999999999999999" + bytes.substr(bytes.find(' '));
    };
    struct File {
        std::string name, damaged;
        std::vector<std::string> commands;
    };
    const std::string history = "history --year 2026 --grade 1 --trace t.txt",
                      trend = "trend --year 2026 --grade 1 --trace t.txt",
                      exportCsv = "export TEST1 --format csv -o e.csv";
    const std::vector<File> files = {
        {"N261.csv",
         "10101,,A\r\n",
         {"checklists TEST1 --trace t.txt", "reports TEST1 --trace t.txt",
          "summary TEST1 --trace t.txt", exportCsv, history, "check"}},
        {"JT26_1_1.txt",
         firstTokenSpoilt(readBytes(year.dir / "JT26_1_1.txt")),
         {"results TEST1", "checklists TEST1 --trace t.txt", "reports TEST1 --trace t.txt",
          "check"}},
        {"JK26_1_1.txt",
         firstTokenSpoilt(readBytes(results)),
         {"summary TEST1 --trace t.txt", exportCsv, history, trend, "check"}},
    };
    using Spoil = std::function<void(const std::filesystem::path&, const std::string&)>;
    const std::vector<std::pair<const char*, Spoil>> spoils = {
        {"damaged", [](const auto& p, const auto& damaged) { writeBytes(p, damaged); }},
        {"link out of the folder",
         [&](const auto& p, const auto&) {
             std::filesystem::create_symlink(outside / "notes.txt", p);
         }},
    };
    for (const File& file : files) {
        const auto path = year.dir / file.name;
        const std::string sound = readBytes(path);
        for (const auto& [how, spoil] : spoils) {
            std::filesystem::remove(path);
            spoil(path, file.damaged);
            const auto before = filesUnder(year.path());
            for (const std::string& line : file.commands) {
                SCOPED_TRACE(file.name + ", " + how + ": " + line);
                EXPECT_EQ(run(line), 1) << out << err;
                EXPECT_NE((out + err).find(path.string()), std::string::npos) << out << err;
                EXPECT_EQ(filesUnder(year.path()), before);
            }
        }
        std::filesystem::remove(path);
        writeBytes(path, sound);
    }
    EXPECT_EQ(readBytes(outside / "notes.txt"), "private\n");
}

// "all" is read by the output cases above.
TEST(CombinationList, NamesTheCombinationsOrRefuses) {
    std::string error;
    EXPECT_EQ(cli::parseCombinationList("英国数,５教科,３＋理,３＋社", error),
              setOf({Eikokusu, Kyouka5, Eikokusuri, Eikokususha}));
    EXPECT_EQ(cli::parseCombinationList("Kyouka5,EIKOKU,eikoku", error), setOf({Kyouka5, Eikoku}));
    EXPECT_EQ(cli::parseCombinationList("none", error), setOf({}));
    for (const char* list : {"", "英国,", "英国,,英数", "英語", "3+理", "eikoku "}) {
        EXPECT_FALSE(cli::parseCombinationList(list, error)) << list;
        EXPECT_FALSE(error.empty()) << list;
    }
}
