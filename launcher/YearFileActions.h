// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FileVersions.h"
#include "FolderOverview.h"
#include "Messages.h"
#include "RosterChange.h"
#include "RosterImport.h"
#include "ScoreImport.h"
#include "Status.h"

namespace jitsu::launcher {

// A roster read from a spreadsheet for grade `grade` of the folder's year, ready to be shown
// and, once confirmed, written to `target` with the grade's scores carried to their students.
struct RosterPlan {
    Status status = Status::ok();  // why it cannot be imported
    yearfiles::ImportedRoster roster;
    yearfiles::RosterReplacement replacement;  // the score files the new roster rewrites
    std::filesystem::path target;
    std::string question;  // UTF-8: the confirmation, saying when it replaces a roster
    std::string details;   // UTF-8: where the scores go, then the preview
};
RosterPlan planRosterImport(const std::filesystem::path& dir, const std::filesystem::path& source,
                            int grade);

// Writes a confirmed plan: all or nothing, the roster with the rewritten score files.
Status writeRosterImport(const RosterPlan& plan);

// When a folder is opened: alignScoresAtStartUp with the folder's basic data (none: nothing
// to align).
void alignScoresToEditedRosters(const std::filesystem::path& dir, Messages& messages);

// One earlier version as the launcher lists it (UTF-8): "1　2026-12-07 09:37:04　scoreentry　
// 1234 バイト".
std::string versionLabel(const FileVersion& version);

// Scores read from a teacher's sheet for test `test` of grade `grade`, ready to be shown and,
// once confirmed, merged into the score file.
struct ScoreImportPlan {
    Status status = Status::ok();  // why nothing can be imported
    std::unique_ptr<BasicData> basic;
    yearfiles::ScoreImportRequest request;
    yearfiles::ScorePlan plan;
    std::string question;  // UTF-8: the confirmation, saying when scores would be left out
    std::string preview;   // UTF-8: scorePlanText
};
ScoreImportPlan planScoresImport(const std::filesystem::path& dir,
                                 const std::filesystem::path& source, int grade, int test);

// Merges a confirmed plan (saveScoreImport, conflicts asked through `messages`). `done` gets
// the message to show when the file was written, "" when the person cancelled.
Status importScores(const std::filesystem::path& dir, const ScoreImportPlan& plan,
                    Messages& messages, std::string& done);

// The grade's tests whose results file exists: what can be exported.
std::vector<TestFiles> exportableTests(const FolderOverview& overview);

// Before an export: confirmFreshResults for the test, with the folder's basic data.
bool confirmFreshResults(const std::filesystem::path& dir, Messages& messages, int grade, int test);

// The file an export is offered under: JKyy_T_G.xlsx in the folder.
std::filesystem::path exportFileName(const std::filesystem::path& dir, unsigned year,
                                     const TestFiles& files);

// Exports the results of `files` to `output`: CSV (UTF-8 with BOM) when its name ends in
// ".csv", else xlsx. The message to show on success, UTF-8.
Status exportTest(const std::filesystem::path& dir, const TestFiles& files,
                  const std::filesystem::path& output, std::string& done);

}  // namespace jitsu::launcher
