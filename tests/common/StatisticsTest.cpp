// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include "Fixtures.h"
#include "Statistics.h"

using namespace jitsu;

namespace {

CombinationSet all() {
    CombinationSet set;
    set.fill(true);
    return set;
}

// A grade of one class whose subjects have the given discipline numbers.
GradeData gradeOf(const std::vector<unsigned>& disciplines, unsigned heads = 10) {
    GradeData grade = makeGrade(1, heads, static_cast<int>(disciplines.size()));
    std::copy(disciplines.begin(), disciplines.end(), grade.disciplineNumbers);
    return grade;
}

struct Computed {
    std::unique_ptr<TestScores> scores = std::make_unique<TestScores>();
    std::unique_ptr<GradeResults> results = std::make_unique<GradeResults>();

    // Gives slot `slot` of class `cls` the scores `values` for subjects 0, 1, …
    void student(int slot, const std::vector<int>& values, int cls = 0) {
        for (std::size_t j = 0; j < values.size(); ++j) scores->scores[j][cls][slot] = values[j];
    }
    const GradeResults& run(const GradeData& grade, const CombinationSet& ticked) {
        computeGradeResults(grade, *scores, ticked, *results);
        return *results;
    }
};

}  // namespace

// Class 1 of two students, class 2 of one, class 3 of 200 (only its 45 slots count), class 4
// outside the grade: every slot of the grade counts for the subjects, only students for totals.
// Nobody sat subject 3 (数学) and everybody got 64 in subject 4: no figures, and 50 without
// dividing by zero.
TEST(Statistics, EverySlotCountsForSubjectsOnlyStudentsForTotalsAndNoSpreadGivesFifty) {
    Computed c;
    GradeData grade = gradeOf({1, 2, 3, 4}, 2);
    grade.classCount = 3;
    grade.headCounts[1] = 1;
    grade.headCounts[2] = 200;
    c.student(0, {40, 60, -1, 64});
    c.student(0, {70, 30, -1, 64}, 1);
    c.student(30, {50, 50, -1, 64});  // beyond the head count of 2
    for (int s = 0; s < kSlots; ++s) c.student(s, {s, s, -1, 64}, 2);
    c.student(0, {100}, 3);
    const GradeResults& r = c.run(grade, all());
    EXPECT_EQ(r.subjectExaminees[0], 3 + kSlots);
    EXPECT_FLOAT_EQ(r.subjectAverages[0], (160.0f + 990) / 48);
    EXPECT_EQ(r.subjectRanks[0][0][30], 2);
    EXPECT_EQ(r.comboTotals[Eikoku][0][0], 100);
    EXPECT_EQ(r.comboTotals[Eikoku][1][0], 100);
    EXPECT_EQ(r.comboTotals[Eikoku][2][44], 88);
    EXPECT_EQ(r.comboTotals[Eikoku][0][30], -1);
    EXPECT_EQ(r.comboRanks[Eikoku][0][30], -1);
    EXPECT_EQ(r.comboExaminees[Eikoku], 2 + kSlots);
    EXPECT_EQ(r.comboRanks[Eikoku][1][0], 1);  // a tie across classes
    EXPECT_EQ(r.comboTotals[Eikoku][3][0], -1);
    EXPECT_EQ(r.scores[0][3][0], 100);  // copied, but nothing computed for it
    EXPECT_EQ(r.subjectRanks[0][3][0], -1);
    EXPECT_EQ(r.subjectDeviations[0][3][0], -1.0f);

    EXPECT_EQ(r.subjectExaminees[2], 0);
    EXPECT_EQ(r.subjectAverages[2], -1.0f);
    EXPECT_EQ(r.comboExaminees[Eikokusu], 0);
    EXPECT_EQ(r.comboFlags[Eikokusu], 1);  // ticked, even without totals
    EXPECT_EQ(r.subjectStdDevs[3], 0.0);
    for (int s : {0, 30}) {
        EXPECT_EQ(r.subjectRanks[2][0][s], -1);
        EXPECT_EQ(r.subjectDeviations[2][0][s], -1.0f);
        EXPECT_EQ(r.subjectDeviations[3][0][s], 50.0f);
        EXPECT_EQ(r.subjectRanks[3][0][s], 1);
    }
}

