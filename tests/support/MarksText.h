// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>

#include "QuestionMarks.h"

// Marks written as text, for the test cases under tests/data/: "Q label points domain
// viewpoint" a question, "S class slot p1 p2 …" a student ("-" a blank); "#" lines are notes.
inline jitsu::questions::QuestionMarks marksFromText(const std::string& text) {
    jitsu::questions::QuestionMarks marks;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "Q") {
            jitsu::questions::Question q;
            words >> q.label >> q.points >> q.domain >> q.viewpoint;
            marks.questions.push_back(q);
        } else if (kind == "S") {
            jitsu::questions::StudentMarks s;
            words >> s.cls >> s.slot;
            for (std::string p; words >> p;)
                s.points.push_back(p == "-" ? std::nullopt : std::optional<int>(std::stoi(p)));
            marks.students.push_back(s);
        }
    }
    return marks;
}
