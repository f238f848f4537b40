// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FileFindings.h"
#include "Limits.h"
#include "Status.h"
#include "TextField.h"

namespace jitsu {

// One grade of the basic data file. Counts are never above the array limits, head counts never
// above the roster's 450 entries.
struct GradeData {
    std::uint32_t classCount = 0;
    TextField<kShortNameField> classNames[kMaxClasses];
    std::uint32_t headCounts[kMaxClasses] = {};
    std::uint32_t subjectCount = 0;
    std::uint32_t testCount = 0;
    TextField<kShortNameField> subjectNames[kMaxSubjects];
    std::uint32_t disciplineNumbers[kMaxSubjects] = {};
    // [test][subject]; a value below 1 means the subject is not given in that test.
    std::int32_t fullMarks[kMaxTests][kMaxSubjects] = {};

    int classes() const { return static_cast<int>(classCount); }
    int subjects() const { return static_cast<int>(subjectCount); }
    int tests() const { return static_cast<int>(testCount); }
    // The slots of class `cls` (0-based) that hold students: its head count, never more than
    // the records' 45.
    int studentSlots(int cls) const {
        return headCounts[cls] < static_cast<std::uint32_t>(kSlots)
                   ? static_cast<int>(headCounts[cls])
                   : kSlots;
    }
    // Whether subject j is given in test index t (0-based).
    bool isGiven(int test, int subject) const { return fullMarks[test][subject] >= 1; }
};

// The content of the basic data file: the school year.
struct BasicData {
    TextField<kNameField> schoolName;
    TextField<kNameField> testName;
    std::uint32_t year = 0;
    TextField<kRosterTagField> rosterTag;
    GradeData grades[kGrades];
};

// Reads the basic data file with the formats "%s %s %u %s", then per grade "%u", class lines
// "%s %u", "%u %u", subject lines "%s %u" and the full marks "%d". Counts above their limits
// are clamped; a malformed token leaves its field unchanged. Fails only when the file cannot
// be read (readTextFile: missing told apart). With `health`, also records what it saw there,
// clamped counts included, against the values the counts read call for.
Status readBasicData(const std::filesystem::path& path, BasicData& data,
                     FileFindings* health = nullptr);
void parseBasicData(std::string_view text, BasicData& data, FileFindings* health = nullptr);

// The values a basic data file with the counts of `data` holds.
std::size_t basicDataValues(const BasicData& data);

// What the editor holds, as CP932 texts: numbers other than the counts are texts exactly as
// typed, and an empty full-marks text stands for a subject not given.
struct BasicDataTexts {
    struct Grade {
        unsigned classCount = 0;
        std::vector<std::string> classNames, headCounts;  // classCount entries each
        unsigned subjectCount = 0;
        unsigned testCount = 0;
        std::vector<std::string> subjectNames, disciplineNumbers;  // subjectCount entries each
        std::vector<std::vector<std::string>> fullMarks;           // [subject][test]
    };
    std::string schoolName, testName;
    unsigned year = 0;
    std::array<Grade, kGrades> grades;
};

// The texts that write back a record as read (full marks below 1 as empty).
BasicDataTexts textsOf(const BasicData& data);

// The file's exact bytes for `texts` (CR LF line ends); missing entries are written empty.
std::string formatBasicData(const BasicDataTexts& texts);

// Replaces the basic data file atomically; fails when it cannot be written.
Status writeBasicData(const std::filesystem::path& path, const BasicDataTexts& texts);

}  // namespace jitsu
