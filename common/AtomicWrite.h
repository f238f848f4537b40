#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

#include "Status.h"

namespace jitsu {

// A fault to inject into writeFileAtomically in tests.
struct WriteFault {
    enum class Kind { None, FailAfterBytes, FailRename } kind = Kind::None;
    std::size_t bytes = 0;  // for FailAfterBytes: how many bytes reach the file before it fails
};

// How old a temporary file of a save must be before a later save of the same file takes it for
// the remains of a killed save: far longer than any save takes, so a save in progress in
// another process is never touched.
inline constexpr std::chrono::minutes kStaleTemporaryAge{5};

// Replaces `target` with `content`, holding the folder's SaveLock meanwhile. The data goes to a
// file without a name where the file system allows it (O_TMPFILE), else to ".NAME.XXXXXX" in the
// same directory; it is flushed to disk, given a name and renamed over the target, and the
// directory is flushed after the rename. The new file keeps the old one's permission bits (and
// owner and group where the process may set them); a new file gets 0666 under the umask. A symbolic
// link is followed: its target is replaced and the link stays. Temporary files of this target older
// than kStaleTemporaryAge are removed first. On any failure no temporary file is left, the old
// target is left as it was, and the reason names the target and the cause.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view content,
                           WriteFault fault = {});

}  // namespace jitsu
