// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "Status.h"

namespace jitsu {

// A file descriptor closed with its owner.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();

private:
    int fd_ = -1;
};

// A file named in a folder, found without leaving that folder: the directory that holds it,
// open, and its name there (never a symbolic link), so that it is read, created and replaced
// relative to that directory and a link swapped in later is not followed.
struct FileInFolder {
    UniqueFd directory;
    std::string name;
    bool exists = false;
    struct stat info {};  // of the file itself, when it exists
};

// Finds `path` beneath the folder it is named in (its parent, "." when it has none). Symbolic
// links are followed as long as every step stays inside that folder, subfolders included. A
// link that leads out of the folder, a dangling link and a loop of links are refused with a
// reason naming the file and the link's target; a name that does not exist (and is no link) is
// found with `exists` false, to be created. A folder that cannot be opened is an error.
Status findInFolder(const std::filesystem::path& path, FileInFolder& file);

}  // namespace jitsu
