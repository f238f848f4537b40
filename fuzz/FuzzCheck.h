// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "BasicData.h"
#include "FileFindings.h"

// What every fuzz target shares: the check that ends the run on a broken promise, and a grade
// shape taken from the input's first two bytes (0 … 20 classes and subjects, 45 students each,
// or fewer where a target says so).
namespace jitsu::fuzz {

inline void require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// The most classes and subjects a target's grade may have.
struct Shape {
    int classes = kMaxClasses, subjects = kMaxSubjects;
};

inline GradeData gradeFrom(std::string_view& input, Shape most = {}) {
    GradeData grade;
    if (input.size() < 2) return grade;
    grade.classCount = static_cast<unsigned char>(input[0]) % (most.classes + 1);
    grade.subjectCount = static_cast<unsigned char>(input[1]) % (most.subjects + 1);
    grade.testCount = 1;
    for (int c = 0; c < grade.classes(); ++c) grade.headCounts[c] = kSlots;
    input.remove_prefix(2);
    return grade;
}

// The health of `input` as a reader reports it: every part of the record used once.
inline void useHealth(std::string_view input, FileFindings& health) {
    surveyBytes(input, health);
    const ShapeFit fit = checkShape(health);
    require(health.damaged() == !health.describe().empty(), "damaged() agrees with describe()");
    require(!fit.fits || fit.found == fit.expected, "a fitting shape has found == expected");
    require(health.badTokenPlaces.size() <= health.badTokens, "no more places than bad tokens");
}

// The fuzzer's bytes as the text a reader gets.
inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// What every target does: `parse(text, record, health)` on any bytes, the health checked. With
// JITSU_ROUND_TRIP (unless `damagedToo` is false and the input is damaged), what was read is
// written with `write`, parsed again and written again: the same bytes, or `what` is broken.
struct Healths {
    FileFindings read, written;
};

// Record `which` (0 or 1) of its kind, set to `pristine`. Each run reuses the same two, and
// copies the pristine record over them in one go: constructing or resetting up to 330 KB element
// by element, every element instrumented, costs more than a short input costs reading.
template <typename Record>
Record& freshRecord(int which, const Record& pristine) {
    static std::unique_ptr<Record> records[2] = {std::make_unique<Record>(),
                                                 std::make_unique<Record>()};
    Record* record = records[which].get();
    *record = pristine;
    return *record;
}

// A record of its kind as new, made once.
template <typename Record>
const Record& newRecord() {
    static const std::unique_ptr<Record> pristine = std::make_unique<Record>();
    return *pristine;
}

template <typename Record, typename Parse, typename Write>
Healths checkReader(std::string_view input, Parse parse, [[maybe_unused]] Write write,
                    [[maybe_unused]] const char* what, [[maybe_unused]] bool damagedToo = true,
                    const Record& pristine = newRecord<Record>()) {
    Healths health;
    Record& read = freshRecord<Record>(0, pristine);
    parse(input, read, &health.read);
    useHealth(input, health.read);
#ifdef JITSU_ROUND_TRIP
    if (!damagedToo && health.read.damaged()) return health;
    const std::string written = write(read);
    Record& again = freshRecord<Record>(1, pristine);
    parse(written, again, &health.written);
    require(write(again) == written, what);
#endif
    return health;
}

}  // namespace jitsu::fuzz
