#include <gtest/gtest.h>

#include "Combinations.h"
#include "GradeFixture.h"
#include "TopScorers.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

namespace {

// Subject 0 sat by `examinees` students spread over the classes in slot order, ranked 1, 2, …
// in that order, with score 200 − rank.
void rankInOrder(GradeFixture& f, int examinees) {
    int rank = 0;
    for (int k = 0; k < f.gradeData().classes() && rank < examinees; ++k)
        for (unsigned s = 0; s < f.gradeData().headCounts[k] && rank < examinees; ++s) {
            ++rank;
            f.setScore(0, k, static_cast<int>(s), 200 - rank, 50.0f, rank);
        }
    f.results->subjectExaminees[0] = examinees;
    f.results->subjectAverages[0] = 150.0f;
}

// Entries are the texts in the rank column (x 400 of the block) below the headings.
std::vector<TraceOp> entries(const Trace& t, int blockX) {
    std::vector<TraceOp> found;
    for (const TraceOp& op : t.texts())
        if (op.x == blockX + 400 && op.y >= 800) found.push_back(op);
    return found;
}

Trace topScorers(const GradeFixture& f) { return f.trace(printTopScorers); }

}  // namespace

TEST(TopScorers, ListsTheTopQuarterOfTheExaminees) {
    GradeFixture f(4, 40, 1);
    rankInOrder(f, 120);  // Q = 30
    Trace t = topScorers(f);
    auto lines = entries(t, 0);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines.front().text, "  1");
    EXPECT_EQ(lines.back().text, " 30");
    EXPECT_EQ(lines.back().y, 800 + 85 * 29);
    // Rank 30 is slot 29 of class 1: number, name, score and deviation score on its line.
    const int y = 800 + 85 * 29;
    EXPECT_EQ(t.at(1, 600, y), "130");
    EXPECT_EQ(t.at(1, 900, y), "生徒130");
    EXPECT_EQ(t.at(1, 1500, y), "170");
    EXPECT_EQ(t.at(1, 1700, y), "(50.0)");
    EXPECT_EQ(lines.back().font, 10);
}

TEST(TopScorers, TheFirstBlockCarriesLabelSummaryAndHeadings) {
    GradeFixture f(1, 3, 1);
    rankInOrder(f, 3);  // Q = 0: nobody listed
    f.results->subjectAverages[0] = 198.0f;
    Trace t = topScorers(f);
    EXPECT_EQ(t.at(1, 600, 250), "S1");
    EXPECT_EQ(t.find("S1")[0].font, 14);
    EXPECT_EQ(t.at(1, 600, 400), "受験者：3人");
    EXPECT_EQ(t.at(1, 600, 500), "平均：198.0点");
    EXPECT_EQ(t.find("受験者：3人")[0].font, 12);
    EXPECT_EQ(t.at(1, 400, 700), "順位");
    EXPECT_EQ(t.at(1, 600, 700), "番号");
    EXPECT_EQ(t.at(1, 900, 700), "氏名");
    EXPECT_EQ(t.at(1, 1500, 700), "得点");
    EXPECT_EQ(t.at(1, 1700, 700), "偏差値");
    EXPECT_EQ(t.find("偏差値")[0].font, 8);
    EXPECT_TRUE(entries(t, 0).empty());
    for (const TraceOp& op : t.ops) {
        EXPECT_EQ(op.pen, kBlack);
        EXPECT_EQ(op.fontColor, kBlack);
        EXPECT_TRUE(op.bold);
    }
}

// Selected students → blocks: a block covers 50 rank values.
struct BlockCase {
    int examinees;
    std::vector<std::pair<int, int>> blocks;  // per block: x, entries
    int pages;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.examinees << " examinees"; }

class TopScorerBlocksTest : public testing::TestWithParam<BlockCase> {};

TEST_P(TopScorerBlocksTest, SplitsAListIntoBlocksOfFiftyRanks) {
    const BlockCase c = GetParam();
    GradeFixture f(20, 45, 1);
    rankInOrder(f, c.examinees);
    Trace t = topScorers(f);
    // Every block has headings; only the first has the label.
    auto headings = t.find("順位");
    ASSERT_EQ(headings.size(), c.blocks.size());
    EXPECT_EQ(t.count("S1"), 1);
    int firstRank = 1;
    for (std::size_t b = 0; b < c.blocks.size(); ++b) {
        auto [x, count] = c.blocks[b];
        EXPECT_EQ(headings[b].x, x + 400);
        std::vector<TraceOp> lines;
        for (const TraceOp& op : entries(t, x))
            if (op.page == headings[b].page) lines.push_back(op);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(count)) << "block " << b;
        if (count == 0) continue;
        EXPECT_EQ(std::stoi(lines.front().text), firstRank);
        EXPECT_EQ(lines.front().y, 800);
        firstRank += count;
    }
    EXPECT_EQ(t.pages, c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Selected, TopScorerBlocksTest,
    testing::Values(BlockCase{200, {{0, 50}}, 1},              // 50 selected: one block
                    BlockCase{204, {{0, 50}, {2200, 1}}, 1},   // 51: rank 51 alone
                    BlockCase{292, {{0, 50}, {2200, 23}}, 1},  // 73: left and right
                    BlockCase{900, {{0, 50}, {2200, 50}, {0, 50}, {2200, 50}, {0, 25}}, 3}));

