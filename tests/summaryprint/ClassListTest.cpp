#include <gtest/gtest.h>

#include "ClassList.h"
#include "Combinations.h"
#include "GradeFixture.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

namespace {

Trace classLists(const GradeFixture& f) { return f.trace(printClassLists); }

}  // namespace

// Where a class's last student and its summary land, by head count.
struct ClassSize {
    unsigned heads;
    int lastPage;      // the page of the last student printed
    int lastY;         // its number's y
    std::string last;  // its number
    int summaryY;      // y0
};

void PrintTo(const ClassSize& c, std::ostream* os) { *os << "class of " << c.heads; }

class ClassListPages : public testing::TestWithParam<ClassSize> {};

TEST_P(ClassListPages, ListsAtMost21StudentsPerPageAndPutsTheSummaryBelowTheLastOne) {
    const ClassSize size = GetParam();
    GradeFixture f(1, size.heads, 2);
    Trace t = classLists(f);

    EXPECT_EQ(t.pages, 2);
    EXPECT_EQ(t.at(1, 300, 400), "101");
    EXPECT_EQ(t.at(2, 300, 400), size.heads > 21 ? "122" : "");
    EXPECT_EQ(t.at(size.lastPage, 300, size.lastY), size.last);
    EXPECT_EQ(t.at(size.lastPage, 300, size.lastY + 70), "生徒" + size.last);
    EXPECT_EQ(t.at(2, 400, size.summaryY), "受験者数");
    EXPECT_EQ(t.at(2, 400, size.summaryY + 70), "平均点");
    // Nobody past slot 41.
    EXPECT_EQ(t.count("143"), 0);
    EXPECT_EQ(t.count("144"), 0);
    // The title stands on the first page only.
    ASSERT_EQ(t.find("第１回 実力テスト　１ＨＲ  成績一覧").size(), 1u);
    EXPECT_EQ(t.find("第１回 実力テスト　１ＨＲ  成績一覧")[0].page, 1);
}

INSTANTIATE_TEST_SUITE_P(
    HeadCounts, ClassListPages,
    testing::Values(ClassSize{30, 2, 400 + 295 * 8, "130", 3055},   // slots 21–29 in rows 0–8
                    ClassSize{21, 1, 400 + 295 * 20, "121", 6595},  // page 2: headings and summary
                    ClassSize{44, 2, 400 + 295 * 20, "142", 6595},  // slots 42 and 43 on no page
                    ClassSize{22, 2, 400, "122", 695}, ClassSize{1, 1, 400, "101", 695}));

TEST(ClassList, EveryPageIsBlackAndBoldAndHoldsTextOnly) {
    GradeFixture f(2, 25, 3);
    Trace t = classLists(f);
    EXPECT_EQ(t.pages, 4);
    EXPECT_TRUE(t.of("rect").empty());
    EXPECT_TRUE(t.of("line").empty());
    for (const TraceOp& op : t.ops) {
        EXPECT_EQ(op.pen, kBlack);
        EXPECT_EQ(op.fontColor, kBlack);
        EXPECT_TRUE(op.bold);
    }
    // Title 14 points, headings 8, rows and summary 9.
    EXPECT_EQ(t.find("第１回 実力テスト　２ＨＲ  成績一覧")[0].font, 14);
    EXPECT_EQ(t.find("第１回 実力テスト　２ＨＲ  成績一覧")[0].page, 3);
    for (const TraceOp& op : t.find("S3")) EXPECT_EQ(op.font, 8);
    EXPECT_EQ(t.find("201")[0].font, 9);
    EXPECT_EQ(t.find("受験者数")[0].font, 9);
}

TEST(ClassList, CellsShowValueDeviationAndRankOrADashOnTheMiddleLine) {
    GradeFixture f(1, 3, 3);
    f.results->comboFlags[Eikokusu] = 1;
    f.setScore(0, 0, 0, 0, 35.2f, 3);  // a score of 0 is a score
    f.setScore(2, 0, 0, 7, 5.0f, 2);
    f.results->scores[2][0][1] = -5;          // any negative score is none
    f.setTotal(Eikokusu, 0, 0, 0, 20.0f, 9);  // a total of 0 is none
    f.setTotal(Eikokusu, 0, 1, 250, 61.3f, 1);
    Trace t = classLists(f);

    EXPECT_EQ(t.at(1, 800, 400), "0");
    EXPECT_EQ(t.at(1, 800, 470), "35.2");
    EXPECT_EQ(t.at(1, 800, 540), "3");
    EXPECT_EQ(t.at(1, 1210, 470), "5.0");  // "%3.1f"
    // Subject 1 has no score: one dash on the middle line, nothing else.
    EXPECT_EQ(t.at(1, 1005, 400), "");
    EXPECT_EQ(t.at(1, 1005, 470), "-");
    EXPECT_EQ(t.at(1, 1005, 540), "");
    EXPECT_EQ(t.at(1, 1210, 695 + 70), "-");
    EXPECT_EQ(t.at(1, 1210, 695), "");
    // The combination column after three subjects: 810 + 205 × 3.
    EXPECT_EQ(t.at(1, 1425, 300), "英国数");
    EXPECT_EQ(t.at(1, 1425, 400), "");
    EXPECT_EQ(t.at(1, 1425, 470), "-");
    EXPECT_EQ(t.at(1, 1425, 540), "");
    EXPECT_EQ(t.at(1, 1425, 695), "250");
    EXPECT_EQ(t.at(1, 1425, 765), "61.3");
    EXPECT_EQ(t.at(1, 1425, 835), "1");
    EXPECT_EQ(t.at(1, 1425, 990 + 70), "-");
}

