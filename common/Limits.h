// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace jitsu {

// Capacities of the records and the file layouts.
inline constexpr int kMaxClasses = 20;
inline constexpr int kMaxSubjects = 20;
inline constexpr int kMaxTests = 10;
inline constexpr int kSlots = 45;  // student slots per class
inline constexpr int kRosterEntries = 450;
inline constexpr int kGrades = 3;
inline constexpr int kCombinations = 9;
inline constexpr int kDisciplines = 5;

// Field sizes in bytes, each including its terminating zero.
inline constexpr std::size_t kNameField = 30;  // school, test and student names
inline constexpr std::size_t kRosterTagField = 20;
inline constexpr std::size_t kShortNameField = 10;  // class and subject names
inline constexpr std::size_t kStudentNumberField = 10;

// The largest file each reader takes: about four times the largest file of its kind that the
// suite can write at the limits above with every number at its widest (a score file 218 KB,
// a results file with every float at its widest 1.9 MB; basic data and a roster of 450 lines
// with full fields are under 40 KB). Anything larger is no file of its kind and is refused
// before it is read.
inline constexpr std::size_t kMaxBasicDataBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxRosterBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxScoreFileBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxResultsFileBytes = std::size_t(8) << 20;

// The ranges of the values the files carry, for the readers, the editor, its checks and the
// command line alike. Discipline numbers run from 1 to kDisciplines, class, subject and test
// counts up to their capacities above.
inline constexpr unsigned kFirstYear = 2000, kLastYear = 2100;
inline constexpr int kMaxHeadCount = kSlots;  // 0 … 45 students a class
inline constexpr int kMaxFullMarks = 999;     // 0 … 999, a score up to its subject's

inline constexpr int kNoScore = -1;
inline constexpr float kNoValue = -1.0f;

}  // namespace jitsu
