#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Status.h"

namespace jitsu {

// The whole content of a file as read in text mode on Windows: every CR LF becomes LF.
// nullopt when the file cannot be opened for reading.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

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
