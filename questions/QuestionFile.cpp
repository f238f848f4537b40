// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionFile.h"

#include <algorithm>
#include <vector>

#include "AtomicWrite.h"
#include "Limits.h"
#include "Paths.h"
#include "TextFile.h"

namespace jitsu::questions {

std::filesystem::path questionFilePath(const std::filesystem::path& dir, unsigned year, int test,
                                       int grade, int subject) {
    return dir / ("JS" + twoDigitYear(year) + "_" + std::to_string(test) + "_" +
                  std::to_string(grade) + "_" + std::to_string(subject) + ".txt");
}

std::optional<Reason> questionTextProblem(std::string_view cp932, bool required) {
    if (required && cp932.empty()) return Reason(N_("an empty text"));
    if (cp932.size() > kMaxQuestionText)
        return because(N_("a text longer than {1} bytes"), kMaxQuestionText);
    // Trail bytes of CP932 are never a comma nor below 0x40: a byte test is safe.
    if (std::any_of(cp932.begin(), cp932.end(),
                    [](char c) { return c == ',' || static_cast<unsigned char>(c) < 0x20; }))
        return Reason(N_("a text holding a comma or a control character"));
    return std::nullopt;
}

std::string formatQuestionFile(const QuestionMarks& marks) {
    std::string out = std::to_string(marks.gradeNumber) + "," + std::to_string(marks.test) + "," +
                      marks.subject + "," + std::to_string(marks.questions.size()) + "," +
                      std::to_string(marks.students.size()) + "\r\n";
    for (const Question& q : marks.questions)
        out += q.label + "," + std::to_string(q.points) + "," + q.domain + "," + q.viewpoint + "," +
               q.answer + "\r\n";
    for (const StudentMarks& s : marks.students) {
        out += std::to_string(s.cls) + "," + std::to_string(s.slot);
        for (const std::optional<int>& p : s.points) {
            out += ',';
            if (p) out += std::to_string(*p);
        }
        out += "\r\n";
    }
    return out;
}

namespace {

// The lines of the text and where the reader stands, for messages naming the line.
class QuestionFileLines {
public:
    QuestionFileLines(std::string_view text, const std::filesystem::path& path)
        : text_(text), path_(path) {}

    // The next line's fields, or a failure when the text has ended or the count is not `count`.
    Status next(std::size_t count, std::vector<std::string_view>& fields) {
        ++line_;
        if (pos_ >= text_.size()) return damage(Reason(N_("fewer lines than its counts say")));
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        fields.clear();
        for (std::size_t start = 0;;) {
            const std::size_t comma = line.find(',', start);
            fields.push_back(line.substr(start, comma - start));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (fields.size() != count)
            return damage(because(N_("{1} fields where there must be {2}"), fields.size(), count));
        return Status::ok();
    }

    // The whole number of `field` when it lies in [low, high]; otherwise records the damage.
    std::optional<int> number(std::string_view field, int low, int high, const char* what,
                              Status& status) const {
        int value = 0;
        const bool digits =
            !field.empty() && field.size() <= 6 &&
            std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits)
            for (char c : field) value = value * 10 + (c - '0');
        if (digits && value >= low && value <= high) return value;
        status = damage(because(N_("{1} \"{2}\" is not from {3} to {4}"), Reason(what),
                                std::string(field), low, high));
        return std::nullopt;
    }

    Status damage(Reason what) const {
        return Status::error(because(N_("{1}:{2}: {3}"), path_, line_, std::move(what)));
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    // The damage of a line after the last one the counts say.
    Status extraLine() {
        ++line_;
        return damage(Reason(N_("more lines than its counts say")));
    }

private:
    std::string_view text_;
    const std::filesystem::path& path_;
    std::size_t pos_ = 0, line_ = 0;
};

Status parseQuestion(QuestionFileLines& lines, Question& q, int& total) {
    std::vector<std::string_view> f;
    if (Status s = lines.next(5, f); !s) return s;
    const bool required[5] = {true, false, false, false, false};
    for (std::size_t i : {0, 2, 3, 4})
        if (auto problem = questionTextProblem(f[i], required[i])) return lines.damage(*problem);
    Status status = Status::ok();
    const auto points = lines.number(f[1], 1, kMaxFullMarks, N_("the points"), status);
    if (!points) return status;
    total += *points;
    if (total > kMaxFullMarks)
        return lines.damage(because(N_("the points add up to more than {1}"), kMaxFullMarks));
    q = {std::string(f[0]), *points, std::string(f[2]), std::string(f[3]), std::string(f[4])};
    return Status::ok();
}

Status parseStudent(QuestionFileLines& lines, const std::vector<Question>& questions,
                    const StudentMarks* previous, StudentMarks& student) {
    std::vector<std::string_view> f;
    if (Status s = lines.next(2 + questions.size(), f); !s) return s;
    Status status = Status::ok();
    const auto cls = lines.number(f[0], 1, kMaxClasses, N_("the class"), status);
    const auto slot = cls ? lines.number(f[1], 1, kSlots, N_("the slot"), status) : std::nullopt;
    if (!slot) return status;
    if (previous && std::pair(previous->cls, previous->slot) >= std::pair(*cls, *slot))
        return lines.damage(Reason(N_("the students are not in class and slot order")));
    student = {*cls, *slot, {}};
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (f[2 + i].empty()) {
            student.points.emplace_back();
            continue;
        }
        const auto mark = lines.number(f[2 + i], 0, questions[i].points, N_("a mark"), status);
        if (!mark) return status;
        student.points.emplace_back(*mark);
    }
    return Status::ok();
}

}  // namespace

Status parseQuestionFile(std::string_view text, const std::filesystem::path& path,
                         QuestionMarks& marks) {
    marks = {};
    QuestionFileLines lines(text, path);
    std::vector<std::string_view> f;
    if (Status s = lines.next(5, f); !s) return s;
    Status status = Status::ok();
    const auto grade = lines.number(f[0], 1, kGrades, N_("the grade"), status);
    const auto test = grade ? lines.number(f[1], 1, kMaxTests, N_("the test"), status) : grade;
    const auto count =
        test ? lines.number(f[3], 1, kMaxQuestions, N_("the count of questions"), status) : test;
    const auto students =
        count ? lines.number(f[4], 0, kMaxClasses * kSlots, N_("the count of students"), status)
              : count;
    if (!students) return status;
    if (auto problem = questionTextProblem(f[2], true)) return lines.damage(*problem);
    marks.gradeNumber = *grade;
    marks.test = *test;
    marks.subject = std::string(f[2]);
    marks.questions.resize(static_cast<std::size_t>(*count));
    int total = 0;
    for (Question& q : marks.questions)
        if (Status s = parseQuestion(lines, q, total); !s) return s;
    marks.students.resize(static_cast<std::size_t>(*students));
    for (std::size_t i = 0; i < marks.students.size(); ++i)
        if (Status s = parseStudent(lines, marks.questions, i ? &marks.students[i - 1] : nullptr,
                                    marks.students[i]);
            !s)
            return s;
    if (!lines.atEnd()) return lines.extraLine();
    return Status::ok();
}

Status readQuestionFile(const std::filesystem::path& path, QuestionMarks& marks) {
    std::string text;
    if (Status s = readTextFile(path, kMaxQuestionFileBytes, text); !s) return s;
    return parseQuestionFile(text, path, marks);
}

Status writeQuestionFile(const std::filesystem::path& path, const QuestionMarks& marks) {
    return writeFileAtomically(path, formatQuestionFile(marks));
}

}  // namespace jitsu::questions
