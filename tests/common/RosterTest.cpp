// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Fixtures.h"
#include "Roster.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

std::string lines(int from, int to, const std::string& first = "") {
    std::string text = first;
    for (int i = from; i < to; ++i) text += std::to_string(i) + ",N" + std::to_string(i) + "\n";
    return text;
}

}  // namespace

// Numbers and names are two lists: a separator (comma or tab) ends a number, a line feed a name;
// CR LF reads as LF, but a lone CR belongs to the field. Each case: the entry and what it holds.
TEST(RosterLines, GiveTheEntry) {
    const struct {
        const char* name;
        std::string text;
        int entry;
        std::string number, studentName;
    } cases[] = {
        {"Comma", "12," + sj("山田太郎") + "\n", 0, "12", sj("山田太郎")},
        {"Tab", "12,A\n13\t" + sj("佐藤花子") + "\n", 1, "13", sj("佐藤花子")},
        {"CrLf", "1,A\r\n2,B\rC\r\n", 1, "2", "B\rC"},
        {"LastLineWithoutLineEnd", "1,A\n2,B", 1, "2", "B"},
        {"EmptyNumber", ",A\n", 0, "", "A"},
        // Typed with the input method on: kept as digits, so that it orders and matches as one.
        {"FullWidthNumber", "1,A\n" + sj("　１０") + ",B\n", 1, "10", "B"},
        {"NotANumberAsItStands", sj("１Ａ") + ",A\n", 0, sj("１Ａ"), "A"},
        {"EmptyName", "1,A\n7,\n", 1, "7", ""},
        // A second separator puts the lists out of step; a line without one gives a name only.
        {"SecondSeparator", "1,A,x\n2,B\n3,C\n", 2, "2", "C"},
        {"NoSeparator", "only\n5,E\n", 0, "5", "only"},
        {"LongFieldsCut", "1234567890," + std::string(60, 'n') + "\n", 0, "123456789",
         std::string(29, 'n')},
        {"Line450", lines(0, 500), 449, "449", "N449"},
        // Numbers one ahead of names: each list still fills to its 450th entry.
        {"OutOfStepNumbers", lines(1, 460, "0,N0,x\n"), 449, "448", "N449"},
        {"OutOfStepNames", lines(1, 460, "0,N0,x\n"), 1, "N0", "N1"}};
    for (const auto& c : cases) {
        TempDir dir;
        writeBytes(dir / "N011.csv", c.text);
        auto roster = std::make_unique<GradeRoster>();
        ASSERT_TRUE(readRoster(dir / "N011.csv", *roster)) << c.name;
        EXPECT_EQ(roster->studentNumbers[c.entry].view().bytes(), c.number) << c.name;
        EXPECT_EQ(roster->studentNames[c.entry].view().bytes(), c.studentName) << c.name;
    }
}

TEST(ClassRanges, FollowTheHeadCountsButNeverReach450) {
    GradeData grade = makeGrade(4, 0, 1);
    grade.headCounts[0] = 3;
    grade.headCounts[1] = 48;  // more than 45 slots: the next class keeps its students' names
    grade.headCounts[2] = 0;
    grade.headCounts[3] = 4000000000u;  // "-1" typed as a head count reads like this
    GradeRoster roster;
    classRanges(grade, roster);
    EXPECT_EQ(roster.classLast[0], 2);
    EXPECT_EQ(roster.classFirst[1], 3);
    EXPECT_EQ(roster.entryOf(1, 44), 47);
    EXPECT_EQ(roster.entryOf(0, 3), -1);
    EXPECT_EQ(roster.classFirst[2], 51);
    EXPECT_LT(roster.classLast[2], roster.classFirst[2]);
    EXPECT_EQ(roster.classLast[3], 449);
    EXPECT_EQ(roster.classFirst[4], 450);
}

// The first student past the roster's 450 entries: none while the head counts stay within them,
// then the class where they run out and the first position of it past them.
TEST(FirstUnnamedStudent, IsWhereTheHeadCountsPass450) {
    struct Case {
        std::vector<unsigned> heads;
        std::optional<std::pair<int, int>> first;  // class, position
    };
    for (const Case& c :
         std::vector<Case>{{{45, 45, 45, 45, 45, 45, 45, 45, 45, 45}, {}},
                           {{45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 1}, std::pair{10, 0}},
                           {{400, 60}, std::pair{1, 50}},
                           {{451}, std::pair{0, 450}},
                           {{0, 4000000000u}, std::pair{1, 450}}}) {
        GradeData grade = makeGrade(static_cast<int>(c.heads.size()), 0, 1);
        for (std::size_t k = 0; k < c.heads.size(); ++k) grade.headCounts[k] = c.heads[k];
        const auto first = firstUnnamedStudent(grade);
        ASSERT_EQ(first.has_value(), c.first.has_value()) << c.heads.size();
        if (first) {
            EXPECT_EQ(std::pair(first->cls, first->slot), *c.first);
        }
    }
}
