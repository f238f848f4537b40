// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "AtomicWrite.h"
#include "FileFindings.h"
#include "Status.h"

namespace jitsu {

// Sets `text` to the whole content of a regular file as read in text mode on Windows: every
// CR LF becomes LF. A file that does not exist gives Status::missing; one that cannot be opened
// or read, a directory, a FIFO, a device or a socket (never opened for reading, so never waited
// on), and a file above `maxBytes` (refused without reading it) give an error. Each reason
// names the file and the cause. The file is found inside the folder it is named in
// (findInFolder): a link out of that folder, a dangling link or a loop of links is an error
// naming the link's target. With `health`, it is cleared and the file's size, line ends and
// encoding recorded there, for the reader to add what it sees.
Status readTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& text,
                    FileFindings* health = nullptr);

// Sets `bytes` to the whole content of a regular file, unchanged (a spreadsheet's file, which
// may be binary); fails as readTextFile does.
Status readFileBytes(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes);

// Text as read in text mode on Windows: every CR LF becomes LF.
std::string fromCrLf(std::string_view raw);

// Text as written in text mode on Windows: every LF becomes CR LF.
std::string toCrLf(std::string_view text);

}  // namespace jitsu
