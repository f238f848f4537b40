#include <gtest/gtest.h>

#include "MessageTexts.h"
#include "ReportCase.h"

using namespace jitsu;

namespace {

// The name line that opens a sheet at 100 %, such as "1ＨＲ   7 番      生徒7".
std::string firstNameLine(const std::vector<std::string>& sheet) {
    auto names = linesStarting(sheet, "text 2300 290 ");
    return names.empty() ? std::string() : names.front().substr(14);
}

struct PageCountCase {
    unsigned heads;
    int pages;
    int blocksOnLast;
    std::string lastName;  // name line of the last block printed
};
void PrintTo(const PageCountCase& c, std::ostream* os) { *os << c.heads << " students"; }

class ReportPageCount : public testing::TestWithParam<PageCountCase> {};

TEST_P(ReportPageCount, SixSlotsASheetAndNoneBeyondTheHeadCount) {
    const PageCountCase& p = GetParam();
    ReportCase report(1, p.heads, 5);
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(static_cast<int>(sheets.size()), p.pages);
    if (p.pages == 0) return;  // an empty document
    auto titles = linesStarting(sheets.back(), "text 280 ");
    EXPECT_EQ(static_cast<int>(titles.size()), p.blocksOnLast);
    auto names = linesStarting(sheets.back(), "text 2300 ");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back().substr(names.back().find(' ', 10) + 1), p.lastName);
}

INSTANTIATE_TEST_SUITE_P(
    HeadCounts, ReportPageCount,
    testing::Values(PageCountCase{45, 8, 3, "1ＨＲ  45 番      生徒45"},
                    PageCountCase{40, 7, 4, "1ＨＲ  40 番      生徒40"},
                    PageCountCase{6, 1, 6, "1ＨＲ   6 番      生徒6"},
                    PageCountCase{7, 2, 1, "1ＨＲ   7 番      生徒7"}, PageCountCase{0, 0, 0, ""},
                    // more students than the records' 45 slots: only the 45 are printed
                    PageCountCase{48, 8, 3, "1ＨＲ  45 番      生徒45"}));

TEST(ReportPages, ThePageRangeCountsPagesAcrossTheTickedClasses) {
    ReportCase report(3, 12, 5);  // two pages a class
    report.ticked[1] = false;     // class 2 is not printed and not counted
    report.dialogAnswer = PageRange{2, 3};
    report.copies = 2;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 4u);
    EXPECT_EQ(firstNameLine(sheets[0]), "1ＨＲ   7 番      生徒7");  // page 2
    EXPECT_EQ(firstNameLine(sheets[1]), "1ＨＲ   7 番      生徒7");
    EXPECT_EQ(firstNameLine(sheets[2]), "3ＨＲ   1 番      生徒25");  // page 3
    EXPECT_EQ(firstNameLine(sheets[3]), "3ＨＲ   1 番      生徒25");
}

TEST(ReportPages, ACancelledDialogOrAClearedPrintBoxPrintsNothing) {
    ReportCase report(2, 30, 5);
    report.dialogAnswer = std::nullopt;
    EXPECT_EQ(report.run(), std::vector<std::string>{"job A4 portrait"});
    EXPECT_EQ(report.dialogsShown, 1);
    report.print = false;
    EXPECT_EQ(report.run(), std::vector<std::string>{"job A4 portrait"});
    EXPECT_EQ(report.dialogsShown, 0);
}

TEST(ReportPages, EverySheetDrawsAllItsTextsBeforeItsFirstRuleInBlackBold) {
    ReportCase report(2, 45, 5);
    report.results->comboFlags[Eikokusu] = 1;
    for (int c = 0; c < 2; ++c)
        for (int s = 0; s < 45; ++s) report.results->scores[0][c][s] = 50 + s;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 16u);
    for (const auto& sheet : sheets) {
        ASSERT_GE(sheet.size(), 3u);
        EXPECT_EQ(sheet[0], "pen 0 0 0");
        EXPECT_EQ(sheet[1], "fontcolor 0 0 0");
        for (const std::string& font : linesStarting(sheet, "font "))
            EXPECT_EQ(font.substr(font.rfind(' ')), " bold") << font;
        std::size_t lastText = 0, firstLine = sheet.size();
        for (std::size_t i = 0; i < sheet.size(); ++i) {
            if (sheet[i].rfind("text ", 0) == 0) lastText = i;
            if (sheet[i].rfind("line ", 0) == 0 && firstLine == sheet.size()) firstLine = i;
        }
        EXPECT_LT(lastText, firstLine);
        EXPECT_LT(firstLine, sheet.size());
    }
}

}  // namespace

// 18 columns: the frame's right rule at 482 + 18 × 260 = 5162 reaches past the 4960 dots of an
// A4 sheet at 100 %; at 96 % it lies at 5162 × 96 / 100 = 4955, at 97 % at 5007.
TEST(ReportPages, ATableWiderThanTheSheetIsAnnouncedAndPrintedOnlyWhenThePersonSaysSo) {
    ReportCase report(1, 6, 18);
    report.messages.answers = {MessageAnswer::No};
    EXPECT_EQ(report.run(), std::vector<std::string>{"job A4 portrait"});
    ASSERT_EQ(report.messages.shown.size(), 1u);
    EXPECT_EQ(report.messages.shown[0].text, std::string(text::kPageTooLarge) +
                                                 "印刷倍率を 96% 以下にすると収まります。" +
                                                 text::kPrintAnyway);
    EXPECT_EQ(report.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(report.messages.shown[0].safeAnswer, MessageAnswer::No);

    report.messages.answers = {MessageAnswer::Yes};
    EXPECT_GT(report.run().size(), 1u);
    report.scale.layoutPercent = 96;
    report.messages.shown.clear();
    report.run();
    EXPECT_TRUE(report.messages.shown.empty());
}
