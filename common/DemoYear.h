// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Status.h"

namespace jitsu {

inline constexpr unsigned kDemoYear = 2026;

// How big the invented year is: classes per grade and the range of head counts per class.
struct DemoYearSize {
    std::array<int, kGrades> classes{5, 4, 6};
    int fewestHeads = 28, mostHeads = 36;
};

// Writes an invented school year into `dir` (created if missing): the basic data file (five
// subjects, five tests; 社会 of test 2 out of 50), a roster per grade and the score files of tests
// 1 and 2 of every grade. The same size gives the same files on every machine. Refuses to replace
// an existing basic data file unless `force`. `written` receives a line per file written
// ("wrote FILE: what it holds").
Status writeDemoYear(const std::filesystem::path& dir, bool force, std::vector<Reason>& written,
                     const DemoYearSize& size = {});

}  // namespace jitsu
