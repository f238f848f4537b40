#include "TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace jitsu {

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text += raw[i];
    }
    return text;
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

namespace {

Status failure(const std::filesystem::path& target, const char* what, int error) {
    return Status::error(target.string() + ": " + what + ": " + std::strerror(error));
}

bool writeAll(int fd, std::string_view content, WriteFault fault) {
    std::size_t limit = fault.kind == WriteFault::Kind::FailAfterBytes
                            ? std::min(fault.bytes, content.size())
                            : content.size();
    std::size_t done = 0;
    while (done < limit) {
        ssize_t n = ::write(fd, content.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (limit < content.size()) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

}  // namespace

Status writeFileAtomically(const std::filesystem::path& target, std::string_view content,
                           WriteFault fault) {
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return failure(target, "cannot create a temporary file", errno);
    ::fchmod(fd, 0644);

    bool written = writeAll(fd, content, fault) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(pattern.c_str());
        return failure(target, "cannot write", error);
    }
    if (fault.kind == WriteFault::Kind::FailRename || ::rename(pattern.c_str(), target.c_str()) != 0) {
        error = fault.kind == WriteFault::Kind::FailRename ? EIO : errno;
        ::unlink(pattern.c_str());
        return failure(target, "cannot replace the file", error);
    }
    return Status::ok();
}

}  // namespace jitsu
