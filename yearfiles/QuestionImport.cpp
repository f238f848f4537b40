// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionImport.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "Cp932.h"
#include "FileSystem.h"
#include "QuestionFile.h"
#include "SheetColumns.h"
#include "Utf8.h"

namespace jitsu::yearfiles {

namespace {

// The rows a header can be among: a title and a few notes above it at most.
constexpr std::size_t kQuestionHeaderRows = 10;

// The full-width forms of the half-width katakana U+FF66 … U+FF9D, which mark-sheet readers
// often write (ｱ for ア).
constexpr std::string_view kFullWidthKana =
    "ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ"
    "ユヨ"
    "ラリルレロワン";

// A cell as compared with a 正答 or a 問: half-width letters and digits in upper case, kana
// full-width.
std::string choiceKey(std::string_view cell) {
    const std::string half = halfWidth(cell);
    std::string key;
    for (std::size_t i = 0; i < half.size(); ++i) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(half[i + k]); };
        const unsigned code = i + 2 < half.size() && b(0) == 0xEF && (b(1) == 0xBD || b(1) == 0xBE)
                                  ? 0xFF00u + (b(1) - 0xBCu) * 64u + (b(2) & 0x3Fu)
                                  : 0;
        if (code >= 0xFF66 && code <= 0xFF9D) {
            key += kFullWidthKana.substr((code - 0xFF66) * 3, 3);  // three bytes each
            i += 2;
        } else {
            const char c = half[i];
            key += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return key;
}

// What a choice is written with, a character at a time: a mark-sheet reader gives digits,
// letters or kana (ア, あ).
enum class CharKind { Digit, Letter, Kana, Other };

std::vector<CharKind> kindsOf(std::string_view key) {
    std::vector<CharKind> kinds;
    for (std::size_t i = 0; i < key.size();) {
        const std::size_t n = std::max<std::size_t>(1, utf8SequenceLength(key, i));
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(key[i + k]); };
        if (n == 1 && b(0) >= '0' && b(0) <= '9')
            kinds.push_back(CharKind::Digit);
        else if (n == 1 && b(0) >= 'A' && b(0) <= 'Z')
            kinds.push_back(CharKind::Letter);
        else if (n == 3 && b(0) == 0xE3 && b(1) >= 0x81 && b(1) <= 0x83)  // U+3041 … U+30FF
            kinds.push_back(CharKind::Kana);
        else
            kinds.push_back(CharKind::Other);
        i += n;
    }
    return kinds;
}

// Where the definition's columns are.
struct DefinitionColumns {
    std::size_t headerRow = 0;
    int label = -1, points = -1, domain = -1, viewpoint = -1, answer = -1;
};

class MarksPlanner {
public:
    MarksPlanner(const GradeData& grade, const GradeRoster& roster,
                 const QuestionImportRequest& request, QuestionPlan& plan)
        : grade_(grade), roster_(roster), request_(request), plan_(plan) {}

    Status subject(const std::string& place) {
        const std::string key = headerKey(request_.subject);
        for (int j = 0; j < grade_.subjects(); ++j)
            if (!key.empty() && headerKey(grade_.subjectNames[j].utf8()) == key) {
                if (!grade_.isGiven(request_.test - 1, j))
                    return placedError(
                        place, 0,
                        because(N_("{1} is not given in test {2}"), request_.subject, request_.test)
                            .text());
                plan_.subject = j;
                plan_.marks = {request_.gradeNumber,
                               request_.test,
                               std::string(grade_.subjectNames[j].view().bytes()),
                               {},
                               {}};
                return Status::ok();
            }
        return placedError(place, 0,
                           because(N_("\"{1}\" is not a subject of grade {2}"), request_.subject,
                                   request_.gradeNumber)
                               .text());
    }

