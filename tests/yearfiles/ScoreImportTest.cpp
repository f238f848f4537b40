// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "FakeMessages.h"
#include "FileSystem.h"
#include "Fixtures.h"
#include "Golden.h"
#include "RunCli.h"
#include "ScoreImport.h"
#include "ScoreSession.h"
#include "TestYear.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

Sheet sheetOf(const std::string& name, const std::vector<std::vector<std::string>>& rows) {
    Sheet sheet{name, {}};
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!rows[r].empty()) sheet.rows.push_back({r + 1, rows[r]});
    return sheet;
}

// Grade 1 of two classes of four, subjects S1 (out of 100), S2 (50), S3 (not given) and S4 (100)
// in test 1; class 1 numbered 1, 2, 4, 5 (number 3 left the school), class 2 numbered 1 to 4.
class PlanTest : public ::testing::Test {
protected:
    PlanTest() : grade(makeGrade(2, 4, 4)) {
        grade.fullMarks[0][1] = 50;
        grade.fullMarks[0][2] = -1;
        std::string text;
        for (const char* number : {"1", "2", "4", "5", "1", "2", "3", "4"})
            text += std::string(number) + ",x\r\n";
        parseRoster(text, *roster);
        classRanges(grade, *roster);
    }

    std::string plan(const std::vector<Sheet>& sheets, ScoreImportRequest request = {}) {
        request.source = "s.xlsx";
        ScorePlan plan;
        const Status status = planScoreImport(sheets, grade, *roster, request, plan);
        return status ? scorePlanText(plan, grade) : status.reason() + "\n";
    }

    GradeData grade;
    std::unique_ptr<GradeRoster> roster = std::make_unique<GradeRoster>();
};

}  // namespace

// Every finding, with its row, next to the scores taken (the golden file): a title row above
// the header, a score above full marks, a number not in the roster, a class in the 1-2 form and
// full-width digits, a subject not given, another grade's class, a student twice, a score that is
// no whole number, a wrong 学年, a totals row, and a column that is no subject named.
TEST_F(PlanTest, FindingsNameTheirRows) {
    const Sheet sheet =
        sheetOf("点数", {
                            {"1学期 実力テスト"},
                            {},
                            {"学年", "クラス", "No.", "氏名", "S1", "S2", "S3", "備考"},
                            {"1", "1", "1", "a", "80", "51"},
                            {"1", "1", "3", "b", "70"},
                            {"1", "1-2", "４", "c", "８８", "20", "5"},
                            {"1", "2年1組", "1", "d", "1"},
                            {"1", "1", "01", "a", "90", "欠"},
                            {"1", "2", "2", "e", "7.5", "欠"},
                            {"2", "2", "3", "f", "10"},
                            {"", "", "", "合計", "339", "20"},
                        });
    EXPECT_TRUE(matchesGolden(plan({sheet}), "score-import/findings.txt"));
}

// A workbook of one sheet per class (another sheet beside them is skipped), a sheet whose class
// is given, and subjects chosen: what each reads, or why it cannot (the golden file).
TEST_F(PlanTest, SheetsPerClassAndSubjectsChosen) {
    const std::vector<Sheet> perClass = {
        sheetOf("1組", {{"番号", "S1", "S4"}, {"1", "10", "11"}, {"5", "12"}}),
        sheetOf("メモ", {{"提出日"}}),
        sheetOf("２", {{"出席番号", "S4"}, {"4", "13"}}),
    };
    std::string out;
    ScoreImportRequest request;
    out += plan(perClass);
    request.subjects = {"S4"};
    out += plan(perClass, request);
    request.subjects = {"S9"};
    out += plan(perClass, request);
    request.subjects = {"S2"};
    out += plan(perClass, request);
    request = {};
    request.cls = "2組";
    out += plan({perClass[0]}, request);
    out += plan({sheetOf("点数", {{"番号", "S1"}, {"1", "10"}})});
    EXPECT_TRUE(matchesGolden(out, "score-import/sheets.txt"));
}

