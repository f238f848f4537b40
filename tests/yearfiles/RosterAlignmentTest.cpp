// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "AlignedCopy.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "RosterAlignment.h"
#include "RosterImport.h"
#include "RunCli.h"
#include "TransferYear.h"
#include "YearCheck.h"

using namespace jitsu;
using namespace jitsu::yearfiles;
namespace fs = std::filesystem;

namespace {

// The roster bytes of the copy the scores are aligned to.
std::string copied(const fs::path& roster) {
    AlignedCopy copy;
    EXPECT_TRUE(readAlignedCopy(roster, copy));
    return copy.rosterBytes;
}

// The small test year after a first start-up (every roster remembered), then the transfer of
// class 1 typed into N261.csv by hand, in the roster's own form. The files as they were
// before the edit are kept to compare.
struct HandEditedYear {
    TestYear year;
    Transfer edit;
    std::string scores1, scores2;

    explicit HandEditedYear(bool byName) : edit(transfer(year, byName)) {
        FakeMessages quiet;
        EXPECT_TRUE(alignScoresAtStartUp(year.path(), year.data, quiet).empty());
        EXPECT_TRUE(quiet.shown.empty());
        ImportedRoster edited;
        EXPECT_TRUE(importRoster(edit.csv, ImportOptions{}, year.data.grades[0], edited));
        writeBytes(roster(), edited.bytes);
        scores1 = readBytes(scorePath(year.path(), 2026, 1, 1));
        scores2 = readBytes(scorePath(year.path(), 2026, 2, 1));
    }

    fs::path roster() const { return year.path() / "N261.csv"; }

    bool checkFinds(const std::string& code) const {
        for (const Finding& f : checkYear(year.path()))
            if (f.code == code) return true;
        return false;
    }
};

class HandEditedRoster : public ::testing::TestWithParam<bool> {};

}  // namespace

// Without a remembered roster the present one is remembered without a question; every grade's
// copy is then the roster's bytes.
TEST(HandEditedRoster, FirstStartRemembersEveryRosterSilently) {
    TestYear year;
    for (int g = 1; g <= 3; ++g) {
        const fs::path roster = rosterPath(year.path(), "N", 2026, g);
        EXPECT_EQ(rosterAlignment(roster), RosterAlignment::Unremembered) << g;
    }
    FakeMessages messages;
    EXPECT_TRUE(alignScoresAtStartUp(year.path(), year.data, messages).empty());
    EXPECT_TRUE(messages.shown.empty());
    for (int g = 1; g <= 3; ++g) {
        const fs::path roster = rosterPath(year.path(), "N", 2026, g);
        EXPECT_EQ(copied(roster), readBytes(roster)) << g;
    }
}

// Yes at start-up: every score of tests 1 and 2 is on the student it was typed for, also when
// the class is renumbered; the roster becomes the remembered one and check is content.
TEST_P(HandEditedRoster, StartUpCarriesTheScoresToTheirStudents) {
    HandEditedYear y(GetParam());
    std::map<int, std::map<std::string, std::vector<int>>> before;
    {
        // The scores by name as typed: against the roster they were aligned to.
        const std::string edited = readBytes(y.roster());
        writeBytes(y.roster(), copied(y.roster()));
        before[1] = scoresByName(y.year, 1);
        before[2] = scoresByName(y.year, 2);
        writeBytes(y.roster(), edited);
    }
    ASSERT_EQ(
        runJitsuryoku(y.year.path(), {"results", "--year", "2026", "--test", "2", "--grade", "1"}),
        0);
    EXPECT_FALSE(y.checkFinds("results.out-of-date"));
    EXPECT_EQ(rosterAlignment(y.roster()), RosterAlignment::Edited);
    EXPECT_TRUE(y.checkFinds("roster.edited"));

    FakeMessages messages;
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(alignScoresAtStartUp(y.year.path(), y.year.data, messages).empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("N261.csv"), std::string::npos);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_NE(messages.shown[0].detail.find(y.edit.leaver), std::string::npos);

    for (int test : {1, 2}) {
        const auto after = scoresByName(y.year, test);
        for (const std::string& name : y.edit.staying)
            EXPECT_EQ(after.at(name), before[test].at(name)) << name;
        EXPECT_EQ(after.at("青木　新太"), std::vector<int>(5, kNoScore));
    }
    EXPECT_EQ(copied(y.roster()), readBytes(y.roster()));
    EXPECT_FALSE(y.checkFinds("roster.edited"));
    EXPECT_TRUE(y.checkFinds("results.out-of-date"));
    messages.shown.clear();
    EXPECT_TRUE(alignScoresAtStartUp(y.year.path(), y.year.data, messages).empty());
    EXPECT_TRUE(messages.shown.empty());
}

