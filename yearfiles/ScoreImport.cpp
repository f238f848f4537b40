// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreImport.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "FileSystem.h"
#include "Paths.h"
#include "SheetColumns.h"
#include "StudentNumber.h"

namespace jitsu::yearfiles {

namespace {

// The rows a header can be among: a title and a few notes above it at most.
constexpr std::size_t kHeaderSearchRows = 10;

// Where the columns of one sheet are.
struct ScoreColumns {
    std::size_t headerRow = 0;
    HeaderColumns kinds;
    std::vector<std::pair<int, int>> subjects;  // column, subject
    std::vector<std::string> skipped;
};

class Planner {
public:
    Planner(const GradeData& grade, const GradeRoster& roster, const ScoreImportRequest& request,
            ScorePlan& plan)
        : grade_(grade), roster_(roster), request_(request), plan_(plan) {}

    Status subjectsWanted() {
        for (const std::string& name : request_.subjects) {
            const int j = subjectOf(name);
            if (j < 0)
                return placedError(
                    request_.source, 0,
                    because(N_("\"{1}\" is not a subject of grade {2}"), name, request_.gradeNumber)
                        .text());
            wanted_.insert(j);
        }
        return Status::ok();
    }

    // Every subject asked for has a column in the sheets read.
    Status wantedFound() const {
        for (int j : wanted_)
            if (std::find(plan_.subjects.begin(), plan_.subjects.end(), j) == plan_.subjects.end())
                return placedError(
                    request_.source, 0,
                    because(N_("no column for {1}"), grade_.subjectNames[j].utf8()).text());
        return Status::ok();
    }

    // The header of `sheet`; false when it has none.
    bool columnsOf(const Sheet& sheet, ScoreColumns& columns) const {
        for (std::size_t r = 0; r < sheet.rows.size() && r < kHeaderSearchRows; ++r) {
            const SheetRow& header = sheet.rows[r];
            columns = {r, headerColumns(header), {}, {}};
            for (int i : columns.kinds.others) {
                const int j = subjectOf(header.cell(static_cast<std::size_t>(i)));
                if (j < 0)
                    columns.skipped.push_back(header.cell(static_cast<std::size_t>(i)));
                else if (wanted_.empty() || wanted_.count(j))
                    columns.subjects.emplace_back(i, j);
            }
            if (columns.kinds.number >= 0 && !columns.subjects.empty()) return true;
        }
        return false;
    }

    Status read(const Sheet& sheet, const ScoreColumns& columns) {
        plan_.sheets.push_back(sheet.name);
        int sheetClass = -1;
        if (columns.kinds.cls < 0) {
            const std::string& named = request_.cls.empty() ? sheet.name : request_.cls;
            if (auto problem = classOfCell(named, grade_, request_.gradeNumber, sheetClass))
                return placedError(
                    request_.source, 0,
                    because(N_("sheet \"{1}\" has no class column and its class cannot be told: "
                               "{2} (name the sheet after its class, or give --class)"),
                            sheet.name, *problem)
                        .text());
        }
        for (const auto& [column, subject] : columns.subjects) {
            if (std::find(plan_.subjects.begin(), plan_.subjects.end(), subject) ==
                plan_.subjects.end())
                plan_.subjects.push_back(subject);
        }
        for (const std::string& name : columns.skipped)
            if (std::find(plan_.skippedColumns.begin(), plan_.skippedColumns.end(), name) ==
                plan_.skippedColumns.end())
                plan_.skippedColumns.push_back(name);
        for (std::size_t r = columns.headerRow + 1; r < sheet.rows.size(); ++r)
            row(sheet, sheet.rows[r], columns, sheetClass);
        return Status::ok();
    }

private:
    int subjectOf(const std::string& header) const {
        const std::string key = headerKey(header);
        for (int j = 0; j < grade_.subjects(); ++j)
            if (!key.empty() && headerKey(grade_.subjectNames[j].utf8()) == key) return j;
        return -1;
    }

    void finding(const Sheet& sheet, const SheetRow& row, const std::string& what) {
        findingOf(sheet, row, Reason::verbatim(what));
    }
    void findingOf(const Sheet& sheet, const SheetRow& row, const Reason& what) {
        std::string place = request_.source;
        if (sheet.name != utf8FromPath(pathFromUtf8(request_.source).stem()))
            place += "[" + sheet.name + "]";
        plan_.findings.push_back({place + ":" + std::to_string(row.number), what.text()});
    }

