// SPDX-License-Identifier: GPL-3.0-or-later
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "AtomicWrite.h"
#include "FolderBoundary.h"
#include "PosixFileSystem.h"
#include "PosixVersions.h"
#include "SaveLock.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSuffixLength = 6;  // as mkstemp's XXXXXX

Status writeFailure(const fs::path& target, int error) {
    return Status::error(
        because(N_("{1}: cannot write: {2}"), target, Reason::ofErrno(error, true)));
}

// The folder refuses: no file can be made in it (permissions, a full or read-only disk).
Status folderRefuses(const fs::path& target, int error) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return Status::error(because(N_("{1}: the folder {2} takes no new file: {3}"), target, folder,
                                 Reason::ofErrno(error, true)));
}

std::string temporaryPrefix(const std::string& name) {
    std::string prefix = ".";
    prefix += name;
    prefix += '.';
    return prefix;
}

// Whether `name` is one of this writer's temporary names for `target`.
bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + kSuffixLength &&
           name.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(name.end() - kSuffixLength, name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes what killed saves of `name` in `dir` left: its temporary names, regular files, old
// enough.
void removeStaleTemporaries(int dir, const std::string& name) {
    const std::string prefix = temporaryPrefix(name);
    const int listing = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    std::vector<std::string> stale;
    const time_t bound =
        ::time(nullptr) -
        std::chrono::duration_cast<std::chrono::seconds>(kStaleTemporaryAge).count();
    while (const dirent* entry = ::readdir(entries)) {
        struct stat info;
        if (isTemporaryOf(entry->d_name, prefix) &&
            ::fstatat(dir, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_mtime < bound)
            stale.emplace_back(entry->d_name);
    }
    ::closedir(entries);
    for (const std::string& old : stale) ::unlinkat(dir, old.c_str(), 0);
}

bool writeAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string randomSuffix() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) suffix += kLetters[pick(random)];
    return suffix;
}

// A new file in `dir` under a free temporary name for `target`, open for writing (`name` set).
int createNamedTemporary(int dir, const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryPrefix(target) + randomSuffix();
        const int fd =
            ::openat(dir, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0) name.clear();
            return fd;
        }
    }
    name.clear();
    return -1;
}

// Gives the nameless file `fd` a temporary name in `dir`; false with errno set when it cannot.
bool nameTemporary(int fd, int dir, const std::string& target, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryPrefix(target) + randomSuffix();
        if (::linkat(AT_FDCWD, self.c_str(), dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) break;
    }
    name.clear();
    return false;
}

bool inGroup(gid_t group) {
    if (group == ::getegid()) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

// Whether the mode bits let the running user write the file. Root is asked the same: a file
// the school made read-only stays so whoever runs the program.
bool writableByMode(const struct stat& info) {
    if (info.st_uid == ::geteuid()) return (info.st_mode & S_IWUSR) != 0;
    if (inGroup(info.st_gid)) return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

// What the school set on the file being replaced: permission bits, owner and group.
void keepAttributes(int fd, const struct stat& old) {
    // Owner and group where the process may set them, else the group alone where it may; the
    // bits in any case, and after, since a change of owner clears the set-id bits.
    const bool owned =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, -1, old.st_gid) == 0;
    (void)owned;
    ::fchmod(fd, old.st_mode & 07777);
}

void syncDirectory(int dir) {
    const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // not every file system can: the rename is done either way
    ::close(fd);
}

// The thread's FolderSyncBatch nesting, and the folders renamed into during it, open, one per
// folder.
struct PendingSyncs {
    int depth = 0;
    std::vector<UniqueFd> folders;
};
thread_local PendingSyncs tPending;

// Flushes folder `dir` now, or at the end of the batch.
void syncFolder(int dir) {
    if (tPending.depth == 0) return syncDirectory(dir);
    struct stat info;
    if (::fstat(dir, &info) != 0) return syncDirectory(dir);
    for (const UniqueFd& pending : tPending.folders) {
        struct stat other;
        if (::fstat(pending.get(), &other) == 0 && other.st_dev == info.st_dev &&
            other.st_ino == info.st_ino)
            return;
    }
    UniqueFd copy(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!copy.valid()) return syncDirectory(dir);
    tPending.folders.push_back(std::move(copy));
}

// A replacement on a POSIX file system, as AtomicWrite.h tells.
class PosixReplacement final : public FileReplacement {
public:
    explicit PosixReplacement(fs::path target) : target_(std::move(target)) {}
    ~PosixReplacement() override {
        if (!name_.empty()) ::unlinkat(file_.directory.get(), name_.c_str(), 0);
    }
    Status start() override;
    std::string temporaryPath() const override {
        return "/proc/self/fd/" + std::to_string(temporary_.get());
    }
    Status write(std::string_view content) override;
    Status commit() override;

private:
    fs::path target_;
    FileInFolder file_;
    UniqueFd temporary_;
    std::string name_;  // the temporary file's name in the folder, once it has one
    bool failed_ = false;
};

Status PosixReplacement::start() {
    FileInFolder& file = file_;
    if (Status found = findInFolder(target_, file); !found)
        return found.isMissing() ? folderRefuses(target_, ENOENT) : found;
    if (file.exists && !S_ISREG(file.info.st_mode))
        return Status::error(
            because(N_("{1}: is not a regular file; it was not replaced"), target_));
    if (file.exists && !writableByMode(file.info))
        return Status::error(because(N_("{1}: is read-only; it was not replaced"), target_));
    const int dir = file.directory.get();
    removeStaleTemporaries(dir, file.name);
    int fd = ::openat(dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd < 0) {
        fd = createNamedTemporary(dir, file.name, name_);
        if (fd < 0) return folderRefuses(target_, errno);
    }
    temporary_ = UniqueFd(fd);
    return Status::ok();
}

Status PosixReplacement::write(std::string_view content) {
    if (writeAll(temporary_.get(), content)) return Status::ok();
    failed_ = true;
    return writeFailure(target_, errno);
}

Status PosixReplacement::commit() {
    if (failed_) return Status::error(because(N_("{1}: cannot write"), target_));
    SaveLock lock;  // the rename is the save: it waits for any other save into the folder
    if (Status locked = lock.acquire(target_); !locked) return locked;
    const int dir = file_.directory.get();
    const std::string& target = file_.name;
    const int fd = temporary_.get();
    struct stat old;
    if (::fstatat(dir, target.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode))
        keepAttributes(fd, old);
    if (Status kept = keepVersion(dir, target, fd); !kept) return kept;
    if (::fsync(fd) != 0 || (name_.empty() && !nameTemporary(fd, dir, target, name_)))
        return writeFailure(target_, errno);
    if (::close(temporary_.release()) != 0) return writeFailure(target_, errno);
    if (::renameat(dir, name_.c_str(), dir, target.c_str()) != 0)
        return Status::error(because(N_("{1}: cannot replace the file: {2}"), target_,
                                     Reason::ofErrno(errno, true)));
    name_.clear();
    syncFolder(dir);
    return Status::ok();
}

}  // namespace

std::unique_ptr<FileReplacement> posixReplacement(const fs::path& target) {
    return std::make_unique<PosixReplacement>(target);
}

FolderSyncBatch::FolderSyncBatch() { ++tPending.depth; }

FolderSyncBatch::~FolderSyncBatch() {
    if (--tPending.depth > 0) return;
    for (const UniqueFd& folder : tPending.folders) ::fsync(folder.get());
    tPending.folders.clear();
}

}  // namespace jitsu
