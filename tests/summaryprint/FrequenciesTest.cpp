#include <gtest/gtest.h>

#include "Combinations.h"
#include "Frequencies.h"
#include "GradeFixture.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

struct BandCase {
    long long fullMarks;
    std::vector<std::tuple<int, long long, long long>> bands;  // band, low, high
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << "F = " << c.fullMarks; }

class ScoreBands : public testing::TestWithParam<BandCase> {};

TEST_P(ScoreBands, DivideFullMarksIntoFortiethsBelowTheTopBand) {
    const BandCase c = GetParam();
    auto bands = scoreBands(c.fullMarks);
    for (auto [i, low, high] : c.bands) {
        EXPECT_EQ(bands[i].low, low) << "band " << i;
        EXPECT_EQ(bands[i].high, high) << "band " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FullMarks, ScoreBands,
    testing::Values(
        BandCase{100,
                 {{0, 100, 101},
                  {1, 97, 99},
                  {2, 95, 96},
                  {3, 92, 94},
                  {4, 90, 91},
                  {39, 2, 4},
                  {40, 0, 1}}},
        BandCase{500, {{0, 500, 501}, {1, 487, 499}, {2, 475, 486}, {3, 462, 474}, {40, 0, 11}}},
        BandCase{50, {{1, 48, 49}, {2, 47, 47}, {5, 43, 44}, {40, 0, 0}}},
        BandCase{0, {{0, 0, 1}, {1, 0, -1}, {40, 0, -1}}}));

TEST(ScoreBands, BelowFortySomeBandsAreEmpty) {
    auto bands = scoreBands(30);
    EXPECT_EQ(bands[4].low, 27);
    EXPECT_EQ(bands[4].high, 26);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(bands[i].low > bands[i].high, i % 4 == 0) << i;
}

TEST(DisciplineFullMarks, TheLastGivenSubjectOfADisciplineDecides) {
    GradeData grade = makeGrade(1, 1, 5, 2);
    grade.disciplineNumbers[3] = 3;  // subjects 2 and 3 are both mathematics
    grade.fullMarks[1][2] = 100;
    grade.fullMarks[1][3] = 50;
    grade.fullMarks[1][4] = 0;  // social studies is not given in test 2
    grade.fullMarks[0][3] = 0;  // and in test 1 the second mathematics subject is not
    auto test2 = disciplineFullMarks(grade, 2);
    EXPECT_EQ(test2[1], 100);
    EXPECT_EQ(test2[3], 50);
    EXPECT_EQ(test2[4], 0);
    EXPECT_EQ(test2[5], 0);
    EXPECT_EQ(disciplineFullMarks(grade, 1)[3], 100);
    // Combinations add their disciplines' full marks; a missing discipline counts 0.
    EXPECT_EQ(combinationFullMarks(test2, Eikokusu), 250);
    EXPECT_EQ(combinationFullMarks(test2, Kyouka5), 250);
    EXPECT_EQ(combinationFullMarks(test2, Eikokusha), 200);
    EXPECT_EQ(combinationFullMarks(test2, Kokusu), 150);
}

namespace {

Trace frequencies(const GradeFixture& f) { return f.trace(printFrequencies); }

// The rectangles of a page in column order, with the brush they were filled with.
std::vector<TraceOp> bars(const Trace& t, int page) { return t.of("rect", page); }

}  // namespace

TEST(FrequencyPage, CountsEachClassBandByBandWithGreyBarsAndItsAverage) {
    GradeFixture f(1, 5, 1);
    for (int s = 0; s < 4; ++s) f.setScore(0, 0, s, std::array{100, 99, 97, 96}[s], 50.0f, 1);
    f.results->subjectExaminees[0] = 4;
    f.results->subjectAverages[0] = 98.0f;
    Trace t = frequencies(f);
    ASSERT_EQ(t.pages, 1);

    auto rects = bars(t, 1);
    ASSERT_EQ(rects.size(), 6u);  // three class bars, three grade bars
    struct Bar {
        int x1, y1, x2, y2;
        Color fill;
        std::string count;
        int countX, countY;
    };
    const Bar expected[] = {
        {830, 500, 845, 579, kGrey, "1", 846, 510},    // band 0: 100
        {830, 580, 860, 659, kGrey, "2", 861, 590},    // band 1: 99, 97
        {830, 660, 845, 739, kGrey, "1", 846, 670},    // band 2: 96
        {1130, 500, 1140, 579, kRed, "1", 1141, 510},  // the grade, 10 per student
        {1130, 580, 1150, 659, kRed, "2", 1151, 590}, {1130, 660, 1140, 739, kRed, "1", 1141, 670},
    };
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(rects[i].x, expected[i].x1);
        EXPECT_EQ(rects[i].y, expected[i].y1);
        EXPECT_EQ(rects[i].x2, expected[i].x2);
        EXPECT_EQ(rects[i].y2, expected[i].y2);
        EXPECT_EQ(rects[i].brush, expected[i].fill);
        EXPECT_EQ(rects[i].pen, kBlack);
        EXPECT_EQ(t.at(1, expected[i].countX, expected[i].countY), expected[i].count) << i;
    }
    // Every text stands on white: the fill returns to white after each bar.
    for (const TraceOp& op : t.texts()) EXPECT_EQ(op.brush, kWhite) << op.text;
    for (const TraceOp& op : t.find("2")) EXPECT_EQ(op.font, 7);

    EXPECT_EQ(t.at(1, 800, 3800), "4");
    EXPECT_EQ(t.at(1, 800, 3900), "98.0");
}

