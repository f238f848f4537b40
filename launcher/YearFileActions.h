#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FolderOverview.h"
#include "Messages.h"
#include "RosterImport.h"
#include "ScoreImport.h"
#include "Status.h"

namespace jitsu::launcher {

// A roster read from a spreadsheet for grade `grade` of the folder's year, ready to be shown
// and, once confirmed, written to `target`.
struct RosterPlan {
    Status status = Status::ok();  // why it cannot be imported
    yearfiles::ImportedRoster roster;
    std::filesystem::path target;
    std::string question;  // UTF-8: the confirmation, saying when it replaces a roster
};
RosterPlan planRosterImport(const std::filesystem::path& dir, const std::filesystem::path& source,
                            int grade);

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

// The file an export is offered under: JKyy_T_G.xlsx in the folder.
std::filesystem::path exportFileName(const std::filesystem::path& dir, unsigned year,
                                     const TestFiles& files);

// Exports the results of `files` to `output`: CSV (UTF-8 with BOM) when its name ends in
// ".csv", else xlsx. The message to show on success, UTF-8.
Status exportTest(const std::filesystem::path& dir, const TestFiles& files,
                  const std::filesystem::path& output, std::string& done);

}  // namespace jitsu::launcher