    Status definition(const PlacedSheet& sheet) {
        DefinitionColumns c;
        if (!definitionColumns(sheet.sheet, c))
            return placedError(sheet.place, 0,
                               Reason(N_("no header row naming 問 and 配点")).text());
        int total = 0;
        std::set<std::string> labels;
        for (std::size_t r = c.headerRow + 1; r < sheet.sheet.rows.size(); ++r) {
            const SheetRow& row = sheet.sheet.rows[r];
            const auto cell = [&](int column) {
                return column < 0 ? std::string() : row.cell(static_cast<std::size_t>(column));
            };
            const std::string label = cell(c.label);
            if (label.empty()) continue;
            const std::optional<int> points = wholeNumberCell(cell(c.points));
            if (!points || *points < 1) {
                finding(sheet.place, row,
                        because(N_("配点 \"{1}\" of 問 {2} is not a whole number from 1"),
                                cell(c.points), label));
                continue;
            }
            total += *points;  // as the sheet adds up, whatever else its row holds
            if (!labels.insert(choiceKey(label)).second) {
                finding(sheet.place, row, because(N_("問 {1} again"), label));
                continue;
            }
            if (const std::vector<CharKind> kinds = kindsOf(choiceKey(cell(c.answer)));
                std::count(kinds.begin(), kinds.end(), CharKind::Other)) {
                finding(sheet.place, row,
                        because(N_("正答 \"{1}\" of 問 {2} is no choice (digits, letters or kana)"),
                                cell(c.answer), label));
                continue;
            }
            questions::Question q{"", *points, "", "", ""};
            bool kept = true;
            for (auto [text, column] :
                 {std::pair(&q.label, c.label), std::pair(&q.domain, c.domain),
                  std::pair(&q.viewpoint, c.viewpoint), std::pair(&q.answer, c.answer)}) {
                // The 正答 as a choice is compared: half-width, upper case.
                const std::string utf8 = text == &q.answer ? choiceKey(cell(column)) : cell(column);
                const std::optional<std::string> cp932 = utf8ToCp932(utf8);
                const std::optional<Reason> problem =
                    cp932 ? questions::questionTextProblem(*cp932, text == &q.label)
                          : std::optional<Reason>(Reason(N_("a character no data file can hold")));
                if (problem) {
                    finding(sheet.place, row, because(N_("\"{1}\": {2}"), utf8, *problem));
                    kept = false;
                } else {
                    *text = *cp932;
                }
            }
            if (kept) plan_.marks.questions.push_back(q);
        }
        if (plan_.marks.questions.empty() && plan_.findings.empty())
            return placedError(sheet.place, 0,
                               Reason(N_("no question under the header row")).text());
        const int full = grade_.fullMarks[request_.test - 1][plan_.subject];
        if (total != full)
            plan_.findings.push_back(
                {sheet.place,
                 because(total > full ? N_("the points add up to {1}, {2} above the "
                                           "full marks of {3} in test {4} ({5})")
                                      : N_("the points add up to {1}, {2} below the "
                                           "full marks of {3} in test {4} ({5})"),
                         total, std::abs(total - full), request_.subject, request_.test, full)
                     .text()});
        return Status::ok();
    }

    Status marks(const PlacedSheet& sheet) {
        std::size_t headerRow = 0;
        HeaderColumns kinds;
        for (; headerRow < sheet.sheet.rows.size() && headerRow < kQuestionHeaderRows;
             ++headerRow) {
            kinds = headerColumns(sheet.sheet.rows[headerRow]);
            if (kinds.cls >= 0 && kinds.number >= 0) break;
        }
        if (kinds.cls < 0 || kinds.number < 0)
            return placedError(
                sheet.place, 0,
                Reason(N_("no header row naming 組, 番号 and the questions")).text());
        const std::vector<int> columns = questionColumns(sheet, sheet.sheet.rows[headerRow], kinds);
        for (std::size_t r = headerRow + 1; r < sheet.sheet.rows.size(); ++r)
            student(sheet.place, sheet.sheet.rows[r], kinds, columns);
        std::sort(plan_.marks.students.begin(), plan_.marks.students.end(),
                  [](const questions::StudentMarks& a, const questions::StudentMarks& b) {
                      return std::pair(a.cls, a.slot) < std::pair(b.cls, b.slot);
                  });
        return Status::ok();
    }

private:
    bool definitionColumns(const Sheet& sheet, DefinitionColumns& c) const {
        for (std::size_t r = 0; r < sheet.rows.size() && r < kQuestionHeaderRows; ++r) {
            c = {r};
            const SheetRow& header = sheet.rows[r];
            for (std::size_t i = 0; i < header.cells.size(); ++i) {
                const std::string key = headerKey(header.cells[i]);
                for (auto [name, column] :
                     {std::pair("問", &c.label), std::pair("配点", &c.points),
                      std::pair("領域", &c.domain), std::pair("観点", &c.viewpoint),
                      std::pair("正答", &c.answer)})
                    if (key == name && *column < 0) *column = static_cast<int>(i);
            }
            if (c.label >= 0 && c.points >= 0) return true;
        }
        return false;
    }

