#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "CheckListYear.h"
#include "FakeMessages.h"
#include "MessageTexts.h"
#include "PrintCheckLists.h"
#include "TracePrinter.h"

using namespace jitsu;

namespace {

const std::string kLine1 = "１部を短冊に切って生徒に配布し、間違いがないか、確認してください。";
const std::string kLine2NoPlace = "修正があればもう１部の方に赤で記入し、提出してください。";

// The printing of one grade of checkListYear() in a temporary working directory, traced.
class CheckListPrint : public ::testing::Test {
protected:
    CheckListPrint() : printer(trace), services{dir.path(), messages, printer, clock} {
        request.grade = 0;
        request.year = 2001;
        request.test = 1;
        request.yearText = "  2,001年度";
        request.testText = "  第１回";
        request.monthText = "3";
        request.dayText = "17";
        request.checkedClasses = {true, false, false};
    }

    // Writes the grade's roster and score file, prints, and returns the sheets.
    std::vector<std::vector<std::string>> print(int rosterLines = 9) {
        const int g = request.grade + 1;
        writeCheckListRoster(dir, g, rosterLines);
        writeCheckListScores(dir, data.grades[request.grade], g, *scores, request.test);
        status = printCheckLists(data, request, services);
        return tracePages(trace.str());
    }

