// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "AtomicWrite.h"
#include "FileSystem.h"
#include "FileVersions.h"
#include "Limits.h"
#include "SaveLock.h"
#include "System.h"
#include "WindowsText.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How long a replacement waits for another program (a spreadsheet, a virus scanner) to let go of
// the target before it says so.
constexpr int kHeldTries = 20;
constexpr std::chrono::milliseconds kHeldPause{100};
constexpr std::chrono::milliseconds kLockPoll{5};
constexpr std::size_t kSuffixLength = 6;
// The largest data file the suite writes; only printed pages are larger, and not worth keeping.
constexpr std::size_t kMaxVersionBytes = kMaxResultsFileBytes;

class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    Handle(Handle&& other) noexcept : h_(std::exchange(other.h_, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&& other) noexcept {
        std::swap(h_, other.h_);
        return *this;
    }
    ~Handle() { close(); }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const bool closed = !valid() || ::CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE h_;
};

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The attributes of `path`, or INVALID_FILE_ATTRIBUTES with the error in `error`.
DWORD attributesOf(const fs::path& path, DWORD& error) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    error = attributes == INVALID_FILE_ATTRIBUTES ? ::GetLastError() : 0;
    return attributes;
}

bool isMissingError(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isHeldError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

Status readWhole(const fs::path& path, std::size_t maxBytes, std::string& bytes) {
    auto tooLarge = [&] {
        return Status::error(because(
            N_("{1}: larger than {2} bytes, more than any file of its kind"), path, maxBytes));
    };
    DWORD error = 0;
    const DWORD attributes = attributesOf(path, error);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (isMissingError(error)) return Status::missing(because(N_("{1}: no such file"), path));
        return Status::error(because(N_("{1}: cannot be opened: {2}"), path, windowsReason(error)));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Status::error(because(N_("{1}: is a folder, not a file"), path));
    // Others may go on reading and writing: the read takes what is there now.
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return Status::error(
            because(N_("{1}: cannot be opened: {2}"), path, windowsReason(::GetLastError())));
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return Status::error(because(N_("{1}: is not a regular file"), path));
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size))
        return Status::error(
            because(N_("{1}: cannot be read: {2}"), path, windowsReason(::GetLastError())));
    if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return tooLarge();
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr))
            return Status::error(
                because(N_("{1}: cannot be read: {2}"), path, windowsReason(::GetLastError())));
        if (n == 0) return Status::ok();
        if (bytes.size() + n > maxBytes) return tooLarge();
        bytes.append(buffer, n);
    }
}

std::string randomSuffix() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) suffix += kLetters[pick(random)];
    return suffix;
}

bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix) &&
           std::all_of(name.end() - kSuffixLength, name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::optional<std::chrono::system_clock::time_point> modifiedTime(const fs::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    // 100-nanosecond ticks since 1601.
    const std::int64_t ticks =
        (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime;
    constexpr std::int64_t kTicksTo1970 = 116444736000000000;
    using namespace std::chrono;
    return system_clock::time_point(
        duration_cast<system_clock::duration>(nanoseconds((ticks - kTicksTo1970) * 100)));
}

std::vector<std::string> listFolder(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(utf8FromPath(it->path().filename()));
    return names;
}

// A new folder `path`, or the one there; false when it cannot be made or is a link or no folder.
bool ensureFolder(const fs::path& path, DWORD& error) {
    if (!::CreateDirectoryW(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        error = ::GetLastError();
        return false;
    }
    const DWORD attributes = attributesOf(path, error);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    error = ERROR_DIRECTORY;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Keeps the present bytes of `target`, about to be replaced by the file `replacement`, as its
// newest earlier version (FileVersions.h); the POSIX writer's keepVersion, by name.
Status keepVersion(const fs::path& target, const fs::path& replacement) {
    const std::string name = utf8FromPath(target.filename());
    if (name.starts_with('.')) return Status::ok();
    auto failure = [&](const std::string& what, DWORD error) {
        return Status::error(because(N_("{1}: the earlier version cannot be kept: {2}: {3}"), name,
                                     what, windowsReason(error, true)));
    };
    std::string bytes, next;
    // Nothing to keep: no file yet, no regular file, or printed pages too large to keep.
    if (!readWhole(target, kMaxVersionBytes, bytes)) return Status::ok();
    if (readWhole(replacement, kMaxVersionBytes, next) && next == bytes) return Status::ok();
    const fs::path versions = folderOf(target) / fs::path(kVersionsFolder);
    const fs::path own = versions / target.filename();
    DWORD error = 0;
    if (!ensureFolder(versions, error)) return failure(std::string(kVersionsFolder), error);
    if (!ensureFolder(own, error))
        return failure(utf8FromPath(fs::path(kVersionsFolder) / target.filename()), error);
    std::vector<std::string> kept = versionsNewestFirst(listFolder(own));
    std::string newest;
    if (!kept.empty() && readWhole(own / pathFromUtf8(kept[0]), kMaxVersionBytes, newest) &&
        newest == bytes)
        return Status::ok();
    std::int64_t stamp = nextVersionStamp(kept);
    for (int attempt = 0;; ++attempt, ++stamp) {
        const std::string version = versionName(stamp, programName());
        const fs::path path = own / pathFromUtf8(version);
        Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid()) {
            if (writeAll(file.get(), bytes) && ::FlushFileBuffers(file.get())) break;
            error = ::GetLastError();
            file.close();
            ::DeleteFileW(path.c_str());
            return failure(version, error);
        }
        error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS || attempt == 100) return failure(version, error);
    }
    kept = versionsNewestFirst(listFolder(own));
    for (std::size_t i = kVersionsKept; i < kept.size(); ++i)
        ::DeleteFileW((own / pathFromUtf8(kept[i])).c_str());
    return Status::ok();
}

// A replacement on Windows, as AtomicWrite.h tells: a temporary file made with CREATE_NEW beside
// the target, flushed, then ReplaceFileW over the target (it keeps the target's security and
// attributes) or MoveFileExW where there is none yet.
class WindowsReplacement final : public FileReplacement {
public:
    explicit WindowsReplacement(fs::path target) : target_(std::move(target)) {}
    ~WindowsReplacement() override {
        temporary_.close();
        if (!temporaryName_.empty()) ::DeleteFileW(temporaryName_.c_str());
    }
    Status start() override;
    std::string temporaryPath() const override { return utf8FromPath(temporaryName_); }
    Status write(std::string_view content) override;
    Status commit() override;

private:
    Status writeFailure(DWORD error) const {
        return Status::error(
            because(N_("{1}: cannot write: {2}"), target_, windowsReason(error, true)));
    }
    // The target as it is now: refused when it is a folder or read-only.
    Status checkTarget(bool& exists) const;
    void removeStaleTemporaries(const std::string& prefix) const;
    Status rename(bool targetExists);

    fs::path target_;
    Handle temporary_;
    fs::path temporaryName_;
    bool failed_ = false;
};

Status WindowsReplacement::checkTarget(bool& exists) const {
    DWORD error = 0;
    const DWORD attributes = attributesOf(target_, error);
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && !isMissingError(error))
        return Status::error(
            because(N_("{1}: cannot be opened: {2}"), target_, windowsReason(error)));
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return Status::error(
            because(N_("{1}: is not a regular file; it was not replaced"), target_));
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return Status::error(because(N_("{1}: is read-only; it was not replaced"), target_));
    return Status::ok();
}

void WindowsReplacement::removeStaleTemporaries(const std::string& prefix) const {
    const fs::path folder = folderOf(target_);
    const auto bound = std::chrono::system_clock::now() - kStaleTemporaryAge;
    for (const std::string& name : listFolder(folder)) {
        const fs::path path = folder / pathFromUtf8(name);
        const auto time = modifiedTime(path);
        if (isTemporaryOf(name, prefix) && time && *time < bound) ::DeleteFileW(path.c_str());
    }
}

Status WindowsReplacement::start() {
    bool exists = false;
    if (Status target = checkTarget(exists); !target) return target;
    const fs::path folder = folderOf(target_);
    const std::string prefix = "." + utf8FromPath(target_.filename()) + ".";
    removeStaleTemporaries(prefix);
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
        temporaryName_ = folder / pathFromUtf8(prefix + randomSuffix());
        // Shared: a library may open it by name (temporaryPath) and write it itself.
        temporary_ = Handle(::CreateFileW(temporaryName_.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        error = temporary_.valid() ? 0 : ::GetLastError();
    }
    if (error == 0) return Status::ok();
    temporaryName_.clear();
    return Status::error(because(N_("{1}: the folder {2} takes no new file: {3}"), target_, folder,
                                 windowsReason(error, true)));
}

Status WindowsReplacement::write(std::string_view content) {
    if (writeAll(temporary_.get(), content)) return Status::ok();
    failed_ = true;
    return writeFailure(::GetLastError());
}

// Whether another program has `path` open without letting others delete it (error 32), which
// ReplaceFileW would fail on. Asked before each ReplaceFileW: wine's leaves a file rfNNNN.tmp in
// the folder each time it fails so; Windows' leaves nothing, and the question costs one open.
bool heldOpen(const fs::path& path) {
    const Handle probe(::CreateFileW(path.c_str(), DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !probe.valid() && isHeldError(::GetLastError());
}

Status WindowsReplacement::rename(bool targetExists) {
    for (int attempt = 1;; ++attempt) {
        const bool held = targetExists && heldOpen(target_);
        const BOOL done =
            !held &&
            (targetExists ? ::ReplaceFileW(target_.c_str(), temporaryName_.c_str(), nullptr,
                                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : ::MoveFileExW(temporaryName_.c_str(), target_.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
        if (done) return Status::ok();
        const DWORD error = held ? ERROR_SHARING_VIOLATION : ::GetLastError();
        if (!isHeldError(error) && error != ERROR_ACCESS_DENIED)
            return Status::error(because(N_("{1}: cannot replace the file: {2}"), target_,
                                         windowsReason(error, true)));
        // Another program has the file open (error 32); a scan lets go in a moment.
        if (attempt == kHeldTries)
            return Status::error(
                because(N_("{1}: another program has the file open; close it there and save "
                           "again"),
                        target_));
        std::this_thread::sleep_for(kHeldPause);
    }
}

Status WindowsReplacement::commit() {
    if (failed_) return Status::error(because(N_("{1}: cannot write"), target_));
    SaveLock lock;  // the rename is the save: it waits for any other save into the folder
    if (Status locked = lock.acquire(target_); !locked) return locked;
    if (!::FlushFileBuffers(temporary_.get())) return writeFailure(::GetLastError());
    if (!temporary_.close()) return writeFailure(::GetLastError());
    bool exists = false;
    if (Status target = checkTarget(exists); !target) return target;
    if (Status kept = keepVersion(target_, temporaryName_); !kept) return kept;
    if (Status renamed = rename(exists); !renamed) return renamed;
    temporaryName_.clear();
    return Status::ok();
}

// LockFileEx on the folder's lock file: decided by the server on a shared folder, let go by the
// system when the process ends.
class WindowsFolderLock final : public FolderLock {
public:
    explicit WindowsFolderLock(Handle file) : file_(std::move(file)) {}
    ~WindowsFolderLock() override {
        OVERLAPPED at{};
        ::UnlockFileEx(file_.get(), 0, 1, 0, &at);
    }

private:
    Handle file_;
};

class WindowsFileSystem final : public FileSystem {
public:
    Status readFile(const fs::path& path, std::size_t maxBytes, std::string& bytes) override {
        return readWhole(path, maxBytes, bytes);
    }
    std::unique_ptr<FileReplacement> replacement(const fs::path& target) override {
        return std::make_unique<WindowsReplacement>(target);
    }
    Status lockFolder(const fs::path& folder, const fs::path& file, std::chrono::milliseconds wait,
                      std::unique_ptr<FolderLock>& lock) override;
    std::vector<std::string> list(const fs::path& folder) override { return listFolder(folder); }
    std::optional<std::chrono::system_clock::time_point> modified(const fs::path& path) override {
        return modifiedTime(path);
    }
};

Status WindowsFileSystem::lockFolder(const fs::path& folder, const fs::path& file,
                                     std::chrono::milliseconds wait,
                                     std::unique_ptr<FolderLock>& lock) {
    const fs::path lockFile = folder / kLockFileName;
    Handle handle(::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!handle.valid())
        return Status::error(because(N_("{1}: the folder {2} takes no new file: {3}"), file, folder,
                                     windowsReason(::GetLastError(), true)));
    const auto deadline = Clock::now() + wait;
    for (;;) {
        OVERLAPPED at{};
        if (::LockFileEx(handle.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                         &at))
            break;
        if (Clock::now() > deadline)
            return Status::error(because(
                N_("{1}: another save into the folder {2} has not ended; try again in a moment"),
                file, folder));
        std::this_thread::sleep_for(kLockPoll);
    }
    lock = std::make_unique<WindowsFolderLock>(std::move(handle));
    return Status::ok();
}

}  // namespace

// Windows has no flush of a folder: MOVEFILE_WRITE_THROUGH and ReplaceFileW make the rename
// durable by themselves, so a batch has nothing to gather.
FolderSyncBatch::FolderSyncBatch() = default;
FolderSyncBatch::~FolderSyncBatch() = default;

FileSystem& nativeFileSystem() {
    static WindowsFileSystem system;
    return system;
}

}  // namespace jitsu
