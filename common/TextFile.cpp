// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "FolderBoundary.h"

namespace jitsu {

namespace {

Status openFailure(const std::filesystem::path& path, int error) {
    if (error == ENOENT) return Status::missing(because(N_("{1}: no such file"), path));
    return Status::error(because(N_("{1}: cannot be opened: {2}"), path, Reason::ofErrno(error)));
}

Status tooLarge(const std::filesystem::path& path, std::size_t limit) {
    return Status::error(
        because(N_("{1}: larger than {2} bytes, more than any file of its kind"), path, limit));
}

// Reads at most `limit` bytes; fails on a read error or when the file holds more.
Status readBounded(int fd, const std::filesystem::path& path, std::size_t limit, std::string& raw) {
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            return Status::error(
                because(N_("{1}: cannot be read: {2}"), path, Reason::ofErrno(errno)));
        if (n == 0) return Status::ok();
        if (raw.size() + static_cast<std::size_t>(n) > limit) break;
        raw.append(buffer, static_cast<std::size_t>(n));
    }
    return tooLarge(path, limit);
}

Status readRaw(const std::filesystem::path& path, std::size_t maxBytes, std::string& raw) {
    FileInFolder file;
    if (Status found = findInFolder(path, file); !found) return found;
    if (!file.exists) return openFailure(path, ENOENT);
    // O_NONBLOCK: opening a FIFO must not wait for a writer before fstat can refuse it.
    // O_NOFOLLOW: a link put in the file's place since it was found is not followed.
    int fd = ::openat(file.directory.get(), file.name.c_str(),
                      O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return openFailure(path, errno);
    struct stat st;
    Status status = Status::ok();
    if (::fstat(fd, &st) != 0)
        status =
            Status::error(because(N_("{1}: cannot be read: {2}"), path, Reason::ofErrno(errno)));
    else if (S_ISDIR(st.st_mode))
        status = Status::error(because(N_("{1}: is a folder, not a file"), path));
    else if (!S_ISREG(st.st_mode))
        status = Status::error(because(N_("{1}: is not a regular file"), path));
    else if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        status = tooLarge(path, maxBytes);
    else
        status = readBounded(fd, path, maxBytes, raw);
    ::close(fd);
    return status;
}

}  // namespace

Status readTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& text,
                    FileFindings* health) {
    if (health) *health = FileFindings{};
    std::string raw;
    if (Status s = readRaw(path, maxBytes, raw); !s) return s;
    if (health) surveyBytes(raw, *health);
    text = fromCrLf(raw);
    return Status::ok();
}

std::string fromCrLf(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    // The stretches between the CRs of CR LF ends, each appended whole.
    std::size_t from = 0;
    for (std::size_t cr = raw.find("\r\n"); cr != std::string_view::npos;
         cr = raw.find("\r\n", cr + 2)) {
        text.append(raw.substr(from, cr - from));
        from = cr + 1;
    }
    text.append(raw.substr(from));
    return text;
}

Status readFileBytes(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    return readRaw(path, maxBytes, bytes);
}

std::string toCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace jitsu
