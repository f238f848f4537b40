// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileVersions.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "AtomicWrite.h"
#include "FolderBoundary.h"
#include "Limits.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

// The largest data file the suite writes; only printed pages are larger, and not worth keeping.
constexpr std::size_t kMaxVersionBytes = kMaxResultsFileBytes;
constexpr std::size_t kStampDigits =
    17;  // microseconds since 1970, zero-padded: names sort by time

// `what` is the file or folder that failed, `writing` whether it was being written.
Status failure(const std::string& name, const std::string& what, int error, bool writing = true) {
    return Status::error(because(N_("{1}: the earlier version cannot be kept: {2}: {3}"), name,
                                 what, Reason::ofErrno(error, writing)));
}

// The subfolder `name` of `folder`, made unless it is there, open; a link or anything but a
// folder is refused (invalid with errno set).
UniqueFd openFolder(int folder, const std::string& name) {
    if (::mkdirat(folder, name.c_str(), 0777) != 0 && errno != EEXIST) return UniqueFd();
    return UniqueFd(
        ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The whole of the regular file `fd`; false with errno set (EINVAL: no regular file, EFBIG:
// larger than any data file).
bool readAll(int fd, std::string& bytes, mode_t* mode = nullptr) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return false;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxVersionBytes) {
        errno = EFBIG;
        return false;
    }
    if (mode) *mode = st.st_mode & 07777;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return true;
}

bool readAllAt(int folder, const std::string& name, std::string& bytes, mode_t* mode = nullptr) {
    UniqueFd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return fd.valid() && readAll(fd.get(), bytes, mode);
}

bool writeNew(int folder, const std::string& name, std::string_view bytes, mode_t mode) {
    UniqueFd fd(
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid()) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlinkat(folder, name.c_str(), 0);
        errno = error;
    }
    return ok;
}

// Keeps file `name` of `folder`, about to be replaced, as `version` of folder `own`: as a second
// name of the same file where the file system allows it (its bytes are on disk already, and
// it is about to lose its own name), else as a copy of `bytes` with `mode`. False with errno
// set; EEXIST when `version` is taken.
bool keepAs(int folder, const std::string& name, int own, const std::string& version,
            std::string_view bytes, mode_t mode) {
    if (::linkat(folder, name.c_str(), own, version.c_str(), 0) == 0) return true;
    return errno != EEXIST && writeNew(own, version, bytes, mode);
}

bool isVersionName(const std::string& name) {
    return name.size() > kStampDigits + 1 && name[kStampDigits] == '-' &&
           std::all_of(name.begin(), name.begin() + kStampDigits,
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The names of the versions in the open folder `folder`, newest first.
std::vector<std::string> versionNames(int folder) {
    std::vector<std::string> names;
    const int fd = ::dup(folder);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0) ::close(fd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir))
        if (isVersionName(entry->d_name)) names.emplace_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.rbegin(), names.rend());
    return names;
}

std::int64_t stampOf(const std::string& name) { return std::stoll(name.substr(0, kStampDigits)); }

std::string stampText(std::int64_t microseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", static_cast<int>(kStampDigits),
                  static_cast<long long>(microseconds));
    return text;
}

std::int64_t nowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// The versions folder of `file`, when it is a folder (a link there is none).
fs::path folderOf(const fs::path& file) {
    const fs::path dir = file.parent_path();
    return (dir.empty() ? fs::path(".") : dir) / kVersionsFolder / file.filename();
}

}  // namespace

Status keepVersion(int folder, const std::string& name, int replacement) {
    if (name.starts_with('.')) return Status::ok();
    std::string bytes, next;
    mode_t mode = 0;
    if (!readAllAt(folder, name, bytes, &mode)) {
        // Nothing to keep: no file yet, no regular file, or printed pages too large to keep.
        if (errno == ENOENT || errno == EINVAL || errno == EFBIG) return Status::ok();
        return failure(name, name, errno, false);
    }
    if (readAll(replacement, next) && next == bytes) return Status::ok();

    const UniqueFd versions = openFolder(folder, std::string(kVersionsFolder));
    if (!versions.valid()) return failure(name, std::string(kVersionsFolder), errno);
    const UniqueFd own = openFolder(versions.get(), name);
    if (!own.valid()) return failure(name, std::string(kVersionsFolder) + "/" + name, errno);
    std::vector<std::string> kept = versionNames(own.get());
    std::string newest;
    if (!kept.empty() && readAllAt(own.get(), kept[0], newest) && newest == bytes)
        return Status::ok();

    // Never before the newest kept, even if the system clock went back.
    std::int64_t stamp = nowMicroseconds();
    if (!kept.empty()) stamp = std::max(stamp, stampOf(kept[0]) + 1);
    for (int attempt = 0;; ++attempt, ++stamp) {
        const std::string version = stampText(stamp) + "-" + program_invocation_short_name;
        if (keepAs(folder, name, own.get(), version, bytes, mode)) break;
        if (errno != EEXIST || attempt == 100) return failure(name, version, errno);
    }
    kept = versionNames(own.get());
    for (std::size_t i = kVersionsKept; i < kept.size(); ++i)
        ::unlinkat(own.get(), kept[i].c_str(), 0);
    return Status::ok();
}

std::vector<FileVersion> listVersions(const fs::path& file) {
    std::vector<FileVersion> versions;
    const fs::path folder = folderOf(file);
    std::error_code ec;
    if (fs::is_symlink(folder.parent_path(), ec) || fs::is_symlink(folder, ec)) return versions;
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) return versions;
    for (const std::string& name : versionNames(fd.get())) {
        struct stat st;
        if (::fstatat(fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        FileVersion v;
        v.number = static_cast<int>(versions.size() + 1);
        v.microseconds = stampOf(name);
        v.program = name.substr(kStampDigits + 1);
        v.bytes = static_cast<std::uintmax_t>(st.st_size);
        v.path = folder / name;
        versions.push_back(std::move(v));
    }
    return versions;
}

std::vector<std::string> filesWithVersions(const fs::path& dir) {
    std::vector<std::string> names;
    const fs::path folder = dir / kVersionsFolder;
    std::error_code ec;
    if (fs::is_symlink(folder, ec)) return names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (!listVersions(dir / it->path().filename()).empty())
            names.push_back(it->path().filename().string());
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
    const UniqueFd fd(::open(version.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid() || !readAll(fd.get(), bytes))
        return Status::error(
            because(N_("{1}: cannot be read: {2}"), version.path, Reason::ofErrno(errno)));
    return writeFileAtomically(file, bytes);
}

std::string versionTimeText(std::int64_t microseconds) {
    // Japan keeps no summer time: nine hours ahead of UTC all year.
    const std::time_t seconds = static_cast<std::time_t>(microseconds / 1000000) + 9 * 3600;
    std::tm parts{};
    ::gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

}  // namespace jitsu
