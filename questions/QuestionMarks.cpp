// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionMarks.h"

#include <numeric>

namespace jitsu::questions {

int totalPoints(const std::vector<Question>& questions) {
    return std::accumulate(questions.begin(), questions.end(), 0,
                           [](int sum, const Question& q) { return sum + q.points; });
}

int scoreOf(const StudentMarks& student) {
    return std::accumulate(
        student.points.begin(), student.points.end(), 0,
        [](int sum, const std::optional<int>& p) { return sum + p.value_or(0); });
}

}  // namespace jitsu::questions