    TempDir dir;
    BasicData data = checkListYear();
    std::unique_ptr<TestScores> scores = std::make_unique<TestScores>();
    CheckListRequest request;
    std::ostringstream trace;
    TracePrinter printer;
    FakeMessages messages;
    FixedClock clock{{2001, 2, 15}};
    Services services;
    Status status = Status::ok();
};

TEST_F(CheckListPrint, ScoreTextListsOnlyTheSubjectsWithAScore) {
    scores->scores[0][0][0] = 78;  // 英語; 数学 stays -1
    scores->scores[1][0][2] = 0;   // a score of 0 is a score
    auto pages = print();
    ASSERT_TRUE(status);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(textsAt(pages[0], 1250, 800), std::vector<std::string>{" 英語＝78   "});
    EXPECT_EQ(textsAt(pages[0], 1250, 940), std::vector<std::string>{" "});
    EXPECT_EQ(textsAt(pages[0], 1250, 1080), std::vector<std::string>{" 数学＝0   "});
    EXPECT_EQ(textsAt(pages[0], 300, 800), std::vector<std::string>{"10001"});
    EXPECT_EQ(textsAt(pages[0], 650, 1080), std::vector<std::string>{"生徒3"});
}

TEST_F(CheckListPrint, APrinterThatCannotPrintIsAnnounced) {
    printer.failDocuments = true;
    print();
    EXPECT_FALSE(status);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kPrintFailed);
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(CheckListPrint, EveryNegativeScoreCountsAsNone) {
    scores->scores[0][0][0] = -7;
    scores->scores[1][0][0] = 55;
    auto pages = print();
    EXPECT_EQ(textsAt(pages[0], 1250, 800), std::vector<std::string>{" 数学＝55   "});
}

TEST_F(CheckListPrint, APageIsTheTitleThreeInstructionsAndOneRowPerStudentInBlackBold) {
    request.checkedClasses = {false, true, false};
    auto pages = print();
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string> expected = {
        "pen 0 0 0",
        "fontcolor 0 0 0",
        "font 10 bold",
        "font 14 bold",
        "text 200 200 桜中    2,001年度    第１回 実力テスト   1 年   クラス：２組    "
        "チェック用リスト",
        "font 10 bold",
        "text 400 400 " + kLine1,
        "text 400 500 " + kLine2NoPlace,
        "text 400 600 修正がない場合は、その旨ご連絡ください。期限は 3月 17日です。",
        "text 300 800 10004",
        "text 650 800 生徒4",
        "text 1250 800  ",
        "text 300 940 10005",
        "text 650 940 生徒5",
        "text 1250 940  ",
        "text 300 1080 10006",
        "text 650 1080 生徒6",
        "text 1250 1080  ",
    };
    EXPECT_EQ(pages[0], expected);
    EXPECT_EQ(pages[1], expected);
}

TEST_F(CheckListPrint, ThePlaceOfSubmissionStandsBeforeまで) {
    request.placeText = "職員室";
    auto pages = print();
    EXPECT_EQ(textsAt(pages[0], 400, 500),
              std::vector<std::string>{
                  "修正があればもう１部の方に赤で記入し、職員室 まで提出してください。"});
}

TEST_F(CheckListPrint, AClassWithoutStudentsGetsItsTwoPagesWithoutRows) {
    data.grades[0].headCounts[1] = 0;
    request.checkedClasses = {false, true, false};
    auto pages = print();
    ASSERT_EQ(pages.size(), 2u);
    for (const auto& page : pages) {
        EXPECT_EQ(countPrefix(page, "text "), 4);  // title and instructions
        EXPECT_EQ(textsAt(page, 200, 200).size(), 1u);
    }
}

TEST_F(CheckListPrint, RowsPastTheRostersEndHaveEmptyNumberAndNameButTheirScores) {
    request.checkedClasses = {false, true, false};
    scores->scores[1][1][2] = 64;
    auto pages = print(4);  // class 2 holds entries 3 … 5; only entry 3 is in the file
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(textsAt(pages[0], 300, 800), std::vector<std::string>{"10004"});
    EXPECT_EQ(textsAt(pages[0], 300, 940), std::vector<std::string>{""});
    EXPECT_EQ(textsAt(pages[0], 650, 1080), std::vector<std::string>{""});
    EXPECT_EQ(textsAt(pages[0], 1250, 1080), std::vector<std::string>{" 数学＝64   "});
}

TEST_F(CheckListPrint, CheckedClassesGiveTwoIdenticalPagesEachInClassOrder) {
    request.checkedClasses = {true, true, true};
    auto pages = print();
    ASSERT_EQ(pages.size(), 6u);
    const char* const classes[] = {"１組", "２組", "３組"};
    for (int p = 0; p < 6; ++p) {
        auto title = textsAt(pages[p], 200, 200);
        ASSERT_EQ(title.size(), 1u);
        EXPECT_NE(title[0].find(std::string("クラス：") + classes[p / 2]), std::string::npos) << p;
    }
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_EQ(pages[2], pages[3]);
    EXPECT_EQ(pages[4], pages[5]);
    EXPECT_NE(pages[1], pages[2]);
    auto lines = traceLines(trace.str());
    EXPECT_EQ(countPrefix(lines, "begin"), 1);  // one document for the grade
    EXPECT_EQ(countPrefix(lines, "end"), 1);
}

TEST_F(CheckListPrint, UncheckedClassesArePassedOver) {
    request.checkedClasses = {true, false, true};
    auto pages = print();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_NE(textsAt(pages[2], 200, 200)[0].find("クラス：３組"), std::string::npos);
}

TEST_F(CheckListPrint, TheJobIsB4PortraitWithOnePrintDialog) {
    auto pages = print();
    auto lines = traceLines(trace.str());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "job B4 portrait");
    EXPECT_EQ(lines[1], "begin");
    EXPECT_EQ(printer.dialogsShown(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CheckListPrint, TheGradeAndTestChooseTheFiles) {
    request.grade = 2;
    request.test = 4;
    scores->scores[0][0][0] = 91;
    auto pages = print();
    ASSERT_TRUE(status);
    EXPECT_EQ(textsAt(pages[0], 300, 800), std::vector<std::string>{"30001"});
    EXPECT_EQ(textsAt(pages[0], 1250, 800), std::vector<std::string>{" 英語＝91   "});
    EXPECT_NE(textsAt(pages[0], 200, 200)[0].find("   3 年   "), std::string::npos);
}

// A class of more than 45 prints every student of its head count whose roster entry exists; the
// score file holds 45 slots per class, so the students past them have no scores.
TEST_F(CheckListPrint, AClassOfMoreThan45PrintsItsHeadCountWithoutScoresPastSlot45) {
    data.grades[0].headCounts[0] = 47;
    for (int s = 0; s < kSlots; ++s) scores->scores[0][0][s] = s;
    auto pages = print(60);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(countPrefix(pages[0], "text 300 "), 47);
    EXPECT_EQ(textsAt(pages[0], 1250, 800 + 140 * 44), std::vector<std::string>{" 英語＝44   "});
    EXPECT_EQ(textsAt(pages[0], 300, 800 + 140 * 46), std::vector<std::string>{"10047"});
    EXPECT_EQ(textsAt(pages[0], 1250, 800 + 140 * 45), std::vector<std::string>{" "});
    EXPECT_EQ(textsAt(pages[0], 1250, 800 + 140 * 46), std::vector<std::string>{" "});
}

TEST_F(CheckListPrint, HeadCountsBeyondTheRostersEntriesStopAtEntry450) {
    data.grades[0].classCount = 11;
    for (int c = 0; c < 11; ++c) {
        data.grades[0].classNames[c].assign(std::to_string(c + 1));
        data.grades[0].headCounts[c] = 45;  // 495 students in all
    }
    request.checkedClasses.assign(11, true);
    auto pages = print(500);
    ASSERT_EQ(pages.size(), 22u);
    EXPECT_EQ(countPrefix(pages[18], "text 300 "), 45);
    EXPECT_EQ(textsAt(pages[18], 300, 800 + 140 * 44), std::vector<std::string>{"10450"});
    EXPECT_EQ(countPrefix(pages[20], "text 300 "), 0);  // class 11 lies past entry 450
}

TEST_F(CheckListPrint, AMissingRosterAbandonsTheGradeWithItsMessage) {
    status = printCheckLists(data, request, services);
    EXPECT_FALSE(status);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(messages.shown[0].title, "確認");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(trace.str(), "");
    EXPECT_EQ(printer.dialogsShown(), 0);
}

TEST_F(CheckListPrint, AMissingScoreFileIsAnErrorHereNotAnEmptyTest) {
    writeCheckListRoster(dir, 1, 9);
    status = printCheckLists(data, request, services);
    EXPECT_FALSE(status);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kScoresMissingPrint);
    EXPECT_EQ(messages.shown[0].title, "確認");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(trace.str(), "");
}

TEST_F(CheckListPrint, ACancelledDialogPrintsNothingAndSaysNothing) {
    printer.dialogAnswer = std::nullopt;
    auto pages = print();
    EXPECT_TRUE(status);
    EXPECT_TRUE(pages.empty());
    EXPECT_EQ(trace.str(), "job B4 portrait\n");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
}

// Positions and font sizes are scaled after they are computed: row 2 at 87 % lies at
// (800 + 280) × 87 / 100 = 939, not at 696 + 2 × 121.
struct Magnified {
    int percent;
    int titleFont, textFont;
    int titleXY, line1X, line1Y, line3Y;
    int numberX, nameX, scoreX;
    int row0Y, row1Y, row2Y;
};

class CheckListMagnification : public CheckListPrint,
                               public ::testing::WithParamInterface<Magnified> {};

TEST_P(CheckListMagnification, ScalesPositionsAndFontsAlike) {
    const Magnified m = GetParam();
    request.magnification = m.percent;
    auto pages = print();
    ASSERT_EQ(pages.size(), 2u);
    const auto& page = pages[0];
    EXPECT_EQ(page[3], "font " + std::to_string(m.titleFont) + " bold");
    EXPECT_EQ(textsAt(page, m.titleXY, m.titleXY).size(), 1u);
    EXPECT_EQ(page[5], "font " + std::to_string(m.textFont) + " bold");
    EXPECT_EQ(textsAt(page, m.line1X, m.line1Y), std::vector<std::string>{kLine1});
    EXPECT_EQ(textsAt(page, m.line1X, m.line3Y).size(), 1u);
    EXPECT_EQ(textsAt(page, m.numberX, m.row0Y), std::vector<std::string>{"10001"});
    EXPECT_EQ(textsAt(page, m.nameX, m.row1Y), std::vector<std::string>{"生徒2"});
    EXPECT_EQ(textsAt(page, m.scoreX, m.row2Y), std::vector<std::string>{" "});
}

INSTANTIATE_TEST_SUITE_P(
    Percent, CheckListMagnification,
    ::testing::Values(
        //        %  title text  xy   x    y   y3   num  name score row0  row1  row2
        Magnified{100, 14, 10, 200, 400, 400, 600, 300, 650, 1250, 800, 940, 1080},
        Magnified{80, 11, 8, 160, 320, 320, 480, 240, 520, 1000, 640, 752, 864},
        Magnified{87, 12, 8, 174, 348, 348, 522, 261, 565, 1087, 696, 817, 939},
        Magnified{133, 18, 13, 266, 532, 532, 798, 399, 864, 1662, 1064, 1250, 1436},
        Magnified{200, 28, 20, 400, 800, 800, 1200, 600, 1300, 2500, 1600, 1880, 2160}),
    [](const ::testing::TestParamInfo<Magnified>& info) {
        return std::to_string(info.param.percent);
    });

}  // namespace