    // The column of each question (-1 for none), with the findings of the header row.
    std::vector<int> questionColumns(const PlacedSheet& sheet, const SheetRow& header,
                                     const HeaderColumns& kinds) {
        const auto& questions = plan_.marks.questions;
        std::vector<int> columns(questions.size(), -1);
        for (int i : kinds.others) {
            const std::string& text = header.cell(static_cast<std::size_t>(i));
            const auto q = std::find_if(questions.begin(), questions.end(), [&](const auto& q) {
                return choiceKey(cp932ToUtf8(q.label)) == choiceKey(text);
            });
            if (q == questions.end())
                finding(sheet.place, header, because(N_("column \"{1}\" names no question"), text));
            else if (int& column = columns[static_cast<std::size_t>(q - questions.begin())];
                     column >= 0)
                finding(sheet.place, header, because(N_("問 {1} has two columns"), text));
            else
                column = i;
        }
        for (std::size_t q = 0; q < questions.size(); ++q)
            if (columns[q] < 0)
                finding(sheet.place, header,
                        because(N_("no column for 問 {1}"), cp932ToUtf8(questions[q].label)));
        return columns;
    }

    void student(const std::string& place, const SheetRow& row, const HeaderColumns& kinds,
                 const std::vector<int>& columns) {
        const auto cell = [&](int column) -> const std::string& {
            static const std::string none;
            return column < 0 ? none : row.cell(static_cast<std::size_t>(column));
        };
        const bool anyMark = std::any_of(columns.begin(), columns.end(),
                                         [&](int column) { return !isAbsentMark(cell(column)); });
        // A row without marks is a student absent; one without a number, no student's (a total).
        if (!anyMark || cell(kinds.number).empty()) return;
        int cls = 0;
        if (auto problem = classOfCell(cell(kinds.cls), grade_, request_.gradeNumber, cls))
            return finding(place, row, Reason::verbatim(*problem));
        const int slot = studentSlot(roster_, cls, cell(kinds.number));
        if (slot < 0)
            return finding(place, row,
                           because(N_("no student number \"{1}\" in class {2} of the roster"),
                                   cell(kinds.number), grade_.classNames[cls].utf8()));
        if (!taken_.insert({cls, slot}).second)
            return finding(place, row, Reason(N_("this student again")));
        questions::StudentMarks marks{cls + 1, slot + 1, {}};
        bool sound = true;
        for (std::size_t q = 0; q < columns.size(); ++q) {
            marks.points.push_back(std::nullopt);
            const std::string& text = cell(columns[q]);
            if (isAbsentMark(text)) continue;
            if (std::optional<Reason> problem =
                    mark(plan_.marks.questions[q], text, marks.points.back())) {
                finding(place, row, *problem);
                sound = false;
            }
        }
        if (sound) plan_.marks.students.push_back(std::move(marks));
    }

    // Sets `points` from the cell `text` of question `q`, or says why it cannot.
    static std::optional<Reason> mark(const questions::Question& q, const std::string& text,
                                      std::optional<int>& points) {
        const std::string label = cp932ToUtf8(q.label);
        if (!q.answer.empty()) {
            const std::string answer = cp932ToUtf8(q.answer), key = choiceKey(text);
            const std::vector<CharKind> kinds = kindsOf(key);
            if (kinds != kindsOf(answer) || std::count(kinds.begin(), kinds.end(), CharKind::Other))
                return because(N_("問 {1}: \"{2}\" is not a choice like the answer {3}"), label,
                               text, answer);
            points = key == answer ? q.points : 0;
            return std::nullopt;
        }
        const std::optional<int> value = wholeNumberCell(text);
        if (!value) return because(N_("問 {1}: \"{2}\" is not a whole number"), label, text);
        if (*value > q.points)
            return because(N_("問 {1}: {2} is above its points ({3})"), label, *value, q.points);
        points = *value;
        return std::nullopt;
    }

    void finding(const std::string& place, const SheetRow& row, const Reason& what) {
        plan_.findings.push_back({place + ":" + std::to_string(row.number), what.text()});
    }

    const GradeData& grade_;
    const GradeRoster& roster_;
    const QuestionImportRequest& request_;
    QuestionPlan& plan_;
    std::set<std::pair<int, int>> taken_;
};

}  // namespace

Status planQuestionImport(const PlacedSheet& definition, const PlacedSheet& marks,
                          const GradeData& grade, const GradeRoster& roster,
                          const QuestionImportRequest& request, QuestionPlan& plan) {
    plan = {};
    MarksPlanner planner(grade, roster, request, plan);
    if (Status s = planner.subject(definition.place); !s) return s;
    if (Status s = planner.definition(definition); !s) return s;
    return planner.marks(marks);
}

