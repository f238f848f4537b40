// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Format.h"
#include "Golden.h"
#include "MarksText.h"
#include "QuestionAnalysis.h"

using namespace jitsu;
using namespace jitsu::questions;

namespace {

std::string rateText(const Rate& rate) {
    const auto percent = rate.shownPercent();
    return percent ? formatFixed(*percent, 1) + (rate.underHalf() ? "<" : "") : "-";
}

std::string cautionText(double index) {
    return formatFixed(index, 3) + (cautionFlagged(index) ? "*" : "");
}

std::string gradeRatesText(const GradeRates& rates) {
    std::string text = rateText(rates.grade);
    for (const Rate& rate : rates.classes) text += " " + rateText(rate);
    return text;
}

std::string groupsText(const char* heading, const std::vector<GroupRates>& groups) {
    std::string text = std::string(heading) + " grade class1 class2 class3 | students\n";
    for (const GroupRates& group : groups) {
        text += group.name + " " + gradeRatesText(group.rates) + " |";
        for (const Rate& rate : group.students) text += " " + rateText(rate);
        text += "\n";
    }
    return text;
}

std::string chartText(const QuestionMarks& marks, const SpChart& chart) {
    std::string text = "columns";
    for (int q : chart.questions) text += " " + marks.questions[q].label;
    for (std::size_t r = 0; r < chart.students.size(); ++r) {
        const StudentMarks& s = marks.students[chart.students[r]];
        text += "\n" + std::to_string(s.cls) + "-" + std::to_string(s.slot) + " ";
        for (std::size_t c = 0; c < chart.questions.size(); ++c)
            text += chart.right(static_cast<int>(r), static_cast<int>(c)) ? "1" : "0";
        text += " " + std::to_string(chart.studentRight[r]) + " " +
                cautionText(chart.studentCaution[r]);
    }
    text += "\nright";
    for (int p : chart.questionRight) text += " " + std::to_string(p);
    text += "\ncaution";
    for (double index : chart.questionCaution) text += " " + cautionText(index);
    return text + "\n";
}

// The golden file's notes (the working by hand) stay as they are; the rest is compared.
TEST(QuestionAnalysis, MatchesTheClassWorkedByHand) {
    const QuestionMarks marks =
        marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")));
    const std::string golden = readBytes(goldenPath("questions-analysis/expected.txt"));
    std::string text = golden.substr(0, golden.find("\nquestion ") + 1);
    text += "question grade class1 class2 class3\n";
    const std::vector<GradeRates> rates = questionRates(marks, 3);
    for (std::size_t q = 0; q < rates.size(); ++q)
        text += marks.questions[q].label + " " + gradeRatesText(rates[q]) + "\n";
    text += groupsText("domain", groupRates(marks, 3, Grouping::Domain));
    text += groupsText("viewpoint", groupRates(marks, 3, Grouping::Viewpoint));
    text += "sp class 1\n" + chartText(marks, spChart(marks, 1));
    EXPECT_TRUE(matchesGolden(text, "questions-analysis/expected.txt"));
}

// The figure shown: halves away from zero, as 9 of 16 (56.25) would not be by printf.
TEST(QuestionAnalysis, ShowsRatesRoundedHalfUp) {
    const std::vector<std::pair<Rate, std::optional<double>>> cases = {
        {{9, 16}, 56.3}, {{1, 3}, 33.3}, {{2, 3}, 66.7}, {{1, 8}, 12.5}, {{0, 0}, std::nullopt}};
    for (const auto& [rate, shown] : cases)
        EXPECT_EQ(rate.shownPercent(), shown) << rate.earned << "/" << rate.possible;
}

// Patterns with no spread give indices of 0, never a division by zero.
struct DegenerateCase {
    const char* name;
    const char* marks;  // three one-point questions
    std::vector<double> studentCaution, questionCaution;
};

class Degenerate : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(Degenerate, GivesDefinedIndices) {
    const DegenerateCase& c = GetParam();
    const QuestionMarks marks =
        marksFromText(std::string("Q 1 1 A K\nQ 2 1 A K\nQ 3 1 B K\n") + c.marks);
    const SpChart chart = spChart(marks, std::nullopt);
    EXPECT_EQ(chart.studentCaution, c.studentCaution);
    EXPECT_EQ(chart.questionCaution, c.questionCaution);
    for (const GradeRates& rates : questionRates(marks, 1))
        EXPECT_EQ(rates.grade.percent().has_value(), !marks.students.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SpChart, Degenerate,
    ::testing::Values(DegenerateCase{"nobody", "", {}, {0, 0, 0}},
                      DegenerateCase{"oneStudent", "S 1 1 1 0 1\n", {0}, {0, 0, 0}},
                      DegenerateCase{"allRight", "S 1 1 1 1 1\nS 1 2 1 1 1\n", {0, 0}, {0, 0, 0}},
                      DegenerateCase{"allWrong", "S 1 1 0 - 0\nS 1 2 0 0 0\n", {0, 0}, {0, 0, 0}},
                      DegenerateCase{
                          "columnsAlike", "S 1 1 1 1 1\nS 1 2 0 0 0\n", {0, 0}, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
