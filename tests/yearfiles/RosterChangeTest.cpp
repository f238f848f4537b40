// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "CountChange.h"
#include "Cp932.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "Golden.h"
#include "Paths.h"
#include "Roster.h"
#include "RosterAlignment.h"
#include "RosterChange.h"
#include "RunCli.h"
#include "TestYear.h"
#include "TransferYear.h"
#include "YearCheck.h"

using namespace jitsu;
using namespace jitsu::yearfiles;
namespace fs = std::filesystem;

namespace {

// "number name" items, seated in class `cls` from slot 0 on.
std::vector<SeatedStudent> seated(int cls, std::vector<std::string> items,
                                  std::vector<SeatedStudent> more = {}) {
    std::vector<SeatedStudent> students;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t blank = items[i].find(' ');
        students.push_back({cls, static_cast<int>(i), Cp932Text(items[i].substr(0, blank)),
                            Cp932Text(sj(items[i].substr(blank + 1).c_str()))});
    }
    students.insert(students.end(), more.begin(), more.end());
    return students;
}

std::string seatOf(const SeatedStudent& s) {
    return std::to_string(s.cls + 1) + "-" + std::to_string(s.slot + 1);
}

// The change as one line per student: "stay 1-1 山田", "move 1-3>1-4 鈴木", "left 1-5 田中",
// "new 1-3 青木"; a changed name as "old/new".
std::vector<std::string> described(const RosterChange& c) {
    std::vector<std::string> lines;
    for (const auto& p : c.stay)
        lines.push_back("stay " + seatOf(p.after) + " " + p.before.name.utf8() +
                        (p.before.name == p.after.name ? "" : "/" + p.after.name.utf8()));
    for (const auto& p : c.moves)
        lines.push_back("move " + seatOf(p.before) + ">" + seatOf(p.after) + " " +
                        p.before.name.utf8());
    for (const auto& l : c.leavers)
        lines.push_back("left " + seatOf(l.student) + " " + l.student.name.utf8());
    for (const auto& s : c.arrivals) lines.push_back("new " + seatOf(s) + " " + s.name.utf8());
    return lines;
}

}  // namespace

// Each case's pairs, one line per student, in the golden file.
TEST(RosterMatching, PairsEachStudentAtMostOnce) {
    const struct {
        const char* name;
        std::vector<SeatedStudent> before, after;
    } cases[] = {
        // A transfer student takes number 3; those after move down one; the last has left.
        {"TransferStudent", seated(0, {"1 山田", "2 佐藤", "3 鈴木", "4 高橋", "5 田中"}),
         seated(0, {"1 山田", "2 佐藤", "3 青木", "4 鈴木", "5 高橋"})},
        // The class renumbered in 五十音 order after the transfer: names carry the scores.
        {"RenumberedByName", seated(0, {"1 山田", "2 佐藤", "3 鈴木"}),
         seated(0, {"1 青木", "2 佐藤", "3 鈴木", "4 山田"})},
        // A corrected name keeps its number; leading zeros do not make another number.
        {"NameCorrected", seated(0, {"1 斎藤", "02 伊藤"}), seated(0, {"1 齋藤", "2 伊藤"})},
        // A name two students share is no key: renumbered, they are told apart by their seats
        // while they keep them.
        {"SharedNameKeepsItsSeats", seated(0, {"1 佐藤", "2 佐藤", "3 鈴木"}),
         seated(0, {"3 佐藤", "4 佐藤", "5 鈴木"})},
        // A name shared with another class is a key inside the class.
        {"NameSharedWithAnotherClass", seated(0, {"1 佐藤", "2 鈴木"}, seated(1, {"1 鈴木"})),
         seated(0, {"1 青木", "2 佐藤", "3 鈴木"}, seated(1, {"1 鈴木"}))},
        // A student who changes class keeps the scores.
        {"ChangesClass", seated(0, {"10101 山田", "10102 佐藤"}, seated(1, {"10201 鈴木"})),
         seated(0, {"10101 山田"}, seated(1, {"10201 鈴木", "10202 佐藤"}))},
    };
    std::string out;
    for (const auto& c : cases) {
        out += std::string(c.name) + "\n";
        for (const std::string& line : described(matchRosters(c.before, c.after)))
            out += "  " + line + "\n";
    }
    EXPECT_TRUE(matchesGolden(out, "roster-change/matching.txt"));
}

