// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "Status.h"

namespace jitsu::bench {

// The year the speed targets are measured on, written into `dir` with the suite's own writers:
// school year 2026, every grade with 20 subjects and 10 tests, each test's score and results
// files (all nine combinations). Grade 1 has 20 classes of 45 students (160 report pages; its
// roster names the 450 students a roster holds, so the check finds that error), grades 2 and 3
// have 10 classes of 45 (450 students: 225 history pages each). The same files on every machine.
inline constexpr unsigned kBenchYear = 2026;
Status writeFullYear(const std::filesystem::path& dir);

}  // namespace jitsu::bench
