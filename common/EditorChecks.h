// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "EditorTexts.h"

namespace jitsu {

// A text that the basic data file cannot carry, and where it is.
struct EditorFinding {
    enum class Place { SchoolName, TestName, Cell } place = Place::Cell;
    int grade = 0;  // for a cell: its grade 1 to 3, grid and [column, row]
    Grid grid = Grid::Classes;
    int column = 0;
    int row = 0;
    std::string text;  // one line for the user (UTF-8): grade, field, column and what is wrong
};

// Checks the texts within the counts, in the order of the file: school and test names
// non-empty, free of ASCII whitespace, representable in CP932 in at most 29 bytes; class and
// subject names likewise in at most 9 bytes; head counts decimal numbers 0 to 45 (leading zeros
// allowed); discipline numbers 1 to 5; full marks empty or 0 to 999. One finding per cell at
// most; an empty list means the texts can be saved.
std::vector<EditorFinding> checkEditorTexts(const EditorTexts& texts);

// The classes within the counts whose head count is 0 and that hold roster lines or scores
// (`holdings` of the grade and class, both from 1: what they hold, "" for nothing), as
// findings on their head count cells naming what they hold: that roster's students or scores
// would be taken for the next class's. Asked about at save.
std::vector<EditorFinding> emptyClasses(
    const EditorTexts& texts, const std::function<std::string(int grade, int cls)>& holdings);

}  // namespace jitsu
