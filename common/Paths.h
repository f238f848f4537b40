// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace jitsu {

// The year's last two digits: 2005 → "05", 2010 → "10", 2026 → "26".
std::string twoDigitYear(unsigned year);

// The suite's data files, joined to the working directory `dir`.
std::filesystem::path basicDataPath(const std::filesystem::path& dir);  // wqnmkiso.txt
std::filesystem::path rosterPath(const std::filesystem::path& dir, std::string_view rosterTag,
                                 unsigned year, int grade);  // N011.csv
// The copy of the roster that the grade's score files are aligned to, hidden beside it:
// ".jitsuryoku-aligned-N011.csv" for N011.csv.
std::filesystem::path alignedRosterPath(const std::filesystem::path& roster);
std::filesystem::path scorePath(const std::filesystem::path& dir, unsigned year, int test,
                                int grade);  // JT01_2_3.txt
std::filesystem::path resultsPath(const std::filesystem::path& dir, unsigned year, int test,
                                  int grade);  // JK01_3_2.txt

}  // namespace jitsu
