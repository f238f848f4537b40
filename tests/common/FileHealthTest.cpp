// SPDX-License-Identifier: GPL-3.0-or-later
// What the readers report besides their records: one table of files, and the line a person reads
// for each ("name: finding", in the golden file; empty for a sound file).
#include <gtest/gtest.h>

#include "BasicData.h"
#include "Fixtures.h"
#include "Golden.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

enum class Kind { Scores, Basic, Roster, Results };

struct HealthCase {
    const char* name;
    Kind kind;
    std::string bytes;
};

// n score values of "7 ", three to a line.
std::string values(std::size_t n, const char* lineEnd = "\r\n") {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += (i % 3 == 2) ? std::string("7 ") + lineEnd : "7 ";
    return out;
}

std::string basicWith(const std::string& counts) { return "S T 2026 N " + counts; }

FileHealth readWithHealth(const HealthCase& c) {
    TempDir dir;
    const auto f = dir / "f.txt";
    writeBytes(f, c.bytes);
    const GradeData grade = makeGrade(1, 45, 3);  // 135 score values
    FileHealth h;
    const Status status =
        c.kind == Kind::Scores   ? readScores(f, grade, *std::make_unique<TestScores>(), &h)
        : c.kind == Kind::Basic  ? readBasicData(f, *std::make_unique<BasicData>(), &h)
        : c.kind == Kind::Roster ? readRoster(f, *std::make_unique<GradeRoster>(), &h)
                                 : readResultsFile(f, grade, *std::make_unique<GradeResults>(), &h);
    EXPECT_TRUE(status) << status.reason();
    return h;
}

}  // namespace

TEST(ReaderHealth, TellsWhatItSaw) {
    const HealthCase cases[] = {
        {"SoundScores", Kind::Scores, values(135)},
        {"SoundScoresLfOnly", Kind::Scores, values(135, "\n")},
        {"EmptyScores", Kind::Scores, ""},
        {"TruncatedScores", Kind::Scores, values(100)},
        {"ScoresOfAnotherShape", Kind::Scores, values(180)},
        {"StrayLetters", Kind::Scores, "7 7 7 \r\n7 x 7 \r\n7 7 y \r\n" + values(126)},
        {"DigitsThenLetters", Kind::Scores, "7 7 7 \r\n12ab " + values(131)},
        {"NulBytes", Kind::Scores, std::string(10, '\0')},
        {"ClampedCount", Kind::Basic, basicWith("999")},
        {"NegativeCount", Kind::Basic, basicWith("0 0 0 -1")},
        {"BasicDataWithAWord", Kind::Basic, basicWith("three 0 0 0 0 0 0 0")},
        {"EmptyBasicData", Kind::Basic, ""},
        {"SoundRoster", Kind::Roster, "10101,\x8E\x52\x93\x63\r\n10102,B\r\n"},
        {"CrOnlyRoster", Kind::Roster, "10101,A\r10102,B\r"},
        {"Utf8Roster", Kind::Roster, "10101,\xE6\x9D\xBE\xE6\x9C\xAC\r\n"},
        // Roster lines: exactly a number and a name, within their fields.
        {"RosterStrayComma", Kind::Roster, "10101,A\n10103,,B\n10104,C\n"},
        {"RosterSpacesForCommas", Kind::Roster, "10101 A\n"},
        {"RosterByteOrderMark", Kind::Roster,
         "\xEF\xBB\xBF"
         "10101,A\n"},
        {"RosterLongNumber", Kind::Roster, "1234567890,A\n"},
        {"RosterLongLine", Kind::Roster, "1," + std::string(900000, 'n')},
        {"EmptyResults", Kind::Results, ""},
        {"TruncatedResults", Kind::Results, "1 2 3 "}};
    std::string findings;
    for (const HealthCase& c : cases)
        findings += std::string(c.name) + ": " + readWithHealth(c).describe() + "\n";
    EXPECT_TRUE(matchesGolden(findings, "file-health/findings.txt"));
}
