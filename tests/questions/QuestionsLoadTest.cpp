// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Cp932.h"
#include "Golden.h"
#include "MarksText.h"
#include "QuestionFile.h"
#include "QuestionsLoad.h"
#include "TestYear.h"

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

}  // namespace
