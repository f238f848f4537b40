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
inline constexpr std::size_t kNameField = 30;        // school, test and student names
inline constexpr std::size_t kRosterTagField = 20;
inline constexpr std::size_t kShortNameField = 10;   // class and subject names
inline constexpr std::size_t kStudentNumberField = 10;

inline constexpr int kNoScore = -1;
inline constexpr float kNoValue = -1.0f;

}  // namespace jitsu
