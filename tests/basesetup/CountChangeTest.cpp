// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "CountChange.h"
#include "Paths.h"
#include "TestScores.h"
#include "TestYear.h"

using namespace jitsu;
namespace fs = std::filesystem;

namespace {

struct Shape {
    const char* name;
    int classes, subjects;  // grade 1's new counts (the test year has 2 and 5)
    const char* told;       // a part of the question
};
void PrintTo(const Shape& c, std::ostream* os) { *os << c.name; }

class CountChanges : public ::testing::TestWithParam<Shape> {};

}  // namespace

// Every score of a class and subject kept stays where it was; a new class or subject is empty;
// what is dropped is named before anything is written.
TEST_P(CountChanges, CarryTheScoresByPosition) {
    const Shape& c = GetParam();
    TestYear year;
    auto after = std::make_unique<BasicData>(year.data);
    GradeData& now = after->grades[0];
    now.classCount = static_cast<std::uint32_t>(c.classes);
    now.subjectCount = static_cast<std::uint32_t>(c.subjects);
    for (int k = 2; k < c.classes; ++k) {
        now.classNames[k].assign(std::to_string(k + 1));
        now.headCounts[k] = 30;
    }
    BasicDataTexts texts = textsOf(*after);

    CountChange plan;
    ASSERT_TRUE(planCountChange(year.path(), year.data, *after, plan));
    ASSERT_EQ(plan.scoreFiles.size(), 2u);  // tests 1 and 2 of grade 1
    EXPECT_NE(plan.question.find("JT26_1_1.txt"), std::string::npos) << plan.question;
    EXPECT_NE(plan.question.find(c.told), std::string::npos) << plan.question;
    const fs::path basic = basicDataPath(year.path());
    const std::string file = scorePath(year.path(), 2026, 2, 1).filename().string();
    auto old = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(year.path() / file, year.data.grades[0], *old));
    ASSERT_TRUE(applyCountChange(plan, basic, texts));

    BasicData saved;
    ASSERT_TRUE(readBasicData(basic, saved));
    auto scores = std::make_unique<TestScores>();
    FileFindings health;
    ASSERT_TRUE(readScores(year.path() / file, saved.grades[0], *scores, &health));
    EXPECT_TRUE(checkShape(health).fits);
    for (int j = 0; j < kMaxSubjects; ++j)
        for (int k = 0; k < kMaxClasses; ++k)
            for (int s = 0; s < kSlots; ++s) {
                const bool kept = j < std::min(5, c.subjects) && k < std::min(2, c.classes);
                ASSERT_EQ(scores->scores[j][k][s], kept ? old->scores[j][k][s] : kNoScore)
                    << j << " " << k << " " << s;
            }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountChanges,
    ::testing::Values(Shape{"ClassAdded", 3, 5, "JT26_2_1.txt"},
                      Shape{"SubjectRemoved", 2, 4, "社会 がなくなり、その得点は消えます"},
                      Shape{"ClassRemoved", 1, 5, "組 がなくなり、その得点は消えます"}),
    [](const auto& info) { return std::string(info.param.name); });

// Counts that stay: no question, nothing rewritten.
TEST(CountChange, SameCountsAskNothing) {
    TestYear year;
    CountChange plan;
    ASSERT_TRUE(planCountChange(year.path(), year.data, year.data, plan));
    EXPECT_TRUE(plan.scoreFiles.empty());
    EXPECT_TRUE(plan.question.empty());
}

// What a class holds, as the question on a head count of 0 names it: its roster lines and the
// tests with a score in its slots; nothing once both are gone, nor for a class past the count.
TEST(ClassHoldings, NameTheRosterLinesAndTheTestsWithScores) {
    TestYear year;
    const GradeData& grade = year.data.grades[0];
    const std::string students = "名簿に " + std::to_string(grade.headCounts[1]) + " 人";
    EXPECT_EQ(classHoldings(year.path(), year.data, 0, 1), students + "、第１回・第２回 の得点");

    auto scores = std::make_unique<TestScores>();
    const fs::path test1 = scorePath(year.path(), 2026, 1, 1);
    ASSERT_TRUE(readScores(test1, grade, *scores));
    for (int j = 0; j < kMaxSubjects; ++j)
        for (int s = 0; s < kSlots; ++s) scores->scores[j][1][s] = kNoScore;
    ASSERT_TRUE(writeScores(test1, grade, *scores));
    EXPECT_EQ(classHoldings(year.path(), year.data, 0, 1), students + "、第２回 の得点");
    EXPECT_EQ(classHoldings(year.path(), year.data, 0, 0),
              "名簿に " + std::to_string(grade.headCounts[0]) + " 人、第１回・第２回 の得点");

    fs::remove(rosterPath(year.path(), "N", 2026, 1));
    EXPECT_EQ(classHoldings(year.path(), year.data, 0, 1), "第２回 の得点");
    fs::remove(scorePath(year.path(), 2026, 2, 1));
    EXPECT_EQ(classHoldings(year.path(), year.data, 0, 1), "");
    EXPECT_EQ(classHoldings(year.path(), year.data, 1, 5), "");
}
