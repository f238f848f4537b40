#include "AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "SaveLock.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSuffixLength = 6;  // as mkstemp's XXXXXX

Status failure(const fs::path& target, const char* what, int error) {
    return Status::error(target.string() + ": " + what + ": " + std::strerror(error));
}

// The file a chain of symbolic links ends at (the path itself when it is no link).
fs::path followLinks(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        fs::path next = fs::read_symlink(path, ec);
        if (ec) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

std::string temporaryPrefix(const fs::path& target) {
    // Appended rather than "." + string: GCC 12 warns falsely (-Wrestrict) on the latter at -O3.
    std::string prefix = ".";
    prefix += target.filename().string();
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

// Removes what killed saves of `target` left: its temporary names, regular files, old enough.
void removeStaleTemporaries(const fs::path& dir, const fs::path& target) {
    const std::string prefix = temporaryPrefix(target);
    const auto bound = fs::file_time_type::clock::now() - kStaleTemporaryAge;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!isTemporaryOf(it->path().filename().string(), prefix) ||
            !it->is_regular_file(entryError) || it->is_symlink(entryError))
            continue;
        if (auto written = fs::last_write_time(it->path(), entryError);
            !entryError && written < bound)
            fs::remove(it->path(), entryError);
    }
}

bool writeAll(int fd, std::string_view content, WriteFault fault) {
    std::size_t limit = fault.kind == WriteFault::Kind::FailAfterBytes
                            ? std::min(fault.bytes, content.size())
                            : content.size();
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, content.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (limit < content.size()) {
        errno = ENOSPC;
        return false;
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

// A temporary file in `dir` open for writing: nameless where the file system allows, else named
// by mkstemp (`name` set). Its mode is 0666 under the umask either way.
int openTemporary(const fs::path& dir, const fs::path& target, std::string& name) {
    int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    name = (dir / (temporaryPrefix(target) + std::string(kSuffixLength, 'X'))).string();
    fd = ::mkstemp(name.data());
    if (fd < 0) return fd;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}

// Gives the nameless file `fd` a temporary name in `dir`; false with errno set when it cannot.
bool nameTemporary(int fd, const fs::path& dir, const fs::path& target, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (dir / (temporaryPrefix(target) + randomSuffix())).string();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) break;
    }
    name.clear();
    return false;
}

// What the school set on the file being replaced: permission bits, owner and group.
void keepAttributes(int fd, const fs::path& target) {
    struct stat old;
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
    // Owner and group where the process may set them, else the group alone where it may; the
    // bits in any case, and after, since a change of owner clears the set-id bits.
    const bool owned =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, -1, old.st_gid) == 0;
    (void)owned;
    ::fchmod(fd, old.st_mode & 07777);
}

void syncDirectory(const fs::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // not every file system can: the rename is done either way
    ::close(fd);
}

}  // namespace

Status writeFileAtomically(const fs::path& requested, std::string_view content, WriteFault fault) {
    const fs::path target = followLinks(requested);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    SaveLock lock;
    if (Status locked = lock.acquire(target); !locked) return locked;
    removeStaleTemporaries(dir, target);

    std::string name;
    int fd = openTemporary(dir, target, name);
    if (fd < 0) return failure(requested, "cannot create a temporary file", errno);
    keepAttributes(fd, target);

    bool written = writeAll(fd, content, fault) && ::fsync(fd) == 0 &&
                   (!name.empty() || nameTemporary(fd, dir, target, name));
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        if (!name.empty()) ::unlink(name.c_str());
        return failure(requested, "cannot write", error);
    }
    if (fault.kind == WriteFault::Kind::FailRename || ::rename(name.c_str(), target.c_str()) != 0) {
        error = fault.kind == WriteFault::Kind::FailRename ? EIO : errno;
        ::unlink(name.c_str());
        return failure(requested, "cannot replace the file", error);
    }
    syncDirectory(dir);
    return Status::ok();
}

}  // namespace jitsu
