// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "Commands.h"

namespace jitsu::cli {

// One of the suite's window programs, as its manual page describes it.
struct WindowProgram {
    const char* name;  // the installed name, jitsuryoku-NAME
    const char* summary;
    const char* summaryJa;
    const char* description;
    const char* descriptionJa;
};

std::span<const WindowProgram> windowPrograms();

// The manual pages (roff, UTF-8) of `jitsuryoku` and of a window program, in English or in
// Japanese, dated `date` (YYYY-MM-DD). The command-line tool's page is built from the same
// command and option tables as its --help, so that the two cannot disagree.
std::string toolManPage(Language language, const std::string& date);
std::string programManPage(const WindowProgram& program, Language language,
                           const std::string& date);

}  // namespace jitsu::cli