namespace {

// The transfer's import and its plan, for the small test year.
void planTransfer(const TestYear& year, const Transfer& t, ImportedRoster& imported,
                  RosterReplacement& plan) {
    ASSERT_TRUE(importRoster(t.csv, ImportOptions{}, year.data.grades[0], imported));
    ASSERT_TRUE(planRosterReplacement(year.path(), year.data, 2026, 1, imported, plan));
}

class TransferImport : public ::testing::TestWithParam<bool> {};

}  // namespace

// After the import every score of tests 1 and 2 is on the student it was typed for, also when
// the class is renumbered; the one who left is named with the tests of his scores, which are
// gone; the new student has none.
TEST_P(TransferImport, KeepsEveryScoreWithItsStudent) {
    TestYear year;
    const Transfer t = transfer(year, GetParam());
    const auto before1 = scoresByName(year, 1), before2 = scoresByName(year, 2);

    ImportedRoster imported;
    RosterReplacement plan;
    ASSERT_NO_FATAL_FAILURE(planTransfer(year, t, imported, plan));
    ASSERT_EQ(plan.scoreFiles.size(), 2u);
    const std::string summary = replacementSummary(plan, year.data.grades[0]);
    EXPECT_NE(summary.find(t.leaver), std::string::npos) << summary;
    EXPECT_NE(summary.find("第１回・第２回 の得点は消えます"), std::string::npos) << summary;
    EXPECT_NE(summary.find("新しい生徒：1 人"), std::string::npos) << summary;
    ASSERT_TRUE(applyRosterReplacement(plan, imported));

    for (const auto& [test, before] : {std::pair{1, &before1}, std::pair{2, &before2}}) {
        const auto after = scoresByName(year, test);
        for (const std::string& name : t.staying)
            EXPECT_EQ(after.at(name), before->at(name)) << name;
        EXPECT_EQ(after.count(t.leaver), 0u);
        EXPECT_EQ(after.at("青木　新太"), std::vector<int>(5, kNoScore));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TransferImport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Renumbered" : "Inserted"; });

namespace {

// The order a teacher takes, a letter a step: c: class 1's head count changed in basesetup;
// i: the new roster imported; e: typed into N261.csv; s: a program started, showing nothing;
// q: one showing one box (yes to a question).
struct SizeCase {
    const char* name;
    int delta;
    const char* steps;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class ClassSizeChange : public ::testing::TestWithParam<SizeCase> {};

}  // namespace

// Class 1 one larger (青木 新太 joins as number 3) or smaller (the last leaves): whichever comes
// first, the head count or the roster, every student keeps her scores and nothing more is asked.
TEST_P(ClassSizeChange, EveryStudentKeepsHerScores) {
    const SizeCase& c = GetParam();
    TestYear year;
    FakeMessages messages;
    ASSERT_TRUE(alignScoresAtStartUp(year.path(), year.data, messages).empty());
    Transfer t = transfer(year, false);
    const std::string joiner = "1,10103,青木　新太\n";
    if (c.delta > 0)
        t.csv.insert(t.csv.find("\n2,") + 1, "1,10199," + t.leaver + "\n");  // nobody leaves
    else
        t.csv.erase(t.csv.find(joiner), joiner.size());  // nobody joins
    const auto before1 = scoresByName(year, 1), before2 = scoresByName(year, 2);
    ImportedRoster imported;
    ASSERT_TRUE(importRoster(t.csv, ImportOptions{}, year.data.grades[0], imported));
    for (const char* step = c.steps; *step; ++step) {
        if (*step == 'c') {
            auto after = std::make_unique<BasicData>(year.data);
            after->grades[0].headCounts[0] += static_cast<unsigned>(c.delta);
            CountChange plan;
            ASSERT_TRUE(planCountChange(year.path(), year.data, *after, plan));
            ASSERT_TRUE(applyCountChange(plan, basicDataPath(year.path()), textsOf(*after)));
            year.data = *after;
        } else if (*step == 'i') {
            RosterReplacement plan;
            ASSERT_TRUE(planRosterReplacement(year.path(), year.data, 2026, 1, imported, plan));
            ASSERT_TRUE(applyRosterReplacement(plan, imported));
        } else if (*step == 'e') {
            writeBytes(year.path() / "N261.csv", imported.bytes);
        } else {
            messages.shown.clear();
            (void)alignScoresAtStartUp(year.path(), year.data, messages);
            EXPECT_EQ(messages.shown.size(), *step == 'q' ? 1u : 0u) << step;
        }
    }
    for (const auto& [test, before] : {std::pair{1, before1}, std::pair{2, before2}}) {
        auto expected = before;
        if (c.delta < 0) expected.erase(t.leaver);
        if (c.delta > 0) expected["青木　新太"] = std::vector<int>(5, kNoScore);
        EXPECT_EQ(scoresByName(year, test), expected) << test;
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, ClassSizeChange,
                         ::testing::Values(SizeCase{"ImportThenCount", 1, "iscs"},
                                           SizeCase{"CountThenImport", 1, "csis"},
                                           SizeCase{"LoweredThenImport", -1, "csis"},
                                           SizeCase{"HandEditThenCount", 1, "eqcqs"},
                                           SizeCase{"CountThenHandEdit", 1, "cseqs"},
                                           SizeCase{"LoweredThenHandEdit", -1, "cseqs"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Without --force the command writes nothing and shows where the scores would go; with it,
// every score file of the grade is rewritten and the grade's results are out of date.
TEST(TransferImport, CommandLineAsksForForceThenRewritesTheGrade) {
    TestYear year;
    const Transfer t = transfer(year, false);
    writeBytes(year.path() / "transfer.csv", t.csv);
    ASSERT_EQ(
        runJitsuryoku(year.path(), {"results", "--year", "2026", "--test", "2", "--grade", "1"}),
        0);
    const std::string scores1 = readBytes(year.path() / "JT26_1_1.txt");
    const std::string roster = readBytes(year.path() / "N261.csv");
    const std::vector<std::string> import = {"import-roster", "transfer.csv", "--grade", "1"};

    std::string out;
    EXPECT_EQ(runJitsuryoku(year.path(), import, &out), 1);
    EXPECT_NE(out.find(t.leaver), std::string::npos) << out;
    EXPECT_NE(out.find("use --force"), std::string::npos) << out;
    EXPECT_EQ(readBytes(year.path() / "JT26_1_1.txt"), scores1);
    EXPECT_EQ(readBytes(year.path() / "N261.csv"), roster);

    std::vector<std::string> forced = import;
    forced.push_back("--force");
    EXPECT_EQ(runJitsuryoku(year.path(), forced, &out), 0) << out;
    EXPECT_NE(readBytes(year.path() / "JT26_1_1.txt"), scores1);
    EXPECT_NE(readBytes(year.path() / "N261.csv"), roster);
    bool outOfDate = false;
    for (const Finding& f : checkYear(year.path()))
        outOfDate |= f.file.filename() == "JK26_2_1.txt" && f.code == "results.out-of-date";
    EXPECT_TRUE(outOfDate);
}

// A score file changed between the question and the answer stops the whole change: nothing is
// written, the files rewritten before it get their bytes back.
TEST(TransferImport, AllOrNothing) {
    TestYear year;
    const Transfer t = transfer(year, false);
    ImportedRoster imported;
    RosterReplacement plan;
    ASSERT_NO_FATAL_FAILURE(planTransfer(year, t, imported, plan));
    const std::string scores1 = readBytes(year.path() / "JT26_1_1.txt");
    const std::string roster = readBytes(year.path() / "N261.csv");
    std::string scores2 = readBytes(year.path() / "JT26_2_1.txt");
    scores2[0] = scores2[0] == '9' ? '8' : '9';
    writeBytes(year.path() / "JT26_2_1.txt", scores2);

    const Status status = applyRosterReplacement(plan, imported);
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason().find("JT26_2_1.txt"), std::string::npos) << status.reason();
    EXPECT_EQ(readBytes(year.path() / "JT26_1_1.txt"), scores1);
    EXPECT_EQ(readBytes(year.path() / "JT26_2_1.txt"), scores2);
    EXPECT_EQ(readBytes(year.path() / "N261.csv"), roster);
}
