// SPDX-License-Identifier: GPL-3.0-or-later
#include "YearCheck.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "BasicData.h"
#include "Cp932.h"
#include "EditorChecks.h"
#include "FileSystem.h"
#include "FolderSettings.h"
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

// A reader's reason without the file name it starts with: the finding names the file already.
// A reason "FILE:LINE: what" gives its line to `line`.
Reason reasonOf(const Status& status, const fs::path& path, std::size_t* line = nullptr) {
    const std::string reason = status.reason();
    const std::string file = utf8FromPath(path) + ":";
    if (!reason.starts_with(file)) return Reason::verbatim(reason);
    std::size_t rest = file.size();
    const std::size_t digitsEnd = reason.find_first_not_of("0123456789", rest);
    if (line && digitsEnd != rest && digitsEnd - rest <= 9 &&
        reason.compare(digitsEnd, 2, ": ") == 0) {
        *line = std::stoul(reason.substr(rest, digitsEnd - rest));
        rest = digitsEnd + 1;
    }
    if (reason.compare(rest, 1, " ") != 0) return Reason::verbatim(reason);
    return Reason::verbatim(reason.substr(rest + 1));
}

// What to do, by the window that does it.
constexpr const char* kBasesetup = "basesetup";
constexpr const char* kScoreentry = "scoreentry";
constexpr const char* kReportcard = "reportcard";

// "subject 3 (数学)" for every subject of a grade, each name converted once.
std::vector<std::string> subjectTexts(const GradeData& grade) {
    std::vector<std::string> texts;
    for (int j = 0; j < grade.subjects(); ++j)
        texts.push_back(
            because(N_("subject {1} ({2})"), j + 1, grade.subjectNames[j].utf8()).text());
    return texts;
}

// Whether anything has the name, a link of any kind included: its reader says what is wrong.
bool named(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// What reading a results file found.
struct ResultsRead {
    Status status = Status::ok();
    FileFindings health;
};

// Reads the results files, given with their grades, on every core: reading them is most of a
// check's work, and each is read alone.
std::vector<ResultsRead> readResultsFiles(
    const std::vector<std::pair<fs::path, const GradeData*>>& files) {
    std::vector<ResultsRead> reads(files.size());
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
        auto results = std::make_unique<GradeResults>();
        for (std::size_t i; (i = next++) < files.size();)
            reads[i].status =
                readResultsFile(files[i].first, *files[i].second, *results, &reads[i].health);
    };
    {
        const std::size_t helpers =
            std::min<std::size_t>(std::max(std::thread::hardware_concurrency(), 1u), files.size());
        std::vector<std::jthread> threads;
        for (std::size_t h = 1; h < helpers; ++h) threads.emplace_back(work);
        work();
    }
    return reads;
}

class YearChecker {
public:
    explicit YearChecker(const fs::path& dir) : dir_(dir) {}

    // False when there is no basic data to check the other files against.
    bool basicData() {
        const fs::path path = basicDataPath(dir_);
        FileFindings health;
        if (Status read = readBasicData(path, data_, &health); !read) {
            add(Severity::Error, read.isMissing() ? "basic.missing" : "basic.unreadable", path, 0,
                reasonOf(read, path), Reason(N_("set up the school year in 基礎データ")),
                kBasesetup);
            return false;
        }
        if (health.damaged())
            add(Severity::Error, "basic.damaged", path, 0, Reason::verbatim(health.describe()),
                Reason(N_("open it in 基礎データ, check it and save it again")), kBasesetup);
        for (const EditorFinding& editorFinding : checkEditorTexts(editorTextsOf(data_)))
            add(Severity::Error, "basic.invalid-value", path, 0,
                Reason::verbatim(editorFinding.text), Reason(N_("correct it in 基礎データ")),
                kBasesetup);
        return true;
    }

    // The folder's settings, which the check lists print the year by.
    void settings() {
        const fs::path path = folderSettingsPath(dir_);
        FolderSettings settings;
        if (Status read = readFolderSettings(dir_, settings); !read) {
            std::size_t line = 0;
            Reason what = reasonOf(read, path, &line);
            add(Severity::Error, "settings.unreadable", path, line, std::move(what),
                Reason(N_("choose 印刷する年度 in the launcher, which writes the file again")));
        }
    }

