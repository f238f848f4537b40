// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "Cp932.h"
#include "Format.h"
#include "PageParts.h"
#include "ReportPages.h"

namespace jitsu::questions {

namespace {

constexpr int kTop = 150;
constexpr int kPerGridRow = 25;  // questions a row of the grid
constexpr int kCellHalfEms = 5;  // a question's cell, in half-ems of 8 points
constexpr int kGridRowHeight = 180;
constexpr int kGroupRowHeight = 110;
constexpr int kStudentX = 1500;  // the student's rate, then the class's
constexpr int kClassX = 3050;
constexpr int kRateWidth = 1500;

const char* markText(Mark mark) {
    switch (mark) {
        case Mark::Full:
            return "○";
        case Mark::Part:
            return "△";
        case Mark::None:
            break;
    }
    return "×";
}

// `text` padded with blanks to a cell of the grid.
void appendCell(std::string& line, const std::string& text) {
    line += text;
    line.append(static_cast<std::size_t>(std::max(1, kCellHalfEms - halfEms(text))), ' ');
}

// One student's block: name and score, the ○△× grid, and every domain and viewpoint's rate
// against the class's.
class StudentBlock {
public:
    explicit StudentBlock(const ReportData& data) : data_(data) {
        const auto& questions = data.job.marks.questions;
        gridRows_ =
            std::max<int>(1, (static_cast<int>(questions.size()) + kPerGridRow - 1) / kPerGridRow);
        for (int row = 0; row < gridRows_; ++row) {
            std::string labels;
            for (int q = row * kPerGridRow;
                 q < std::min<int>((row + 1) * kPerGridRow, questions.size()); ++q)
                appendCell(labels, cp932ToUtf8(questions[q].label));
            labelRows_.push_back(labels);
        }
        for (const auto* groups : {&data.domains, &data.viewpoints})
            for (const GroupRates& group : *groups)
                groups_.push_back({&group, cp932ToUtf8(group.name)});
    }

    int height() const {
        return 130 + gridRows_ * kGridRowHeight + 60 +
               kGroupRowHeight * (1 + static_cast<int>(groups_.size())) + 80;
    }

    void draw(ScaledPage& page, int top, std::size_t s) {
        const QuestionMarks& marks = data_.job.marks;
        const StudentMarks& student = marks.students[s];
        std::string name =
            data_.job.classNames[student.cls - 1] + "組 " + formatInt(student.slot, 2) + "番";
        if (s < data_.job.studentNames.size()) name.append("　").append(data_.job.studentNames[s]);
        page.font(10);
        page.text(kLeft, top, name);
        page.text(kClassX, top,
                  "得点 " + formatInt(scoreOf(student), 3) + " / " +
                      formatInt(totalPoints(marks.questions), 3));

        page.font(8);
        int y = top + 130;
        for (int row = 0; row < gridRows_; ++row, y += kGridRowHeight) {
            std::string cells;
            for (int q = row * kPerGridRow;
                 q < std::min<int>((row + 1) * kPerGridRow, marks.questions.size()); ++q)
                appendCell(cells, markText(markOf(marks.questions[q],
                                                  pointsOn(student, static_cast<std::size_t>(q)))));
            page.text(kLeft, y, labelRows_[row]);
            page.text(kLeft, y + 80, cells);
        }
        y += 60;
        page.text(kLeft + 15, y + 15, "領域・観点");
        page.text(kStudentX + 10, y + 15, "本人の得点率（％）");
        page.text(kClassX + 10, y + 15, "組の得点率（％）");
        const int tableTop = y;
        for (const Group& group : groups_) {
            y += kGroupRowHeight;
            page.text(kLeft + 15, y + 10, group.name);
            drawRateCell(page, kStudentX, y, kRateWidth, kGroupRowHeight, group.rates->students[s]);
            drawRateCell(page, kClassX, y, kRateWidth, kGroupRowHeight,
                         group.rates->rates.classes[student.cls - 1]);
        }
        y += kGroupRowHeight;
        for (int x : {kLeft, kStudentX, kClassX, kClassX + kRateWidth})
            page.line(x, tableTop, x, y);
        page.line(kLeft, tableTop, kClassX + kRateWidth, tableTop);
        page.line(kLeft, tableTop + kGroupRowHeight, kClassX + kRateWidth,
                  tableTop + kGroupRowHeight);
        page.line(kLeft, y, kClassX + kRateWidth, y);
    }

private:
    struct Group {
        const GroupRates* rates;
        std::string name;  // UTF-8
    };
    const ReportData& data_;
    int gridRows_ = 1;
    std::vector<std::string> labelRows_;
    std::vector<Group> groups_;
};

}  // namespace

void addStudentPages(const ReportData& data, std::vector<PageDrawer>& pages) {
    const std::vector<int> classes = data.chosenClasses();
    std::vector<std::size_t> students;
    for (std::size_t s = 0; s < data.job.marks.students.size(); ++s)
        if (std::find(classes.begin(), classes.end(), data.job.marks.students[s].cls) !=
            classes.end())
            students.push_back(s);
    const auto block = std::make_shared<StudentBlock>(data);
    const auto perPage = static_cast<std::size_t>(std::max(1, (kBottom - kTop) / block->height()));
    for (std::size_t first = 0; first < students.size(); first += perPage) {
        const std::vector<std::size_t> on(
            students.begin() + static_cast<std::ptrdiff_t>(first),
            students.begin() +
                static_cast<std::ptrdiff_t>(std::min(students.size(), first + perPage)));
        pages.push_back([block, on](ScaledPage& page) {
            int top = kTop;
            for (std::size_t s : on) {
                block->draw(page, top, s);
                top += block->height();
            }
        });
    }
}

}  // namespace jitsu::questions