// No: nothing is written, the grade is left on its old roster, and the question comes again.
TEST_P(HandEditedRoster, NoWritesNothingAndAsksAgain) {
    HandEditedYear y(GetParam());
    const std::string roster = readBytes(y.roster());
    const std::string remembered = copied(y.roster());
    for (int start = 0; start < 2; ++start) {
        FakeMessages messages;
        messages.answers = {MessageAnswer::No};
        EXPECT_EQ(alignScoresAtStartUp(y.year.path(), y.year.data, messages), std::vector<int>{1});
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(readBytes(scorePath(y.year.path(), 2026, 1, 1)), y.scores1);
        EXPECT_EQ(readBytes(scorePath(y.year.path(), 2026, 2, 1)), y.scores2);
        EXPECT_EQ(readBytes(y.roster()), roster);
        EXPECT_EQ(copied(y.roster()), remembered);
    }
    EXPECT_NE(misalignedScoresWarning({1}).find("1年"), std::string::npos);
    EXPECT_EQ(misalignedScoresWarning({}), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HandEditedRoster, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Renumbered" : "Inserted"; });

// The roster edited again while the question was open: the carry stops and nothing is
// written.
TEST(HandEditedRoster, EditedAgainWhileAskedWritesNothing) {
    HandEditedYear y(false);
    const std::string remembered = copied(y.roster());
    FakeMessages messages;
    messages.whileShown = [&] { writeBytes(y.roster(), readBytes(y.roster()) + "10999,x\r\n"); };
    EXPECT_EQ(alignScoresAtStartUp(y.year.path(), y.year.data, messages), std::vector<int>{1});
    ASSERT_EQ(messages.shown.size(), 2u);  // the question, then why nothing was carried
    EXPECT_NE(messages.shown[1].detail.find("N261.csv"), std::string::npos);
    EXPECT_EQ(readBytes(scorePath(y.year.path(), 2026, 1, 1)), y.scores1);
    EXPECT_EQ(copied(y.roster()), remembered);
}

// An import after a hand edit carries the scores from the roster they are aligned to, and
// remembers the imported roster.
TEST(HandEditedRoster, ImportStartsFromTheRememberedRoster) {
    HandEditedYear y(false);
    writeBytes(y.roster(), "10101,someone else\r\n");
    ImportedRoster imported;
    ASSERT_TRUE(importRoster(y.edit.csv, ImportOptions{}, y.year.data.grades[0], imported));
    RosterReplacement plan;
    ASSERT_TRUE(planRosterReplacement(y.year.path(), y.year.data, 2026, 1, imported, plan));
    EXPECT_EQ(plan.change.leavers.size(), 1u);
    EXPECT_EQ(plan.change.arrivals.size(), 1u);
    ASSERT_TRUE(applyRosterReplacement(plan, imported));
    EXPECT_EQ(copied(y.roster()), imported.bytes);
    EXPECT_EQ(rosterAlignment(y.roster()), RosterAlignment::Aligned);
}

// Class sizes out of range are refused naming the copy, which then counts as none.
TEST(AlignedCopy, SizesOutOfRangeCountAsNoCopy) {
    TestYear year;
    const fs::path roster = year.path() / "N261.csv";
    AlignedCopy copy;
    for (const char* sizes : {"35 x", "451", "0035", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"}) {
        writeBytes(alignedRosterPath(roster), std::string("#class-sizes ") + sizes + "\r\n");
        EXPECT_NE(readAlignedCopy(roster, copy).reason().find(".jitsuryoku-aligned-N261.csv"),
                  std::string::npos)
            << sizes;
        EXPECT_EQ(rosterAlignment(roster), RosterAlignment::Unremembered) << sizes;
    }
}
