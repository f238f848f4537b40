#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Fixtures.h"
#include "Paths.h"
#include "TempDir.h"
#include "TestScores.h"

// A small school year of 2001: every grade has three classes "１組" … of three students and the
// two subjects 英語 and 数学 in five tests.
inline jitsu::BasicData checkListYear() {
    jitsu::BasicData data;
    data.schoolName.assign(sj("桜中"));
    data.testName.assign(sj("実力テスト"));
    data.year = 2001;
    data.rosterTag.assign("N");
    const char* const classNames[] = {"１組", "２組", "３組"};
    for (auto& grade : data.grades) {
        grade = makeGrade(3, 3, 2, 5);
        for (int c = 0; c < 3; ++c) grade.classNames[c].assign(sj(classNames[c]));
        grade.subjectNames[0].assign(sj("英語"));
        grade.subjectNames[1].assign(sj("数学"));
    }
    return data;
}

// A roster of `students` lines "g0001,生徒1" … in CP932 with CR LF, for grade `grade` (1 … 3).
inline void writeCheckListRoster(const TempDir& dir, int grade, int students) {
    std::string text;
    for (int i = 1; i <= students; ++i)
        text += std::to_string(grade * 10000 + i) + "," + sj("生徒") + std::to_string(i) + "\r\n";
    writeBytes(jitsu::rosterPath(dir.path(), "N", 2001, grade), text);
}

inline void writeCheckListScores(const TempDir& dir, const jitsu::GradeData& grade, int gradeNumber,
                                 const jitsu::TestScores& scores, int test = 1) {
    ASSERT_TRUE(
        jitsu::writeScores(jitsu::scorePath(dir.path(), 2001, test, gradeNumber), grade, scores));
}

// The lines of a trace.
inline std::vector<std::string> traceLines(const std::string& trace) {
    std::vector<std::string> lines;
    std::string::size_type start = 0, end;
    while ((end = trace.find('\n', start)) != std::string::npos) {
        lines.push_back(trace.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The lines of each sheet: those after "page n" up to the next sheet or "end".
inline std::vector<std::vector<std::string>> tracePages(const std::string& trace) {
    std::vector<std::vector<std::string>> pages;
    bool inPage = false;
    for (const std::string& line : traceLines(trace)) {
        if (line.rfind("page ", 0) == 0) {
            pages.emplace_back();
            inPage = true;
        } else if (line == "end" || line == "begin") {
            inPage = false;
        } else if (inPage) {
            pages.back().push_back(line);
        }
    }
    return pages;
}

// The "text x y …" lines of a page whose position is (x, y).
inline std::vector<std::string> textsAt(const std::vector<std::string>& page, int x, int y) {
    const std::string prefix = "text " + std::to_string(x) + " " + std::to_string(y) + " ";
    std::vector<std::string> texts;
    for (const std::string& line : page)
        if (line.rfind(prefix, 0) == 0) texts.push_back(line.substr(prefix.size()));
    return texts;
}

inline int countPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}
