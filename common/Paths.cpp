// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paths.h"

namespace jitsu {

std::string twoDigitYear(unsigned year) {
    unsigned yy = year % 100;
    return std::string(1, static_cast<char>('0' + yy / 10)) + static_cast<char>('0' + yy % 10);
}

std::filesystem::path basicDataPath(const std::filesystem::path& dir) {
    return dir / "wqnmkiso.txt";
}

std::filesystem::path rosterPath(const std::filesystem::path& dir, std::string_view rosterTag,
                                 unsigned year, int grade) {
    return dir / (std::string(rosterTag) + twoDigitYear(year) + std::to_string(grade) + ".csv");
}

std::filesystem::path alignedRosterPath(const std::filesystem::path& roster) {
    return roster.parent_path() / (".jitsuryoku-aligned-" + roster.filename().string());
}

namespace {

std::filesystem::path testFilePath(const std::filesystem::path& dir, const char* prefix,
                                   unsigned year, int test, int grade) {
    return dir / (prefix + twoDigitYear(year) + "_" + std::to_string(test) + "_" +
                  std::to_string(grade) + ".txt");
}

}  // namespace

std::filesystem::path scorePath(const std::filesystem::path& dir, unsigned year, int test,
                                int grade) {
    return testFilePath(dir, "JT", year, test, grade);
}

std::filesystem::path resultsPath(const std::filesystem::path& dir, unsigned year, int test,
                                  int grade) {
    return testFilePath(dir, "JK", year, test, grade);
}

}  // namespace jitsu