// One student's scores against one combination's rule of exactly the required member scores;
// a lone examinee has no spread and sits exactly at the average.
TEST(Statistics, ACombinationTotalNeedsExactlyTheRequiredScores) {
    struct {
        const char* what;
        std::vector<unsigned> disciplines;
        std::vector<int> scores;
        Combination combination;
        int total;  // -1 for none
    } const cases[] = {
        {"five of five", {1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, Kyouka5, 150},
        {"four of five", {1, 2, 3, 4, 5}, {10, 20, 30, 40, -1}, Kyouka5, -1},
        {"six of six", {1, 2, 3, 4, 5, 1}, {10, 20, 30, 40, 50, 60}, Kyouka5, -1},
        {"five of six", {1, 2, 3, 4, 5, 1}, {10, -1, 30, 40, 50, 60}, Kyouka5, 190},
        {"both English and Japanese", {1, 1, 2}, {70, 60, 80}, Eikoku, -1},
        {"one English and Japanese", {1, 1, 2}, {70, -1, 80}, Eikoku, 150},
        {"three plus science", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, Eikokusuri, 10},
        {"three plus social", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, Eikokususha, 11},
        {"English maths science", {4, 3, 1}, {5, 7, 9}, Eisuri, 21},
        {"Japanese maths", {1, 2, 3}, {0, 0, 0}, Kokusu, 0},
        {"a member score missing", {1, 2, 3}, {50, 60, -1}, Eikokusu, -1},
        {"any negative is no score", {1, 2, 3}, {50, 60, -7}, Eikokusu, -1},
        {"discipline outside 1 to 5", {1, 2, 3, 9, 0}, {1, 2, 3, 4, 5}, Eikokusu, 6},
        {"every discipline counts for five", {1, 2, 3, 9, 0}, {1, 2, 3, 4, 5}, Kyouka5, 15}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        Computed c;
        c.student(0, t.scores);
        const GradeResults& r = c.run(gradeOf(t.disciplines, 2), all());
        const Combination k = t.combination;
        const bool none = t.total < 0;
        EXPECT_EQ(r.comboTotals[k][0][0], t.total);
        EXPECT_EQ(r.comboExaminees[k], none ? 0 : 1);
        EXPECT_EQ(r.comboRanks[k][0][0], none ? -1 : 1);
        EXPECT_EQ(r.comboDeviations[k][0][0], none ? -1.0f : 50.0f);
        EXPECT_EQ(r.comboAverages[k], none ? -1.0f : static_cast<float>(t.total));
    }
}

// Ranks by the definition: 1 + the number of values of the grade strictly greater.
TEST(Statistics, RanksEqualTheAllPairsDefinitionOnRandomDataWithTies) {
    std::mt19937 rng(31337);
    for (int round = 0; round < 8; ++round) {
        const int classes = 1 + static_cast<int>(rng() % 20);
        GradeData grade = makeGrade(classes, 0, 1 + static_cast<int>(rng() % 20));
        for (int k = 0; k < classes; ++k) grade.headCounts[k] = rng() % 46;
        Computed c;
        // Few distinct values (many ties), a test's range, and spans wide enough to be sorted.
        const int top = std::array{5, 100, 4096, 1000000}[round % 4];
        for (int j = 0; j < grade.subjects(); ++j)
            for (int k = 0; k < classes; ++k)
                for (int s = 0; s < kSlots; ++s)
                    c.scores->scores[j][k][s] =
                        rng() % 4 == 0 ? -1 : static_cast<int>(rng() % (top + 1));
        const GradeResults& r = c.run(grade, all());
        auto check = [&](const std::int32_t(&values)[kMaxClasses][kSlots],
                         const std::int32_t(&ranks)[kMaxClasses][kSlots]) {
            const std::int32_t* flat = &values[0][0];
            for (int i = 0; i < classes * kSlots; ++i) {
                const auto above = std::count_if(flat, flat + classes * kSlots,
                                                 [&](std::int32_t v) { return v > flat[i]; });
                ASSERT_EQ((&ranks[0][0])[i], flat[i] < 0 ? -1 : 1 + above) << "slot " << i;
            }
        };
        for (int j = 0; j < grade.subjects(); ++j) check(r.scores[j], r.subjectRanks[j]);
        for (int k = 0; k < kCombinations; ++k) check(r.comboTotals[k], r.comboRanks[k]);
    }
}
