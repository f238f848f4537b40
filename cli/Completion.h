// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace jitsu::cli {

// The bash completion of jitsuryoku, from the command and option tables: the commands, each
// command's options, files and folders where they are wanted, the CUPS queues (lpstat -e) after
// --printer, and after --test the tests the basic data sets up (jitsuryoku tests, in the folder
// and for the grade given on the line). It needs bash-completion's _init_completion.
std::string bashCompletion();

// The bash completion of a window program: -C/--data-dir with a folder, --help, --version.
std::string programBashCompletion(const std::string& program);

}  // namespace jitsu::cli
