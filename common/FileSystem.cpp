// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystem.h"

namespace jitsu {

namespace {
FileSystem* tInUse = nullptr;
}  // namespace

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = std::filesystem::path(path).make_preferred().u8string();
    return std::string(text.begin(), text.end());
}

FileSystem& fileSystem() { return tInUse ? *tInUse : nativeFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(tInUse) {
    tInUse = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() { tInUse = previous_; }

}  // namespace jitsu
