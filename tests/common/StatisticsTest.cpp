#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <random>

#include "Fixtures.h"
#include "Format.h"
#include "Statistics.h"

using namespace jitsu;

namespace {

CombinationSet only(Combination k) {
    CombinationSet set{};
    set[k] = true;
    return set;
}

CombinationSet all() {
    CombinationSet set;
    set.fill(true);
    return set;
}

// A grade of one class whose subjects have the given discipline numbers.
GradeData gradeOf(std::initializer_list<unsigned> disciplines, unsigned heads = 10) {
    GradeData grade = makeGrade(1, heads, static_cast<int>(disciplines.size()));
    int j = 0;
    for (unsigned d : disciplines) grade.disciplineNumbers[j++] = d;
    return grade;
}

struct Computed {
    std::unique_ptr<TestScores> scores = std::make_unique<TestScores>();
    std::unique_ptr<GradeResults> results = std::make_unique<GradeResults>();

    // Gives slot `slot` of class 0 the scores `values` for subjects 0, 1, …
    void student(int slot, std::initializer_list<int> values) {
        int j = 0;
        for (int v : values) scores->scores[j++][0][slot] = v;
    }
    const GradeResults& run(const GradeData& grade, const CombinationSet& ticked) {
        computeGradeResults(grade, *scores, ticked, *results);
        return *results;
    }
};

}  // namespace

TEST(Statistics, EverySlotOfTheGradeCountsForSubjectsButOnlyStudentsHaveTotals) {
    Computed c;
    GradeData grade = gradeOf({1, 2}, 2);
    grade.classCount = 2;
    grade.headCounts[1] = 1;
    c.student(0, {40, 60});
    c.scores->scores[0][1][0] = 70;
    c.scores->scores[1][1][0] = 30;
    c.student(30, {50, 50});          // beyond the head count of 2
    c.scores->scores[0][2][0] = 100;  // class 2 is not in the grade
    const GradeResults& r = c.run(grade, only(Eikoku));
    EXPECT_EQ(r.subjectExaminees[0], 3);
    EXPECT_FLOAT_EQ(r.subjectAverages[0], 160.0f / 3);
    EXPECT_EQ(r.subjectRanks[0][0][30], 2);
    EXPECT_EQ(r.comboTotals[Eikoku][0][0], 100);
    EXPECT_EQ(r.comboTotals[Eikoku][1][0], 100);
    EXPECT_EQ(r.comboTotals[Eikoku][0][30], -1);
    EXPECT_EQ(r.comboRanks[Eikoku][0][30], -1);
    EXPECT_EQ(r.comboExaminees[Eikoku], 2);
    EXPECT_EQ(r.comboRanks[Eikoku][1][0], 1);  // a tie across classes
    EXPECT_EQ(r.scores[0][2][0], 100);         // copied, but nothing computed for it
    EXPECT_EQ(r.subjectRanks[0][2][0], -1);
    EXPECT_EQ(r.subjectDeviations[0][2][0], -1.0f);
}

// One student's scores against one combination's rule of exactly the required member scores.
struct ComboCase {
    const char* what;
    std::vector<unsigned> disciplines;
    std::vector<int> scores;
    Combination combination;
    int total;  // -1 for none
};

void PrintTo(const ComboCase& c, std::ostream* os) { *os << c.what; }

class CombinationRule : public ::testing::TestWithParam<ComboCase> {};

