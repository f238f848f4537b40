// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "FolderOverview.h"
#include "Golden.h"
#include "Paths.h"
#include "SuitePrograms.h"
#include "TempDir.h"

using namespace jitsu;
using namespace jitsu::launcher;

namespace {

// A basic data file of year 2026 whose grades hold 2, 1 and 0 tests (and no class or subject).
void writeYear(const std::filesystem::path& dir) {
    writeBytes(basicDataPath(dir), sj("桜中学校 実力テスト 2026 N 0 0 2 0 0 1 0 0 0 "));
}

}  // namespace

TEST(FolderOverview, ListsEveryGradesTestsWithTheirFiles) {
    TempDir dir;
    writeYear(dir.path());
    const auto saved = std::filesystem::file_time_type::clock::now() - std::chrono::hours(30);
    writeBytes(scorePath(dir.path(), 2026, 2, 1), "");
    std::filesystem::last_write_time(scorePath(dir.path(), 2026, 2, 1), saved);
    writeBytes(resultsPath(dir.path(), 2026, 1, 2), "");
    writeBytes(scorePath(dir.path(), 2025, 1, 1), "");  // another year's file is not listed

    const FolderOverview overview = readFolderOverview(dir.path());
    EXPECT_TRUE(overview.hasBasicData);
    EXPECT_EQ(folderStatusText(overview), "2026年度　桜中学校　実力テスト");
    EXPECT_TRUE(canStart(true, overview));
    ASSERT_EQ(overview.tests.size(), 3u);
    EXPECT_TRUE(overview.tests[1].scores.exists && overview.tests[2].results.exists);
    EXPECT_EQ(overview.tests[1].scores.saved, std::chrono::file_clock::to_sys(saved));
    std::vector<std::vector<std::string>> rows;
    for (const OverviewRow& r : overviewRows(overview))
        rows.push_back({r.grade, r.test, r.scores, r.results});
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"1年", "第１回", "なし", "なし"},
                        {"1年", "第２回", savedText(overview.tests[1].scores), "なし"},
                        {"2年", "第１回", "なし", savedText(overview.tests[2].results)}}));
}

// A folder without the basic data file lets only basesetup start; a folder not chosen or gone
// lets nothing start; a basic data file without a year lets every program say what is wrong.
// The golden file holds, per folder, its status line and whether basesetup and the others start.
TEST(FolderOverview, AFolderWithoutAYearSaysWhyAndWhatMayStart) {
    TempDir dir;
    std::filesystem::create_directory(dir / "empty");
    std::filesystem::create_directory(dir / "blank");
    writeBytes(basicDataPath(dir / "blank"), "\r\n");
    std::string lines;
    for (const char* folder : {"empty", "blank", "missing", ""}) {
        const FolderOverview overview = readFolderOverview(*folder ? dir / folder : "");
        EXPECT_TRUE(overview.tests.empty());
        lines += std::string(folder) + ": " + folderStatusText(overview) +
                 "\n  starts: basesetup " + std::to_string(canStart(false, overview)) +
                 ", the others " + std::to_string(canStart(true, overview)) + "\n";
    }
    EXPECT_TRUE(matchesGolden(lines, "launcher/folders.txt"));
}

TEST(FolderOverview, ASavedTimeReadsAsDateAndMinute) {
    std::tm time{};
    time.tm_year = 2026 - 1900, time.tm_mon = 11, time.tm_mday = 7, time.tm_hour = 8;
    time.tm_min = 5;
    EXPECT_EQ(savedText(time), "2026/12/07 08:05");
}

// Where the launcher finds reportcard: files made executable or not under a launcher folder.
TEST(ProgramLocation, PrefersTheInstalledNameThenTheBuildTree) {
    struct Case {
        std::vector<std::pair<std::string, bool>> files;  // path under the tree, executable
        std::string found;                                // path under the tree, or empty
    };
    for (const Case& c :
         {Case{{{"bin/jitsuryoku-reportcard", true}, {"reportcard/reportcard", true}},
               "bin/jitsuryoku-reportcard"},
          Case{{{"bin/jitsuryoku-reportcard", false}, {"reportcard/reportcard", true}},
               "reportcard/reportcard"},
          Case{{{"bin/reportcard", true}, {"reportcard/reportcard.d/x", true}}, ""},
          Case{{}, ""}}) {
        TempDir tree;
        std::filesystem::create_directories(tree / "bin");
        for (const auto& [file, executable] : c.files) {
            std::filesystem::create_directories((tree / file).parent_path());
            writeBytes(tree / file, "#!/bin/sh\n");
            if (executable)
                std::filesystem::permissions(tree / file, std::filesystem::perms::owner_exec,
                                             std::filesystem::perm_options::add);
        }
        EXPECT_EQ(findProgram(tree / "bin", "reportcard"),
                  c.found.empty() ? std::filesystem::path() : tree / c.found)
            << c.found;
    }
}
