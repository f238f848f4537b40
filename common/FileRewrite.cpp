// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRewrite.h"

#include "AtomicWrite.h"
#include "Limits.h"
#include "TextFile.h"

namespace jitsu {

Status rewriteAllOrNothing(const std::vector<FileRewrite>& files, std::string_view changedSince,
                           const std::function<Status()>& last) {
    std::size_t written = 0;
    auto undo = [&](Status failed) {
        for (std::size_t i = 0; i < written; ++i)
            (void)writeFileAtomically(files[i].path, toCrLf(files[i].before));
        return failed;
    };
    for (const FileRewrite& file : files) {
        std::string now;
        if (Status read = readTextFile(file.path, kMaxScoreFileBytes, now); !read)
            return undo(read);
        if (now != file.before)
            return undo(Status::error(file.path.string() + ": " + std::string(changedSince)));
        if (Status s = writeFileAtomically(file.path, file.after); !s) return undo(s);
        ++written;
    }
    if (Status s = last(); !s) return undo(s);
    return Status::ok();
}

}  // namespace jitsu
