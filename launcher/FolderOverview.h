// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace jitsu::launcher {

// A data file as the launcher lists it: whether it is there and when it was last saved.
struct SavedFile {
    bool exists = false;
    std::chrono::system_clock::time_point saved;
};

// The score and results files of one grade in one test.
struct TestFiles {
    int grade = 0;  // 1 to 3
    int test = 0;   // 1 to the grade's number of tests
    SavedFile scores, results;
};

// What the launcher shows of a data folder.
struct FolderOverview {
    bool chosen = false;        // a folder has been named
    bool exists = false;        // it is there (a USB stick may have been taken out)
    bool hasBasicData = false;  // the basic data file exists (it may still be unreadable)
    unsigned year = 0;
    std::string schoolName, testName;  // UTF-8
    std::vector<TestFiles> tests;      // grade 1's tests first, each grade's in order
};

// Looks at `dir`: the basic data file and, for every grade and every test it declares, the
// score and results files. An empty path is a folder not chosen yet.
FolderOverview readFolderOverview(const std::filesystem::path& dir);

// Whether a program may start in the folder: it must be there, and hold the basic data file
// unless the program writes it.
bool canStart(bool needsBasicData, const FolderOverview& overview);

// One line of the launcher's file table, UTF-8: "1年", "第２回", and when each file was saved.
struct OverviewRow {
    std::string grade, test, scores, results;
};
std::vector<OverviewRow> overviewRows(const FolderOverview& overview);

// "2026/12/07 08:05" for a saved file at local time `time`, "なし" for a missing one.
std::string savedText(const SavedFile& file);
std::string savedText(const std::tm& time);

// The line above the table: the school year, or why there is none yet.
std::string folderStatusText(const FolderOverview& overview);

}  // namespace jitsu::launcher
