// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "Cp932.h"
#include "FakeMessages.h"
#include "Golden.h"
#include "MarksText.h"
#include "MessageTexts.h"
#include "QuestionFile.h"
#include "QuestionReportRun.h"
#include "QuestionsLoad.h"
#include "TestYear.h"
#include "TracePrinter.h"

using namespace jitsu;
using namespace jitsu::questions;

namespace {

// Marks that cannot be shown are refused, naming the subject or the file and what is wrong.
struct LoadCase {
    const char* name;
    const char* subject;               // asked for
    int fileTest;                      // the test the file written says; 0 writes none
    const char* extra;                 // more students
    const char* reason;                // a part of the failure
    const char* fileSubject = "英語";  // the subject the file written says
};

class LoadRefusal : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadRefusal, NamesTheProblem) {
    const LoadCase& c = GetParam();
    TestYear year;  // grade 1: two classes, 英語 its first subject
    QuestionMarks marks =
        marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")) + c.extra);
    marks.test = c.fileTest;
    marks.subject = toCp932(c.fileSubject);
    if (c.fileTest > 0) {
        ASSERT_TRUE(writeQuestionFile(questionFilePath(year.path(), 2026, 2, 1, 1), marks));
    }
    LoadedQuestions loaded;
    const Status status = loadQuestions(year.path(), year.data, {1, 2, c.subject}, loaded);
    ASSERT_FALSE(status);
    EXPECT_NE(status.reason().find(c.reason), std::string::npos) << status.reason();
}

INSTANTIATE_TEST_SUITE_P(
    QuestionsLoad, LoadRefusal,
    ::testing::Values(
        LoadCase{"unknownSubject", "美術", 2, "", "\"美術\" is not a subject of grade 1"},
        LoadCase{"noFile", "英語", 0, "", "JS26_2_1_1.txt"},
        LoadCase{"otherTest", "英語", 3, "", "JS26_2_1_1.txt: holds grade 1 in test 3"},
        LoadCase{"subjectsReordered", "英語", 2, "",
                 "JS26_2_1_1.txt: holds the marks of 数学, not of 英語", "数学"},
        LoadCase{"classBeyondTheGrade", "英語", 2, "S 3 1 1 2 1 3 1\n",
                 "JS26_2_1_1.txt: class 3, but grade 1 has 2 classes"}),
    [](const auto& info) { return std::string(info.param.name); });

// The sheets name the students, so the report reads the roster as every print does: one that
// cannot be read stops it with the suite's box; a damaged one is asked about, and No stops it.
// A stopped report names the roster.
TEST(QuestionReportRun, StopsAtARosterThatCannotBeReadOrIsDamagedUnlessTold) {
    struct Case {
        bool removed;
        MessageAnswer answer;
        const char* box;
        bool printed;
    };
    for (const Case& c : {Case{true, MessageAnswer::Yes, text::kRosterMissingPrint, false},
                          Case{false, MessageAnswer::No, text::kDamagedFile, false},
                          Case{false, MessageAnswer::Yes, text::kDamagedFile, true}}) {
        TestYear year;
        QuestionMarks marks = marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")));
        marks.test = 2;
        marks.subject = toCp932("英語");
        ASSERT_TRUE(writeQuestionFile(questionFilePath(year.path(), 2026, 2, 1, 1), marks));
        const auto roster = rosterPath(year.path(), year.data.rosterTag.view().bytes(), 2026, 1);
        if (c.removed)
            std::filesystem::remove(roster);
        else
            writeBytes(roster, "10101,,A\r\n");
        std::ostringstream trace;
        TracePrinter printer(trace);
        FakeMessages messages;
        messages.answers = {c.answer};
        const FixedClock clock({2026, 11, 7});
        const Status status = runQuestionReport({year.path(), messages, printer, clock}, year.data,
                                                {{1, 2, "英語"}, {}, {}});
        SCOPED_TRACE(c.box);
        EXPECT_EQ(bool(status), c.printed) << status.reason();
        EXPECT_EQ(printer.sheetCount() > 0, c.printed);
        if (!c.printed) {
            EXPECT_NE(status.reason().find("N261.csv"), std::string::npos);
        }
        EXPECT_EQ(messages.count(c.box), 1);
    }
}

}  // namespace
