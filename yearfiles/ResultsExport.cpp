// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsExport.h"

#include <memory>

#include "AtomicWrite.h"
#include "Combinations.h"
#include "Cp932.h"
#include "DamagedFile.h"
#include "Format.h"
#include "Paths.h"
#include "ResultsFile.h"

namespace jitsu::yearfiles {

namespace {

ExportCell text(Cp932View cp932) { return {ExportCell::Kind::Text, cp932.utf8(), 0}; }

ExportCell number(double value, ExportCell::Kind kind = ExportCell::Kind::Integer) {
    return {kind, "", value};
}

ExportCell studentNumber(Cp932View cp932) {
    const std::string_view bytes = cp932.bytes();
    const bool digits = !bytes.empty() && bytes.size() < 10 && bytes[0] != '0' &&
                        bytes.find_first_not_of("0123456789") == std::string_view::npos;
    return digits ? number(std::stod(std::string(bytes))) : text(cp932);
}

// Score (or total), deviation and rank; all empty for an absent student.
void appendTriple(std::vector<ExportCell>& row, std::int32_t score, float deviation,
                  std::int32_t rank) {
    if (score < 0) {
        row.resize(row.size() + 3);
        return;
    }
    row.push_back(number(score));
    row.push_back(deviation < 0 ? ExportCell{} : number(deviation, ExportCell::Kind::OneDecimal));
    row.push_back(rank < 1 ? ExportCell{} : number(rank));
}

std::string csvField(const ExportCell& cell) {
    switch (cell.kind) {
        case ExportCell::Kind::Empty:
            return "";
        case ExportCell::Kind::Integer:
            return formatInt(static_cast<long long>(cell.value));
        case ExportCell::Kind::OneDecimal:
            return formatFixed(cell.value, 1);
        case ExportCell::Kind::Text:
            break;
    }
    // A text a spreadsheet would take for a formula gets the apostrophe that keeps it a text.
    const std::string text =
        !cell.text.empty() && std::string_view("=+-@\t\r").find(cell.text[0]) != std::string::npos
            ? "'" + cell.text
            : cell.text;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

ExportTable exportTable(const GradeData& grade, int test, const GradeRoster& roster,
                        const GradeResults& results) {
    ExportTable table;
    table.header = {"組", "番号", "氏名"};
    table.widths = {6, 10, 20};
    std::vector<int> subjects, combos;
    for (int j = 0; j < grade.subjects(); ++j) {
        if (!grade.isGiven(test - 1, j)) continue;
        subjects.push_back(j);
        const std::string name = grade.subjectNames[j].utf8();
        table.header.insert(table.header.end(), {name, name + "偏差値", name + "順位"});
    }
    for (int c : kDisplayOrder) {
        if (!results.comboFlags[c]) continue;
        combos.push_back(c);
        const std::string label(kSubjectCombinations[c].shortLabel);
        table.header.insert(table.header.end(), {label + "合計", label + "偏差値", label + "順位"});
    }
    for (int k = 0; k < grade.classes(); ++k)
        for (int s = 0; s < grade.studentSlots(k); ++s) {
            const int entry = roster.entryOf(k, s);
            std::vector<ExportCell> row = {text(grade.classNames[k].view()),
                                           studentNumber(roster.numberAt(entry)),
                                           text(roster.nameAt(entry))};
            for (int j : subjects)
                appendTriple(row, results.scores[j][k][s], results.subjectDeviations[j][k][s],
                             results.subjectRanks[j][k][s]);
            for (int c : combos)
                appendTriple(row, results.comboTotals[c][k][s], results.comboDeviations[c][k][s],
                             results.comboRanks[c][k][s]);
            table.rows.push_back(std::move(row));
        }
    return table;
}

std::string formatCsv(const ExportTable& table, bool cp932) {
    std::string out;
    for (std::size_t i = 0; i < table.header.size(); ++i)
        out.append(i ? "," : "").append(csvField({ExportCell::Kind::Text, table.header[i], 0}));
    out += "\r\n";
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out.append(i ? "," : "").append(csvField(row[i]));
        out += "\r\n";
    }
    // Every text came from CP932 files or the suite's own literals, so it converts back.
    return cp932 ? toCp932(out) : "\xEF\xBB\xBF" + out;
}

Status exportResults(const std::filesystem::path& dir, const BasicData& data,
                     const ExportRequest& request, std::size_t& students) {
    const GradeData& grade = data.grades[request.grade - 1];
    auto roster = std::make_unique<GradeRoster>();
    FileFindings health;
    const auto rosterFile =
        rosterPath(dir, data.rosterTag.view().bytes(), request.year, request.grade);
    if (Status read = readRoster(rosterFile, *roster, &health, &grade); !read) return read;
    if (health.damaged()) return Status::error(findingOf(rosterFile, health));
    classRanges(grade, *roster);

    auto results = std::make_unique<GradeResults>();
    const auto resultsFile = resultsPath(dir, request.year, request.test, request.grade);
    if (Status read = readResultsFile(resultsFile, grade, *results, &health); !read) return read;
    if (health.damaged()) return Status::error(findingOf(resultsFile, health));

    const ExportTable table = exportTable(grade, request.test, *roster, *results);
    students = table.rows.size();
    return request.csv ? writeFileAtomically(request.output, formatCsv(table, request.cp932))
                       : writeXlsx(request.output, table);
}

}  // namespace jitsu::yearfiles
