#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "FileHealth.h"
#include "Status.h"

namespace jitsu {

// Sets `text` to the whole content of a regular file as read in text mode on Windows: every
// CR LF becomes LF. A file that does not exist gives Status::missing; one that cannot be opened
// or read, a directory, a FIFO, a device or a socket (never opened for reading, so never waited
// on), and a file above `maxBytes` (refused without reading it) give an error. Each reason
// names the file and the cause. With `health`, its size, line ends and encoding are surveyed.
Status readTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& text,
                    FileHealth* health = nullptr);

// Text as written in text mode on Windows: every LF becomes CR LF.
std::string toCrLf(std::string_view text);

// A fault to inject into writeFileAtomically in tests.
struct WriteFault {
    enum class Kind { None, FailAfterBytes, FailRename } kind = Kind::None;
    std::size_t bytes = 0;  // for FailAfterBytes: how many bytes reach the file before it fails
};

// Replaces `target` with `content`: writes a temporary file in the same directory, flushes it
// to disk and renames it over the target. On any failure the temporary file is removed, the
// old target is left as it was, and the reason is returned.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view content,
                           WriteFault fault = {});

}  // namespace jitsu