TEST(FrequencyPage, PrintsTitleFullMarksAndBandLabels) {
    GradeFixture f(1, 1, 2, 2);
    f.test = 3;
    f.gradeData().testCount = 3;
    f.gradeData().fullMarks[2][1] = 100;
    f.results->subjectExaminees[1] = 1;
    Trace t = frequencies(f);
    ASSERT_EQ(t.pages, 1);  // subject 1 has no examinees: no page
    EXPECT_EQ(t.at(1, 300, 200), "第２学年  S2  (第３回)");
    EXPECT_EQ(t.find("第２学年  S2  (第３回)")[0].font, 13);
    EXPECT_EQ(t.at(1, 300, 500), "100");
    EXPECT_EQ(t.at(1, 300, 580), " 97～ 99");
    EXPECT_EQ(t.at(1, 300, 820), " 90～ 91");
    EXPECT_EQ(t.at(1, 300, 3700), "  0～  1");
    EXPECT_EQ(t.find("  0～  1")[0].font, 10);
    for (const TraceOp& op : t.ops) {
        EXPECT_EQ(op.pen, kBlack);
        EXPECT_EQ(op.fontColor, kBlack);
        EXPECT_TRUE(op.bold);
    }
}

TEST(FrequencyPage, AClassOfTwelveInOneBandDrawsABar180Long) {
    GradeFixture f(2, 12, 1);
    for (int s = 0; s < 12; ++s) f.setScore(0, 1, s, 95, 50.0f, 1);
    f.results->subjectExaminees[0] = 12;
    Trace t = frequencies(f);
    auto rects = bars(t, 1);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].x, 1130);
    EXPECT_EQ(rects[0].x2, 1130 + 180);
    EXPECT_EQ(rects[0].y, 660);
    EXPECT_EQ(t.at(1, 831 + 300 + 180, 670), "12");
    EXPECT_EQ(rects[1].x2, 1430 + 120);  // the grade column: 10 per student
    // The class without counted students: 0 and no average.
    EXPECT_EQ(t.at(1, 800, 3800), "0");
    EXPECT_EQ(t.at(1, 800, 3900), "");
    EXPECT_EQ(t.at(1, 1100, 3900), "95.0");
}