TEST(TopScorers, ListsContinueHalfPageByHalfPageAndEndOnAFreshPage) {
    GradeFixture f(1, 8, 3);
    for (int j = 0; j < 3; ++j) {
        f.setScore(j, 0, 0, 90, 60.0f, 1);
        f.results->subjectExaminees[j] = 4;
        f.results->subjectAverages[j] = 50.0f;
    }
    Trace t = f.trace([](Printer& printer, const SummaryGrade& job) {
        printTopScorers(printer, job);
        printer.canvas().textOut(0, 0, "next");
    });
    ASSERT_EQ(t.find("S1").size(), 1u);
    EXPECT_EQ(t.find("S1")[0].x, 600);
    EXPECT_EQ(t.find("S1")[0].page, 1);
    EXPECT_EQ(t.find("S2")[0].x, 2800);
    EXPECT_EQ(t.find("S2")[0].page, 1);
    EXPECT_EQ(t.find("S3")[0].x, 600);
    EXPECT_EQ(t.find("S3")[0].page, 2);
    EXPECT_EQ(t.find("next")[0].page, 3);  // the lone left block's page was closed
    EXPECT_EQ(t.at(2, 2800, 400), "");
}

TEST(TopScorers, SharedRanksAppearInClassOrderThenSlotOrder) {
    GradeFixture f(3, 10, 1);
    f.results->subjectExaminees[0] = 30;  // Q = 7
    f.setScore(0, 2, 0, 99, 70.0f, 1);
    f.setScore(0, 2, 4, 80, 60.0f, 5);
    f.setScore(0, 0, 7, 80, 60.0f, 5);
    f.setScore(0, 1, 3, 80, 60.0f, 5);
    f.setScore(0, 0, 9, 10, 30.0f, 8);  // beyond Q
    Trace t = topScorers(f);
    auto lines = entries(t, 0);
    ASSERT_EQ(lines.size(), 4u);
    std::vector<std::string> ranks, numbers;
    for (const TraceOp& op : lines) {
        ranks.push_back(op.text);
        numbers.push_back(t.at(1, 600, op.y));
    }
    EXPECT_EQ(ranks, (std::vector<std::string>{"  1", "  5", "  5", "  5"}));
    EXPECT_EQ(numbers, (std::vector<std::string>{"301", "108", "204", "305"}));
}

TEST(TopScorers, CombinationsComeFirstInDisplayOrderThenSubjectsWithExaminees) {
    GradeFixture f(1, 4, 3);
    for (int k : {Eikokususha, Eikoku, Eisu, Kyouka5}) f.results->comboFlags[k] = 1;
    f.results->comboExaminees[Eikoku] = 0;  // computed without examinees: still a block
    f.results->subjectExaminees[0] = 2;
    f.results->subjectExaminees[2] = 1;  // subject 1 has none: no block
    Trace t = topScorers(f);
    std::vector<std::string> labels;
    for (const TraceOp& op : t.texts())
        if (op.y == 250) labels.push_back(op.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"５教科", "英数", "英国", "英国数社", "S1", "S3"}));
    auto eikoku = t.find("英国");
    ASSERT_EQ(eikoku.size(), 1u);
    EXPECT_EQ(t.at(eikoku[0].page, eikoku[0].x, 400), "受験者：0人");
}

TEST(TopScorers, CombinationEntriesShowTotalsAndTheirDeviationScores) {
    GradeFixture f(2, 4, 5);
    f.results->comboFlags[Eikokusuri] = 1;
    f.results->comboExaminees[Eikokusuri] = 8;
    f.results->comboAverages[Eikokusuri] = 251.25f;
    f.setTotal(Eikokusuri, 1, 2, 388, 68.46f, 1);
    f.setTotal(Eikokusuri, 0, 0, 301, 55.0f, 2);
    Trace t = topScorers(f);
    EXPECT_EQ(t.at(1, 600, 250), "英国数理");
    EXPECT_EQ(t.at(1, 600, 500), "平均：251.2点");
    EXPECT_EQ(t.at(1, 400, 800), "  1");
    EXPECT_EQ(t.at(1, 600, 800), "203");
    EXPECT_EQ(t.at(1, 1500, 800), "388");
    EXPECT_EQ(t.at(1, 1700, 800), "(68.5)");
    EXPECT_EQ(t.at(1, 600, 885), "101");
}

TEST(TopScorers, BlockPositionsAndFontsFollowTheMagnifications) {
    GradeFixture f(1, 8, 2);
    for (int j = 0; j < 2; ++j) {
        f.results->subjectExaminees[j] = 4;
        f.setScore(j, 0, 0, 90, 60.0f, 1);
    }
    f.scale = PrintScale{50, 200};
    Trace t = topScorers(f);
    EXPECT_EQ(t.find("S2")[0].x, 1400);  // (2200 + 600) ÷ 2
    EXPECT_EQ(t.find("S2")[0].y, 125);
    EXPECT_EQ(t.find("S2")[0].font, 28);
    EXPECT_EQ(t.at(1, 1300, 400), "  1");  // (2200 + 400) ÷ 2, 800 ÷ 2
    EXPECT_EQ(t.find("  1")[0].font, 20);
}
