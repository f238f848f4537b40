// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FileVersions.h"
#include "Fixtures.h"
#include "Golden.h"
#include "QuestionFile.h"
#include "TempDir.h"
#include "TextFile.h"

using namespace jitsu;
using namespace jitsu::questions;

namespace {

// Two questions (the second a mark-sheet one) and three students, one blank answer.
QuestionMarks sampleMarks() {
    return {1,
            3,
            sj("数学"),
            {{sj("1(1)"), 4, sj("数と式"), sj("知識・技能"), ""},
             {"2", 6, sj("図形"), sj("思考・判断・表現"), sj("ア")}},
            {{1, 1, {4, 6}}, {1, 3, {std::nullopt, 0}}, {2, 1, {2, 6}}}};
}

}  // namespace

// Written and read back, the marks are the same; the file's earlier bytes are kept as a version.
TEST(QuestionFile, RoundTripKeepsEarlierVersions) {
    TempDir dir;
    const auto path = questionFilePath(dir.path(), 2026, 3, 1, 3);
    EXPECT_EQ(path.filename(), "JS26_3_1_3.txt");
    QuestionMarks written = sampleMarks(), read;
    ASSERT_TRUE(writeQuestionFile(path, written));
    written.students.pop_back();
    ASSERT_TRUE(writeQuestionFile(path, written));
    ASSERT_TRUE(readQuestionFile(path, read));
    ASSERT_EQ(read.students.size(), 2u);
    EXPECT_EQ(read.students[1].points, written.students[1].points);
    EXPECT_EQ(read.questions[1].answer, written.questions[1].answer);
    EXPECT_EQ(formatQuestionFile(read), formatQuestionFile(written));
    EXPECT_EQ(listVersions(path).size(), 1u);
}

// Each damage of a sound file, and the reason that names the file and the line (golden).
TEST(QuestionFile, DamageIsRefusedNamingTheFile) {
    const std::string sound = formatQuestionFile(sampleMarks());
    const std::vector<std::pair<std::string, std::string>> damages = {
        {"1,3,", "4,3,"},                     // grade
        {"1,3,", "1,11,"},                    // test
        {",2,3\n", ",0,3\n"},                 // no question
        {",2,3\n", ",2,901\n"},               // students beyond any grade
        {",4,", ",1000,"},                    // points
        {",4,", ",999,"},                     // points adding up past full marks
        {"1,1,4,6", "1,1,5,6"},               // a mark above its points
        {"1,1,4,6", "1,1,4,-1"},              // a negative mark
        {"1,3,,0", "1,1,,0"},                 // a student twice
        {"2,1,2,6", "21,1,2,6"},              // class
        {"2,1,2,6", "2,46,2,6"},              // slot
        {"2,1,2,6", "2,1,2"},                 // a field short
        {"1(1),", ",4,"},                     // label empty (and a field more)
        {"2,1,2,6\n", ""},                    // a line short
        {"2,1,2,6\n", "2,1,2,6\n2,2,2,6\n"},  // a line more
    };
    std::string out;
    for (const auto& [from, to] : damages) {
        std::string text = fromCrLf(sound);
        text.replace(text.find(from), from.size(), to);
        QuestionMarks marks;
        const Status s = parseQuestionFile(text, "JS26_3_1_3.txt", marks);
        out += s ? std::string("read\n") : s.reason() + "\n";
    }
    EXPECT_TRUE(matchesGolden(out, "question-file/damage.txt"));
}
