// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "FileSystem.h"
#include "Status.h"

namespace jitsu {

// How old a temporary file of a save must be before a later save of the same file takes it for
// the remains of a killed save: far longer than any save takes, so a save in progress in
// another process is never touched.
inline constexpr std::chrono::minutes kStaleTemporaryAge{5};

// Replaces `target` with `content`, through fileSystem() (FileSystem.h). On the POSIX file
// system: the rename waits for the folder's SaveLock (SaveLock.h), so
// that it never lands in the middle of another save. The target is found inside the folder it is
// named in (findInFolder): a symbolic link inside that folder is followed, its target replaced and
// the link kept; a link out of the folder, a dangling link or a loop is refused, as is a file the
// running user has no write permission for by its mode bits (read-only, whoever runs it) and
// anything but a regular file. The data goes to a file without a name where the file system
// allows it (O_TMPFILE), else to ".NAME.XXXXXX" beside the target (always so on Windows, where
// the rename is ReplaceFileW or MoveFileExW and waits a moment for a file another program holds
// open); it is flushed to disk, given
// a name and renamed over the target, all relative to the target's folder, opened once, and the
// folder is flushed after the rename. The new file keeps the old one's permission bits (and
// owner and group where the process may set them); a new file gets 0666 under the umask.
// Temporary files of this target older than kStaleTemporaryAge are removed first. On any
// failure no temporary file is left, the old target is left as it was, and the reason names
// the target and the cause.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view content);

// A change of several files in one go (all or nothing): while one is alive in a thread,
// writeFileAtomically in that thread leaves the flush of the folder it renamed into to the end
// of the batch, once per folder, instead of once per file. Batches nest.
class FolderSyncBatch {
public:
    FolderSyncBatch();
    ~FolderSyncBatch();
    FolderSyncBatch(const FolderSyncBatch&) = delete;
    FolderSyncBatch& operator=(const FolderSyncBatch&) = delete;
};

// The same replacement for output that a library writes by file name (a PDF, a workbook):
// start() checks the target and opens the temporary file, temporaryPath() names it for the
// library, commit() flushes it and renames it over the target under the folder's SaveLock.
// Destroyed without a successful commit, it removes the temporary file and leaves the target as
// it was.
class AtomicReplacement {
public:
    explicit AtomicReplacement(std::filesystem::path target);
    ~AtomicReplacement();
    AtomicReplacement(const AtomicReplacement&) = delete;
    AtomicReplacement& operator=(const AtomicReplacement&) = delete;

    Status start();
    // A name that opens the temporary file (a /proc/self/fd path on Linux): valid between
    // start() and commit().
    std::string temporaryPath() const;
    // Appends `content` to the temporary file.
    Status write(std::string_view content);
    Status commit();

private:
    std::filesystem::path target_;
    std::unique_ptr<FileReplacement> impl_;
};

}  // namespace jitsu
