// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "QuestionAnalysis.h"
#include "QuestionPages.h"
#include "ScaledPage.h"

namespace jitsu::questions {

// The analysis a report's pages draw from, made once per job.
struct ReportData {
    explicit ReportData(const QuestionReportJob& job);

    const QuestionReportJob& job;
    int classCount;
    std::vector<GradeRates> questions;
    std::vector<GroupRates> domains, viewpoints;

    // The classes whose charts and sheets are printed: those of the job that the grade has, or
    // every class.
    std::vector<int> chosenClasses() const;
};

// One page, drawn on a sheet already started.
using PageDrawer = std::function<void(ScaledPage&)>;

// Each kind of page appends its pages; they keep `data` and draw later.
void addRatePages(const ReportData& data, std::vector<PageDrawer>& pages);
void addGroupPage(const ReportData& data, std::vector<PageDrawer>& pages);
void addChartPages(const ReportData& data, std::vector<PageDrawer>& pages);
void addStudentPages(const ReportData& data, std::vector<PageDrawer>& pages);

}  // namespace jitsu::questions
