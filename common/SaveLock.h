// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "Status.h"

namespace jitsu {

// The lock that serialises every save into one folder, across processes and terminals. It is
// held for milliseconds: read, merge, write, release; never while a question is open.
//
// The lock is the file system's (FileSystem::lockFolder). On Windows it is LockFileEx on
// kLockFileName, which the file server decides for every client. On POSIX two files beside the
// data files make it:
// - kLockFileName, opened and locked with flock(LOCK_EX). This serialises the processes of one
//   machine (and of every client on NFSv4); the kernel lets go when a process dies.
// - kHeldFileName, created with O_CREAT | O_EXCL while the lock is held and removed on release,
//   holding "host pid". This serialises terminals whose share keeps flock local to each client
//   (SMB/CIFS): creating a file exclusively is decided by the server. One left behind by a
//   killed process is stale and taken over: one of this host is always stale (the flock is held
//   now, so its writer is gone), one of another host when it is older than kStaleHeldAge.
//
// Within one thread the lock is re-entrant: a save that holds it may call writers that take it
// again (writeFileAtomically does).
inline constexpr const char* kLockFileName = ".jitsuryoku.lock";
inline constexpr const char* kHeldFileName = ".jitsuryoku.lock.held";
inline constexpr std::chrono::seconds kStaleHeldAge{60};
// How long a save waits for another one before it gives up with a reason.
inline constexpr std::chrono::seconds kSaveLockWait{10};

class SaveLock {
public:
    SaveLock() = default;
    ~SaveLock() { release(); }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Takes the lock of the folder that holds `file`, waiting up to `wait`. Fails, naming the
    // lock file and the cause, when the folder cannot take a lock file or another save held it
    // all that time.
    Status acquire(const std::filesystem::path& file,
                   std::chrono::milliseconds wait = kSaveLockWait);
    // Lets go (once the last holder in this thread lets go); nothing when not held.
    void release();
    bool held() const { return !folder_.empty(); }

private:
    std::filesystem::path folder_;
};

}  // namespace jitsu
