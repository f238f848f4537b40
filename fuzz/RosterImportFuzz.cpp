// SPDX-License-Identifier: GPL-3.0-or-later
// The roster import's CSV/TSV reader on any bytes, for a grade shape from the first two bytes
// and, from the third, the encoding and whether the columns are given or named by a header.
// What it accepts is the suite's roster form: one "number,name" line per student, read back by
// the roster reader without a finding while it holds no more than the roster's entries.
#include "FuzzCheck.h"
#include "Roster.h"
#include "RosterImport.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    GradeData grade = fuzz::gradeFrom(input);
    for (int c = 0; c < grade.classes(); ++c) grade.classNames[c].assign(std::to_string(c + 1));
    yearfiles::ImportOptions options;
    if (!input.empty()) {
        const auto mode = static_cast<unsigned char>(input[0]);
        options.encoding = static_cast<yearfiles::TextEncoding>(mode % 3);
        if (mode & 4) options.columns = {"class", "number", "name"};
        input.remove_prefix(1);
    }
    options.source = "fuzz.csv";
    yearfiles::ImportedRoster imported;
    if (!yearfiles::importRoster(input, options, grade, imported)) return 0;
    std::size_t lines = 0;
    for (std::size_t at = imported.bytes.find("\r\n"); at != std::string::npos;
         at = imported.bytes.find("\r\n", at + 2))
        ++lines;
    fuzz::require(lines == static_cast<std::size_t>(imported.students), "one line per student");
    if (imported.students > kRosterEntries) return 0;
    // As the roster reader gets it from the file: CR LF read as LF.
    std::string text;
    for (std::size_t i = 0; i < imported.bytes.size(); ++i)
        if (imported.bytes.compare(i, 2, "\r\n") != 0) text += imported.bytes[i];
    auto roster = std::make_unique<GradeRoster>();
    FileFindings health;
    parseRoster(text, *roster, &health);
    fuzz::require(health.rejected == 0, "an imported roster reads back without a finding");
    return 0;
}
