// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <sstream>
#include <thread>

#include "PosixFileSystem.h"
#include "SaveLock.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPoll{1};

// The save of `file` cannot begin: the folder refuses the lock's files (errno `error`), or
// another save kept the lock past the wait (0).
Status lockFailure(const fs::path& file, const fs::path& folder, int error) {
    if (error == 0)
        return Status::error(because(
            N_("{1}: another save into the folder {2} has not ended; try again in a moment"), file,
            folder));
    return Status::error(because(N_("{1}: the folder {2} takes no new file: {3}"), file, folder,
                                 Reason::ofErrno(error, true)));
}

std::string hostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// "host pid" of a held file, as its owner wrote it; empty fields when it cannot be read.
struct Owner {
    std::string host;
    long pid = 0;
};
Owner ownerOf(const fs::path& held) {
    Owner owner;
    int fd = ::open(held.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return owner;
    char text[300] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n > 0)
        std::istringstream(std::string(text, static_cast<std::size_t>(n))) >> owner.host >>
            owner.pid;
    return owner;
}

// Whether a held file that exists is the remains of a killed save (see SaveLock.h).
bool isStale(const fs::path& held, bool flocked) {
    const Owner owner = ownerOf(held);
    if (!owner.host.empty() && owner.host == hostName())
        return flocked ||
               (owner.pid > 0 && ::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH);
    struct stat st;
    if (::stat(held.c_str(), &st) != 0) return false;  // gone meanwhile: the next try tells
    return std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(st.st_mtime) >
           kStaleHeldAge;
}

// Creates the held file; false while another save holds it.
bool createHeld(const fs::path& held, bool flocked, int& error) {
    int fd = ::open(held.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        const std::string owner = hostName() + " " + std::to_string(::getpid()) + "\n";
        const bool written =
            ::write(fd, owner.data(), owner.size()) == static_cast<ssize_t>(owner.size());
        (void)written;  // an unreadable owner is judged by age alone
        ::close(fd);
        return true;
    }
    error = errno;
    // A stale file is removed and the next try creates ours. Two terminals that judge one stale
    // at the same moment could both remove it; after a crash on a share only, and rare enough.
    if (error == EEXIST && isStale(held, flocked)) ::unlink(held.c_str());
    return false;
}

// The flock on the lock file and the held file, let go together (SaveLock.h).
class PosixFolderLock final : public FolderLock {
public:
    PosixFolderLock(fs::path held, int fd) : held_(std::move(held)), fd_(fd) {}
    ~PosixFolderLock() override {
        // The held file goes first: the next holder on this host finds it only when stale.
        ::unlink(held_.c_str());
        ::close(fd_);
    }

private:
    fs::path held_;
    int fd_;
};

}  // namespace

Status posixLockFolder(const fs::path& folder, const fs::path& file, std::chrono::milliseconds wait,
                       std::unique_ptr<FolderLock>& lock) {
    const fs::path lockFile = folder / kLockFileName, heldFile = folder / kHeldFileName;
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    // Another teacher's account made it without write permission for us: flock needs no more
    // than reading.
    if (fd < 0 && errno == EACCES) fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return lockFailure(file, folder, errno);
    const auto deadline = Clock::now() + wait;
    bool flocked = false;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            flocked = true;
            break;
        }
        // A file system without flock (ENOLCK, EINVAL) leaves the held file alone to decide.
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (Clock::now() > deadline) {
            ::close(fd);
            return lockFailure(file, folder, 0);
        }
        std::this_thread::sleep_for(kPoll);
    }
    int error = 0;
    while (!createHeld(heldFile, flocked, error)) {
        if ((error != EEXIST) || Clock::now() > deadline) {
            ::close(fd);  // lets go of the flock too
            return lockFailure(file, folder, error == EEXIST ? 0 : error);
        }
        std::this_thread::sleep_for(kPoll);
    }
    lock = std::make_unique<PosixFolderLock>(heldFile, fd);
    return Status::ok();
}

}  // namespace jitsu
