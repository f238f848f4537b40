// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRewrite.h"

#include "AtomicWrite.h"
#include "Limits.h"
#include "SaveLock.h"
#include "TextFile.h"

namespace jitsu {

Status rewriteAllOrNothing(const std::vector<FileRewrite>& files, const char* changedSince,
                           const std::function<Status()>& last) {
    // One lock for the whole change, so that no other save comes in between its files, and one
    // flush of the folder at its end.
    FolderSyncBatch batch;
    SaveLock lock;
    if (!files.empty())
        if (Status locked = lock.acquire(files.front().path); !locked) return locked;
    std::vector<const FileRewrite*> written;
    auto undo = [&](Status failed) {
        for (const FileRewrite* file : written)
            (void)writeFileAtomically(file->path, toCrLf(file->before));
        return failed;
    };
    for (const FileRewrite& file : files) {
        std::string now;
        if (Status read = readTextFile(file.path, kMaxScoreFileBytes, now); !read)
            return undo(read);
        if (now != file.before) return undo(Status::error(because(changedSince, file.path)));
        if (file.after == toCrLf(file.before)) continue;  // nothing moves in this file
        if (Status s = writeFileAtomically(file.path, file.after); !s) return undo(s);
        written.push_back(&file);
    }
    if (Status s = last(); !s) return undo(s);
    return Status::ok();
}

}  // namespace jitsu
