// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Cp932.h"
#include "TestScores.h"

// A small grade built in code: `classes` classes of `heads` students, `subjects` subjects of
// disciplines 1, 2, … (wrapping after 5), `tests` tests with full marks 100.
inline jitsu::GradeData makeGrade(int classes, unsigned heads, int subjects, int tests = 1) {
    jitsu::GradeData grade;
    grade.classCount = classes;
    for (int k = 0; k < classes; ++k) {
        grade.classNames[k].assign(std::to_string(k + 1));
        grade.headCounts[k] = heads;
    }
    grade.subjectCount = subjects;
    grade.testCount = tests;
    for (int j = 0; j < subjects; ++j) {
        std::string name = "S";
        name += std::to_string(j + 1);
        grade.subjectNames[j].assign(name);
        grade.disciplineNumbers[j] = j % 5 + 1;
        for (int t = 0; t < tests; ++t) grade.fullMarks[t][j] = 100;
    }
    return grade;
}

// CP932 bytes of a UTF-8 literal.
inline std::string sj(const char* utf8) { return jitsu::toCp932(utf8); }

// Scores 0 to 100 of a grade whose students each sit one subject of every discipline (picked at
// random among the subjects of that discipline), one score in twenty missing: every combination
// then has totals, ties included.
inline std::unique_ptr<jitsu::TestScores> electiveScores(const jitsu::GradeData& grade,
                                                         unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int> byDiscipline[6];
    for (int j = 0; j < grade.subjects(); ++j)
        if (grade.disciplineNumbers[j] <= 5) byDiscipline[grade.disciplineNumbers[j]].push_back(j);
    auto scores = std::make_unique<jitsu::TestScores>();
    for (int c = 0; c < grade.classes(); ++c)
        for (unsigned s = 0; s < grade.headCounts[c] && s < jitsu::kSlots; ++s)
            for (const std::vector<int>& subjects : byDiscipline) {
                if (subjects.empty() || rng() % 20 == 0) continue;
                scores->scores[subjects[rng() % subjects.size()]][c][s] =
                    static_cast<int>(rng() % 101);
            }
    return scores;
}
