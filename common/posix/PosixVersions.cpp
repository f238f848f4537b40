// SPDX-License-Identifier: GPL-3.0-or-later
#include "PosixVersions.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FileSystem.h"
#include "FileVersions.h"
#include "FolderBoundary.h"
#include "Limits.h"
#include "System.h"

namespace jitsu {

namespace {

// The largest data file the suite writes; only printed pages are larger, and not worth keeping.
constexpr std::size_t kMaxVersionBytes = kMaxResultsFileBytes;

// `what` is the file or folder that failed, `writing` whether it was being written.
Status versionFailure(const std::string& name, const std::string& what, int error,
                      bool writing = true) {
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
    while (const dirent* entry = ::readdir(dir)) names.emplace_back(entry->d_name);
    ::closedir(dir);
    return versionsNewestFirst(names);
}

}  // namespace

Status keepVersion(int folder, const std::string& name, int replacement) {
    if (name.starts_with('.')) return Status::ok();
    std::string bytes, next;
    mode_t mode = 0;
    if (!readAllAt(folder, name, bytes, &mode)) {
        // Nothing to keep: no file yet, no regular file, or printed pages too large to keep.
        if (errno == ENOENT || errno == EINVAL || errno == EFBIG) return Status::ok();
        return versionFailure(name, name, errno, false);
    }
    if (readAll(replacement, next) && next == bytes) return Status::ok();

    const UniqueFd versions = openFolder(folder, std::string(kVersionsFolder));
    if (!versions.valid()) return versionFailure(name, std::string(kVersionsFolder), errno);
    const UniqueFd own = openFolder(versions.get(), name);
    if (!own.valid())
        return versionFailure(name, utf8FromPath(std::filesystem::path(kVersionsFolder) / name),
                              errno);
    std::vector<std::string> kept = versionNames(own.get());
    std::string newest;
    if (!kept.empty() && readAllAt(own.get(), kept[0], newest) && newest == bytes)
        return Status::ok();

    std::int64_t stamp = nextVersionStamp(kept);
    for (int attempt = 0;; ++attempt, ++stamp) {
        const std::string version = versionName(stamp, programName());
        if (keepAs(folder, name, own.get(), version, bytes, mode)) break;
        if (errno != EEXIST || attempt == 100) return versionFailure(name, version, errno);
    }
    kept = versionNames(own.get());
    for (std::size_t i = kVersionsKept; i < kept.size(); ++i)
        ::unlinkat(own.get(), kept[i].c_str(), 0);
    return Status::ok();
}

}  // namespace jitsu
