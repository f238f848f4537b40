// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderBoundary.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

namespace jitsu {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
}

int UniqueFd::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;  // as the kernel's limit: more is taken for a loop

// The part of the absolute path `target` below the folder `root` ("" for the folder itself).
std::optional<std::string> below(const std::string& target, const std::string& root) {
    if (root.empty()) return std::nullopt;
    if (root == "/") return target.substr(1);
    if (target == root) return std::string();
    if (target.size() > root.size() && target.compare(0, root.size(), root) == 0 &&
        target[root.size()] == '/')
        return target.substr(root.size() + 1);
    return std::nullopt;
}

// The folder by its real path and by the path it was named with, made absolute: an absolute
// link into it may use either.
struct FolderNames {
    std::string real, named;
};

FolderNames namesOf(const fs::path& folder) {
    FolderNames names;
    if (char* real = ::realpath(folder.c_str(), nullptr)) {
        names.real = real;
        std::free(real);
    }
    std::error_code ec;
    names.named = fs::absolute(folder, ec).lexically_normal().string();
    while (names.named.size() > 1 && names.named.back() == '/') names.named.pop_back();
    return names;
}

void prependParts(const std::string& text, std::deque<std::string>& pending) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) end = text.size();
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    pending.insert(pending.begin(), parts.begin(), parts.end());
}

bool readLink(int dir, const std::string& name, std::string& target) {
    char buffer[PATH_MAX + 1];
    const ssize_t n = ::readlinkat(dir, name.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) return false;
    target.assign(buffer, static_cast<std::size_t>(n));
    return true;
}

}  // namespace

Status findInFolder(const fs::path& path, FileInFolder& file) {
    file = FileInFolder{};
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string name = path.filename().string();
    if (name.empty() || name == "." || name == "..")
        return Status::error(because(N_("{1}: names a folder, not a file"), path));
    UniqueFd root(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid()) {
        if (errno == ENOENT) return Status::missing(because(N_("{1}: no such file"), path));
        return Status::error(because(N_("{1}: its folder {2} cannot be opened: {3}"), path, folder,
                                     Reason::ofErrno(errno)));
    }
    std::vector<UniqueFd> entered;  // the subfolders the walk is in, below the folder
    auto current = [&] { return entered.empty() ? root.get() : entered.back().get(); };
    std::deque<std::string> pending{name};
    int links = 0;
    std::string linkTarget;  // what the file's own link says, for the reasons below
    auto refuse = [&](Reason why) {
        return Status::error(
            because(N_("{1}: a symbolic link to {2}, {3}"), path, linkTarget, std::move(why)));
    };
    std::optional<FolderNames> names;
    while (!pending.empty()) {
        const std::string part = std::move(pending.front());
        pending.pop_front();
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (entered.empty()) return refuse(because(N_("outside the folder {1}"), folder));
            entered.pop_back();
            continue;
        }
        struct stat info;
        if (::fstatat(current(), part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && links > 0) return refuse(Reason(N_("which does not exist")));
            if (errno != ENOENT)
                return Status::error(
                    because(N_("{1}: cannot be opened: {2}"), path, Reason::ofErrno(errno)));
            file.name = part;  // the name alone, not there: a new file
            break;
        }
        if (S_ISLNK(info.st_mode)) {
            if (++links > kMaxLinks)
                return Status::error(because(N_("{1}: a loop of symbolic links"), path));
            std::string target;
            if (!readLink(current(), part, target))
                return Status::error(because(N_("{1}: cannot read the symbolic link: {2}"), path,
                                             Reason::ofErrno(errno)));
            if (links == 1) linkTarget = target;
            if (!target.empty() && target[0] == '/') {
                if (!names) names = namesOf(folder);
                auto rest = below(target, names->real);
                if (!rest) rest = below(target, names->named);
                if (!rest) return refuse(because(N_("outside the folder {1}"), folder));
                entered.clear();
                target = *rest;
            }
            prependParts(target, pending);
            continue;
        }
        if (!pending.empty()) {
            if (!S_ISDIR(info.st_mode)) return refuse(Reason(N_("which does not exist")));
            UniqueFd sub(
                ::openat(current(), part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!sub.valid())
                return Status::error(
                    because(N_("{1}: cannot be opened: {2}"), path, Reason::ofErrno(errno)));
            entered.push_back(std::move(sub));
            continue;
        }
        file.name = part;
        file.exists = true;
        file.info = info;
    }
    // Links that end at a folder ("sub/.."): no file to read or replace.
    if (file.name.empty()) return Status::error(because(N_("{1}: is a folder, not a file"), path));
    file.directory = entered.empty() ? std::move(root) : std::move(entered.back());
    return Status::ok();
}

}  // namespace jitsu
