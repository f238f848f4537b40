// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"

// `jitsuryoku -C DIR WORDS…`: its exit status, and what it printed (standard output, then
// standard error) into `printed`.
inline int runJitsuryoku(const std::filesystem::path& dir, std::vector<std::string> words,
                         std::string* printed = nullptr) {
    words.insert(words.begin(), {"-C", dir.string()});
    std::ostringstream out, err;
    const int status = jitsu::cli::runCli(words, out, err);
    if (printed) *printed = out.str() + err.str();
    return status;
}
