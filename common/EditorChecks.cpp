// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorChecks.h"

#include <algorithm>
#include <optional>

#include "Cp932.h"
#include "DecimalNumber.h"

namespace jitsu {

namespace {

const char* const kGradeTitles[kGrades] = {"一年", "二年", "三年"};

// Why a name cannot be saved, or nullopt. `maxBytes` is its field size less the zero.
std::optional<std::string> nameFault(const std::string& name, std::size_t maxBytes) {
    if (name.empty()) return "入力されていません";
    // The readers split the file on any ASCII whitespace.
    if (name.find_first_of(" \t\r\n\v\f") != std::string::npos)
        return "半角の空白やタブが入っています";
    std::optional<std::string> bytes = utf8ToCp932(name);
    if (!bytes) return "保存できない文字が入っています";
    if (bytes->size() > maxBytes)
        return "長すぎます（全角" + std::to_string(maxBytes / 2) + "文字、半角" +
               std::to_string(maxBytes) + "文字まで）";
    return std::nullopt;
}

// Whether `text` is a decimal number from `low` to `high`, leading zeros allowed, as the
// readers' "%u" and "%d" take it.
bool isNumberWithin(const std::string& text, int low, int high) {
    auto number = wholeNumber(text);
    if (!number || text[0] == '+' || text[0] == '-') return false;
    return number->value() >= low && number->value() <= high;
}

std::string rangeFault(int low, int high) {
    return std::to_string(low) + "から" + std::to_string(high) +
           "までの数を半角数字で入力してください";
}

class Checker {
public:
    void name(EditorFinding::Place place, const std::string& text, const char* field) {
        if (auto fault = nameFault(text, kNameField - 1)) {
            EditorFinding finding;
            finding.place = place;
            finding.text = std::string(field) + "：" + *fault;
            add(std::move(finding));
        }
    }

    void grade(int g, const GradeTexts& grade) {
        g_ = g;
        for (int k = 1; k <= grade.classCount; ++k) {
            cellName(Grid::Classes, k, grade.classNames[k - 1]);
            cellNumber(Grid::Classes, k, 1, grade.headCounts[k - 1], 0, kMaxHeadCount);
        }
        for (int j = 1; j <= grade.subjectCount; ++j) {
            cellName(Grid::Subjects, j, grade.subjectNames[j - 1]);
            cellNumber(Grid::Subjects, j, 1, grade.disciplineNumbers[j - 1], 1, kDisciplines);
            for (int t = 1; t <= grade.testCount; ++t) {
                const std::string& marks = grade.fullMarks[j - 1][t - 1];
                if (!marks.empty() && !isNumberWithin(marks, 0, kMaxFullMarks))
                    cell(Grid::Subjects, j, t + 1, "空欄か" + rangeFault(0, kMaxFullMarks));
            }
        }
    }

    std::vector<EditorFinding> findings;

private:
    void cellName(Grid grid, int column, const std::string& text) {
        if (auto fault = nameFault(text, kShortNameField - 1)) cell(grid, column, 0, *fault);
    }
    void cellNumber(Grid grid, int column, int row, const std::string& text, int low, int high) {
        if (!isNumberWithin(text, low, high)) cell(grid, column, row, rangeFault(low, high));
    }
    void cell(Grid grid, int column, int row, const std::string& fault) {
        std::string field = rowLabel(grid, row) + (row >= 2 ? "の満点" : "");
        add({EditorFinding::Place::Cell, g_, grid, column, row,
             std::string(kGradeTitles[g_ - 1]) + "　" + field + "（" + std::to_string(column) +
                 "列目）：" + fault});
    }
    void add(EditorFinding finding) { findings.push_back(std::move(finding)); }

    int g_ = 0;
};

}  // namespace

std::vector<EditorFinding> checkEditorTexts(const EditorTexts& texts) {
    Checker checker;
    checker.name(EditorFinding::Place::SchoolName, texts.schoolName, "学校名");
    checker.name(EditorFinding::Place::TestName, texts.testName, "テスト名");
    for (int g = 1; g <= kGrades; ++g) checker.grade(g, texts.grades[g - 1]);
    return std::move(checker.findings);
}

std::vector<EditorFinding> emptyClasses(
    const EditorTexts& texts, const std::function<std::string(int grade, int cls)>& holdings) {
    std::vector<EditorFinding> findings;
    for (int g = 1; g <= kGrades; ++g) {
        const GradeTexts& grade = texts.grades[g - 1];
        for (int k = 1; k <= grade.classCount; ++k) {
            auto number = wholeNumber(grade.headCounts[k - 1]);
            if (!number || number->value() != 0) continue;
            const std::string held = holdings(g, k);
            if (held.empty()) continue;
            findings.push_back({EditorFinding::Place::Cell, g, Grid::Classes, k, 1,
                                std::string(kGradeTitles[g - 1]) + "　" + grade.classNames[k - 1] +
                                    "（" + std::to_string(k) + "列目）：人数が 0 です（" + held +
                                    "）"});
        }
    }
    return findings;
}

}  // namespace jitsu
