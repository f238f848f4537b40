// SPDX-License-Identifier: GPL-3.0-or-later
#include "YearCheck.h"

#include <algorithm>
#include <memory>

#include "BasicData.h"
#include "Cp932.h"
#include "EditorChecks.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "RosterAlignment.h"
#include "StudentNumber.h"
#include "TestScores.h"
#include "TextFile.h"
#include "TokenReader.h"
#include "Utf8.h"

namespace jitsu::yearfiles {

namespace {

using Severity = Finding::Severity;
namespace fs = std::filesystem;

std::string gradeText(int grade) { return "grade " + std::to_string(grade); }

// A reader's reason without the file name it starts with: the finding names the file already.
std::string reasonOf(const Status& status, const fs::path& path) {
    const std::string prefix = path.string() + ": ";
    const std::string& reason = status.reason();
    return reason.starts_with(prefix) ? reason.substr(prefix.size()) : reason;
}

// "subject 3 (数学)" for every subject of a grade, each name converted once.
std::vector<std::string> subjectTexts(const GradeData& grade) {
    std::vector<std::string> texts;
    for (int j = 0; j < grade.subjects(); ++j)
        texts.push_back("subject " + std::to_string(j + 1) + " (" +
                        cp932ToUtf8(grade.subjectNames[j].view()) + ")");
    return texts;
}

// Whether anything has the name, a link of any kind included: its reader says what is wrong.
bool named(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

class YearChecker {
public:
    explicit YearChecker(const fs::path& dir) : dir_(dir) {}

    // False when there is no basic data to check the other files against.
    bool basicData() {
        const fs::path path = basicDataPath(dir_);
        FileHealth health;
        if (Status read = readBasicData(path, data_, &health); !read) {
            add(Severity::Error, read.isMissing() ? "basic.missing" : "basic.unreadable", path, 0,
                reasonOf(read, path), "create the school year with basesetup");
            return false;
        }
        if (health.damaged())
            add(Severity::Error, "basic.damaged", path, 0, health.describe(),
                "open it in basesetup and save it again");
        for (const Problem& problem : checkEditorTexts(editorTextsOf(data_)))
            add(Severity::Error, "basic.invalid-value", path, 0, problem.text,
                "correct it in basesetup");
        return true;
    }

    void year(unsigned year) {
        year_ = year;
        for (int g = 1; g <= kGrades; ++g) {
            const GradeData& grade = data_.grades[g - 1];
            if (grade.classes() == 0) continue;
            const fs::path rosterFile = rosterPath(dir_, data_.rosterTag.view(), year, g);
            roster(g, rosterFile);
            const std::vector<std::string> subjects = subjectTexts(grade);
            bool anyScores = false;
            for (int t = 1; t <= grade.tests(); ++t) {
                const fs::path scores = scorePath(dir_, year, t, g);
                const bool haveScores = named(scores);
                anyScores = anyScores || haveScores;
                if (haveScores) scoreFile(grade, subjects, t, scores);
                const fs::path results = resultsPath(dir_, year, t, g);
                if (named(results))
                    resultsFile(grade, g, t, results, haveScores ? &scores : nullptr);
            }
            if (anyScores && rosterAlignment(rosterFile) == RosterAlignment::Edited)
                add(Severity::Error, "roster.edited", rosterFile, 0,
                    "changed since the scores of " + gradeText(g) +
                        " were typed: scores show on other students",
                    "start the launcher or scoreentry, which offer to carry the scores over");
        }
    }

    unsigned basicYear() const { return data_.year; }
    std::vector<Finding> findings;

private:
    void add(Severity severity, std::string code, const fs::path& file, std::size_t line,
             std::string what, std::string todo) {
        findings.push_back(
            {severity, std::move(code), file, line, std::move(what), std::move(todo)});
    }

    void roster(int g, const fs::path& path) {
        const std::string reimport = "import it again with jitsuryoku import-roster";
        std::string text;
        FileHealth whole;
        if (Status read = readTextFile(path, kMaxRosterBytes, text, &whole); !read) {
            add(read.isMissing() ? Severity::Warning : Severity::Error,
                read.isMissing() ? "roster.missing" : "roster.unreadable", path, 0,
                reasonOf(read, path),
                read.isMissing() ? "import one with jitsuryoku import-roster" : reimport);
            return;
        }
        if (whole.looksUtf8) {
            add(Severity::Error, "roster.utf8", path, 0,
                "the file is UTF-8; the suite reads CP932 and would print garbled names", reimport);
            return;
        }
        if (whole.lfEnds > 0)
            add(Severity::Warning, "roster.lf-line-ends", path, 0,
                std::to_string(whole.lfEnds) + " line(s) end in LF only, not CR LF", reimport);
        const GradeData& grade = data_.grades[g - 1];
        std::size_t lines = 0;
        int cls = 0;
        std::size_t classEnd = grade.classes() > 0 ? grade.headCounts[0] : 0;
        std::string previous;  // the class's last number, normalised
        for (std::size_t start = 0; start < text.size(); start = text.find('\n', start) + 1) {
            ++lines;
            while (lines > classEnd && cls + 1 < grade.classes()) {
                classEnd += grade.headCounts[++cls];
                previous.clear();
            }
            const std::size_t end = std::min(text.find('\n', start), text.size());
            rosterLine(path, lines, std::string_view(text).substr(start, end - start), previous);
            if (end == text.size()) break;
        }
        std::size_t heads = 0;
        for (int k = 0; k < grade.classes(); ++k) heads += grade.headCounts[k];
        if (const auto first = firstUnnamedStudent(grade))
            add(Severity::Error, "roster.past-last-entry", path, 0,
                "the head counts of " + gradeText(g) + " add up to " + std::to_string(heads) +
                    ", a roster names " + std::to_string(kRosterEntries) + ": from class " +
                    std::to_string(first->cls + 1) + " No. " + std::to_string(first->slot + 1) +
                    " on, students print without names",
                "keep the grade within " + std::to_string(kRosterEntries) +
                    " students in basesetup");
        if (lines != heads)
            add(Severity::Error, "roster.line-count", path, 0,
                std::to_string(lines) + " students, the head counts of " + gradeText(g) +
                    " add up to " + std::to_string(heads) +
                    ": names from the first class that differs on land on the wrong students",
                "correct the head counts in basesetup or the roster");
    }

    // `previous`: the number of the line before in the same class ("" for a class's first line),
    // set to this line's.
    void rosterLine(const fs::path& path, std::size_t number, std::string_view line,
                    std::string& previous) {
        FileHealth health;
        surveyBytes(line, health);
        if (!health.validCp932) {
            add(Severity::Error, "roster.not-cp932", path, number, "bytes that are not CP932",
                "correct the name or import the roster again");
            return;
        }
        if (number == 1 && line.starts_with(kUtf8Bom))
            add(Severity::Error, "roster.bom", path, number,
                "a byte order mark before the first student number: it becomes part of it",
                "save the roster without BOM or import it again");
        const auto separators =
            std::count_if(line.begin(), line.end(), [](char c) { return c == ',' || c == '\t'; });
        if (separators != 1)
            add(Severity::Error, "roster.field-count", path, number,
                std::to_string(separators + 1) + (separators == 0 ? " field" : " fields") +
                    ", a roster line has 2 (student number, name): every later number lands on "
                    "another name",
                "correct the line or import the roster again");
        const std::size_t cut = line.find_first_of(",\t");
        const std::size_t numberBytes = cut == std::string_view::npos ? 0 : cut;
        const std::size_t nameBytes =
            cut == std::string_view::npos ? line.size() : line.size() - cut - 1;
        const std::optional<std::string> student = normalStudentNumber(line.substr(0, numberBytes));
        if (!student) {
            add(Severity::Error, "roster.number-not-numeric", path, number,
                "student number \"" + cp932ToUtf8(line.substr(0, numberBytes)) +
                    "\" is not a number",
                "write it in digits only or import the roster again");
        } else {
            if (!previous.empty() && compareStudentNumbers(previous, *student) >= 0)
                add(Severity::Error, "roster.number-order", path, number,
                    "student number " + *student + " after " + previous +
                        " in the same class: the class is not in the order of its numbers",
                    "import the roster again, which orders each class by number");
            previous = *student;
        }
        if (numberBytes > kStudentNumberField - 1)
            add(Severity::Error, "roster.number-too-long", path, number,
                "student number of " + std::to_string(numberBytes) + " bytes, the record holds " +
                    std::to_string(kStudentNumberField - 1) + ": it is cut",
                "shorten the student number");
        if (nameBytes > kNameField - 1)
            add(Severity::Error, "roster.name-too-long", path, number,
                "name of " + std::to_string(nameBytes) + " bytes, the record holds " +
                    std::to_string(kNameField - 1) + ": it is cut",
                "shorten the name");
    }

    void scoreFile(const GradeData& grade, const std::vector<std::string>& subjects, int t,
                   const fs::path& path) {
        auto scores = std::make_unique<TestScores>();
        FileHealth health;
        if (Status read = readScores(path, grade, *scores, &health); !read) {
            add(Severity::Error, "scores.unreadable", path, 0, reasonOf(read, path),
                "check the file's permissions");
            return;
        }
        if (!shape("scores", path, health,
                   "the basic data changed after the scores were typed: restore the counts in "
                   "basesetup or type the scores again",
                   "correct it in scoreentry (-1 means no score)"))
            return;
        // Scores for a subject not given: one finding per subject, at its first line.
        std::size_t notGiven[kMaxSubjects] = {}, firstNotGiven[kMaxSubjects] = {};
        for (int k = 0; k < grade.classes(); ++k)
            for (int s = 0; s < kSlots; ++s)
                for (int j = 0; j < grade.subjects(); ++j) {
                    const int score = scores->scores[j][k][s];
                    const std::size_t line = static_cast<std::size_t>(k * kSlots + s + 1);
                    const std::string where = "class " + std::to_string(k + 1) + " No. " +
                                              std::to_string(s + 1) + ", " +
                                              subjects[static_cast<std::size_t>(j)] + ": ";
                    // A value below -1 is the reader's finding already (shape() above).
                    if (score >= 0 && !grade.isGiven(t - 1, j) && notGiven[j]++ == 0)
                        firstNotGiven[j] = line;
                    else if (grade.isGiven(t - 1, j) && score > grade.fullMarks[t - 1][j])
                        add(Severity::Error, "scores.above-full-marks", path, line,
                            where + "score " + std::to_string(score) + " above full marks " +
                                std::to_string(grade.fullMarks[t - 1][j]),
                            "correct it in scoreentry");
                }
        for (int j = 0; j < grade.subjects(); ++j)
            if (notGiven[j])
                add(Severity::Warning, "scores.subject-not-given", path, firstNotGiven[j],
                    std::to_string(notGiven[j]) + " score(s) for " +
                        subjects[static_cast<std::size_t>(j)] + ", which test " +
                        std::to_string(t) + " does not give",
                    "give the subject full marks in basesetup or remove the scores in scoreentry");
    }

    void resultsFile(const GradeData& grade, int g, int t, const fs::path& path,
                     const fs::path* scores) {
        auto results = std::make_unique<GradeResults>();
        FileHealth health;
        const std::string recompute =
            "compute the results again (reportcard or jitsuryoku results --year " +
            std::to_string(year_) + " --test " + std::to_string(t) + " --grade " +
            std::to_string(g) + ")";
        if (Status read = readResultsFile(path, grade, *results, &health); !read) {
            add(Severity::Error, "results.unreadable", path, 0, reasonOf(read, path),
                "check the file's permissions");
            return;
        }
        if (!shape("results", path, health, recompute, recompute)) return;
        std::error_code a, b;
        if (scores && fs::last_write_time(*scores, a) > fs::last_write_time(path, b) && !a && !b)
            add(Severity::Warning, "results.out-of-date", path, 0,
                "out of date: " + scores->filename().string() + " was saved after it", recompute);
    }

    // The shared shape check, then any other damage, with codes KIND.shape and KIND.damaged;
    // false when the values cannot be trusted. Values the reader rejected alone (`rangeTodo`)
    // leave the others to be checked.
    bool shape(const std::string& kind, const fs::path& path, const FileHealth& health,
               const std::string& todo, const std::string& rangeTodo) {
        const ShapeFit fit = checkShape(health);
        if (!fit.fits) {
            add(Severity::Error, kind + ".shape", path, 0,
                std::to_string(fit.found) + " values, the basic data asks for " +
                    std::to_string(fit.expected),
                todo);
            return false;
        }
        if (!health.damaged()) return true;
        FileHealth rest = health;
        rest.rejected = 0;
        rest.rejectedPlaces.clear();
        add(Severity::Error, kind + ".damaged", path, 0, health.describe(),
            rest.damaged() ? todo : rangeTodo);
        return !rest.damaged();
    }

    fs::path dir_;
    unsigned year_ = 0;
    BasicData data_;
};

}  // namespace

std::vector<Finding> checkYear(const fs::path& dir, unsigned year) {
    auto checker = std::make_unique<YearChecker>(dir);
    if (checker->basicData()) {
        checker->year(year ? year : checker->basicYear());
    }
    return std::move(checker->findings);
}

bool hasError(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.severity == Severity::Error) return true;
    return false;
}

std::string findingLine(const Finding& f, bool nameOnly) {
    std::string out = f.severity == Severity::Error ? "error: " : "warning: ";
    out += (nameOnly ? f.file.filename() : f.file).string();
    if (f.line) out.append(":").append(std::to_string(f.line));
    return out.append(": ").append(f.what).append("; ").append(f.todo);
}

namespace {

std::string jsonString(std::string_view text) {
    static const char* hex = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {  // not UTF-8: the byte as the text \xHH
            out.append("\\\\x").append(1, hex[c >> 4]).append(1, hex[c & 0xF]);
        } else if (c == '"' || c == '\\') {
            out.append(1, '\\').append(1, static_cast<char>(c));
        } else if (c < 0x20) {
            out.append("\\u00").append(1, hex[c >> 4]).append(1, hex[c & 0xF]);
        } else {
            out.append(text.substr(i, length));
        }
        i += length ? length : 1;
    }
    return out + "\"";
}

}  // namespace

std::string findingsJson(const std::vector<Finding>& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        out += i ? ",\n " : "\n ";
        out += "{\"severity\": ";
        out += f.severity == Severity::Error ? "\"error\"" : "\"warning\"";
        out += ", \"code\": " + jsonString(f.code);
        out += ", \"file\": " + jsonString(f.file.string());
        out += ", \"line\": " + (f.line ? std::to_string(f.line) : std::string("null"));
        out += ", \"what\": " + jsonString(f.what) + ", \"todo\": " + jsonString(f.todo) + "}";
    }
    return out + (findings.empty() ? "]\n" : "\n]\n");
}

}  // namespace jitsu::yearfiles
