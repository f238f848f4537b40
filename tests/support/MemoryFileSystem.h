// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <map>
#include <set>

#include "FileSystem.h"

// A file system in memory, with the faults a real disk and a school PC give: a write that fails
// after some bytes or at once (a full disk), a read-only disk, and a file another program holds
// open (as a spreadsheet holds it on Windows). Put in use with jitsu::ScopedFileSystem. Paths
// are taken as given (no links, no "..").
class MemoryFileSystem final : public jitsu::FileSystem {
public:
    struct Faults {
        std::optional<std::size_t> writeFailsAfter;  // bytes of a replacement that reach it
        bool readOnly = false;
        std::set<std::filesystem::path> heldOpen;  // replaced only by waiting: they fail
    };
    Faults faults;
    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> folders{"."};

    jitsu::Status readFile(const std::filesystem::path& path, std::size_t maxBytes,
                           std::string& bytes) override {
        using jitsu::because;
        if (folders.contains(path))
            return jitsu::Status::error(because(N_("{1}: is a folder, not a file"), path));
        const auto file = files.find(path);
        if (file == files.end())
            return jitsu::Status::missing(because(N_("{1}: no such file"), path));
        if (file->second.size() > maxBytes)
            return jitsu::Status::error(because(
                N_("{1}: larger than {2} bytes, more than any file of its kind"), path, maxBytes));
        bytes = file->second;
        return jitsu::Status::ok();
    }

    std::unique_ptr<jitsu::FileReplacement> replacement(
        const std::filesystem::path& target) override {
        return std::make_unique<Replacement>(*this, target);
    }

    jitsu::Status lockFolder(const std::filesystem::path&, const std::filesystem::path&,
                             std::chrono::milliseconds,
                             std::unique_ptr<jitsu::FolderLock>& lock) override {
        lock = std::make_unique<jitsu::FolderLock>();
        return jitsu::Status::ok();
    }

    std::vector<std::string> list(const std::filesystem::path& folder) override {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : files)
            if (path.parent_path() == folder) names.push_back(jitsu::utf8FromPath(path.filename()));
        return names;
    }

    std::optional<std::chrono::system_clock::time_point> modified(
        const std::filesystem::path& path) override {
        const auto time = times_.find(path);
        if (time == times_.end()) return std::nullopt;
        return time->second;
    }

    // The temporary files of replacements not yet committed or dropped.
    int temporaries() const { return temporaries_; }

private:
    class Replacement final : public jitsu::FileReplacement {
    public:
        Replacement(MemoryFileSystem& system, std::filesystem::path target)
            : system_(system), target_(std::move(target)) {}
        ~Replacement() override { system_.temporaries_ -= started_; }

        jitsu::Status start() override {
            using jitsu::because;
            const std::filesystem::path folder =
                target_.has_parent_path() ? target_.parent_path() : ".";
            if (system_.folders.contains(target_))
                return jitsu::Status::error(
                    because(N_("{1}: is not a regular file; it was not replaced"), target_));
            if (!system_.folders.contains(folder) || system_.faults.readOnly)
                return jitsu::Status::error(because(
                    N_("{1}: the folder {2} takes no new file: {3}"), target_, folder,
                    jitsu::Reason::ofErrno(system_.faults.readOnly ? EROFS : ENOENT, true)));
            started_ = 1;
            ++system_.temporaries_;
            return jitsu::Status::ok();
        }
        std::string temporaryPath() const override { return {}; }
        jitsu::Status write(std::string_view content) override {
            const auto limit = system_.faults.writeFailsAfter;
            if (limit && bytes_.size() + content.size() > *limit) {
                failed_ = true;
                return jitsu::Status::error(jitsu::because(N_("{1}: cannot write: {2}"), target_,
                                                           jitsu::Reason::ofErrno(ENOSPC, true)));
            }
            bytes_ += content;
            return jitsu::Status::ok();
        }
        jitsu::Status commit() override {
            using jitsu::because;
            if (failed_) return jitsu::Status::error(because(N_("{1}: cannot write"), target_));
            if (system_.faults.heldOpen.contains(target_))
                return jitsu::Status::error(because(
                    N_("{1}: another program has the file open; close it there and save again"),
                    target_));
            system_.files[target_] = bytes_;
            system_.times_[target_] =
                std::chrono::system_clock::time_point(std::chrono::seconds(++system_.clock_));
            return jitsu::Status::ok();
        }

    private:
        MemoryFileSystem& system_;
        std::filesystem::path target_;
        std::string bytes_;
        int started_ = 0;
        bool failed_ = false;
    };

    std::map<std::filesystem::path, std::chrono::system_clock::time_point> times_;
    int clock_ = 0;  // seconds: each save a second after the one before
    int temporaries_ = 0;
};
