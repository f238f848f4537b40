// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionPages.h"

#include <algorithm>

#include "PageFit.h"
#include "ReportPages.h"

namespace jitsu::questions {

namespace {

std::vector<PageDrawer> reportPages(const ReportData& data) {
    std::vector<PageDrawer> pages;
    const ReportParts& parts = data.job.parts;
    if (parts.rates) addRatePages(data, pages);
    if (parts.groups) addGroupPage(data, pages);
    if (parts.charts) addChartPages(data, pages);
    if (parts.students) addStudentPages(data, pages);
    return pages;
}

}  // namespace

ReportData::ReportData(const QuestionReportJob& job)
    : job(job),
      classCount(static_cast<int>(job.classNames.size())),
      questions(questionRates(job.marks, classCount)),
      domains(groupRates(job.marks, classCount, Grouping::Domain)),
      viewpoints(groupRates(job.marks, classCount, Grouping::Viewpoint)) {}

std::vector<int> ReportData::chosenClasses() const {
    std::vector<int> classes;
    for (int c = 1; c <= classCount; ++c)
        if (job.classes.empty() ||
            std::find(job.classes.begin(), job.classes.end(), c) != job.classes.end())
            classes.push_back(c);
    return classes;
}

int reportPageCount(const QuestionReportJob& job) {
    return static_cast<int>(reportPages(ReportData(job)).size());
}

void drawQuestionReport(const QuestionReportJob& job, PageRange range, Printer& printer) {
    const ReportData data(job);
    const std::vector<PageDrawer> pages = reportPages(data);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!range.contains(static_cast<int>(i) + 1)) continue;
        printer.newPage();
        ScaledPage page(printer.canvas());
        page.startPageOnWhite();
        pages[i](page);
    }
}

Status printQuestionReport(const QuestionReportJob& job, Printer& printer, Messages& messages) {
    printer.setPageSetup(PaperSize::A4, Orientation::Portrait);
    const std::optional<PageRange> range = printer.printDialog(true);
    if (!range) return Status::ok();
    const DrawPages draw = [&](Printer& on, int) { drawQuestionReport(job, *range, on); };
    if (!confirmPageFit(printer, messages, draw, 100, 100)) return Status::ok();
    if (Status begun = printer.beginDoc(); !begun) return begun;
    drawQuestionReport(job, *range, printer);
    return printer.endDoc();
}

}  // namespace jitsu::questions