    void row(const Sheet& sheet, const SheetRow& row, const ScoreColumns& columns, int cls) {
        const bool anyScore =
            std::any_of(columns.subjects.begin(), columns.subjects.end(), [&](const auto& c) {
                return !isAbsentMark(row.cell(static_cast<std::size_t>(c.first)));
            });
        // A row without scores, or without a number (a total, an average), is no student's.
        if (!anyScore || row.cell(static_cast<std::size_t>(columns.kinds.number)).empty()) return;
        if (columns.kinds.cls >= 0)
            if (auto problem = classOfCell(row.cell(static_cast<std::size_t>(columns.kinds.cls)),
                                           grade_, request_.gradeNumber, cls))
                return finding(sheet, row, *problem);
        if (columns.kinds.grade >= 0)
            if (auto problem = checkGradeCell(
                    row.cell(static_cast<std::size_t>(columns.kinds.grade)), request_.gradeNumber))
                return finding(sheet, row, *problem);
        const std::string& number = row.cell(static_cast<std::size_t>(columns.kinds.number));
        const int slot = studentSlot(roster_, cls, number);
        if (slot < 0)
            return findingOf(sheet, row,
                             because(N_("no student number \"{1}\" in class {2} of the roster"),
                                     number, grade_.classNames[cls].utf8()));
        for (const auto& [column, subject] : columns.subjects)
            score(sheet, row, row.cell(static_cast<std::size_t>(column)), subject, cls, slot);
    }

    void score(const Sheet& sheet, const SheetRow& row, const std::string& cell, int subject,
               int cls, int slot) {
        if (isAbsentMark(cell)) return;
        const std::string name = grade_.subjectNames[subject].utf8();
        const int full = grade_.fullMarks[request_.test - 1][subject];
        if (full < 1)
            return findingOf(sheet, row,
                             because(N_("{1} is not given in test {2}"), name, request_.test));
        const std::optional<int> value = wholeNumberCell(cell);
        if (!value)
            return findingOf(sheet, row,
                             because(N_("{1} \"{2}\" is not a whole number"), name, cell));
        if (*value > full)
            return findingOf(
                sheet, row,
                because(N_("{1} {2} is above the full marks ({3})"), name, *value, full));
        if (!taken_.insert({subject, cls, slot}).second)
            return findingOf(sheet, row, because(N_("{1} of this student again"), name));
        plan_.scores.push_back({subject, cls, slot, *value});
    }

