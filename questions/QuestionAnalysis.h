// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "QuestionMarks.h"

namespace jitsu::questions {

// Points earned out of points possible. With nothing possible (nobody present) there is no
// percentage, never a division by zero.
struct Rate {
    int earned = 0;
    int possible = 0;

    std::optional<double> percent() const;
    // The percentage to one decimal, halves away from zero: the figure pages and exports show
    // (56.25 is 56.3 on both, whatever printf would make of it).
    std::optional<double> shownPercent() const;
    // Under half of the points possible: the questions a page marks.
    bool underHalf() const { return possible > 0 && 2 * earned < possible; }
};

// A rate for the grade and one for each class (index 0 is class 1).
struct GradeRates {
    Rate grade;
    std::vector<Rate> classes;
};

// Each question's rate in the order of the questions: over the students present, the points
// earned on it against its points once per student; a blank earns nothing. `classCount` is the
// grade's classes; a student of a class beyond it counts for the grade only.
std::vector<GradeRates> questionRates(const QuestionMarks& marks, int classCount);

// The questions sharing a domain (領域) or a viewpoint (観点) taken together.
enum class Grouping { Domain, Viewpoint };
struct GroupRates {
    std::string name;  // CP932, as the definition names it
    int questionCount = 0;
    int points = 0;  // of its questions together
    GradeRates rates;
    std::vector<Rate> students;  // in the order of marks.students
};

// One entry per domain or viewpoint, in the order the questions first name them; a question
// naming none belongs to no entry.
std::vector<GroupRates> groupRates(const QuestionMarks& marks, int classCount, Grouping by);

// The S-P chart of a class or the grade, on the right/wrong table of its students: a question is
// right when it earned its full points. Rows are the students by number right (then by score,
// then in class and slot order), columns the questions by number of students right (then in
// question order). The S curve runs after column studentRight[r] in row r, the P curve under
// row questionRight[c] in column c.
//
// Sato's caution indices, with the rows and columns so sorted, u the table, s_i a row's number
// right, p_j a column's, n questions and N students:
//   student  CS_i = (Σ_{j≤s_i} p_j − Σ_j u_ij·p_j) / (Σ_{j≤s_i} p_j − s_i·(Σ_j p_j)/n)
//   question CP_j = (Σ_{i≤p_j} s_i − Σ_i u_ij·s_i) / (Σ_{i≤p_j} s_i − p_j·(Σ_i s_i)/N)
// how far a pattern lies from the perfect one of the same count, against how far a pattern of
// chance lies. A denominator of zero (all right, all wrong, every column alike) has a numerator
// of zero too, and gives 0: such a pattern cannot be unusual.
struct SpChart {
    std::vector<int> students;   // indices into marks.students, row by row
    std::vector<int> questions;  // indices into marks.questions, column by column
    std::vector<int> studentRight;
    std::vector<int> questionRight;
    std::vector<double> studentCaution;
    std::vector<double> questionCaution;

    bool right(int row, int column) const {
        return cells_[static_cast<std::size_t>(row) * questions.size() +
                      static_cast<std::size_t>(column)] != 0;
    }

private:
    friend SpChart spChart(const QuestionMarks&, std::optional<int>);
    std::vector<std::uint8_t> cells_;  // row by row
};

// A caution index of 0.5 or above marks an unusual pattern.
inline bool cautionFlagged(double index) { return index >= 0.5; }

// The chart of class `cls` (1 …), or of the grade without one.
SpChart spChart(const QuestionMarks& marks, std::optional<int> cls);

// Whether the student earned the question's full points (○), part of them (△) or none (×).
enum class Mark { Full, Part, None };
Mark markOf(const Question& question, const std::optional<int>& earned);

// The student's points on question `question` (0-based); nullopt for a blank, and for a
// question past the student's marks.
std::optional<int> pointsOn(const StudentMarks& student, std::size_t question);

}  // namespace jitsu::questions
