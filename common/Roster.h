// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "BasicData.h"
#include "Cp932Text.h"
#include "FileFindings.h"
#include "Limits.h"
#include "Messages.h"
#include "Status.h"
#include "TextField.h"

namespace jitsu {

// The roster of one grade: student numbers and names in file order, and each class's range of
// entries computed from the head counts.
struct GradeRoster {
    TextField<kStudentNumberField> studentNumbers[kRosterEntries];
    TextField<kNameField> studentNames[kRosterEntries];
    int classFirst[kMaxClasses + 1] = {};
    int classLast[kMaxClasses] = {};

    // The roster entry of slot `slot` of class `cls`, or -1 when it lies past the roster's 450
    // entries or past the class's head count.
    int entryOf(int cls, int slot) const {
        int entry = classFirst[cls] + slot;
        return entry <= classLast[cls] && entry < kRosterEntries ? entry : -1;
    }
    // The student number and name of an entry; empty for an entry outside the roster.
    Cp932View numberAt(int entry) const {
        return entry >= 0 && entry < kRosterEntries ? studentNumbers[entry].view() : Cp932View();
    }
    Cp932View nameAt(int entry) const {
        return entry >= 0 && entry < kRosterEntries ? studentNames[entry].view() : Cp932View();
    }
};

// Reads a roster byte by byte: a comma or a tab ends a student number, a line feed ends a name
// (numbers and names are two running lists). CR LF reads as LF. A last line without a line end
// keeps its name. A student number written with full-width digits or blanks around it is kept
// in its normal form (normalStudentNumber); any other number as it stands. Entries past 450 are
// ignored; fields are cut to their sizes. Fails only when the file cannot be read
// (readTextFile: missing told apart). With `health`, records the entries read (names), the
// line ends and the encoding, and rejects with its line every line that is not exactly a number
// and a name within their fields, a byte order mark and a line past the 450th; no count of
// entries is expected.
// With `grade` too, a count of lines other than the sum of its head counts is a finding at the
// first line that differs.
Status readRoster(const std::filesystem::path& path, GradeRoster& roster,
                  FileFindings* health = nullptr, const GradeData* grade = nullptr);
void parseRoster(std::string_view text, GradeRoster& roster, FileFindings* health = nullptr);

// classFirst/classLast from the head counts. A class holds its head count of entries, but no
// range reaches entry 450 or beyond.
void classRanges(const GradeData& grade, GradeRoster& roster);

// The first student of a grade that no roster can name, its head counts adding up to more than
// the 450 entries a roster holds: the class and the position in it (both from 0), or nullopt
// when every student has an entry.
struct RosterPlace {
    int cls = 0, slot = 0;
};
std::optional<RosterPlace> firstUnnamedStudent(const GradeData& grade);

// Asked before printing from a grade's roster: true at once when every student has an entry;
// otherwise a warning names the first student that prints without a name and asks whether to
// print anyway (Esc and the close button stop).
bool goOnDespiteRosterLimit(const GradeData& grade, Messages& messages);

}  // namespace jitsu
