// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace jitsu {

// Earlier versions of the files the suite replaces live in this hidden folder of the file's own
// folder (the data folder), one subfolder per file name, one file per version named after the
// time it was replaced and the program that replaced it. They never leave the data folder.
inline constexpr std::string_view kVersionsFolder = ".jitsuryoku-versions";
inline constexpr int kVersionsKept = 20;
// A version's name: microseconds since 1970 in this many digits, zero-padded (names sort by
// time), then "-" and the program's name.
inline constexpr std::size_t kStampDigits = 17;

// One earlier version of a file, as listed: number 1 is the newest.
struct FileVersion {
    int number = 0;
    std::int64_t microseconds = 0;  // since 1970, when it was replaced
    std::string program;            // the program that replaced it
    std::uintmax_t bytes = 0;
    std::filesystem::path path;  // its copy in the versions folder
};

// The version names among `names` (a listing of a file's versions folder), newest first.
std::vector<std::string> versionsNewestFirst(const std::vector<std::string>& names);
// The time stamp for a new version of a file that has `keptNewestFirst`: now, but never before
// the newest kept, even if the system clock went back.
std::int64_t nextVersionStamp(const std::vector<std::string>& keptNewestFirst);
// The name of a version made at `microseconds` by `program`.
std::string versionName(std::int64_t microseconds, std::string_view program);

// `file`'s versions, newest first; none when there are none or the folder cannot be read.
std::vector<FileVersion> listVersions(const std::filesystem::path& file);

// The names of the files of folder `dir` that have earlier versions kept, in name order.
std::vector<std::string> filesWithVersions(const std::filesystem::path& dir);

// Replaces `file` atomically with version `number` (as listed); its present bytes become a
// version in turn, so a restore can be undone by the next one. Fails naming the file when there
// is no such version or it cannot be read or written.
Status restoreVersion(const std::filesystem::path& file, int number);

// "2026-12-07 09:37:04" in Japan time.
std::string versionTimeText(std::int64_t microseconds);

}  // namespace jitsu