    const GradeData& grade_;
    const GradeRoster& roster_;
    const ScoreImportRequest& request_;
    ScorePlan& plan_;
    std::set<int> wanted_;
    std::set<std::tuple<int, int, int>> taken_;
};

}  // namespace

bool isAbsentMark(const std::string& cell) {
    const std::string half = halfWidth(cell);
    return half.empty() || half == "欠" || half == "欠席" || half == "-";
}

int studentSlot(const GradeRoster& roster, int cls, const std::string& number) {
    const std::optional<std::string> wanted = normalStudentNumberUtf8(number);
    bool attendanceNumbers = false;
    for (int slot = 0; slot < kSlots; ++slot) {
        const int entry = roster.entryOf(cls, slot);
        if (entry < 0) break;
        const std::string own = roster.numberAt(entry).utf8();
        if (wanted ? compareStudentNumbers(own, *wanted) == 0 : own == number) return slot;
        const std::optional<int> value = wholeNumberCell(own);
        attendanceNumbers |= value && *value >= 1 && *value <= kSlots;
    }
    const std::optional<int> place = wholeNumberCell(number);
    if (attendanceNumbers || !place || *place < 1 || roster.entryOf(cls, *place - 1) < 0) return -1;
    return *place - 1;
}

Status planScoreImport(const std::vector<Sheet>& sheets, const GradeData& grade,
                       const GradeRoster& roster, const ScoreImportRequest& request,
                       ScorePlan& plan) {
    plan = {};
    Planner planner(grade, roster, request, plan);
    if (Status s = planner.subjectsWanted(); !s) return s;
    ScoreColumns columns;
    if (sheets.empty() || !planner.columnsOf(sheets.front(), columns))
        return placedError(request.source, 0,
                           Reason(request.subjects.empty()
                                      ? N_("no header row naming 番号 and a subject of the grade")
                                      : N_("no header row naming 番号 and a subject of the grade "
                                           "asked for"))
                               .text());
    const bool sheetPerClass = columns.kinds.cls < 0 && request.cls.empty() && sheets.size() > 1;
    if (!sheetPerClass) {
        if (Status s = planner.read(sheets.front(), columns); !s) return s;
    } else {
        for (const Sheet& sheet : sheets) {
            int cls = 0;
            if (classOfCell(sheet.name, grade, request.gradeNumber, cls) ||
                !planner.columnsOf(sheet, columns))
                continue;
            if (Status s = planner.read(sheet, columns); !s) return s;
        }
    }
    return planner.wantedFound();
}

std::string scorePlanText(const ScorePlan& plan, const GradeData& grade) {
    std::string out;
    if (plan.sheets.size() > 1) {
        out += "読んだシート：";
        for (std::size_t i = 0; i < plan.sheets.size(); ++i)
            out += (i ? "、" : "") + plan.sheets[i];
        out += "\n";
    }
    out += std::to_string(plan.scores.size()) + " 件の点数\n";
    for (int j : plan.subjects) {
        std::vector<int> perClass(static_cast<std::size_t>(grade.classes()));
        for (const ImportedScore& s : plan.scores)
            if (s.subject == j) ++perClass[static_cast<std::size_t>(s.cls)];
        out += grade.subjectNames[j].utf8() + "：";
        std::string classes;
        for (int c = 0; c < grade.classes(); ++c)
            if (perClass[static_cast<std::size_t>(c)])
                classes += (classes.empty() ? "" : "、") + grade.classNames[c].utf8() + "組 " +
                           std::to_string(perClass[static_cast<std::size_t>(c)]) + " 人";
        out += (classes.empty() ? "なし" : classes) + "\n";
    }
    if (!plan.skippedColumns.empty()) {
        out += "科目ではないので取り込まない列：";
        for (std::size_t i = 0; i < plan.skippedColumns.size(); ++i)
            out += (i ? "、" : "") + plan.skippedColumns[i];
        out += "\n";
    }
    if (!plan.findings.empty())
        out += "\n取り込めない点数（" + std::to_string(plan.findings.size()) + " 件）\n";
    for (const ScoreFinding& f : plan.findings) out += f.place + ": " + f.what + "\n";
    return out;
}

std::unique_ptr<TestScores> plannedScores(const ScorePlan& plan) {
    auto scores = std::make_unique<TestScores>();
    for (const ImportedScore& s : plan.scores) scores->scores[s.subject][s.cls][s.slot] = s.score;
    return scores;
}

Status readGradeRoster(const std::filesystem::path& dir, const BasicData& basic, int gradeNumber,
                       GradeRoster& roster) {
    if (Status s = readRoster(
            rosterPath(dir, basic.rosterTag.view().bytes(), basic.year, gradeNumber), roster);
        !s)
        return s;
    classRanges(basic.grades[gradeNumber - 1], roster);
    return Status::ok();
}

Status planScoreImportFile(const std::filesystem::path& dir, const BasicData& basic,
                           const std::filesystem::path& file, const std::string& sheet,
                           ScoreImportRequest request, ScorePlan& plan) {
    const GradeData& grade = basic.grades[request.gradeNumber - 1];
    auto roster = std::make_unique<GradeRoster>();
    if (Status s = readGradeRoster(dir, basic, request.gradeNumber, *roster); !s) return s;
    std::vector<Sheet> sheets;
    const SheetChoice choice{sheet.empty() ? SheetChoice::Which::All : SheetChoice::Which::Named,
                             sheet};
    if (Status s = readSheetFile(file, TextEncoding::Detect, choice, sheets); !s) return s;
    request.source = utf8FromPath(file);
    return planScoreImport(sheets, grade, *roster, request, plan);
}

FileMergeResult saveScoreImport(const std::filesystem::path& dir, const BasicData& basic,
                                const ScoreImportRequest& request, const ScorePlan& plan,
                                Messages& messages) {
    const GradeData& grade = basic.grades[request.gradeNumber - 1];
    // The roster names the students of the conflict question.
    auto roster = std::make_unique<GradeRoster>();
    if (Status s = readGradeRoster(dir, basic, request.gradeNumber, *roster); !s)
        return {FileMergeOutcome::Failed, std::move(s)};
    const auto nothingTyped = std::make_unique<TestScores>();
    return mergeIntoScoreFile(scorePath(dir, basic.year, request.test, request.gradeNumber), grade,
                              *roster, *nothingTyped, *plannedScores(plan), messages);
}

}  // namespace jitsu::yearfiles
