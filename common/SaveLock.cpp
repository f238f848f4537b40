// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveLock.h"

#include <map>
#include <memory>

#include "FileSystem.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

// The locks this thread holds: per folder, how many SaveLocks share it and the lock itself.
struct HeldLock {
    int count = 0;
    std::unique_ptr<FolderLock> lock;
};
thread_local std::map<fs::path, HeldLock> tHeld;

}  // namespace

Status SaveLock::acquire(const fs::path& file, std::chrono::milliseconds wait) {
    if (held()) return Status::ok();
    std::error_code ec;
    fs::path parent = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    fs::path folder = fs::weakly_canonical(fs::absolute(parent, ec), ec);
    if (ec) folder = parent;
    if (auto it = tHeld.find(folder); it != tHeld.end()) {
        ++it->second.count;
        folder_ = folder;
        return Status::ok();
    }
    std::unique_ptr<FolderLock> lock;
    if (Status locked = fileSystem().lockFolder(folder, file, wait, lock); !locked) return locked;
    tHeld[folder] = {1, std::move(lock)};
    folder_ = folder;
    return Status::ok();
}

void SaveLock::release() {
    if (!held()) return;
    auto it = tHeld.find(folder_);
    if (it != tHeld.end() && --it->second.count == 0) tHeld.erase(it);
    folder_.clear();
}

}  // namespace jitsu
