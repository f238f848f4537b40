// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace jitsu::questions {

// One question of a subject in a test, as its definition sheet gives it. Texts hold CP932 bytes.
struct Question {
    std::string label;      // 問, as the marks sheet's column heading names it
    int points = 0;         // 配点, 1 or more
    std::string domain;     // 領域
    std::string viewpoint;  // 観点
    std::string answer;  // 正答: the right choice of a mark-sheet question; empty when hand-marked
};

// One student's marks, in the order of the questions. A student without any mark was absent
// and has no entry at all; a question left blank by a present student is nullopt and earns 0.
struct StudentMarks {
    int cls = 0;   // 1 … the grade's classes
    int slot = 0;  // 1 … the class's head count (the roster's order)
    std::vector<std::optional<int>> points;
};

// The questions of one subject of one grade in one test, and the marks of the students present.
struct QuestionMarks {
    int gradeNumber = 1;
    int test = 1;
    std::string subject;  // CP932, as the basic data names it
    std::vector<Question> questions;
    std::vector<StudentMarks> students;  // in class and slot order
};

// The points of all the questions: the subject's full marks when the definition is right.
int totalPoints(const std::vector<Question>& questions);

// A student's subject score: the sum of the points earned, blanks earning nothing.
int scoreOf(const StudentMarks& student);

}  // namespace jitsu::questions
