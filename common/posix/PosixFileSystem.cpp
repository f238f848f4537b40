// SPDX-License-Identifier: GPL-3.0-or-later
#include "PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FolderBoundary.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

// The system's file system, as the rest of the suite sees it through FileSystem.h.
class PosixFileSystem final : public FileSystem {
public:
    Status readFile(const fs::path& path, std::size_t maxBytes, std::string& bytes) override;
    std::unique_ptr<FileReplacement> replacement(const fs::path& target) override {
        return posixReplacement(target);
    }
    Status lockFolder(const fs::path& folder, const fs::path& file, std::chrono::milliseconds wait,
                      std::unique_ptr<FolderLock>& lock) override {
        return posixLockFolder(folder, file, wait, lock);
    }
    std::vector<std::string> list(const fs::path& folder) override;
    std::optional<std::chrono::system_clock::time_point> modified(const fs::path& path) override;
};

Status openFailure(const std::filesystem::path& path, int error) {
    if (error == ENOENT) return Status::missing(because(N_("{1}: no such file"), path));
    return Status::error(because(N_("{1}: cannot be opened: {2}"), path, Reason::ofErrno(error)));
}

Status tooLarge(const std::filesystem::path& path, std::size_t limit) {
    return Status::error(
        because(N_("{1}: larger than {2} bytes, more than any file of its kind"), path, limit));
}

// Reads at most `limit` bytes; fails on a read error or when the file holds more.
Status readBounded(int fd, const std::filesystem::path& path, std::size_t limit, std::string& raw) {
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            return Status::error(
                because(N_("{1}: cannot be read: {2}"), path, Reason::ofErrno(errno)));
        if (n == 0) return Status::ok();
        if (raw.size() + static_cast<std::size_t>(n) > limit) break;
        raw.append(buffer, static_cast<std::size_t>(n));
    }
    return tooLarge(path, limit);
}

}  // namespace

Status PosixFileSystem::readFile(const fs::path& path, std::size_t maxBytes, std::string& raw) {
    FileInFolder file;
    if (Status found = findInFolder(path, file); !found) return found;
    if (!file.exists) return openFailure(path, ENOENT);
    // O_NONBLOCK: opening a FIFO must not wait for a writer before fstat can refuse it.
    // O_NOFOLLOW: a link put in the file's place since it was found is not followed.
    int fd = ::openat(file.directory.get(), file.name.c_str(),
                      O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return openFailure(path, errno);
    struct stat st;
    Status status = Status::ok();
    if (::fstat(fd, &st) != 0)
        status =
            Status::error(because(N_("{1}: cannot be read: {2}"), path, Reason::ofErrno(errno)));
    else if (S_ISDIR(st.st_mode))
        status = Status::error(because(N_("{1}: is a folder, not a file"), path));
    else if (!S_ISREG(st.st_mode))
        status = Status::error(because(N_("{1}: is not a regular file"), path));
    else if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        status = tooLarge(path, maxBytes);
    else
        status = readBounded(fd, path, maxBytes, raw);
    ::close(fd);
    return status;
}

std::vector<std::string> PosixFileSystem::list(const fs::path& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

std::optional<std::chrono::system_clock::time_point> PosixFileSystem::modified(
    const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    using namespace std::chrono;
    return system_clock::time_point(duration_cast<system_clock::duration>(
        seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec)));
}

FileSystem& nativeFileSystem() {
    static PosixFileSystem system;
    return system;
}

}  // namespace jitsu
