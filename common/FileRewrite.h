// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Status.h"

namespace jitsu {

// One file rewritten as part of a change that is all or nothing (score files carried to a new
// roster or to new counts).
struct FileRewrite {
    std::filesystem::path path;
    std::string before;  // the file's text when the change was planned, as read (LF line ends)
    std::string after;   // its new bytes
};

// Writes every file's `after` (one whose `after` is its `before` is left as it is), then calls
// `last` (the file the change is about: the roster, the basic data), all under the folder's
// SaveLock. A file whose text is no longer its `before` (another save came in between) stops
// the change with `changedSince`, a text of the catalogue whose {1} is the file. On any failure the
// files already written get their `before` back, so the folder is as it was; the reason is the
// first failure's.
Status rewriteAllOrNothing(const std::vector<FileRewrite>& files, const char* changedSince,
                           const std::function<Status()>& last);

}  // namespace jitsu