    void year(unsigned year) {
        year_ = year;
        std::vector<std::pair<fs::path, const GradeData*>> resultsFiles;
        std::map<std::pair<int, int>, std::size_t> resultsIndex;  // by grade and test
        for (int g = 1; g <= kGrades; ++g) {
            const GradeData& grade = data_.grades[g - 1];
            for (int t = 1; grade.classes() > 0 && t <= grade.tests(); ++t)
                if (fs::path results = resultsPath(dir_, year, t, g); named(results)) {
                    resultsIndex[{g, t}] = resultsFiles.size();
                    resultsFiles.emplace_back(std::move(results), &grade);
                }
        }
        const std::vector<ResultsRead> resultsReads = readResultsFiles(resultsFiles);
        for (int g = 1; g <= kGrades; ++g) {
            const GradeData& grade = data_.grades[g - 1];
            if (grade.classes() == 0) continue;
            const fs::path rosterFile = rosterPath(dir_, data_.rosterTag.view().bytes(), year, g);
            roster(g, rosterFile);
            const std::vector<std::string> subjects = subjectTexts(grade);
            bool anyScores = false;
            for (int t = 1; t <= grade.tests(); ++t) {
                const fs::path scores = scorePath(dir_, year, t, g);
                const bool haveScores = named(scores);
                anyScores = anyScores || haveScores;
                if (haveScores) scoreFile(grade, subjects, t, scores);
                if (const auto read = resultsIndex.find({g, t}); read != resultsIndex.end())
                    resultsFile(g, t, resultsFiles[read->second].first, resultsReads[read->second],
                                haveScores ? &scores : nullptr);
            }
            if (anyScores && rosterAlignment(rosterFile) == RosterAlignment::Edited)
                add(Severity::Error, "roster.edited", rosterFile, 0,
                    because(N_("changed since the scores of grade {1} were typed: scores show on "
                               "other students"),
                            g),
                    Reason(
                        N_("open the folder in the launcher or in 点数入力, which offer to carry "
                           "the scores over")),
                    kScoreentry);
        }
    }

    unsigned basicYear() const { return data_.year; }
    std::vector<Finding> findings;

private:
    void add(Severity severity, std::string code, const fs::path& file, std::size_t line,
             Reason what, Reason todo, std::string fixedIn = {}) {
        findings.push_back({severity, std::move(code), file, line, std::move(what), std::move(todo),
                            std::move(fixedIn)});
    }

