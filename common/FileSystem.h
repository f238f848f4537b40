// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace jitsu {

// Every path the suite handles is UTF-8 text inside; these two convert at the edge, where a
// path meets the system (std::filesystem::path(std::string) reads the text in the system's
// code page on Windows, not as UTF-8). utf8FromPath is also the one way a path is shown to a
// person: its folders separated as the system separates them ("\" on Windows, also where the
// path was put together with "/"), so that every message names a file one way.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// One replacement of a file in progress; AtomicReplacement (AtomicWrite.h) states what each
// step guarantees. Destroyed without a successful commit, it leaves the target as it was.
class FileReplacement {
public:
    virtual ~FileReplacement() = default;
    virtual Status start() = 0;
    virtual std::string temporaryPath() const = 0;
    virtual Status write(std::string_view content) = 0;
    virtual Status commit() = 0;
};

// The lock of one folder's saves, held while the object lives.
class FolderLock {
public:
    virtual ~FolderLock() = default;
};

// Where every read, replacement, save lock, listing and file time of the suite goes: the
// system's own file system (nativeFileSystem) in the programs, an in-memory one in tests.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of the regular file `path`, unchanged; the contract of readFileBytes
    // (TextFile.h).
    virtual Status readFile(const std::filesystem::path& path, std::size_t maxBytes,
                            std::string& bytes) = 0;
    // A replacement of `target`, not started yet.
    virtual std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) = 0;
    // Takes the lock of the saves into `folder` (for a save of `file`, named in the reasons),
    // waiting up to `wait`; the contract of SaveLock::acquire (SaveLock.h).
    virtual Status lockFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& file, std::chrono::milliseconds wait,
                              std::unique_ptr<FolderLock>& lock) = 0;
    // The names of the entries of `folder`, in no order; none when it cannot be read.
    virtual std::vector<std::string> list(const std::filesystem::path& folder) = 0;
    // When `path` was last written; nothing when it does not exist or cannot be asked.
    virtual std::optional<std::chrono::system_clock::time_point> modified(
        const std::filesystem::path& path) = 0;
};

// The system's file system (POSIX or Windows, chosen when the suite is built).
FileSystem& nativeFileSystem();

// The file system in use: nativeFileSystem() unless a ScopedFileSystem is alive.
FileSystem& fileSystem();

// Puts `replacement` in use for the whole process while it lives (tests).
class ScopedFileSystem {
public:
    explicit ScopedFileSystem(FileSystem& replacement);
    ~ScopedFileSystem();
    ScopedFileSystem(const ScopedFileSystem&) = delete;
    ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

private:
    FileSystem* previous_;
};

}  // namespace jitsu
