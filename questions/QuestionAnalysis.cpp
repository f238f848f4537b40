// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionAnalysis.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace jitsu::questions {

namespace {

int earnedOn(const StudentMarks& student, std::size_t question) {
    return pointsOn(student, question).value_or(0);
}
bool rightOn(const QuestionMarks& marks, const StudentMarks& student, std::size_t question) {
    return markOf(marks.questions[question], pointsOn(student, question)) == Mark::Full;
}

// A place for every class, so that a class nobody sat still has its (empty) rate.
GradeRates emptyRates(int classCount) { return {{}, std::vector<Rate>(std::max(0, classCount))}; }

void add(GradeRates& rates, int cls, int earned, int possible) {
    rates.grade.earned += earned;
    rates.grade.possible += possible;
    if (cls >= 1 && cls <= static_cast<int>(rates.classes.size())) {
        rates.classes[cls - 1].earned += earned;
        rates.classes[cls - 1].possible += possible;
    }
}

// A caution index from its sums: `top` the sum over the first `count` sorted counts, `actual`
// the sum where the row (column) is right, `total` every right answer, `scale` n (or N). Both
// sides of the fraction are multiplied by `scale`, which keeps them whole numbers.
double caution(long long top, long long actual, long long count, long long total, long long scale) {
    const long long denominator = top * scale - count * total;
    if (denominator <= 0) return 0.0;
    return static_cast<double>((top - actual) * scale) / static_cast<double>(denominator);
}

}  // namespace

std::optional<double> Rate::percent() const {
    if (possible <= 0) return std::nullopt;
    return 100.0 * earned / possible;
}

std::optional<double> Rate::shownPercent() const {
    const auto exact = percent();
    if (!exact) return std::nullopt;
    return std::round(*exact * 10) / 10;
}

std::vector<GradeRates> questionRates(const QuestionMarks& marks, int classCount) {
    std::vector<GradeRates> rates(marks.questions.size(), emptyRates(classCount));
    for (const StudentMarks& student : marks.students)
        for (std::size_t q = 0; q < marks.questions.size(); ++q)
            add(rates[q], student.cls, earnedOn(student, q), marks.questions[q].points);
    return rates;
}

std::vector<GroupRates> groupRates(const QuestionMarks& marks, int classCount, Grouping by) {
    std::vector<GroupRates> groups;
    std::vector<int> groupOf;  // per question, or -1
    for (const Question& question : marks.questions) {
        const std::string& name = by == Grouping::Domain ? question.domain : question.viewpoint;
        if (name.empty()) {
            groupOf.push_back(-1);
            continue;
        }
        const auto found = std::find_if(groups.begin(), groups.end(),
                                        [&](const GroupRates& g) { return g.name == name; });
        groupOf.push_back(static_cast<int>(found - groups.begin()));
        if (found == groups.end())
            groups.push_back(
                {name, 0, 0, emptyRates(classCount), std::vector<Rate>(marks.students.size())});
        GroupRates& group = groups[static_cast<std::size_t>(groupOf.back())];
        ++group.questionCount;
        group.points += question.points;
    }
    for (std::size_t s = 0; s < marks.students.size(); ++s) {
        const StudentMarks& student = marks.students[s];
        for (std::size_t q = 0; q < marks.questions.size(); ++q) {
            if (groupOf[q] < 0) continue;
            GroupRates& group = groups[static_cast<std::size_t>(groupOf[q])];
            const int earned = earnedOn(student, q);
            const int possible = marks.questions[q].points;
            add(group.rates, student.cls, earned, possible);
            group.students[s].earned += earned;
            group.students[s].possible += possible;
        }
    }
    return groups;
}

std::optional<int> pointsOn(const StudentMarks& student, std::size_t question) {
    return question < student.points.size() ? student.points[question] : std::nullopt;
}

Mark markOf(const Question& question, const std::optional<int>& earned) {
    if (!earned || *earned <= 0) return Mark::None;
    return *earned >= question.points ? Mark::Full : Mark::Part;
}

SpChart spChart(const QuestionMarks& marks, std::optional<int> cls) {
    SpChart chart;
    const std::size_t n = marks.questions.size();
    std::vector<int> score;  // per student of marks, their points, to break ties
    std::vector<int> rightCount(marks.students.size(), 0);
    std::vector<int> questionCount(n, 0);
    for (std::size_t s = 0; s < marks.students.size(); ++s) {
        const StudentMarks& student = marks.students[s];
        score.push_back(scoreOf(student));
        if (cls && student.cls != *cls) continue;
        chart.students.push_back(static_cast<int>(s));
        for (std::size_t q = 0; q < n; ++q)
            if (rightOn(marks, student, q)) {
                ++rightCount[s];
                ++questionCount[q];
            }
    }
    // Stable sorts keep class and slot order, and question order, among equals.
    std::stable_sort(chart.students.begin(), chart.students.end(), [&](int a, int b) {
        if (rightCount[a] != rightCount[b]) return rightCount[a] > rightCount[b];
        return score[a] > score[b];
    });
    chart.questions.resize(n);
    std::iota(chart.questions.begin(), chart.questions.end(), 0);
    std::stable_sort(chart.questions.begin(), chart.questions.end(),
                     [&](int a, int b) { return questionCount[a] > questionCount[b]; });

    const std::size_t rows = chart.students.size();
    chart.cells_.assign(rows * n, 0);
    for (std::size_t r = 0; r < rows; ++r) {
        const StudentMarks& student = marks.students[static_cast<std::size_t>(chart.students[r])];
        for (std::size_t c = 0; c < n; ++c) {
            const auto q = static_cast<std::size_t>(chart.questions[c]);
            chart.cells_[r * n + c] = rightOn(marks, student, q);
        }
        chart.studentRight.push_back(rightCount[static_cast<std::size_t>(chart.students[r])]);
    }
    for (int q : chart.questions) chart.questionRight.push_back(questionCount[q]);

    // Prefix sums of the sorted counts: the sums over the first s_i columns or p_j rows.
    std::vector<long long> columnTop(n + 1, 0), rowTop(rows + 1, 0);
    for (std::size_t c = 0; c < n; ++c) columnTop[c + 1] = columnTop[c] + chart.questionRight[c];
    for (std::size_t r = 0; r < rows; ++r) rowTop[r + 1] = rowTop[r] + chart.studentRight[r];
    const long long total = columnTop[n];  // the same sum either way: every right answer
    for (std::size_t r = 0; r < rows; ++r) {
        long long actual = 0;
        for (std::size_t c = 0; c < n; ++c)
            if (chart.cells_[r * n + c]) actual += chart.questionRight[c];
        const int s = chart.studentRight[r];
        chart.studentCaution.push_back(caution(columnTop[static_cast<std::size_t>(s)], actual, s,
                                               total, static_cast<long long>(n)));
    }
    for (std::size_t c = 0; c < n; ++c) {
        long long actual = 0;
        for (std::size_t r = 0; r < rows; ++r)
            if (chart.cells_[r * n + c]) actual += chart.studentRight[r];
        const int p = chart.questionRight[c];
        chart.questionCaution.push_back(caution(rowTop[static_cast<std::size_t>(p)], actual, p,
                                                total, static_cast<long long>(rows)));
    }
    return chart;
}

}  // namespace jitsu::questions