    void roster(int g, const fs::path& path) {
        const Reason reimport(N_("import the roster again with 名簿の取り込み… in the launcher"));
        std::string text;
        FileFindings whole;
        if (Status read = readTextFile(path, kMaxRosterBytes, text, &whole); !read) {
            add(read.isMissing() ? Severity::Warning : Severity::Error,
                read.isMissing() ? "roster.missing" : "roster.unreadable", path, 0,
                reasonOf(read, path),
                read.isMissing()
                    ? Reason(N_("import the roster with 名簿の取り込み… in the launcher"))
                    : reimport);
            return;
        }
        if (whole.looksUtf8) {
            add(Severity::Error, "roster.utf8", path, 0,
                Reason(
                    N_("the file is UTF-8; the suite reads CP932 and would print garbled names")),
                reimport);
            return;
        }
        if (whole.lfEnds > 0)
            add(Severity::Warning, "roster.lf-line-ends", path, 0,
                because(N_("{1} line(s) end in LF only, not CR LF"), whole.lfEnds), reimport);
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
                because(N_("the head counts of grade {1} add up to {2}, a roster names {3}: from "
                           "class {4} No. {5} on, students print without names"),
                        g, heads, kRosterEntries, first->cls + 1, first->slot + 1),
                because(N_("keep the grade within {1} students in 基礎データ"), kRosterEntries),
                kBasesetup);
        if (lines != heads)
            add(Severity::Error, "roster.line-count", path, 0,
                because(N_("{1} students, the head counts of grade {2} add up to {3}: names from "
                           "the first class that differs on land on the wrong students"),
                        lines, g, heads),
                Reason(N_("correct the head counts in 基礎データ, or import the roster again with "
                          "名簿の取り込み… in the launcher")),
                kBasesetup);
    }

    // `previous`: the number of the line before in the same class ("" for a class's first line),
    // set to this line's.
    void rosterLine(const fs::path& path, std::size_t number, std::string_view line,
                    std::string& previous) {
        FileFindings health;
        surveyBytes(line, health);
        if (!health.validCp932) {
            add(Severity::Error, "roster.not-cp932", path, number,
                Reason(N_("bytes that are not CP932")),
                Reason(N_("import the roster again with 名簿の取り込み… in the launcher")));
            return;
        }
        if (number == 1 && line.starts_with(kUtf8Bom))
            add(Severity::Error, "roster.bom", path, number,
                Reason(N_("a byte order mark before the first student number: it becomes part of "
                          "it")),
                Reason(N_("import the roster again with 名簿の取り込み… in the launcher")));
        const auto separators =
            std::count_if(line.begin(), line.end(), [](char c) { return c == ',' || c == '\t'; });
        if (separators != 1)
            add(Severity::Error, "roster.field-count", path, number,
                because(N_("{1} field(s), a roster line has 2 (student number, name): every later "
                           "number lands on another name"),
                        separators + 1),
                Reason(N_("import the roster again with 名簿の取り込み… in the launcher")));
        const std::size_t cut = line.find_first_of(",\t");
        const std::size_t numberBytes = cut == std::string_view::npos ? 0 : cut;
        const std::size_t nameBytes =
            cut == std::string_view::npos ? line.size() : line.size() - cut - 1;
        const std::optional<std::string> student = normalStudentNumber(line.substr(0, numberBytes));
        if (!student) {
            add(Severity::Error, "roster.number-not-numeric", path, number,
                because(N_("student number \"{1}\" is not a number"),
                        cp932ToUtf8(line.substr(0, numberBytes))),
                Reason(N_("write the number in digits and import the roster again with "
                          "名簿の取り込み… in the launcher")));
        } else {
            if (!previous.empty() && compareStudentNumbers(previous, *student) >= 0)
                add(Severity::Error, "roster.number-order", path, number,
                    because(N_("student number {1} after {2} in the same class: the class is not "
                               "in the order of its numbers"),
                            *student, previous),
                    Reason(N_("import the roster again with 名簿の取り込み… in the launcher, which "
                              "orders each class by number")));
            previous = *student;
        }
        if (numberBytes > kStudentNumberField - 1)
            add(Severity::Error, "roster.number-too-long", path, number,
                because(N_("student number of {1} bytes, the record holds {2}: it is cut"),
                        numberBytes, kStudentNumberField - 1),
                Reason(N_("shorten the student number and import the roster again")));
        if (nameBytes > kNameField - 1)
            add(Severity::Error, "roster.name-too-long", path, number,
                because(N_("name of {1} bytes, the record holds {2}: it is cut"), nameBytes,
                        kNameField - 1),
                Reason(N_("shorten the name and import the roster again")));
    }

    void scoreFile(const GradeData& grade, const std::vector<std::string>& subjects, int t,
                   const fs::path& path) {
        auto scores = std::make_unique<TestScores>();
        FileFindings health;
        if (Status read = readScores(path, grade, *scores, &health); !read) {
            add(Severity::Error, "scores.unreadable", path, 0, reasonOf(read, path),
                Reason(N_("ask the person in charge to check the file's permissions")));
            return;
        }
        if (!shape("scores", path, health,
                   Reason(N_("the basic data changed after the scores were typed: restore the "
                             "counts in 基礎データ or type the scores again")),
                   Reason(N_("correct it in 点数入力")), kScoreentry))
            return;
        // Scores for a subject not given: one finding per subject, at its first line.
        std::size_t notGiven[kMaxSubjects] = {}, firstNotGiven[kMaxSubjects] = {};
        for (int k = 0; k < grade.classes(); ++k)
            for (int s = 0; s < kSlots; ++s)
                for (int j = 0; j < grade.subjects(); ++j) {
                    const int score = scores->scores[j][k][s];
                    const std::size_t line = static_cast<std::size_t>(k * kSlots + s + 1);

                    // A value below -1 is the reader's finding already (shape() above).
                    if (score >= 0 && !grade.isGiven(t - 1, j) && notGiven[j]++ == 0)
                        firstNotGiven[j] = line;
                    else if (grade.isGiven(t - 1, j) && score > grade.fullMarks[t - 1][j])
                        add(Severity::Error, "scores.above-full-marks", path, line,
                            because(N_("class {1} No. {2}, {3}: score {4} above full marks {5}"),
                                    k + 1, s + 1, subjects[static_cast<std::size_t>(j)], score,
                                    grade.fullMarks[t - 1][j]),
                            Reason(N_("correct it in 点数入力")), kScoreentry);
                }
        for (int j = 0; j < grade.subjects(); ++j)
            if (notGiven[j])
                add(Severity::Warning, "scores.subject-not-given", path, firstNotGiven[j],
                    because(N_("{1} score(s) for {2}, which test {3} does not give"), notGiven[j],
                            subjects[static_cast<std::size_t>(j)], t),
                    Reason(N_("give the subject full marks in 基礎データ or remove the scores in "
                              "点数入力")),
                    kScoreentry);
    }

    void resultsFile(int g, int t, const fs::path& path, const ResultsRead& read,
                     const fs::path* scores) {
        const Reason recompute = because(
            N_("compute the results of grade {1}, test {2} again with 実行 in 個人票 印刷"), g, t);
        if (!read.status) {
            add(Severity::Error, "results.unreadable", path, 0, reasonOf(read.status, path),
                Reason(N_("ask the person in charge to check the file's permissions")));
            return;
        }
        if (!shape("results", path, read.health, recompute, recompute, kReportcard)) return;
        if (!scores) return;
        const auto scoresSaved = fileSystem().modified(*scores),
                   resultsSaved = fileSystem().modified(path);
        if (scoresSaved && resultsSaved && *scoresSaved > *resultsSaved)
            add(Severity::Warning, "results.out-of-date", path, 0,
                because(N_("out of date: {1} was saved after it"), scores->filename()), recompute,
                kReportcard);
    }

    // The shared shape check, then any other damage, with codes KIND.shape and KIND.damaged;
    // false when the values cannot be trusted. Values the reader rejected alone (`rangeTodo`)
    // leave the others to be checked.
    bool shape(const std::string& kind, const fs::path& path, const FileFindings& health,
               const Reason& todo, const Reason& rangeTodo, const char* fixedIn) {
        const ShapeFit fit = checkShape(health);
        if (!fit.fits) {
            add(Severity::Error, kind + ".shape", path, 0,
                because(N_("{1} values, the basic data asks for {2}"), fit.found, fit.expected),
                todo, fixedIn);
            return false;
        }
        if (!health.damaged()) return true;
        FileFindings rest = health;
        rest.rejected = 0;
        rest.rejectedPlaces.clear();
        add(Severity::Error, kind + ".damaged", path, 0, Reason::verbatim(health.describe()),
            rest.damaged() ? todo : rangeTodo, fixedIn);
        return !rest.damaged();
    }

    fs::path dir_;
    unsigned year_ = 0;
    BasicData data_;
};

}  // namespace

std::vector<Finding> checkYear(const fs::path& dir, unsigned year) {
    auto checker = std::make_unique<YearChecker>(dir);
    checker->settings();
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
    std::string where = utf8FromPath(nameOnly ? f.file.filename() : f.file);
    if (f.line) where.append(":").append(std::to_string(f.line));
    return because(f.severity == Severity::Error ? N_("error: {1}: {2}; {3}")
                                                 : N_("warning: {1}: {2}; {3}"),
                   where, f.what, f.todo)
        .text();
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
        out += ", \"file\": " + jsonString(utf8FromPath(f.file));
        out += ", \"line\": " + (f.line ? std::to_string(f.line) : std::string("null"));
        out += ", \"what\": " + jsonString(f.what.text()) +
               ", \"todo\": " + jsonString(f.todo.text()) + "}";
    }
    return out + (findings.empty() ? "]\n" : "\n]\n");
}

}  // namespace jitsu::yearfiles
