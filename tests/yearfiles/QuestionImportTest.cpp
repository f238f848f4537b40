// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "Golden.h"
#include "QuestionFile.h"
#include "QuestionImport.h"
#include "RunCli.h"
#include "TestYear.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

// Three classes in grade 1; test 3 has no scores yet.
const DemoYearSize kThreeClassYear{{3, 2, 2}, 3, 5};

std::vector<std::string> questionsImportWords(const std::string& sheets) {
    return {"questions", "import",    "--test", "3",       "--grade",
            "1",         "--subject", "数学",   "def.csv", sheets};
}

}  // namespace

// Twenty questions of 5 points, the first five read by a mark-sheet reader (正答 ア, choices ア to
// エ), over three classes with one student absent and some answers blank: the score file then
// holds each student's sum exactly as importing a sheet of those sums writes it, and the marks
// are kept beside it.
TEST(QuestionImport, SumsEqualTheScoreImportOfTheSums) {
    TestYear marked(kThreeClassYear), summed(kThreeClassYear);
    const GradeData& grade = marked.data.grades[0];
    std::string definition = "問,配点,領域,観点,正答\n", marks = "組,番号", sums = "組,番号,数学\n";
    for (int q = 1; q <= 20; ++q) {
        definition +=
            "Q" + std::to_string(q) + ",5,数と式,知識・技能," + (q <= 5 ? "ア" : "") + "\n";
        marks += ",Q" + std::to_string(q);
    }
    marks += "\n";
    for (int c = 0; c < 3; ++c)
        for (unsigned s = 1; s <= grade.headCounts[c]; ++s) {
            if (c == 1 && s == 2) continue;  // absent: keeps no score
            const std::string row = std::to_string(c + 1) + "," + std::to_string(s);
            int sum = 0;
            marks += row;
            for (int q = 1; q <= 20; ++q) {
                const int v = (c * 7 + static_cast<int>(s) * 3 + q) % 7;  // 6: blank
                const char* choice[] = {"ア", "イ", "ウ", "エ", "ア", "ア", ""};
                marks += ",";
                marks += q <= 5 ? choice[v] : v == 6 ? "" : std::to_string(v);
                sum += q <= 5 ? (v == 0 || v == 4 || v == 5 ? 5 : 0) : v % 6;
            }
            marks += "\n";
            sums += row + "," + std::to_string(sum) + "\n";
        }
    writeBytes(marked.dir / "def.csv", definition);
    writeBytes(marked.dir / "marks.csv", marks);
    writeBytes(summed.dir / "sums.csv", sums);
    std::string printed;
    ASSERT_EQ(runJitsuryoku(marked.path(), questionsImportWords("marks.csv"), &printed), 0)
        << printed;
    ASSERT_EQ(runJitsuryoku(summed.path(),
                            {"import-scores", "sums.csv", "--test", "3", "--grade", "1"}, &printed),
              0)
        << printed;
    EXPECT_EQ(readBytes(scorePath(marked.path(), 2026, 3, 1)),
              readBytes(scorePath(summed.path(), 2026, 3, 1)));
    questions::QuestionMarks kept;
    ASSERT_TRUE(questions::readQuestionFile(
        questions::questionFilePath(marked.path(), 2026, 3, 1, 3), kept));
    EXPECT_EQ(kept.questions.size(), 20u);
    EXPECT_EQ(kept.students.size(),
              grade.headCounts[0] + grade.headCounts[1] + grade.headCounts[2] - 1);

    // A mark above its points is refused with its row, and nothing is written.
    writeBytes(marked.dir / "over.csv", "組,番号,Q1,Q6\n1,1,ア,6\n");
    const std::string before = readBytes(scorePath(marked.path(), 2026, 3, 1));
    EXPECT_EQ(runJitsuryoku(marked.path(), questionsImportWords("over.csv"), &printed), 1);
    EXPECT_NE(printed.find("over.csv:2: 問 Q6: 6 is above its points (5)"), std::string::npos)
        << printed;
    EXPECT_EQ(readBytes(scorePath(marked.path(), 2026, 3, 1)), before);
}

// Every finding of the two sheets, with its row, beside what was read (golden).
TEST(QuestionImport, FindingsNameTheirRows) {
    TestYear year(kThreeClassYear);
    writeBytes(year.dir / "def.csv",
               "数学 "
               "第3回\n問,配点,領域,観点,正答\n1,40,数と式,知識,ア\n2,30\n2,5\n3,x\n4,20,a,b,c\n6,"
               "5\n7,1,,,○\n");
    writeBytes(year.dir / "ans.csv",
               "組,番号,氏名,1,2,4,5\n1,1,,イ,31,20\n1,1,,ア,3,20\n1,99,,ア\n4,1,,ア\n"
               "2,1,,1,2.5\n2,2,,ｱ,,\n3,1,,ア,３０,\n");
    QuestionImportRequest request{1, 3, "数学"};
    QuestionPlan plan;
    ASSERT_TRUE(planQuestionImportFile(year.path(), year.data, year.dir / "def.csv",
                                       year.dir / "ans.csv", request, plan));
    std::string text = questionPlanText(plan, year.data.grades[0]);
    // The sheets' folder as the system joins names to it (a backslash on Windows), as DIR/.
    const std::string dir = (year.dir.path() / "").string();
    for (std::size_t at; (at = text.find(dir)) != std::string::npos;)
        text.replace(at, dir.size(), "DIR/");
    EXPECT_TRUE(matchesGolden(text, "question-import/findings.txt"));
}
