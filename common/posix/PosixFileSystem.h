// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include "FileSystem.h"

namespace jitsu {

// The parts of the POSIX file system (FileSystem.h), each in its own file.
std::unique_ptr<FileReplacement> posixReplacement(const std::filesystem::path& target);
Status posixLockFolder(const std::filesystem::path& folder, const std::filesystem::path& file,
                       std::chrono::milliseconds wait, std::unique_ptr<FolderLock>& lock);

}  // namespace jitsu
