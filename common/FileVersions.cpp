// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileVersions.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <iterator>

#include "AtomicWrite.h"
#include "FileSystem.h"
#include "Limits.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

// The largest data file the suite writes; only printed pages are larger, and not worth keeping.
constexpr std::size_t kMaxVersionBytes = kMaxResultsFileBytes;

}  // namespace

namespace {

bool isVersionName(const std::string& name) {
    return name.size() > kStampDigits + 1 && name[kStampDigits] == '-' &&
           std::all_of(name.begin(), name.begin() + kStampDigits,
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::int64_t versionStamp(const std::string& name) {
    return std::stoll(name.substr(0, kStampDigits));
}

}  // namespace

std::vector<std::string> versionsNewestFirst(const std::vector<std::string>& names) {
    std::vector<std::string> versions;
    std::copy_if(names.begin(), names.end(), std::back_inserter(versions), isVersionName);
    std::sort(versions.rbegin(), versions.rend());
    return versions;
}

std::string versionName(std::int64_t microseconds, std::string_view program) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", static_cast<int>(kStampDigits),
                  static_cast<long long>(microseconds));
    return std::string(text) + "-" + std::string(program);
}

std::int64_t nextVersionStamp(const std::vector<std::string>& keptNewestFirst) {
    using namespace std::chrono;
    const std::int64_t now =
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    // Never before the newest kept, even if the system clock went back.
    return keptNewestFirst.empty() ? now : std::max(now, versionStamp(keptNewestFirst.front()) + 1);
}

namespace {

// The versions folder of `file`, when it is a folder (a link there is none).
fs::path folderOf(const fs::path& file) {
    const fs::path dir = file.parent_path();
    return (dir.empty() ? fs::path(".") : dir) / kVersionsFolder / file.filename();
}

}  // namespace

std::vector<FileVersion> listVersions(const fs::path& file) {
    std::vector<FileVersion> versions;
    const fs::path folder = folderOf(file);
    std::error_code ec;
    if (fs::is_symlink(folder.parent_path(), ec) || fs::is_symlink(folder, ec)) return versions;
    for (const std::string& name : versionsNewestFirst(fileSystem().list(folder))) {
        const fs::path path = folder / pathFromUtf8(name);
        if (!fs::is_regular_file(fs::symlink_status(path, ec))) continue;
        const std::uintmax_t bytes = fs::file_size(path, ec);
        if (ec) continue;
        FileVersion v;
        v.number = static_cast<int>(versions.size() + 1);
        v.microseconds = versionStamp(name);
        v.program = name.substr(kStampDigits + 1);
        v.bytes = bytes;
        v.path = path;
        versions.push_back(std::move(v));
    }
    return versions;
}

std::vector<std::string> filesWithVersions(const fs::path& dir) {
    std::vector<std::string> names;
    const fs::path folder = dir / kVersionsFolder;
    std::error_code ec;
    if (fs::is_symlink(folder, ec)) return names;
    for (const std::string& name : fileSystem().list(folder))
        if (!listVersions(dir / pathFromUtf8(name)).empty()) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

Status restoreVersion(const fs::path& file, int number) {
    const std::vector<FileVersion> versions = listVersions(file);
    if (number < 1 || number > static_cast<int>(versions.size()))
        return Status::error(
            because(N_("{1}: no version {2} ({3} kept)"), file, number, versions.size()));
    const FileVersion& version = versions[static_cast<std::size_t>(number - 1)];
    std::string bytes;
    if (Status read = fileSystem().readFile(version.path, kMaxVersionBytes, bytes); !read)
        return read.isMissing() ? Status::error(read.why()) : read;
    return writeFileAtomically(file, bytes);
}

std::string versionTimeText(std::int64_t microseconds) {
    using namespace std::chrono;
    // Japan keeps no summer time: nine hours ahead of UTC all year.
    const sys_seconds japan = floor<seconds>(sys_time<std::chrono::microseconds>(
                                  std::chrono::microseconds(microseconds))) +
                              hours(9);
    const sys_days day = floor<days>(japan);
    const year_month_day date(day);
    const hh_mm_ss<seconds> time(japan - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

}  // namespace jitsu