// The score file after importing three subjects of one class is the one scoreentry saves after
// the same scores are typed; a row above full marks is refused with its row and nothing written.
TEST(ImportScores, TheScoreFileEqualsTypingTheSameScores) {
    TestYear imported, typed;
    writeBytes(imported.dir.path() / pathFromUtf8("１組.csv"),
               "英語・国語・数学 １組\n番号,英語,国語,数学,合計\n1,80,７０,60,210\n"
               "2,55,,90,145\n3,欠,40,100,140\n");
    std::string err;
    ASSERT_EQ(runJitsuryoku(imported.path(),
                            {"import-scores", "１組.csv", "--test", "3", "--grade", "1"}, &err),
              0)
        << err;

    auto session = std::make_unique<ScoreSession>();
    session->basic = typed.data;
    ASSERT_EQ(openGradeTest(*session, typed.path(), 2026, 0, 2).failure, OpenFailure::None);
    const std::vector<std::vector<std::string>> columns = {
        {"80", "55", ""}, {"70", "", "40"}, {"60", "90", "100"}};
    for (int j = 0; j < 3; ++j) {
        session->currentSubject = j;
        storeGridScores(*session, columns[static_cast<std::size_t>(j)]);
    }
    FakeMessages messages;
    ASSERT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    EXPECT_EQ(readBytes(scorePath(imported.path(), 2026, 3, 1)),
              readBytes(scorePath(typed.path(), 2026, 3, 1)));

    writeBytes(imported.dir / "over.csv", "組,番号,英語\n1,1,80\n1,2,101\n");
    const auto before = readBytes(scorePath(imported.path(), 2026, 3, 1));
    EXPECT_EQ(runJitsuryoku(imported.path(),
                            {"import-scores", "over.csv", "--test", "3", "--grade", "1"}, &err),
              1);
    EXPECT_NE(err.find("over.csv:3: 英語 101 is above the full marks (100)"), std::string::npos)
        << err;
    EXPECT_EQ(readBytes(scorePath(imported.path(), 2026, 3, 1)), before);
}

// A score the file holds differently is asked about with scoreentry's question, the cell listed
// (each answer is the cell merge's, tested where it lives); はい takes the sheet's. Cells the
// sheet leaves blank keep the file's scores.
TEST(ImportScores, AConflictingCellAsks) {
    TestYear year;
    const GradeData& grade = year.data.grades[0];
    auto file = std::make_unique<TestScores>();
    file->scores[0][0][0] = 70;
    file->scores[1][0][1] = 50;
    const auto path = scorePath(year.path(), 2026, 3, 1);
    ASSERT_TRUE(writeScores(path, grade, *file));
    writeBytes(year.dir / "s.csv", "組,番号,英語,国語\n1,1,75,\n1,2,40,\n");
    ScoreImportRequest request;
    request.test = 3;
    ScorePlan plan;
    ASSERT_TRUE(planScoreImportFile(year.path(), year.data, year.dir / "s.csv", "", request, plan));
    {
        FakeMessages messages;
        messages.answers = {MessageAnswer::Yes};
        const FileMergeResult result =
            saveScoreImport(year.path(), year.data, request, plan, messages);
        EXPECT_EQ(result.conflicts, 1);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_NE(messages.shown[0].text.find("英語: ours 75, the file's 70"), std::string::npos)
            << messages.shown[0].text;
        TestScores after;
        ASSERT_TRUE(readScores(path, grade, after));
        EXPECT_EQ(after.scores[0][0][0], 75);
        EXPECT_EQ(after.scores[0][0][1], 40);  // only the sheet had it
        EXPECT_EQ(after.scores[1][0][1], 50);  // only the file had it
    }

    // A file written for other class or subject counts is replaced only when told.
    writeBytes(path, "1 2 3\r\n");
    FakeMessages messages;
    messages.answers = {MessageAnswer::No};
    EXPECT_EQ(saveScoreImport(year.path(), year.data, request, plan, messages).outcome,
              FileMergeOutcome::Cancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_EQ(readBytes(path), "1 2 3\r\n");
}

// The samples of docs/samples, made from the demo year's own export and edited as a school
// would: the roster (title row, 学年, 1年1組, 姓 and 名) gives back the demo roster byte for
// byte, and the marks of a teacher who keeps a sheet per class merge into a test (golden
// preview).
TEST(Samples, ImportIntoTheDemoYear) {
    const std::filesystem::path samples =
        std::filesystem::path(JITSU_TESTDATA_DIR).parent_path().parent_path() / "docs/samples";
    TempDir dir;
    std::vector<Reason> written;
    ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    const std::string roster = readBytes(dir / "N261.csv");
    std::string err;
    ASSERT_EQ(runJitsuryoku(dir.path(),
                            {"import-roster", utf8FromPath(samples / "roster-1.xlsx"), "--grade",
                             "1", "--force"},
                            &err),
              0)
        << err;
    EXPECT_EQ(readBytes(dir / "N261.csv"), roster);

    auto basic = std::make_unique<BasicData>();
    ASSERT_TRUE(readBasicData(basicDataPath(dir.path()), *basic));
    ScoreImportRequest request;
    request.test = 3;
    ScorePlan plan;
    ASSERT_TRUE(
        planScoreImportFile(dir.path(), *basic, samples / "scores-1.xlsx", "", request, plan));
    EXPECT_TRUE(matchesGolden(scorePlanText(plan, basic->grades[0]), "score-import/samples.txt"));
}
