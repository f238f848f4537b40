// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorChecks.h"

#include <algorithm>
#include <optional>

#include "Cp932.h"
#include "DecimalNumber.h"
#include "SetupMessages.h"

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
    void name(Problem::Place place, const std::string& text, const char* field) {
        if (auto fault = nameFault(text, kNameField - 1)) {
            Problem problem;
            problem.place = place;
            problem.text = std::string(field) + "：" + *fault;
            add(std::move(problem));
        }
    }

    void grade(int g, const GradeTexts& grade) {
        g_ = g;
        for (int k = 1; k <= grade.classCount; ++k) {
            cellName(Grid::Classes, k, grade.classNames[k - 1]);
            cellNumber(Grid::Classes, k, 1, grade.headCounts[k - 1], 0, 45);
        }
        for (int j = 1; j <= grade.subjectCount; ++j) {
            cellName(Grid::Subjects, j, grade.subjectNames[j - 1]);
            cellNumber(Grid::Subjects, j, 1, grade.disciplineNumbers[j - 1], 1, 5);
            for (int t = 1; t <= grade.testCount; ++t) {
                const std::string& marks = grade.fullMarks[j - 1][t - 1];
                if (!marks.empty() && !isNumberWithin(marks, 0, 999))
                    cell(Grid::Subjects, j, t + 1, "空欄か" + rangeFault(0, 999));
            }
        }
    }

    std::vector<Problem> problems;

private:
    void cellName(Grid grid, int column, const std::string& text) {
        if (auto fault = nameFault(text, kShortNameField - 1)) cell(grid, column, 0, *fault);
    }
    void cellNumber(Grid grid, int column, int row, const std::string& text, int low, int high) {
        if (!isNumberWithin(text, low, high)) cell(grid, column, row, rangeFault(low, high));
    }
    void cell(Grid grid, int column, int row, const std::string& fault) {
        std::string field = rowLabel(grid, row) + (row >= 2 ? "の満点" : "");
        add({Problem::Place::Cell, g_, grid, column, row,
             std::string(kGradeTitles[g_ - 1]) + "　" + field + "（" + std::to_string(column) +
                 "列目）：" + fault});
    }
    void add(Problem problem) { problems.push_back(std::move(problem)); }

    int g_ = 0;
};

}  // namespace

std::vector<Problem> checkEditorTexts(const EditorTexts& texts) {
    Checker checker;
    checker.name(Problem::Place::SchoolName, texts.schoolName, "学校名");
    checker.name(Problem::Place::TestName, texts.testName, "テスト名");
    for (int g = 1; g <= kGrades; ++g) checker.grade(g, texts.grades[g - 1]);
    return std::move(checker.problems);
}

std::vector<Problem> emptyClasses(const EditorTexts& texts,
                                  const std::function<std::string(int grade, int cls)>& holdings) {
    std::vector<Problem> problems;
    for (int g = 1; g <= kGrades; ++g) {
        const GradeTexts& grade = texts.grades[g - 1];
        for (int k = 1; k <= grade.classCount; ++k) {
            auto number = wholeNumber(grade.headCounts[k - 1]);
            if (!number || number->value() != 0) continue;
            const std::string held = holdings(g, k);
            if (held.empty()) continue;
            problems.push_back({Problem::Place::Cell, g, Grid::Classes, k, 1,
                                std::string(kGradeTitles[g - 1]) + "　" + grade.classNames[k - 1] +
                                    "（" + std::to_string(k) + "列目）：人数が 0 です（" + held +
                                    "）"});
        }
    }
    return problems;
}

namespace {

// A box's text: the heading, one line per problem (the first kListedProblems, then how many
// more) and the question.
std::string listedText(const char* heading, const std::vector<Problem>& problems,
                       const char* question) {
    std::string out = std::string(heading) + "\n\n";
    int listed = std::min<int>(static_cast<int>(problems.size()), kListedProblems);
    for (int i = 0; i < listed; ++i) out += problems[i].text + "\n";
    if (static_cast<int>(problems.size()) > listed)
        out += "ほか " + std::to_string(problems.size() - listed) + " 件\n";
    return out + "\n" + question;
}

}  // namespace

std::string refusalText(const std::vector<Problem>& problems) {
    return listedText(text::kCannotSave, problems, text::kCorrectThem);
}

std::string emptyClassQuestion(const std::vector<Problem>& problems) {
    return listedText(text::kEmptyClasses, problems, text::kSaveEmptyClasses);
}

}  // namespace jitsu