TEST(FrequencyPage, DrawsABaseLinePerClassAndOneForTheGrade) {
    GradeFixture f(6, 3, 1);
    f.results->subjectExaminees[0] = 17;
    f.results->subjectAverages[0] = 61.5f;
    f.setScore(0, 0, 0, 50, 50.0f, 1);
    Trace t = frequencies(f);
    EXPECT_EQ(t.at(1, 2600, 400), "全体");
    EXPECT_EQ(t.at(1, 800, 400), "１");
    EXPECT_EQ(t.at(1, 2300, 400), "６");
    auto lines = t.of("line", 1);
    ASSERT_EQ(lines.size(), 7u);
    for (int k = 0; k <= 6; ++k) {
        EXPECT_EQ(lines[k].x, 830 + 300 * k);
        EXPECT_EQ(lines[k].x2, 830 + 300 * k);
        EXPECT_EQ(lines[k].y, 500);
        EXPECT_EQ(lines[k].y2, 3780);
        EXPECT_EQ(lines[k].pen, kBlack);
    }
    // The grade's figures as read, not as counted.
    EXPECT_EQ(t.at(1, 2600, 3800), "17");
    EXPECT_EQ(t.at(1, 2600, 3900), "61.5");
}

TEST(FrequencyPage, CountsOnlySlotsBelowTheHeadCountInTheRightBand) {
    GradeFixture f(1, 3, 1);
    f.setScore(0, 0, 0, 101, 50.0f, 1);  // full marks + 1 is still band 0
    f.setScore(0, 0, 1, 102, 50.0f, 1);  // beyond: no band
    f.setScore(0, 0, 2, 0, 50.0f, 1);    // band 40
    f.setScore(0, 0, 5, 50, 50.0f, 1);   // slot past the head count
    f.results->subjectExaminees[0] = 4;
    Trace t = frequencies(f);
    auto rects = bars(t, 1);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0].y, 500);
    EXPECT_EQ(rects[1].y, 500 + 80 * 40);
    EXPECT_EQ(t.at(1, 800, 3800), "2");
    EXPECT_EQ(t.at(1, 800, 3900), "50.5");
}

TEST(Frequencies, SubjectPagesThenComputedCombinationsWithTheirFullMarks) {
    GradeFixture f(1, 2, 4);
    f.gradeData().disciplineNumbers[3] = 3;  // S3 and S4 are mathematics, 100 and 50
    f.gradeData().fullMarks[0][3] = 50;
    for (int j = 0; j < 4; ++j) f.results->subjectExaminees[j] = j == 1 ? 0 : 2;
    f.results->comboFlags[Eikokusu] = 1;
    f.results->comboFlags[Kyouka5] = 1;
    f.results->comboExaminees[Kyouka5] = 0;  // computed without examinees: still a page
    f.results->comboAverages[Kyouka5] = -1.0f;
    Trace t = frequencies(f);
    ASSERT_EQ(t.pages, 5);
    const std::string titles[] = {"S1", "S3", "S4", "英国数", "５教科"};
    // No science or social studies subject: they count 0 in ５教科.
    const std::string marks[] = {"100", "50", "50", "250", "250"};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(t.at(p, 300, 200), "第１学年  " + titles[p - 1] + "  (第１回)");
        EXPECT_EQ(t.at(p, 300, 500), marks[p - 1]);
    }
    EXPECT_EQ(t.at(5, 1100, 3800), "0");
    EXPECT_EQ(t.at(5, 1100, 3900), "-1.0");
    EXPECT_TRUE(bars(t, 5).empty());
}

TEST(FrequencyPage, MagnificationsScaleEveryEndPoint) {
    GradeFixture f(1, 1, 1);
    f.setScore(0, 0, 0, 99, 50.0f, 1);
    f.results->subjectExaminees[0] = 1;
    f.scale = PrintScale{50, 30};
    Trace t = frequencies(f);
    auto rects = bars(t, 1);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].x, 415);
    EXPECT_EQ(rects[0].y, 290);                              // 580 ÷ 2
    EXPECT_EQ(rects[0].x2, 422);                             // 845 ÷ 2, truncated
    EXPECT_EQ(rects[0].y2, 329);                             // 659 ÷ 2, truncated
    EXPECT_EQ(t.find("第１学年  S1  (第１回)")[0].font, 3);  // 13 × 30 ÷ 100
    EXPECT_EQ(t.of("line", 1)[0].y2, 1890);
}
