#pragma once

#include <string>

#include "BasicData.h"
#include "Cp932.h"

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
        grade.subjectNames[j].assign("S" + std::to_string(j + 1));
        grade.disciplineNumbers[j] = j % 5 + 1;
        for (int t = 0; t < tests; ++t) grade.fullMarks[t][j] = 100;
    }
    return grade;
}

// CP932 bytes of a UTF-8 literal.
inline std::string sj(const char* utf8) { return jitsu::toCp932(utf8); }
