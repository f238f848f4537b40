// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Status.h"

namespace jitsu {

// Called by every atomic save just before it renames the new bytes over `name` in the open
// folder `folder`: keeps the file's present bytes, with its permission bits, as the newest
// version (FileVersions.h), unless they equal the new bytes (read from `replacement` with
// pread) or the newest version kept; then drops all but the newest kVersionsKept. Nothing to
// do when there is no such regular file, nor for the suite's own hidden files (a name beginning
// with a dot). Fails (naming the file and the cause) when the versions folder cannot be made or
// written, or is a link or no folder; then nothing is kept.
Status keepVersion(int folder, const std::string& name, int replacement);

}  // namespace jitsu