TEST_P(CombinationRule, TotalExistsOnlyWithExactlyTheRequiredScores) {
    const ComboCase& t = GetParam();
    GradeData grade = makeGrade(1, 2, static_cast<int>(t.disciplines.size()));
    for (std::size_t j = 0; j < t.disciplines.size(); ++j)
        grade.disciplineNumbers[j] = t.disciplines[j];
    Computed c;
    for (std::size_t j = 0; j < t.scores.size(); ++j) c.scores->scores[j][0][0] = t.scores[j];
    const GradeResults& r = c.run(grade, all());
    EXPECT_EQ(r.comboTotals[t.combination][0][0], t.total);
    EXPECT_EQ(r.comboExaminees[t.combination], t.total < 0 ? 0 : 1);
    if (t.total < 0) {
        EXPECT_EQ(r.comboRanks[t.combination][0][0], -1);
        EXPECT_EQ(r.comboDeviations[t.combination][0][0], -1.0f);
        EXPECT_EQ(r.comboAverages[t.combination], -1.0f);
    } else {
        EXPECT_EQ(r.comboRanks[t.combination][0][0], 1);
        EXPECT_EQ(r.comboDeviations[t.combination][0][0], 50.0f);  // one examinee: no spread
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, CombinationRule,
    ::testing::Values(
        ComboCase{"FiveOfFive", {1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, Kyouka5, 150},
        ComboCase{"FourOfFive", {1, 2, 3, 4, 5}, {10, 20, 30, 40, -1}, Kyouka5, -1},
        ComboCase{"SixOfSix", {1, 2, 3, 4, 5, 1}, {10, 20, 30, 40, 50, 60}, Kyouka5, -1},
        ComboCase{"FiveOfSix", {1, 2, 3, 4, 5, 1}, {10, -1, 30, 40, 50, 60}, Kyouka5, 190},
        ComboCase{"BothEnglishAndJapanese", {1, 1, 2}, {70, 60, 80}, Eikoku, -1},
        ComboCase{"OneEnglishAndJapanese", {1, 1, 2}, {70, -1, 80}, Eikoku, 150},
        ComboCase{"ThreePlusScience", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, Eikokusuri, 10},
        ComboCase{"ThreePlusSocial", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, Eikokususha, 11},
        ComboCase{"EnglishMathsScience", {4, 3, 1}, {5, 7, 9}, Eisuri, 21},
        ComboCase{"JapaneseMaths", {1, 2, 3}, {0, 0, 0}, Kokusu, 0},
        ComboCase{"MissingMemberScore", {1, 2, 3}, {50, 60, -1}, Eikokusu, -1},
        ComboCase{"AnyNegativeIsNoScore", {1, 2, 3}, {50, 60, -7}, Eikokusu, -1},
        ComboCase{"DisciplineOutsideOneToFive", {1, 2, 3, 9, 0}, {1, 2, 3, 4, 5}, Eikokusu, 6},
        ComboCase{"EveryDisciplineCountsForFive", {1, 2, 3, 9, 0}, {1, 2, 3, 4, 5}, Kyouka5, 15}),
    [](const ::testing::TestParamInfo<ComboCase>& info) { return std::string(info.param.what); });

// Subject 2 nobody sat, subject 1 all alike: no figures, and 50 without dividing by zero.
TEST(Statistics, NoExamineesOrNoSpreadGiveNoFiguresOrFifty) {
    Computed c;
    for (int s = 0; s < 5; ++s) c.student(s, {64, -1, 30 + s});
    const GradeResults& r = c.run(gradeOf({1, 2, 3}), all());
    EXPECT_EQ(r.subjectExaminees[1], 0);
    EXPECT_EQ(r.subjectAverages[1], -1.0f);
    EXPECT_EQ(r.comboExaminees[Eikoku], 0);
    EXPECT_EQ(r.comboFlags[Eikoku], 1);  // ticked, even without totals
    EXPECT_EQ(r.subjectStdDevs[0], 0.0);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(r.subjectRanks[1][0][s], -1);
        EXPECT_EQ(r.subjectDeviations[1][0][s], -1.0f);
        EXPECT_EQ(r.subjectDeviations[0][0][s], 50.0f);
        EXPECT_EQ(r.subjectRanks[0][0][s], 1);
        EXPECT_TRUE(std::isfinite(r.comboDeviations[Eisu][0][s]));
    }
}

TEST(Statistics, HeadCountAboveTheSlotsCountsOnlyTheSlots) {
    Computed c;
    GradeData grade = gradeOf({1, 2}, 200);
    for (int s = 0; s < kSlots; ++s) c.student(s, {s, s});
    const GradeResults& r = c.run(grade, only(Eikoku));
    EXPECT_EQ(r.comboExaminees[Eikoku], kSlots);
    EXPECT_EQ(r.comboTotals[Eikoku][0][44], 88);
    EXPECT_EQ(r.comboRanks[Eikoku][0][44], 1);
    EXPECT_EQ(r.comboTotals[Eikoku][1][0], -1);  // the next class is untouched
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
            for (int k = 0; k < classes; ++k)
                for (int s = 0; s < kSlots; ++s) {
                    int expected = -1;
                    if (values[k][s] >= 0) {
                        expected = 1;
                        for (int k2 = 0; k2 < classes; ++k2)
                            for (int s2 = 0; s2 < kSlots; ++s2)
                                expected += values[k2][s2] > values[k][s];
                    }
                    ASSERT_EQ(ranks[k][s], expected) << "class " << k << " slot " << s;
                }
        };
        for (int j = 0; j < grade.subjects(); ++j) check(r.scores[j], r.subjectRanks[j]);
        for (int k = 0; k < kCombinations; ++k) check(r.comboTotals[k], r.comboRanks[k]);
    }
}

TEST(Statistics, DefaultCombinationsFollowTheTestNumber) {
    EXPECT_EQ(defaultCombinations(1), only(Eikokusu));
    CombinationSet later = defaultCombinations(2);
    EXPECT_EQ(later, defaultCombinations(10));
    for (int k = 0; k < kCombinations; ++k)
        EXPECT_EQ(later[k], k == Eikokusu || k == Kyouka5 || k == Eisuri || k == Eikokusha) << k;
}