namespace {

// The first sheet of a file, or the sheet `name` of a workbook; placed as the score import
// places its findings.
Status readPlacedSheet(const std::filesystem::path& file, const std::string& name,
                       PlacedSheet& placed) {
    std::vector<Sheet> sheets;
    const SheetChoice choice{name.empty() ? SheetChoice::Which::First : SheetChoice::Which::Named,
                             name};
    if (Status s = readSheetFile(file, TextEncoding::Detect, choice, sheets); !s) return s;
    if (sheets.empty()) return placedError(utf8FromPath(file), 0, Reason(N_("no sheet")).text());
    placed.sheet = std::move(sheets.front());
    placed.place = utf8FromPath(file);
    if (!name.empty()) placed.place += "[" + name + "]";
    return Status::ok();
}

}  // namespace

Status planQuestionImportFile(const std::filesystem::path& dir, const BasicData& basic,
                              const std::filesystem::path& file,
                              const std::filesystem::path& answers,
                              const QuestionImportRequest& request, QuestionPlan& plan) {
    auto roster = std::make_unique<GradeRoster>();
    if (Status s = readGradeRoster(dir, basic, request.gradeNumber, *roster); !s) return s;
    PlacedSheet definition, marks;
    const bool workbook = answers.empty();
    if (Status s = readPlacedSheet(file, workbook ? kDefinitionSheet : "", definition); !s)
        return s;
    if (Status s = readPlacedSheet(workbook ? file : answers, workbook ? kMarksSheet : "", marks);
        !s)
        return s;
    return planQuestionImport(definition, marks, basic.grades[request.gradeNumber - 1], *roster,
                              request, plan);
}

std::string questionPlanText(const QuestionPlan& plan, const GradeData& grade) {
    const questions::QuestionMarks& m = plan.marks;
    std::string out = grade.subjectNames[plan.subject].utf8() + "：" +
                      std::to_string(m.questions.size()) + " 問、配点の合計 " +
                      std::to_string(questions::totalPoints(m.questions)) + " 点\n";
    for (int cls = 1; cls <= grade.classes(); ++cls) {
        int count = 0, total = 0, high = 0, low = 0;
        for (const questions::StudentMarks& s : m.students) {
            if (s.cls != cls) continue;
            const int sum = questions::scoreOf(s);
            high = count ? std::max(high, sum) : sum;
            low = count ? std::min(low, sum) : sum;
            total += sum;
            ++count;
        }
        if (!count) continue;
        char average[32];
        std::snprintf(average, sizeof average, "%.1f", static_cast<double>(total) / count);
        out.append(grade.classNames[cls - 1].utf8()).append("組 ").append(std::to_string(count));
        out.append(" 人　合計の平均 ").append(average).append(" 点（最高 ");
        out.append(std::to_string(high))
            .append("、最低 ")
            .append(std::to_string(low))
            .append("）\n");
    }
    if (!plan.findings.empty())
        out += "\n取り込めない箇所（" + std::to_string(plan.findings.size()) + " 件）\n";
    for (const ScoreFinding& f : plan.findings) out += f.place + ": " + f.what + "\n";
    return out;
}

ScorePlan sumsOf(const QuestionPlan& plan) {
    ScorePlan sums;
    sums.subjects = {plan.subject};
    for (const questions::StudentMarks& s : plan.marks.students)
        sums.scores.push_back({plan.subject, s.cls - 1, s.slot - 1, questions::scoreOf(s)});
    return sums;
}

FileMergeResult saveQuestionImport(const std::filesystem::path& dir, const BasicData& basic,
                                   const QuestionImportRequest& request, const QuestionPlan& plan,
                                   Messages& messages) {
    if (!plan.findings.empty())
        return {FileMergeOutcome::Failed,
                Status::error(because(N_("nothing written: {1} finding(s) in the sheets"),
                                      plan.findings.size()))};
    ScoreImportRequest scores;
    scores.gradeNumber = request.gradeNumber;
    scores.test = request.test;
    FileMergeResult merged = saveScoreImport(dir, basic, scores, sumsOf(plan), messages);
    if (merged.outcome != FileMergeOutcome::Written) return merged;
    if (Status s = questions::writeQuestionFile(
            questions::questionFilePath(dir, basic.year, request.test, request.gradeNumber,
                                        plan.subject + 1),
            plan.marks);
        !s)
        return {FileMergeOutcome::Failed, std::move(s)};
    return merged;
}

}  // namespace jitsu::yearfiles