struct ComboColumns {
    int subjects;
    std::vector<int> flagged;                           // combinations computed
    std::vector<std::pair<int, std::string>> headings;  // x and label, left to right
};

void PrintTo(const ComboColumns& c, std::ostream* os) {
    *os << c.subjects << " subjects, " << c.flagged.size() << " combinations";
}

class ClassListComboColumns : public testing::TestWithParam<ComboColumns> {};

TEST_P(ClassListComboColumns, StandInDisplayOrderAfterTheSubjects) {
    const ComboColumns c = GetParam();
    GradeFixture f(1, 1, c.subjects);
    for (int k : c.flagged) {
        f.results->comboFlags[k] = 1;
        f.setTotal(k, 0, 0, 100 + k, 50.0f, 1);
    }
    Trace t = classLists(f);
    std::vector<std::pair<int, std::string>> headings;
    for (const TraceOp& op : t.texts(1))
        if (op.y == 300 && op.x >= 810 + 205 * c.subjects) headings.emplace_back(op.x, op.text);
    EXPECT_EQ(headings, c.headings);
    // Each total stands in its own column.
    for (auto& [x, label] : c.headings)
        for (int k : c.flagged) {
            if (kSubjectCombinations[k].shortLabel == label) {
                EXPECT_EQ(t.at(1, x, 400), std::to_string(100 + k));
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ClassListComboColumns,
    testing::Values(
        ComboColumns{4, {Kyouka5, Eikokusuri}, {{810 + 820, "５教科"}, {1025 + 820, "３＋理"}}},
        ComboColumns{
            5,
            {Eikokusu, Kyouka5, Eisuri, Eikokusha, Eikoku, Eisu, Kokusu, Eikokusuri, Eikokususha},
            {{1835, "英国数"},
             {2050, "５教科"},
             {2265, "英数理"},
             {2480, "英国社"},
             {2695, "英数"},
             {2910, "英国"},
             {3125, "国数"},
             {3340, "３＋理"},
             {3555, "３＋社"}}},
        ComboColumns{2, {Eikokususha, Eisu}, {{1220, "英数"}, {1435, "３＋社"}}}));

TEST(ClassList, SummaryShowsTheGradesFiguresOnEveryClass) {
    GradeFixture f(2, 3, 2);
    f.results->subjectExaminees[0] = 25;
    f.results->subjectAverages[0] = 63.4f;
    f.results->comboFlags[Eikoku] = 1;  // computed, but nobody has a total
    f.results->comboAverages[Eikoku] = -1.0f;
    Trace t = classLists(f);
    const int y0 = 400 + 295 * 3;
    for (int page : {2, 4}) {
        EXPECT_EQ(t.at(page, 800, y0), "25");
        EXPECT_EQ(t.at(page, 800, y0 + 70), "63.4");
        EXPECT_EQ(t.at(page, 1005, y0), "");  // a subject without examinees stays blank
        EXPECT_EQ(t.at(page, 1005, y0 + 70), "");
        EXPECT_EQ(t.at(page, 1220, y0), "0");
        EXPECT_EQ(t.at(page, 1220, y0 + 70), "-1.0");
    }
}

TEST(ClassList, SummaryHeightCarriesOverFromTheClassBefore) {
    GradeFixture f(3, 0, 1);
    f.gradeData().headCounts[0] =
        0;  // a first class without students: where its first row would stand
    f.gradeData().headCounts[1] = 30;
    f.gradeData().headCounts[2] = 0;  // keeps the height of class 2's last row
    f.fillRoster();
    Trace t = classLists(f);
    EXPECT_EQ(t.pages, 6);
    EXPECT_EQ(t.at(2, 400, 400), "受験者数");
    EXPECT_EQ(t.at(4, 400, 3055), "受験者数");
    EXPECT_EQ(t.at(6, 400, 3055), "受験者数");
}

TEST(ClassList, MagnificationsScalePositionsAndFontsSeparatelyAndTruncate) {
    GradeFixture f(1, 2, 1);
    f.scale = PrintScale{200, 50};
    Trace t = classLists(f);
    auto title = t.find("第１回 実力テスト　１ＨＲ  成績一覧");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, 600);
    EXPECT_EQ(title[0].y, 300);
    EXPECT_EQ(title[0].font, 7);
    EXPECT_EQ(t.find("101")[0].font, 4);  // 9 × 50 ÷ 100, truncated
    EXPECT_EQ(t.find("S1")[0].font, 4);
    EXPECT_EQ(t.at(1, 600, 800), "101");

    f.scale = PrintScale{50, 100};
    t = classLists(f);
    EXPECT_EQ(t.at(1, 150, 347), "102");      // (400 + 295) × 50 ÷ 100 = 347.5
    EXPECT_EQ(t.at(1, 150, 382), "生徒102");  // 765 ÷ 2
}
