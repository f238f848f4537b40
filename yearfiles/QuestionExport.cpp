// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionExport.h"

#include "AtomicWrite.h"
#include "Cp932.h"
#include "QuestionAnalysis.h"

namespace jitsu::yearfiles {

namespace {

ExportCell text(std::string_view cp932) { return {ExportCell::Kind::Text, cp932ToUtf8(cp932), 0}; }

// The figure the pages show, so that the workbook, the CSV and the pages agree.
ExportCell percent(const questions::Rate& rate) {
    const auto value = rate.shownPercent();
    return value ? ExportCell{ExportCell::Kind::OneDecimal, "", *value} : ExportCell{};
}

}  // namespace

ExportTable questionRateTable(const questions::LoadedQuestions& loaded) {
    const questions::QuestionMarks& marks = loaded.marks;
    ExportTable table;
    table.header = {"問", "配点", "領域", "観点", "学年"};
    table.widths = {6, 6, 16, 18};
    table.header.insert(table.header.end(), loaded.classNames.begin(), loaded.classNames.end());
    const auto rates = questions::questionRates(marks, static_cast<int>(loaded.classNames.size()));
    for (std::size_t q = 0; q < marks.questions.size(); ++q) {
        const questions::Question& question = marks.questions[q];
        std::vector<ExportCell> row{text(question.label),
                                    {ExportCell::Kind::Integer, "", double(question.points)},
                                    text(question.domain),
                                    text(question.viewpoint),
                                    percent(rates[q].grade)};
        for (const questions::Rate& rate : rates[q].classes) row.push_back(percent(rate));
        table.rows.push_back(std::move(row));
    }
    return table;
}

Status exportQuestionRates(const questions::LoadedQuestions& loaded,
                           const std::filesystem::path& output, bool csv, bool cp932) {
    const ExportTable table = questionRateTable(loaded);
    return csv ? writeFileAtomically(output, formatCsv(table, cp932)) : writeXlsx(output, table);
}

}  // namespace jitsu::yearfiles
