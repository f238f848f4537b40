#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"

// Runs `jitsuryoku WORDS…`; returns the exit status and, when asked, what it wrote on standard
// output and standard error.
inline int runJitsuryoku(const std::vector<std::string>& words, std::string* out = nullptr,
                         std::string* err = nullptr) {
    std::ostringstream o, e;
    int status = jitsu::cli::runCli(words, o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return status;
}
